#include "runtime/tray/icon_file.h"

#include "runtime/system/byte_order.h"

namespace rt {

namespace {

constexpr std::size_t HeaderSize = 6;
constexpr std::size_t EntrySize = 16;
constexpr std::uint8_t PngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool IsPng(std::span<const std::uint8_t> image) {
    if (image.size() < 24) {
        return false;
    }
    for (std::size_t i = 0; i < sizeof PngSignature; ++i) {
        if (image[i] != PngSignature[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<IconImage> ChooseIconImage(std::span<const std::uint8_t> file, int width) {
    if (file.size() < HeaderSize) {
        return std::nullopt;
    }
    const std::uint16_t type = Read16(file.data() + 2);
    const std::uint16_t count = Read16(file.data() + 4);
    if (Read16(file.data()) != 0 || (type != 1 && type != 2) || count == 0) {
        return std::nullopt;
    }
    if (HeaderSize + static_cast<std::size_t>(count) * EntrySize > file.size()) {
        return std::nullopt;
    }
    std::size_t chosen = count - 1u;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = file.data() + HeaderSize + i * EntrySize;
        if (entry[2] >= 16 && entry[0] == width) {
            chosen = i;
            break;
        }
    }
    const std::uint8_t* entry = file.data() + HeaderSize + chosen * EntrySize;
    const std::uint64_t size = Read32(entry + 8);
    const std::uint64_t offset = Read32(entry + 12);
    if (offset > file.size() || size > file.size() - offset) {
        return std::nullopt;
    }
    const auto image =
        file.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
    if (IsPng(image)) {
        // A PNG image carries its size in its IHDR chunk.
        return IconImage{image, static_cast<int>(Read32BigEndian(image.data() + 16)),
                         static_cast<int>(Read32BigEndian(image.data() + 20)), 32};
    }
    if (image.size() < 40) {
        return std::nullopt;
    }
    // The bitmap's height field covers the colour bitmap and the mask.
    const auto bitmapWidth = static_cast<std::int32_t>(Read32(image.data() + 4));
    const auto bitmapHeight = static_cast<std::int32_t>(Read32(image.data() + 8));
    return IconImage{image, bitmapWidth, bitmapHeight / 2, Read16(image.data() + 14)};
}

} // namespace rt
