#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace rt {

// The typing filter of an integer box: printable characters other than the
// minus sign and the digits are dropped; control characters pass.
bool AcceptsTypedChar(unsigned int code);

// The text an integer box shows once it has lost the focus: the value parsed
// as a 64-bit decimal, clamped to 32 bits, and "" in place of "0".
std::string NormaliseIntegerText(std::string_view text);

// Where the caret goes after the text was replaced: it keeps its place unless
// the text has become too short for it.
inline std::size_t CaretAfterNormalise(std::size_t caret, std::size_t newLength) {
    return caret < newLength ? caret : newLength;
}

} // namespace rt
