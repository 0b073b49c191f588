#pragma once
#include <windows.h>

#include <string_view>
#include <vector>

#include "runtime/forms/form_data.h"
#include "runtime/picture/background.h"
#include "runtime/tray/tray_icon.h"

namespace rt {

struct Control {
    const ControlData* data;
    HWND hwnd;
};

// A window loaded from its form data: the live window, its controls and the
// settings that the runtime keeps beside them.
class Window {
  public:
    explicit Window(const WindowData& form) : form(form) {}
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const WindowData& form;
    HWND hwnd = nullptr;
    HWND owner = nullptr; // the invisible tool window that keeps it off the taskbar
    std::vector<Control> controls;
    bool firstActivated = false;
    HWND lastFocus = nullptr;
    Background background;
    TrayIcon tray;
};

// Loads a window from its form data: creates it hidden with its controls,
// runs its created handler, then shows it if its form says so (which
// activates it and runs its first-activated handler). None on failure.
Window* LoadWindow(const WindowData& form);

// The loaded instance of a form, or none.
Window* LoadedWindow(const WindowData& form);
Window* LoadedWindowByHandle(HWND hwnd);
std::size_t LoadedWindowCount();
// Destroys every loaded window; the caller has muted events first.
void DestroyAllWindows();

Control* FindControl(Window& window, std::string_view name);
Control* FindControlByHandle(Window& window, HWND hwnd);
// Forgets a control whose window was destroyed.
void RemoveControl(Window& window, HWND hwnd);

// Moves the keyboard focus to the next (or previous) tab stop of the window.
void MoveFocus(Window& window, bool forward);

} // namespace rt
