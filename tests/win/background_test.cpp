#include <gtest/gtest.h>

#include <vector>

#include "runtime/picture/background.h"

namespace {

constexpr int W = 40;
constexpr int H = 30;

// A 2 x 2 picture: red, green on the top row, blue, white below.
rt::ByteString TwoByTwo() {
    std::vector<std::uint8_t> file(54 + 8 * 2);
    rt::WriteBmpHeader24(file.data(), 2, 2);
    const std::uint8_t bottom[] = {0xFF, 0, 0, 0xFF, 0xFF, 0xFF};
    const std::uint8_t top[] = {0, 0, 0xFF, 0, 0xFF, 0};
    std::copy(std::begin(bottom), std::end(bottom), file.begin() + 54);
    std::copy(std::begin(top), std::end(top), file.begin() + 54 + 8);
    return rt::ByteString::TryCopy(file);
}

class BackgroundTest : public ::testing::Test {
  protected:
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = [this] {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), W, -H, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        return CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    }();
    HGDIOBJ old = SelectObject(dc, bitmap);
    rt::Background background;

    ~BackgroundTest() override {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    void Paint(rt::PictureMode mode, rt::Colour colour = 0x00123456) {
        const RECT all{0, 0, W, H};
        background.Paint(dc, all, SIZE{W, H}, mode, colour);
        GdiFlush();
    }
    COLORREF At(int x, int y) const {
        const std::uint32_t p = static_cast<const std::uint32_t*>(bits)[y * W + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
};

TEST_F(BackgroundTest, NoPictureFillsTheColourAndDefaultIsButtonFace) {
    Paint(rt::PictureMode::Tile);
    EXPECT_EQ(At(0, 0), 0x00123456u);
    Paint(rt::PictureMode::Tile, rt::DefaultColour);
    EXPECT_EQ(At(W - 1, H - 1), GetSysColor(COLOR_BTNFACE));
}

TEST_F(BackgroundTest, TopLeftAtNaturalSizeTheRestInTheColour) {
    background.SetPicture(TwoByTwo());
    Paint(rt::PictureMode::TopLeft);
    EXPECT_EQ(At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(At(1, 0), RGB(0, 255, 0));
    EXPECT_EQ(At(0, 1), RGB(0, 0, 255));
    EXPECT_EQ(At(1, 1), RGB(255, 255, 255));
    EXPECT_EQ(At(2, 0), 0x00123456u);
    EXPECT_EQ(At(10, 10), 0x00123456u);
}

TEST_F(BackgroundTest, TileRepeatsFromTheOrigin) {
    background.SetPicture(TwoByTwo());
    Paint(rt::PictureMode::Tile);
    for (int y = 0; y < H; y += 7) {
        for (int x = 0; x < W; x += 5) {
            EXPECT_EQ(At(x, y), At(x % 2, y % 2)) << x << "," << y;
        }
    }
    EXPECT_EQ(At(38, 28), RGB(255, 0, 0));
}

TEST_F(BackgroundTest, CentreAndStretch) {
    background.SetPicture(TwoByTwo());
    Paint(rt::PictureMode::Centre);
    EXPECT_EQ(At(W / 2 - 1, H / 2 - 1), RGB(255, 0, 0));
    EXPECT_EQ(At(W / 2, H / 2), RGB(255, 255, 255));
    EXPECT_EQ(At(0, 0), 0x00123456u);
    Paint(rt::PictureMode::Stretch);
    EXPECT_NE(At(0, 0), 0x00123456u);
    EXPECT_NE(At(W - 1, H - 1), 0x00123456u);
}

TEST_F(BackgroundTest, BytesThatAreNoPicturePaintTheColour) {
    rt::ByteString bytes = TwoByTwo();
    bytes.Data()[0] = 'X';
    background.SetPicture(std::move(bytes));
    Paint(rt::PictureMode::Tile);
    EXPECT_EQ(At(0, 0), 0x00123456u);
}

} // namespace
