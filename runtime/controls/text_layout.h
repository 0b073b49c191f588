#pragma once
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace rt {

// One line of a text as the canvas draws it, by byte offsets into the text.
struct TextLine {
    std::size_t begin;
    std::size_t length;
    bool breakFollows;
};

// Cuts a text into lines. A line ends at the first CR or LF, and one LF right
// after the character that ended the line belongs to the same break: CR LF and
// LF LF are one break each, CR CR is two.
std::vector<TextLine> SplitLines(std::string_view text);

struct PlacedLine {
    std::size_t begin;
    std::size_t length;
    int y;
};

// The non-empty lines with the top edge at which each is drawn: every break
// moves down by the line's height plus 2 pixels, an empty line counting the
// height of "W". `lineHeight` measures a piece of the text.
std::vector<PlacedLine> PlaceLines(std::string_view text, int top,
                                   const std::function<int(std::string_view)>& lineHeight);

// Windows' MulDiv: a * b / c rounded half away from zero, -1 on overflow or c == 0.
int MulDivRounded(int a, int b, int c);

// The logical-font height for a canvas font size in points at a screen's
// vertical resolution; negative sizes count as 0 (the face's default height).
int CanvasFontHeight(int points, int pixelsPerInch);

} // namespace rt
