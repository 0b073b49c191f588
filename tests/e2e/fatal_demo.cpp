// Raises one of the program's run-time errors on request, so that the tests
// can check the report and the ending, which the program itself offers no way
// to cause. It registers an exit routine that must not run.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "runtime/loop/fatal.h"
#include "runtime/loop/fatal_text.h"
#include "runtime/loop/program.h"
#include "runtime/system/bound_function.h"
#include "runtime/system/memory.h"

namespace {

void SayExitRoutineRan() {
    std::fputs("exit routine ran\n", stdout);
    std::fflush(stdout);
}

rt::BoundFunction g_missing{"user32.dll", "NoSuchFunctionAnywhere"};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    rt::RegisterExitRoutine(SayExitRoutineRan);
    if (std::strstr(commandLine, "binding") != nullptr) {
        rt::Resolve(g_missing);
    } else if (std::strstr(commandLine, "memory") != nullptr) {
        // The allocator refuses a block of this size, as a system out of memory would.
        rt::SetAllocationFilter([](std::size_t size) { return size != 1234567; });
        std::vector<char> block(1234567);
    } else if (std::strstr(commandLine, "start") != nullptr) {
        rt::ReportFatalError(rt::StartWindowFailedMessage);
    } else if (std::strstr(commandLine, "end") != nullptr) {
        rt::EndProgram(7);
    }
    return rt::FinishProgram(0);
}
