#include "runtime/controls/text_layout.h"

#include <cstdint>

namespace rt {

std::vector<TextLine> SplitLines(std::string_view text) {
    std::vector<TextLine> lines;
    std::size_t begin = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '\r' && text[i] != '\n') {
            ++i;
            continue;
        }
        lines.push_back({begin, i - begin, true});
        ++i;
        if (i < text.size() && text[i] == '\n') {
            ++i;
        }
        begin = i;
    }
    lines.push_back({begin, text.size() - begin, false});
    return lines;
}

std::vector<PlacedLine> PlaceLines(std::string_view text, int top,
                                   const std::function<int(std::string_view)>& lineHeight) {
    std::vector<PlacedLine> placed;
    int y = top;
    for (const TextLine& line : SplitLines(text)) {
        const std::string_view piece = text.substr(line.begin, line.length);
        if (!piece.empty()) {
            placed.push_back({line.begin, line.length, y});
        }
        if (line.breakFollows) {
            y += lineHeight(piece.empty() ? std::string_view("W") : piece) + 2;
        }
    }
    return placed;
}

int MulDivRounded(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t divisor = c;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const std::int64_t half = divisor / 2;
    const std::int64_t result = (product >= 0 ? product + half : product - half) / divisor;
    return (result > 2147483647 || result < -2147483647) ? -1 : static_cast<int>(result);
}

int CanvasFontHeight(int points, int pixelsPerInch) {
    return -MulDivRounded(points < 0 ? 0 : points, pixelsPerInch, 72);
}

} // namespace rt
