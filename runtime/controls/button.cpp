#include "runtime/controls/controls.h"

namespace rt {

HWND CreateButton(HWND parent, const ControlData& data) {
    const Geometry& g = data.geometry;
    HWND button = CreateWindowExW(
        0, L"BUTTON", data.text,
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, g.left, g.top,
        g.width, g.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (button != nullptr) {
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    }
    return button;
}

} // namespace rt
