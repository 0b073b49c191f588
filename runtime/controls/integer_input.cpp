#include "runtime/controls/integer_input.h"

#include <cstdint>
#include <limits>

namespace rt {

bool AcceptsTypedChar(unsigned int code) {
    return code < 32 || code == '-' || (code >= '0' && code <= '9');
}

namespace {

// Parses like strtoll: white space, one sign, digits; saturates at the 64-bit
// limits, which the 32-bit clamp below then narrows further.
std::int64_t ParseInt64(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::uint64_t limit = static_cast<std::uint64_t>(1) << 63;
    std::uint64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const auto digit = static_cast<std::uint64_t>(text[i] - '0');
        magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
    }
    if (negative) {
        return magnitude >= limit ? std::numeric_limits<std::int64_t>::min()
                                  : -static_cast<std::int64_t>(magnitude);
    }
    return magnitude >= limit ? std::numeric_limits<std::int64_t>::max()
                              : static_cast<std::int64_t>(magnitude);
}

} // namespace

std::string NormaliseIntegerText(std::string_view text) {
    std::int64_t value = ParseInt64(text);
    if (value < std::numeric_limits<std::int32_t>::min()) {
        value = std::numeric_limits<std::int32_t>::min();
    } else if (value > std::numeric_limits<std::int32_t>::max()) {
        value = std::numeric_limits<std::int32_t>::max();
    }
    return value == 0 ? std::string() : std::to_string(value);
}

} // namespace rt
