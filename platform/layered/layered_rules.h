#pragma once
#include <cstdint>

// The decisions of the layered-window routines, apart from the calls that
// carry them out, so that they can be checked without a window.
namespace layered {

inline constexpr std::int32_t ExStyleLayered = 0x00080000;     // WS_EX_LAYERED
inline constexpr std::int32_t ExStyleTransparent = 0x00000020; // WS_EX_TRANSPARENT
inline constexpr std::uint32_t FlagColorKey = 0x1;             // LWA_COLORKEY
inline constexpr std::uint32_t FlagAlpha = 0x2;                // LWA_ALPHA

// The extended style to write. Without click-through the style becomes
// WS_EX_LAYERED alone, dropping every other bit; with it, the current bits are
// kept and the layered and transparent bits are added.
std::int32_t TransparencyExStyle(std::int32_t currentExStyle, bool clickThrough);

// A key of 0 (black) means "no key"; an alpha of 0 with a key means "no
// overall opacity"; both 0 leaves the alpha flag with alpha 0: invisible.
std::uint32_t TransparencyFlags(std::uint8_t alpha, std::uint32_t colorKey);

} // namespace layered
