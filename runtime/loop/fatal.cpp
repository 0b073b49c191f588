#include "runtime/loop/fatal.h"

#include <windows.h>

#include "runtime/forms/events.h"
#include "runtime/loop/fatal_text.h"
#include "runtime/loop/program.h"

namespace rt {

void ReportFatalError(const wchar_t* message) {
    // The box runs a modal loop that still dispatches to the program's
    // windows; muting events first keeps a tray double-click from running the
    // exit routines through EndProgram behind the report's back.
    SuppressEvents();
    ClearExitRoutines();
    const FixedText text = FatalReportText(message);
    MessageBoxW(nullptr, text.Get(), FatalReportTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(static_cast<UINT>(-1));
}

void ReportAllocationFailure(std::uint64_t bytes) {
    const FixedText message = AllocationFailureMessage(bytes);
    ReportFatalError(message.Get());
}

} // namespace rt
