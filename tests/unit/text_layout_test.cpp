#include <gtest/gtest.h>

#include "runtime/controls/text_layout.h"

#include <string>
#include <utility>
#include <vector>

namespace {

// A fake measure: the height of a line is 10 per character, so every line
// height in a layout tells which piece was measured.
int FakeHeight(std::string_view piece) {
    return static_cast<int>(piece.size()) * 10;
}

std::vector<std::pair<std::string, int>> Layout(std::string_view text) {
    std::vector<std::pair<std::string, int>> out;
    for (const rt::PlacedLine& line : rt::PlaceLines(text, 0, FakeHeight)) {
        out.emplace_back(std::string(text.substr(line.begin, line.length)), line.y);
    }
    return out;
}

using Lines = std::vector<std::pair<std::string, int>>;

TEST(TextLayout, LineBreaks) {
    struct Case {
        const char* text;
        Lines lines;
    };
    const Case cases[] = {
        {"AB\r\nCD", {{"AB", 0}, {"CD", 22}}},
        {"AB\r\n\r\nCD", {{"AB", 0}, {"CD", 22 + 12}}}, // the empty line counts "W"
        {"AB\n\nCD", {{"AB", 0}, {"CD", 22}}},          // LF LF is one break
        {"AB\r\rCD", {{"AB", 0}, {"CD", 22 + 12}}},     // CR CR is two
        {"AB\n\r\nCD", {{"AB", 0}, {"CD", 22 + 12}}},
        {"AB\n\n\nCD", {{"AB", 0}, {"CD", 22 + 12}}},
        {"ABC\nD", {{"ABC", 0}, {"D", 32}}},
        {"AB\r\n", {{"AB", 0}}},
        {"\r\nAB", {{"AB", 12}}},
        {"", {}},
        {"A\tB", {{"A\tB", 0}}}, // tabs are not expanded
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Layout(c.text), c.lines) << '"' << c.text << '"';
    }
}

TEST(TextLayout, StartsAtTheGivenTop) {
    const auto placed = rt::PlaceLines("A\nB", 5, FakeHeight);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[0].y, 5);
    EXPECT_EQ(placed[1].y, 5 + 10 + 2);
}

TEST(CanvasFont, HeightFromPointsAndResolution) {
    EXPECT_EQ(rt::CanvasFontHeight(25, 96), -33);
    EXPECT_EQ(rt::CanvasFontHeight(25, 120), -42);
    EXPECT_EQ(rt::CanvasFontHeight(25, 144), -50);
    EXPECT_EQ(rt::CanvasFontHeight(0, 96), 0);
    EXPECT_EQ(rt::CanvasFontHeight(-20, 96), 0);
    EXPECT_EQ(rt::CanvasFontHeight(2147483647, 96), 1); // MulDiv overflows to -1
}

TEST(CanvasFont, MulDivRoundsHalfAwayFromZero) {
    EXPECT_EQ(rt::MulDivRounded(3, 1, 2), 2);
    EXPECT_EQ(rt::MulDivRounded(-3, 1, 2), -2);
    EXPECT_EQ(rt::MulDivRounded(5, 1, -2), -3);
    EXPECT_EQ(rt::MulDivRounded(1, 1, 0), -1);
}

} // namespace
