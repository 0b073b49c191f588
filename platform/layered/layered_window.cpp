#include "platform/layered/layered_window.h"

#include "platform/layered/layered_rules.h"
#include "platform/layered/system_functions.h"

namespace layered {

void ApplyColorKey(HWND window, COLORREF colorKey) {
    CallSetWindowLong(window, GWL_EXSTYLE, WS_EX_LAYERED);
    // The alpha is passed but unused: only LWA_COLORKEY is set.
    CallSetLayeredWindowAttributes(window, colorKey, 255, LWA_COLORKEY);
}

void ApplyTransparency(HWND window, BYTE alpha, COLORREF colorKey, bool clickThrough) {
    const LONG current = clickThrough ? CallGetWindowLong(window, GWL_EXSTYLE) : 0;
    CallSetWindowLong(window, GWL_EXSTYLE, TransparencyExStyle(current, clickThrough));
    CallSetLayeredWindowAttributes(window, colorKey, alpha, TransparencyFlags(alpha, colorKey));
}

} // namespace layered
