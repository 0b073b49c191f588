#pragma once
#include <cstdint>

namespace rt {

// The run-time error report: a box titled "错误" with the error icon, then the
// process ends with exit code -1. The exit routines do not run, and no event
// handler of the program runs while the box is up.
[[noreturn]] void ReportFatalError(const wchar_t* message);
[[noreturn]] void ReportAllocationFailure(std::uint64_t bytes);

} // namespace rt
