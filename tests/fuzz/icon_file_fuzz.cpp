#include "runtime/tray/icon_file.h"

#include <cstring>

#include "tests/fuzz/check.h"

namespace {

using Bytes = std::span<const std::uint8_t>;

std::uint32_t Le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint32_t Be32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | static_cast<std::uint32_t>(p[3]);
}

std::uint16_t Le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

// The directory entry the walk must settle on, or none when the header is not
// an icon's or the directory is cut short.
std::optional<std::size_t> ExpectedEntry(Bytes file, int width) {
    if (file.size() < 6 || Le16(&file[0]) != 0) {
        return std::nullopt;
    }
    const unsigned type = Le16(&file[2]);
    const std::size_t count = Le16(&file[4]);
    if ((type != 1 && type != 2) || count == 0 || 6 + 16 * count > file.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = &file[6 + 16 * i];
        if (entry[2] >= 16 && entry[0] == width) {
            return i;
        }
    }
    return count - 1;
}

void Check(Bytes file, int width) {
    const std::optional<rt::IconImage> image = rt::ChooseIconImage(file, width);
    if (image) {
        const auto begin = reinterpret_cast<std::uintptr_t>(file.data());
        const auto at = reinterpret_cast<std::uintptr_t>(image->bytes.data());
        FUZZ_CHECK(at >= begin && image->bytes.size() <= file.size() - (at - begin));
    }
    const std::optional<std::size_t> entry = ExpectedEntry(file, width);
    if (!entry) {
        FUZZ_CHECK(!image);
        return;
    }
    const std::uint8_t* fields = &file[6 + 16 * *entry];
    const std::uint64_t size = Le32(fields + 8);
    const std::uint64_t offset = Le32(fields + 12);
    if (offset + size > file.size()) {
        FUZZ_CHECK(!image);
        return;
    }
    const Bytes bytes = file.subspan(offset, size);
    static constexpr std::uint8_t pngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const bool png = size >= 24 && std::memcmp(bytes.data(), pngSignature, 8) == 0;
    if (!png && size < 40) {
        FUZZ_CHECK(!image);
        return;
    }
    FUZZ_CHECK(image && image->bytes.data() == bytes.data() && image->bytes.size() == size);
    if (png) {
        FUZZ_CHECK(image->width == static_cast<int>(Be32(&bytes[16])));
        FUZZ_CHECK(image->height == static_cast<int>(Be32(&bytes[20])));
        FUZZ_CHECK(image->bitCount == 32);
    } else {
        FUZZ_CHECK(image->width == static_cast<std::int32_t>(Le32(&bytes[4])));
        FUZZ_CHECK(image->height == static_cast<std::int32_t>(Le32(&bytes[8])) / 2);
        FUZZ_CHECK(image->bitCount == Le16(&bytes[14]));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The tray asks for 16 and 32 pixels; 0 is how a directory writes 256.
    for (const int width : {16, 32, 0}) {
        Check({data, size}, width);
    }
    return 0;
}
