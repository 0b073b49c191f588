#include "runtime/controls/controls.h"

#include "runtime/controls/colour_picker.h"

namespace rt {

HFONT GuiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

namespace {

HWND CreateOfKind(HWND parent, const ControlData& data) {
    switch (data.kind) {
    case ControlKind::Label:
        return CreateLabel(parent, data);
    case ControlKind::EditBox:
        return CreateEditBox(parent, data);
    case ControlKind::ColourPicker: {
        const Geometry& g = data.geometry;
        return CreateColourPicker(parent, g.left, g.top, g.width, g.height, data.colour);
    }
    case ControlKind::Button:
        return CreateButton(parent, data);
    case ControlKind::Canvas:
        return CreateCanvas(parent, data);
    }
    return nullptr;
}

} // namespace

HWND CreateControl(HWND parent, const ControlData& data) {
    HWND control = CreateOfKind(parent, data);
    if (control != nullptr) {
        // Overlapping controls clip each other, so the one stored earlier,
        // which lies higher in the stacking order, is the one that shows.
        const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
        SetWindowLongPtrW(control, GWL_STYLE, style | WS_CLIPSIBLINGS);
    }
    return control;
}

} // namespace rt
