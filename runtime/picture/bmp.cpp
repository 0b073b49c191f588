#include "runtime/picture/bmp.h"

#include "runtime/controls/text_layout.h"
#include "runtime/system/byte_order.h"

namespace rt {

namespace {

constexpr std::uint32_t BiRgb = 0;
constexpr std::uint32_t BiBitfields = 3;

} // namespace

std::uint64_t BmpRowStride24(std::uint32_t width) {
    return (24u * static_cast<std::uint64_t>(width) + 31u) / 32u * 4u;
}

std::optional<std::uint32_t> BmpFileSize24(std::uint32_t width, std::uint32_t height) {
    const std::uint64_t size = BmpHeaderSize + BmpRowStride24(width) * height;
    if (size > 0xFFFFFFFFu) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(size);
}

void WriteBmpHeader24(std::uint8_t* out, std::uint32_t width, std::uint32_t height) {
    const auto imageSize = static_cast<std::uint32_t>(BmpRowStride24(width) * height);
    out[0] = 'B';
    out[1] = 'M';
    Write32(out + 2, static_cast<std::uint32_t>(BmpHeaderSize) + imageSize);
    Write16(out + 6, 0);
    Write16(out + 8, 0);
    Write32(out + 10, static_cast<std::uint32_t>(BmpHeaderSize));
    Write32(out + 14, 40);
    Write32(out + 18, width);
    Write32(out + 22, height);
    Write16(out + 26, 1);
    Write16(out + 28, 24);
    Write32(out + 30, BiRgb);
    Write32(out + 34, imageSize);
    for (std::size_t offset = 38; offset < BmpHeaderSize; offset += 4) {
        Write32(out + offset, 0); // resolution and colour counts
    }
}

std::optional<BmpView> ParseBmp(Bytes file) {
    constexpr std::size_t fileHeader = 14;
    if (file.size() < BmpHeaderSize || file[0] != 'B' || file[1] != 'M') {
        return std::nullopt;
    }
    const std::uint8_t* info = file.data() + fileHeader;
    const std::uint64_t offBits = Read32(file.data() + 10);
    const std::uint64_t infoSize = Read32(info);
    const auto width = static_cast<std::int32_t>(Read32(info + 4));
    const auto height = static_cast<std::int32_t>(Read32(info + 8));
    const std::uint16_t planes = Read16(info + 12);
    const std::uint16_t bitCount = Read16(info + 14);
    const std::uint32_t compression = Read32(info + 16);
    const std::uint64_t coloursUsed = Read32(info + 32);

    if (infoSize < 40 || fileHeader + infoSize > file.size() || planes != 1 || width <= 0 ||
        height == 0 || height == INT32_MIN) {
        return std::nullopt;
    }
    const bool paletted = bitCount == 1 || bitCount == 4 || bitCount == 8;
    if (!paletted && bitCount != 16 && bitCount != 24 && bitCount != 32) {
        return std::nullopt;
    }
    const bool bitfields = compression == BiBitfields && (bitCount == 16 || bitCount == 32);
    if (compression != BiRgb && !bitfields) {
        return std::nullopt;
    }
    // GDI reads the colour masks 40 bytes into the header whatever its size,
    // so a header shorter than 52 bytes needs the rest of them after it.
    const std::uint64_t masks = bitfields && infoSize < 52 ? 52 - infoSize : 0;
    const std::uint64_t maxColours = paletted ? (1u << bitCount) : 0xFFFFFFFFu;
    if (coloursUsed > maxColours) {
        return std::nullopt;
    }
    const std::uint64_t colours = paletted && coloursUsed == 0 ? maxColours : coloursUsed;
    const std::uint64_t tableEnd = fileHeader + infoSize + masks + colours * 4;

    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
    const std::uint64_t rows =
        height < 0 ? 0ull - static_cast<std::int64_t>(height) : static_cast<std::uint64_t>(height);
    if (offBits < tableEnd || offBits > file.size() || stride * rows > file.size() - offBits) {
        return std::nullopt;
    }
    return BmpView{info, file.data() + offBits, width, height, bitCount};
}

std::optional<PictureSize> CapturedPictureSize(int width, int height, int clientWidth,
                                               int clientHeight) {
    const auto resolve = [](int requested, int client) {
        if (requested == 0) {
            return client;
        }
        if (requested > 0) {
            return requested;
        }
        const int percent = requested == INT32_MIN ? INT32_MAX : -requested;
        return MulDivRounded(client, percent < 10 ? 10 : percent, 100);
    };
    const int w = resolve(width, clientWidth);
    const int h = resolve(height, clientHeight);
    if (w <= 0 || h <= 0) {
        return std::nullopt;
    }
    return PictureSize{w, h};
}

PixelRect CentredPicture(int pictureWidth, int pictureHeight, int clientWidth, int clientHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0) {
        return PixelRect{0, 0, 0, 0};
    }
    std::int64_t w = pictureWidth;
    std::int64_t h = pictureHeight;
    if (w > clientWidth || h > clientHeight) {
        // Compare the two shrink factors without division: the tighter one wins.
        if (static_cast<std::int64_t>(clientWidth) * pictureHeight <=
            static_cast<std::int64_t>(clientHeight) * pictureWidth) {
            w = clientWidth;
            h = static_cast<std::int64_t>(pictureHeight) * clientWidth / pictureWidth;
        } else {
            h = clientHeight;
            w = static_cast<std::int64_t>(pictureWidth) * clientHeight / pictureHeight;
        }
    }
    const auto x = static_cast<int>((clientWidth - w) / 2);
    const auto y = static_cast<int>((clientHeight - h) / 2);
    return PixelRect{x, y, static_cast<int>(w), static_cast<int>(h)};
}

} // namespace rt
