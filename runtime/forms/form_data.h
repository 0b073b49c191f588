#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

// Windows and controls are declared as constant form data: what kind each
// control is, where it sits, what it holds at start and which of the
// program's handlers its events run. The form runtime builds the live
// windows from these tables.
namespace rt {

using Colour = std::uint32_t; // COLORREF layout, 0x00BBGGRR

// Stands for "default": the button-face colour as a background, transparent
// as a text background.
inline constexpr Colour DefaultColour = 0xFF000000;

using Handler = void (*)();
using TrayHandler = void (*)(int code);

enum class ControlKind { Label, EditBox, ColourPicker, Button, Canvas };

enum class EditMode { Ordinary, Integer };

enum class PictureMode { TopLeft = 0, Tile = 1, Centre = 2, Stretch = 3 };

enum class Border { Fixed, None };

struct Geometry {
    int left;
    int top;
    int width;
    int height;
};

struct ControlData {
    const char* name;
    ControlKind kind;
    Geometry geometry;
    const wchar_t* text = L"";
    Colour colour = 0;      // a colour picker's value, a canvas's background
    bool wraps = false;     // a label whose text wraps from its top edge
    bool multiline = false; // an edit box of several lines
    EditMode editMode = EditMode::Ordinary;
    int fontHeight = 0; // an own font of this character height; 0: the GUI font
    Handler onClicked = nullptr;
};

struct WindowData {
    const char* name;
    const wchar_t* title;
    Border border;
    bool minimizeBox;
    int width; // outer size
    int height;
    Colour background;
    PictureMode pictureMode;
    bool visible;
    bool showInTaskbar;
    bool escCloses;
    const wchar_t* icon; // icon group resource, or none
    std::span<const ControlData> controls;
    Handler onCreated = nullptr;
    Handler onFirstActivated = nullptr;
    TrayHandler onTrayEvent = nullptr;
};

// Labels and canvases never take the keyboard focus; every other kind is a tab stop.
inline bool IsTabStopKind(ControlKind kind) {
    return kind != ControlKind::Label && kind != ControlKind::Canvas;
}

} // namespace rt
