#pragma once
#include <windows.h>

// Turns a top-level window into a layered window. The system functions are
// bound by name at their first call (they exist from Windows 2000 on).
namespace layered {

// One colour fully transparent, everything else opaque. The extended style
// becomes WS_EX_LAYERED alone.
void ApplyColorKey(HWND window, COLORREF colorKey);

// An overall opacity together with a colour key, and optionally
// transparency to the mouse, which keeps the window's other style bits.
void ApplyTransparency(HWND window, BYTE alpha, COLORREF colorKey, bool clickThrough);

} // namespace layered
