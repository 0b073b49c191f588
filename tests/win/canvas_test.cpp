#include <gtest/gtest.h>

#include <set>

#include "runtime/controls/canvas.h"
#include "runtime/controls/controls.h"
#include "runtime/picture/bmp.h"

namespace {

constexpr rt::Colour Key = 0x00FF8800;
constexpr rt::ControlData CanvasData = {
    .name = "canvas", .kind = rt::ControlKind::Canvas, .geometry = {0, 0, 160, 90}, .colour = Key};

struct Pixel {
    std::uint8_t r, g, b;
    bool operator==(const Pixel&) const = default;
};

// A canvas in a hidden window, which is all an off-screen canvas needs.
class CanvasTest : public ::testing::Test {
  protected:
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 160, 90, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND canvas = rt::CreateCanvas(parent, CanvasData);
    ~CanvasTest() override { DestroyWindow(parent); }

    rt::ByteString picture;
    std::optional<rt::BmpView> view;

    void Take(int w = 0, int h = 0) {
        picture = rt::TakeCanvasPicture(canvas, w, h);
        view = rt::ParseBmp(picture.View());
        ASSERT_TRUE(view.has_value());
    }
    Pixel At(int x, int y) const {
        const std::uint64_t stride = rt::BmpRowStride24(static_cast<std::uint32_t>(view->width));
        const std::uint8_t* p = view->bits + stride * (view->AbsHeight() - 1 - y) + 3 * x;
        return {p[2], p[1], p[0]};
    }
    // The rows that hold any pixel other than the key.
    std::set<int> InkedRows() const {
        std::set<int> rows;
        for (int y = 0; y < view->height; ++y) {
            for (int x = 0; x < view->width; ++x) {
                if (!(At(x, y) == Pixel{0x00, 0x88, 0xFF})) {
                    rows.insert(y);
                }
            }
        }
        return rows;
    }
};

TEST_F(CanvasTest, UntouchedCanvasIsAllKeyColour) {
    Take();
    EXPECT_EQ(view->width, 160);
    EXPECT_EQ(view->height, 90);
    EXPECT_EQ(view->bitCount, 24);
    EXPECT_EQ(picture.Size(), 54u + 480u * 90u);
    EXPECT_TRUE(InkedRows().empty());
}

TEST_F(CanvasTest, TwoLinesLandInTwoBandsInTheTextColour) {
    rt::SetCanvasTextColour(canvas, 0x000000FF);
    rt::SetCanvasFontSize(canvas, 12);
    rt::WriteCanvasText(canvas, 0, 0, "AB\r\nCD");
    Take();
    const std::set<int> rows = InkedRows();
    ASSERT_FALSE(rows.empty());
    // Measured the way the canvas measures: one line is the font's height.
    HDC dc = CreateCompatibleDC(nullptr);
    LOGFONTW font{};
    GetObjectW(rt::GuiFont(), sizeof font, &font);
    font.lfHeight = -MulDiv(12, GetDeviceCaps(dc, LOGPIXELSY), 72);
    HFONT created = CreateFontIndirectW(&font);
    HGDIOBJ old = SelectObject(dc, created);
    SIZE extent{};
    GetTextExtentPoint32W(dc, L"AB", 2, &extent);
    SelectObject(dc, old);
    DeleteObject(created);
    DeleteDC(dc);
    const int h = extent.cy;
    bool firstBand = false;
    bool secondBand = false;
    for (int y : rows) {
        EXPECT_TRUE(y < h || (y >= h + 2 && y < 2 * h + 2)) << "ink on row " << y;
        firstBand |= y < h;
        secondBand |= y >= h + 2;
    }
    EXPECT_TRUE(firstBand);
    EXPECT_TRUE(secondBand);
    bool pure = false;
    for (int y : rows) {
        for (int x = 0; x < 160; ++x) {
            pure |= At(x, y) == Pixel{0xFF, 0x00, 0x00};
        }
    }
    EXPECT_TRUE(pure) << "the glyphs' cores are in the text colour";
}

TEST_F(CanvasTest, TextInTheKeyColourLeavesNoInk) {
    rt::SetCanvasTextColour(canvas, Key);
    rt::SetCanvasFontSize(canvas, 30);
    rt::WriteCanvasText(canvas, 0, 0, "WWW");
    Take();
    EXPECT_TRUE(InkedRows().empty());
}

TEST_F(CanvasTest, AMillionCharactersOnOneLineAndTenThousandLines) {
    std::string line;
    for (int i = 0; i < 500000; ++i) {
        line += "\xCB\xAE\xD3\xA1"; // 水印
    }
    std::string lines;
    for (int i = 0; i < 10000; ++i) {
        lines += "line\r\n";
    }
    rt::SetCanvasTextColour(canvas, 0x000000FF);
    rt::WriteCanvasText(canvas, 0, 0, line);
    rt::WriteCanvasText(canvas, 0, 20, lines);
    Take();
    EXPECT_FALSE(InkedRows().empty());
    EXPECT_EQ(*InkedRows().rbegin(), 89) << "the lines run off the bottom edge";
}

TEST_F(CanvasTest, PictureScalesToARequestedSize) {
    Take(-50, 45);
    EXPECT_EQ(view->width, 80);
    EXPECT_EQ(view->height, 45);
    EXPECT_TRUE(rt::TakeCanvasPicture(canvas, 0, -2147483647 - 1).Empty());
}

} // namespace
