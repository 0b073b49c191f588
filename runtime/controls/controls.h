#pragma once
#include <windows.h>

#include "runtime/forms/form_data.h"

namespace rt {

// Creates a control of any kind as a child of a form window, at its stored
// place and with its stored settings. None when the system refuses.
HWND CreateControl(HWND parent, const ControlData& data);

HWND CreateLabel(HWND parent, const ControlData& data);
HWND CreateEditBox(HWND parent, const ControlData& data);
HWND CreateButton(HWND parent, const ControlData& data);
HWND CreateCanvas(HWND parent, const ControlData& data);

// The font every control without one of its own uses.
HFONT GuiFont();

} // namespace rt
