#include <windows.h>

#include "app/watermark_settings.h"
#include "runtime/loop/program.h"
#include "ui/settings/settings_form.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    rt::PrepareRuntime();
    rt::RegisterExitRoutine(OnProgramExit);
    rt::LoadStartWindow(SettingsWindow);
    const int code = rt::RunMessageLoop();
    return rt::FinishProgram(code);
}
