#include <gtest/gtest.h>

#include "ui/settings/text_to_int.h"

namespace {

struct Case {
    const char* text;
    std::int32_t value;
};

// Full-width forms in GBK: digits A3 B0..A3 B9, plus A3 AB, minus A3 AD.
const Case Cases[] = {
    {"25", 25},
    {"  1405  ", 1405},
    {"\t\r\n1405", 1405},
    {"\xA3\xB1\xA3\xB4\xA3\xB0\xA3\xB5", 1405},
    {"\xA3\xAD"
     "20",
     -20},
    {"\xA3\xAB"
     "7",
     7},
    {"\xA1\xA1"
     "42",
     42}, // ideographic space
    {"+7", 7},
    {"- 5", 0},
    {"12.9", 12},
    {"1,405", 1},
    {"1e3", 1},
    {"0x10", 0},
    {"abc", 0},
    {"", 0},
    {"-", 0},
    {"--5", 0},
    {"2147483647", 2147483647},
    {"2147483648", -2147483647 - 1},
    {"-2147483648", -2147483647 - 1},
    {"4294967296", 0},
    {"4294967297", 1},
    {"\xD6\xD0"
     "5",
     0}, // a Chinese character is not a digit
    {"\xA1\xAB"
     "5",
     0},          // a tilde ends the number
    {"7\xA3", 7}, // a lone lead byte at the end is dropped
    {"\xA3", 0},
};

TEST(TextToInt, Table) {
    for (const Case& c : Cases) {
        EXPECT_EQ(TextToInt(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(TextToInt, StopsAtAnEmbeddedZero) {
    EXPECT_EQ(TextToInt(std::string_view("12\0"
                                         "34",
                                         5)),
              12);
}

} // namespace
