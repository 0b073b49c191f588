#include <gtest/gtest.h>

#include "runtime/tray/icon_file.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace {

struct Entry {
    std::uint8_t width;
    std::uint8_t colours;
    std::uint16_t bitCount;
    std::uint32_t imageSize = 48;
};

void Put16(std::vector<std::uint8_t>& f, std::size_t at, unsigned v) {
    f[at] = static_cast<std::uint8_t>(v);
    f[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::vector<std::uint8_t>& f, std::size_t at, std::uint32_t v) {
    Put16(f, at, v & 0xFFFF);
    Put16(f, at + 2, v >> 16);
}

// A small ICO file whose images are bitmap headers of the entry's width.
std::vector<std::uint8_t> IconFile(const std::vector<Entry>& entries) {
    std::vector<std::uint8_t> file(6 + 16 * entries.size());
    Put16(file, 2, 1);
    Put16(file, 4, static_cast<unsigned>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        const std::size_t at = 6 + 16 * i;
        file[at] = e.width;
        file[at + 1] = e.width;
        file[at + 2] = e.colours;
        Put16(file, at + 6, e.bitCount);
        Put32(file, at + 8, e.imageSize);
        Put32(file, at + 12, static_cast<std::uint32_t>(file.size()));
        std::vector<std::uint8_t> image(e.imageSize);
        Put32(image, 0, 40);
        Put32(image, 4, e.width);
        Put32(image, 8, 2u * e.width);
        Put16(image, 14, e.bitCount);
        file.insert(file.end(), image.begin(), image.end());
    }
    return file;
}

TEST(IconFile, SixteenPixelsWithSixteenColoursOrMoreStopsTheWalk) {
    const auto file = IconFile({{32, 16, 4}, {16, 8, 4}, {16, 16, 4}, {16, 0, 32}, {48, 0, 32}});
    const auto image = rt::ChooseIconImage(file, 16);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, 16);
    EXPECT_EQ(image->height, 16);
    EXPECT_EQ(image->bitCount, 4);
    EXPECT_EQ(image->bytes.data(), file.data() + 6 + 16 * 5 + 48 * 2);
}

TEST(IconFile, WithoutAMatchTheLastEntryIsUsed) {
    const auto file = IconFile({{16, 0, 8}, {16, 0, 32}, {128, 0, 32}});
    const auto image = rt::ChooseIconImage(file, 16);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width, 128);
    EXPECT_EQ(image->height, 128);
    EXPECT_EQ(image->bytes.size(), 48u);
    EXPECT_EQ(rt::ChooseIconImage(IconFile({{32, 16, 8}, {48, 0, 32}}), 32)->width, 32);
}

TEST(IconFile, BrokenFilesGiveNoImage) {
    struct Case {
        const char* what;
        void (*spoil)(std::vector<std::uint8_t>&);
    };
    const Case cases[] = {
        {"reserved word set", [](auto& f) { Put16(f, 0, 1); }},
        {"bitmap type", [](auto& f) { Put16(f, 2, 3); }},
        {"no entries", [](auto& f) { Put16(f, 4, 0); }},
        {"more entries than the file holds", [](auto& f) { Put16(f, 4, 500); }},
        {"image past the end", [](auto& f) { Put32(f, 6 + 16 + 8, 4096); }},
        {"offset past the end", [](auto& f) { Put32(f, 6 + 16 + 12, 0xFFFFFFF0); }},
        {"size wraps the offset", [](auto& f) { Put32(f, 6 + 16 + 8, 0xFFFFFFFF); }},
        {"image too small for a header", [](auto& f) { Put32(f, 6 + 16 + 8, 20); }},
        {"only a header", [](auto& f) { f.resize(6); }},
        {"empty", [](auto& f) { f.clear(); }},
    };
    for (const Case& c : cases) {
        auto file = IconFile({{16, 0, 8}, {32, 0, 32}});
        c.spoil(file);
        EXPECT_FALSE(rt::ChooseIconImage(file, 16).has_value()) << c.what;
    }
}

TEST(IconFile, CursorFilesAreWalkedToo) {
    auto file = IconFile({{16, 16, 8}});
    Put16(file, 2, 2);
    EXPECT_TRUE(rt::ChooseIconImage(file, 16).has_value());
}

// The program's own icon file: twelve bitmap images, colour counts 0, so the
// notification area always gets the last, 128-pixel image.
TEST(IconFile, ProgramIconDirectory) {
    std::ifstream in(SOURCE_DIR "/resources/watermark.ico", std::ios::binary);
    const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), {}};
    ASSERT_EQ(file.size(), 171014u);
    ASSERT_EQ(file[4] | file[5] << 8, 12);
    const int sizes[] = {16, 16, 24, 24, 32, 32, 48, 48, 64, 72, 96, 128};
    const int depths[] = {8, 32, 8, 32, 8, 32, 8, 32, 32, 32, 32, 32};
    for (int i = 0; i < 12; ++i) {
        const std::uint8_t* entry = file.data() + 6 + 16 * i;
        EXPECT_EQ(entry[0], sizes[i]) << i;
        EXPECT_EQ(entry[1], sizes[i]) << i;
        EXPECT_EQ(entry[2], 0) << i;
        EXPECT_EQ(entry[6] | entry[7] << 8, depths[i]) << i;
        const std::uint32_t offset = entry[12] | entry[13] << 8 | entry[14] << 16;
        EXPECT_EQ(file[offset], 40) << "bitmap header, not PNG, at image " << i;
        EXPECT_EQ(file[offset + 8] | file[offset + 9] << 8, 2 * sizes[i]) << i;
    }
    const auto chosen = rt::ChooseIconImage(file, 16);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->width, 128);
    EXPECT_EQ(chosen->height, 128);
    EXPECT_EQ(chosen->bitCount, 32);
    EXPECT_EQ(chosen->bytes.size(), 67624u);
}

} // namespace
