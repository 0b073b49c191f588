#pragma once
#include <cstdint>

// Little-endian fields of the file formats the runtime reads and writes
// (BMP, ICO), byte by byte, so that no unaligned access is ever made.
namespace rt {

inline std::uint16_t Read16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

inline std::uint32_t Read32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

inline std::uint32_t Read32BigEndian(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | static_cast<std::uint32_t>(p[3]);
}

inline void Write16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void Write32(std::uint8_t* p, std::uint32_t v) {
    Write16(p, static_cast<std::uint16_t>(v));
    Write16(p + 2, static_cast<std::uint16_t>(v >> 16));
}

} // namespace rt
