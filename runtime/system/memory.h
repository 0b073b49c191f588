#pragma once
#include <cstddef>

namespace rt {

// Lets a test build refuse chosen allocations, to show what the program does
// when memory runs out. The filter returns false for a request to refuse.
using AllocationFilter = bool (*)(std::size_t size);
void SetAllocationFilter(AllocationFilter filter);

} // namespace rt
