#pragma once
#include <windows.h>

namespace rt {

// The keys that the form runtime handles for a loaded window before its
// controls see them: Tab and Shift+Tab walk the tab stops, and Esc closes a
// window whose form says so. True when the key was taken.
bool TranslateFormKey(const MSG& message);

} // namespace rt
