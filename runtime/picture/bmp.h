#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rt {

using Bytes = std::span<const std::uint8_t>;

inline constexpr std::size_t BmpHeaderSize = 54; // file header + BITMAPINFOHEADER

// The length of one 24-bit pixel row: the smallest multiple of 4 not below 3 * width.
std::uint64_t BmpRowStride24(std::uint32_t width);
// The size of a whole 24-bit BMP file, or none when it would not fit a 32-bit field.
std::optional<std::uint32_t> BmpFileSize24(std::uint32_t width, std::uint32_t height);
// Writes the 54 header bytes of a 24-bit bottom-up BMP file without a colour table.
void WriteBmpHeader24(std::uint8_t* out, std::uint32_t width, std::uint32_t height);

// A BMP file checked to be paintable as it stands: every field that GDI will
// read lies inside the bytes, and so do all pixel rows. The pointers point
// into the checked bytes.
struct BmpView {
    const std::uint8_t* info; // BITMAPINFO: header, then masks or colour table
    const std::uint8_t* bits;
    std::int32_t width;
    std::int32_t height; // negative for rows stored top-down
    std::uint16_t bitCount;
    std::uint32_t AbsHeight() const {
        return height < 0 ? 0u - static_cast<std::uint32_t>(height)
                          : static_cast<std::uint32_t>(height);
    }
};

// Recognises an uncompressed (or bit-field) BMP with an info header of 40
// bytes or more at 1, 4, 8, 16, 24 or 32 bits per pixel; anything else,
// including a file whose fields claim more than it holds, is no picture.
std::optional<BmpView> ParseBmp(Bytes file);

struct PictureSize {
    int width;
    int height;
};

// The size that a canvas's picture is taken at, for a requested size and the
// canvas's client size: 0 means the client size, a negative value a
// percentage of it (10 at least). None when either comes out 0 or less.
std::optional<PictureSize> CapturedPictureSize(int width, int height, int clientWidth,
                                               int clientHeight);

struct PixelRect {
    int x;
    int y;
    int width;
    int height;
};

// Where a centred background picture lands: at natural size when it fits both
// ways, else shrunk by the one factor that makes it fit; centred either way.
PixelRect CentredPicture(int pictureWidth, int pictureHeight, int clientWidth, int clientHeight);

} // namespace rt
