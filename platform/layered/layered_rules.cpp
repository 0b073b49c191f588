#include "platform/layered/layered_rules.h"

namespace layered {

std::int32_t TransparencyExStyle(std::int32_t currentExStyle, bool clickThrough) {
    return clickThrough ? (currentExStyle | ExStyleTransparent | ExStyleLayered) : ExStyleLayered;
}

std::uint32_t TransparencyFlags(std::uint8_t alpha, std::uint32_t colorKey) {
    if (colorKey == 0) {
        return FlagAlpha;
    }
    if (alpha == 0) {
        return FlagColorKey;
    }
    return FlagColorKey | FlagAlpha;
}

} // namespace layered
