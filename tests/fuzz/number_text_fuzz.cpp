#include <algorithm>
#include <charconv>
#include <string>

#include "runtime/controls/integer_input.h"
#include "tests/fuzz/check.h"
#include "ui/settings/text_to_int.h"

namespace {

struct Number {
    bool negative;
    std::string_view digits;
};

// The number a text starts with: white space, one sign, then the digits.
Number Leading(std::string_view text) {
    std::size_t i = std::min(text.find_first_not_of(" \t\n\v\f\r"), text.size());
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i++] == '-';
    }
    const std::size_t end = std::min(text.find_first_not_of("0123456789", i), text.size());
    return {negative, text.substr(i, end - i)};
}

std::int32_t WrappedModel(std::string_view text) {
    const Number number = Leading(text.substr(0, text.find('\0')));
    constexpr std::uint64_t modulus = std::uint64_t{1} << 32;
    std::uint64_t value = 0;
    for (const char digit : number.digits) {
        value = (value * 10 + static_cast<std::uint64_t>(digit - '0')) % modulus;
    }
    if (number.negative) {
        value = (modulus - value) % modulus;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::string ClampedModel(std::string_view text) {
    const Number number = Leading(text);
    std::string_view digits = number.digits;
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty()) {
        return "";
    }
    if (digits.size() > 10) {
        return number.negative ? "-2147483648" : "2147483647";
    }
    std::int64_t value = std::stoll(std::string(digits));
    value = std::clamp<std::int64_t>(number.negative ? -value : value, INT32_MIN, INT32_MAX);
    return std::to_string(value);
}

// Spells printable ASCII in its GBK full-width forms, every character or
// every other one, so that mixed texts are covered too.
std::string Widen(std::string_view text, bool everyOne) {
    std::string wide;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!everyOne && i % 2 == 1) {
            wide += c;
        } else if (c == ' ') {
            wide += "\xA1\xA1";
        } else if (c > ' ' && c < 0x7F) {
            wide += '\xA3';
            wide += static_cast<char>(c + 0x80);
        } else {
            wide += c;
        }
    }
    return wide;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::int64_t ValueOfCanonical(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const std::string_view digits = text.front() == '-' ? text.substr(1) : text;
    FUZZ_CHECK(!digits.empty() && digits.size() <= 10 && digits.front() != '0');
    FUZZ_CHECK(digits.find_first_not_of("0123456789") == std::string_view::npos);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    FUZZ_CHECK(error == std::errc() && end == text.data() + text.size());
    FUZZ_CHECK(value >= INT32_MIN && value <= INT32_MAX && value != 0);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::int32_t value = TextToInt(text);
    if (IsAscii(text)) {
        FUZZ_CHECK(value == WrappedModel(text));
        FUZZ_CHECK(TextToInt(Widen(text, true)) == value);
        FUZZ_CHECK(TextToInt(Widen(text, false)) == value);
    }

    const std::string normal = rt::NormaliseIntegerText(text);
    FUZZ_CHECK(normal == ClampedModel(text));
    FUZZ_CHECK(rt::NormaliseIntegerText(normal) == normal);
    FUZZ_CHECK(TextToInt(normal) == ValueOfCanonical(normal));
    // The box shows the text it normalised to; its typing filter must let it through.
    FUZZ_CHECK(std::all_of(normal.begin(), normal.end(), [](char c) {
        return rt::AcceptsTypedChar(static_cast<unsigned char>(c));
    }));
    return 0;
}
