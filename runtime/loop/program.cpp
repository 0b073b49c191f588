#include "runtime/loop/program.h"

#include <windows.h>

#include "runtime/forms/events.h"
#include "runtime/forms/keyboard.h"
#include "runtime/forms/window.h"
#include "runtime/loop/fatal.h"
#include "runtime/loop/fatal_text.h"
#include "runtime/system/bound_function.h"

namespace rt {

namespace {

ExitRoutineList g_exitRoutines;
bool g_loopEntered = false;

void ReleaseRuntime() {
    ReleaseBoundLibraries();
}

} // namespace

void PrepareRuntime() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) {
        return;
    }
    for (DWORD i = length; i-- > 0;) {
        if (path[i] == L'\\' || path[i] == L'/') {
            path[i + 1] = L'\0';
            break;
        }
    }
    SetCurrentDirectoryW(path);
}

void RegisterExitRoutine(ExitRoutine routine) {
    g_exitRoutines.Register(routine);
}

void ClearExitRoutines() {
    g_exitRoutines.Clear();
}

void LoadStartWindow(const WindowData& form) {
    if (LoadWindow(form) == nullptr) {
        ReportFatalError(StartWindowFailedMessage);
    }
}

int RunMessageLoop() {
    g_loopEntered = true;
    if (LoadedWindowCount() == 0) {
        return 0;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateFormKey(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

bool MessageLoopEntered() {
    return g_loopEntered;
}

int FinishProgram(int code) {
    g_exitRoutines.RunAll();
    ReleaseRuntime();
    return code;
}

void EndProgram(int code) {
    SuppressEvents();
    DestroyAllWindows();
    g_exitRoutines.RunAll();
    ReleaseRuntime();
    ExitProcess(static_cast<UINT>(code));
}

} // namespace rt
