#include <gtest/gtest.h>

#include "runtime/controls/integer_input.h"

namespace {

TEST(IntegerInput, TypingFilter) {
    const unsigned accepted[] = {'0', '5', '9', '-', '\b', '\r', 1, 31};
    for (unsigned c : accepted) {
        EXPECT_TRUE(rt::AcceptsTypedChar(c)) << c;
    }
    const unsigned dropped[] = {'a', 'Z', ' ', '+', '.', ',', 0xFF10 /* full-width 0 */, 0x4E2D};
    for (unsigned c : dropped) {
        EXPECT_FALSE(rt::AcceptsTypedChar(c)) << c;
    }
}

TEST(IntegerInput, NormalisedOnLossOfFocus) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"123", "123"},
        {"0", ""},
        {"000", ""},
        {"-", ""},
        {"--5", ""},
        {"-0", ""},
        {"007", "7"},
        {"-7", "-7"},
        {"99999999999", "2147483647"},
        {"-99999999999", "-2147483648"},
        {"99999999999999999999999", "2147483647"}, // past the 64-bit range too
        {"  42abc", "42"},
        {"\t+15", "15"},
        {"12-3", "12"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rt::NormaliseIntegerText(c.typed), c.shown) << '"' << c.typed << '"';
    }
}

TEST(IntegerInput, CaretKeepsItsPlaceUnlessTheTextIsShorter) {
    EXPECT_EQ(rt::CaretAfterNormalise(1, 3), 1u);
    EXPECT_EQ(rt::CaretAfterNormalise(3, 3), 3u);
    EXPECT_EQ(rt::CaretAfterNormalise(7, 2), 2u);
    EXPECT_EQ(rt::CaretAfterNormalise(1, 0), 0u);
}

} // namespace
