#pragma once
#include <cstdint>
#include <string_view>

// Converts a code-page-936 text to a 32-bit integer the forgiving way users
// expect of a number box: full-width digits and signs count as their ASCII
// forms, leading white space is skipped, the number ends at the first
// non-digit and overflow wraps around. Text without digits gives 0.
std::int32_t TextToInt(std::string_view text);
