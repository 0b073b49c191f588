#include "runtime/controls/controls.h"

namespace rt {

HWND CreateLabel(HWND parent, const ControlData& data) {
    // SS_NOPREFIX shows an ampersand as itself. A single-line label is
    // centred vertically by SS_CENTERIMAGE; a wrapping one starts at its top.
    DWORD style = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX;
    if (!data.wraps) {
        style |= SS_CENTERIMAGE;
    }
    const Geometry& g = data.geometry;
    HWND label = CreateWindowExW(0, L"STATIC", data.text, style, g.left, g.top, g.width, g.height,
                                 parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (label != nullptr) {
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    }
    return label;
}

} // namespace rt
