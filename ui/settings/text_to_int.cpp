#include "ui/settings/text_to_int.h"

#include <string>

namespace {

// Maps one double-byte GBK character to its ASCII look-alike, or 0 when it has none.
unsigned char AsciiForm(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
        return static_cast<unsigned char>(trail - 0x80); // full-width ASCII forms
    }
    if (lead == 0xA1) {
        switch (trail) {
        case 0xA1:
            return ' '; // ideographic space
        case 0xAB:
            return '~';
        case 0xEE:
        case 0xEF:
            return '*';
        default:
            break;
        }
    }
    return 0;
}

std::string NarrowForms(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size() && text[i] != '\0'; ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out.push_back(static_cast<char>(lead));
            continue;
        }
        if (i + 1 >= text.size() || text[i + 1] == '\0') {
            break; // a lead byte without its trail byte is dropped
        }
        const auto trail = static_cast<unsigned char>(text[++i]);
        if (const unsigned char ascii = AsciiForm(lead, trail)) {
            out.push_back(static_cast<char>(ascii));
        } else {
            out.push_back(static_cast<char>(lead));
            out.push_back(static_cast<char>(trail));
        }
    }
    return out;
}

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

std::int32_t TextToInt(std::string_view text) {
    const std::string narrow = NarrowForms(text);
    std::size_t i = 0;
    while (i < narrow.size() && IsSpace(narrow[i])) {
        ++i;
    }
    bool negative = false;
    if (i < narrow.size() && (narrow[i] == '+' || narrow[i] == '-')) {
        negative = narrow[i] == '-';
        ++i;
    }
    // Unsigned arithmetic gives the two's-complement wrap-around without
    // signed overflow.
    std::uint32_t value = 0;
    for (; i < narrow.size() && narrow[i] >= '0' && narrow[i] <= '9'; ++i) {
        value = value * 10u + static_cast<std::uint32_t>(narrow[i] - '0');
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<std::int32_t>(value);
}
