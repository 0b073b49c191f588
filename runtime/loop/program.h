#pragma once
#include "runtime/forms/form_data.h"
#include "runtime/loop/exit_routines.h"

namespace rt {

// Makes the runtime ready: the working directory becomes the program's folder.
void PrepareRuntime();

void RegisterExitRoutine(ExitRoutine routine);
// Empties the exit-routine list without running it (a run-time error ends the program).
void ClearExitRoutines();

// Loads the start window; a failure is the run-time error "载入启动窗口失败".
void LoadStartWindow(const WindowData& form);

// Dispatches the thread's messages until the quit request, whose code it
// returns; returns 0 at once when no window is loaded.
int RunMessageLoop();
bool MessageLoopEntered();

// The normal end once the loop has returned: runs the exit routines, releases
// what the runtime holds and gives back the exit code.
int FinishProgram(int code);

// Ends the program from anywhere: tears down every window without its
// events, runs the exit routines, releases what the runtime holds, and ends
// the process with the code.
[[noreturn]] void EndProgram(int code);

} // namespace rt
