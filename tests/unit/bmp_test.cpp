#include <gtest/gtest.h>

#include "runtime/picture/bmp.h"

#include <cstring>
#include <vector>

namespace {

std::uint32_t Field32(const std::vector<std::uint8_t>& file, std::size_t at) {
    return file[at] | file[at + 1] << 8 | file[at + 2] << 16 |
           static_cast<std::uint32_t>(file[at + 3]) << 24;
}

std::vector<std::uint8_t> Bmp24(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> file(*rt::BmpFileSize24(width, height));
    rt::WriteBmpHeader24(file.data(), width, height);
    return file;
}

void Put32(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

TEST(Bmp, HeaderOfAFullHdScreen) {
    const auto file = Bmp24(1920, 1080);
    EXPECT_EQ(file.size(), 6220854u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Field32(file, 2), 6220854u); // bfSize
    EXPECT_EQ(Field32(file, 6), 0u);       // reserved
    EXPECT_EQ(Field32(file, 10), 54u);     // bfOffBits
    EXPECT_EQ(Field32(file, 14), 40u);     // biSize
    EXPECT_EQ(Field32(file, 18), 1920u);
    EXPECT_EQ(Field32(file, 22), 1080u);    // positive: bottom-up
    EXPECT_EQ(file[26] | file[27] << 8, 1); // planes
    EXPECT_EQ(file[28] | file[29] << 8, 24);
    EXPECT_EQ(Field32(file, 30), 0u); // BI_RGB
    EXPECT_EQ(Field32(file, 34), 5760u * 1080u);
    for (std::size_t at = 38; at < 54; at += 4) {
        EXPECT_EQ(Field32(file, at), 0u) << at;
    }
}

TEST(Bmp, RowsArePaddedToFourBytes) {
    EXPECT_EQ(rt::BmpRowStride24(1366), 4100u);
    EXPECT_EQ(rt::BmpRowStride24(1920), 5760u);
    EXPECT_EQ(rt::BmpRowStride24(1), 4u);
    EXPECT_EQ(rt::BmpRowStride24(4), 12u);
    EXPECT_FALSE(rt::BmpFileSize24(70000, 70000).has_value());
}

TEST(Bmp, WrittenFileParsesBack) {
    auto file = Bmp24(3, 2);
    const auto view = rt::ParseBmp(file);
    ASSERT_TRUE(view.has_value());
    EXPECT_EQ(view->width, 3);
    EXPECT_EQ(view->height, 2);
    EXPECT_EQ(view->bitCount, 24);
    EXPECT_EQ(view->bits, file.data() + 54);
    EXPECT_EQ(view->info, file.data() + 14);
}

TEST(Bmp, MalformedFilesAreNoPicture) {
    struct Case {
        const char* what;
        void (*spoil)(std::vector<std::uint8_t>&);
    };
    const Case cases[] = {
        {"not BM", [](auto& f) { f[1] = 'X'; }},
        {"truncated pixels", [](auto& f) { f.pop_back(); }},
        {"header only", [](auto& f) { f.resize(54); }},
        {"too short for a header", [](auto& f) { f.resize(40); }},
        {"zero width", [](auto& f) { Put32(f, 18, 0); }},
        {"negative width", [](auto& f) { Put32(f, 18, 0xFFFFFFFF); }},
        {"zero height", [](auto& f) { Put32(f, 22, 0); }},
        {"huge height", [](auto& f) { Put32(f, 22, 0x7FFFFFFF); }},
        {"most negative height", [](auto& f) { Put32(f, 22, 0x80000000); }},
        {"huge width", [](auto& f) { Put32(f, 18, 0x7FFFFFFF); }},
        {"pixels past the end",
         [](auto& f) { Put32(f, 10, static_cast<std::uint32_t>(f.size())); }},
        {"pixels inside the header", [](auto& f) { Put32(f, 10, 20); }},
        {"header larger than the file", [](auto& f) { Put32(f, 14, 0x7FFFFFF0); }},
        {"short info header", [](auto& f) { Put32(f, 14, 12); }},
        {"two planes", [](auto& f) { f[26] = 2; }},
        {"odd bit count", [](auto& f) { f[28] = 7; }},
        {"run-length compression", [](auto& f) { Put32(f, 30, 1); }},
        {"bit fields at 24 bits", [](auto& f) { Put32(f, 30, 3); }},
        {"palette on 8 bits too large",
         [](auto& f) {
             f[28] = 8;
             Put32(f, 46, 257);
         }},
        {"palette past the pixels", [](auto& f) { f[28] = 8; }},
    };
    for (const Case& c : cases) {
        auto file = Bmp24(3, 2);
        c.spoil(file);
        EXPECT_FALSE(rt::ParseBmp(file).has_value()) << c.what;
    }
}

TEST(Bmp, OtherPaintableLayoutsAreAccepted) {
    // An 8-bit top-down picture with a 2-colour palette.
    std::vector<std::uint8_t> file(54 + 8 + 4 * 2);
    rt::WriteBmpHeader24(file.data(), 3, 2);
    file[28] = 8;
    Put32(file, 22, static_cast<std::uint32_t>(-2));
    Put32(file, 46, 2);
    Put32(file, 10, 54 + 8);
    const auto view = rt::ParseBmp(file);
    ASSERT_TRUE(view.has_value());
    EXPECT_EQ(view->height, -2);
    EXPECT_EQ(view->AbsHeight(), 2u);
    EXPECT_EQ(view->bits, file.data() + 62);
}

TEST(PictureSize, RequestedAgainstClientSize) {
    struct Case {
        int w, h, cw, ch;
        bool made;
        int rw, rh;
    };
    const Case cases[] = {
        {1920, 1080, 1920, 1080, true, 1920, 1080},
        {0, 0, 800, 600, true, 800, 600},
        {-50, -50, 800, 600, true, 400, 300},
        {-5, -1, 800, 600, true, 80, 60}, // at least 10 per cent
        {0, 0, 0, 600, false, 0, 0},
        {100, 0, 800, 0, false, 0, 0},
        {-2147483647 - 1, 10, 800, 600, false, 0, 0},
    };
    for (const Case& c : cases) {
        const auto size = rt::CapturedPictureSize(c.w, c.h, c.cw, c.ch);
        ASSERT_EQ(size.has_value(), c.made) << c.w << 'x' << c.h;
        if (size) {
            EXPECT_EQ(size->width, c.rw);
            EXPECT_EQ(size->height, c.rh);
        }
    }
}

TEST(CentredPicture, NaturalSizeWhenItFitsElseShrunkByOneFactor) {
    const auto fits = rt::CentredPicture(100, 50, 300, 200);
    EXPECT_EQ(fits.x, 100);
    EXPECT_EQ(fits.y, 75);
    EXPECT_EQ(fits.width, 100);
    EXPECT_EQ(fits.height, 50);
    const auto wide = rt::CentredPicture(600, 100, 300, 200);
    EXPECT_EQ(wide.width, 300);
    EXPECT_EQ(wide.height, 50);
    EXPECT_EQ(wide.y, 75);
    const auto tall = rt::CentredPicture(100, 400, 300, 200);
    EXPECT_EQ(tall.width, 50);
    EXPECT_EQ(tall.height, 200);
    EXPECT_EQ(tall.x, 125);
}

} // namespace
