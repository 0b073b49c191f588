#pragma once
#include <cstdint>
#include <optional>
#include <span>

namespace rt {

// One image of an ICO file, chosen for the notification area.
struct IconImage {
    std::span<const std::uint8_t> bytes;
    int width;
    int height;
    int bitCount;
};

// Walks the directory of an ICO (or CUR) file for an image `width` pixels
// wide with 16 colours or more, falling back to the last entry. None when the
// header is not an icon's, or when the entry or image is not all there.
std::optional<IconImage> ChooseIconImage(std::span<const std::uint8_t> file, int width);

} // namespace rt
