// Every allocation of the program goes through here. Running out of memory is
// a run-time error with a report, never an exception: no exception may cross
// the window procedures.
#include <cstdlib>
#include <new>

#include "runtime/loop/fatal.h"
#include "runtime/system/memory.h"

namespace {

rt::AllocationFilter g_filter = nullptr;

void* Allocate(std::size_t size) {
    if (g_filter != nullptr && !g_filter(size)) {
        return nullptr;
    }
    return std::malloc(size == 0 ? 1 : size);
}

void* AllocateOrReport(std::size_t size) {
    if (void* block = Allocate(size)) {
        return block;
    }
    rt::ReportAllocationFailure(size);
}

} // namespace

namespace rt {

void SetAllocationFilter(AllocationFilter filter) {
    g_filter = filter;
}

} // namespace rt

void* operator new(std::size_t size) {
    return AllocateOrReport(size);
}
void* operator new[](std::size_t size) {
    return AllocateOrReport(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}
