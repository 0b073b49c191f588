#include "runtime/picture/bmp.h"

#include <algorithm>

#include "tests/fuzz/check.h"

namespace {

std::uint32_t Le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t Le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<rt::BmpView> view = rt::ParseBmp({data, size});
    if (!view) {
        return 0;
    }
    // Offsets rather than pointers: a pointer past the input could not even be compared.
    const auto offsetOf = [data](const std::uint8_t* p) {
        return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(p) -
                                          reinterpret_cast<std::uintptr_t>(data));
    };
    FUZZ_CHECK(offsetOf(view->info) == 14);
    const std::uint8_t* info = view->info;
    const std::uint64_t infoSize = Le32(info);
    FUZZ_CHECK(infoSize >= 40 && 14 + infoSize <= size);
    FUZZ_CHECK(view->width == static_cast<std::int32_t>(Le32(info + 4)) && view->width > 0);
    FUZZ_CHECK(view->height == static_cast<std::int32_t>(Le32(info + 8)) && view->height != 0);
    FUZZ_CHECK(view->AbsHeight() <= 0x7FFFFFFFu);
    FUZZ_CHECK(Le16(info + 12) == 1 && view->bitCount == Le16(info + 14));
    const unsigned bpp = view->bitCount;
    FUZZ_CHECK(bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32);
    const std::uint32_t compression = Le32(info + 16);
    const bool bitfields = compression == 3;
    FUZZ_CHECK(compression == 0 || (bitfields && (bpp == 16 || bpp == 32)));

    // The BITMAPINFO as GDI reads it: bit-field masks always sit 40 bytes into
    // the header, whatever its size, and a palette follows the header.
    const std::uint64_t coloursUsed = Le32(info + 32);
    std::uint64_t colours = 0;
    if (bpp <= 8) {
        FUZZ_CHECK(coloursUsed <= (1u << bpp));
        colours = coloursUsed == 0 ? 1u << bpp : coloursUsed;
    }
    const std::uint64_t header = bitfields ? std::max<std::uint64_t>(infoSize, 40 + 12) : infoSize;
    const std::uint64_t infoEnd = 14 + header + colours * 4;
    const std::uint64_t bits = offsetOf(view->bits);
    FUZZ_CHECK(infoEnd <= bits);

    const std::uint64_t stride = (static_cast<std::uint64_t>(view->width) * bpp + 31) / 32 * 4;
    const std::uint64_t pixels = stride * view->AbsHeight();
    FUZZ_CHECK(bits <= size && pixels <= size - bits);
    // Reading the far ends lets ASan confirm what the arithmetic claims.
    volatile std::uint8_t far = data[infoEnd - 1] ^ view->bits[0] ^ view->bits[pixels - 1];
    (void)far;
    return 0;
}
