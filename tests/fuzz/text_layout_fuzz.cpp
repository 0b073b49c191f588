#include "runtime/controls/text_layout.h"

#include "tests/fuzz/check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<rt::TextLine> lines = rt::SplitLines(text);

    // The lines and their breaks tile the text without gaps: a break is one
    // CR or LF, plus the LF right after it.
    FUZZ_CHECK(!lines.empty());
    std::size_t next = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const rt::TextLine& line = lines[i];
        FUZZ_CHECK(line.begin == next && line.length <= size - line.begin);
        FUZZ_CHECK(text.substr(line.begin, line.length).find_first_of("\r\n") ==
                   std::string_view::npos);
        const std::size_t end = line.begin + line.length;
        FUZZ_CHECK(line.breakFollows == (i + 1 < lines.size()));
        if (!line.breakFollows) {
            FUZZ_CHECK(end == size);
            break;
        }
        FUZZ_CHECK(end < size && (text[end] == '\r' || text[end] == '\n'));
        next = end + 1;
        if (next < size && text[next] == '\n') {
            ++next;
        }
    }

    // Heights differ from piece to piece so that a line at the wrong place
    // shows, and stay small so that no sum of them can overflow.
    const auto height = [](std::size_t length) { return static_cast<int>(length % 16); };
    std::size_t measured = 0;
    const auto lineHeight = [&](std::string_view piece) {
        const auto begin = reinterpret_cast<std::uintptr_t>(text.data());
        const auto at = reinterpret_cast<std::uintptr_t>(piece.data());
        FUZZ_CHECK(piece == "W" ||
                   (!piece.empty() && at >= begin && piece.size() <= size - (at - begin)));
        ++measured;
        return height(piece.size());
    };
    const int top = size > 0 ? data[0] - 128 : 0;
    const std::vector<rt::PlacedLine> placed = rt::PlaceLines(text, top, lineHeight);

    std::size_t shown = 0;
    int y = top;
    for (const rt::TextLine& line : lines) {
        if (line.length > 0) {
            FUZZ_CHECK(shown < placed.size());
            const rt::PlacedLine& p = placed[shown++];
            FUZZ_CHECK(p.begin == line.begin && p.length == line.length && p.y == y);
        }
        if (line.breakFollows) {
            y += height(line.length > 0 ? line.length : 1) + 2;
        }
    }
    FUZZ_CHECK(shown == placed.size() && measured == lines.size() - 1);
    return 0;
}
