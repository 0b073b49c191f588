#include "runtime/forms/properties.h"

#include "runtime/controls/colour_picker.h"
#include "runtime/forms/geometry.h"
#include "runtime/text/cp936.h"

namespace rt {

namespace {

// The outer rectangle in the coordinates that left and top are written in.
RECT OuterRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    if (HWND parent = GetParent(window);
        parent != nullptr && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) {
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    }
    return rect;
}

constexpr UINT QuietPlacement = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

void Move(HWND window, int left, int top) {
    SetWindowPos(window, nullptr, left, top, 0, 0, QuietPlacement | SWP_NOSIZE);
}

void Resize(HWND window, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, width, height, QuietPlacement | SWP_NOMOVE);
}

} // namespace

int ScreenWidth() {
    return GetSystemMetrics(SM_CXSCREEN);
}
int ScreenHeight() {
    return GetSystemMetrics(SM_CYSCREEN);
}

void SetLeft(HWND window, int left) {
    const RECT rect = OuterRect(window);
    Move(window, ClampCoordinate(left), rect.top);
}

void SetTop(HWND window, int top) {
    const RECT rect = OuterRect(window);
    Move(window, rect.left, ClampCoordinate(top));
}

void SetWidth(HWND window, int width) {
    const RECT rect = OuterRect(window);
    Resize(window, ClampExtent(width), rect.bottom - rect.top);
}

void SetHeight(HWND window, int height) {
    const RECT rect = OuterRect(window);
    Resize(window, rect.right - rect.left, ClampExtent(height));
}

void SetVisible(Window& window, bool visible) {
    ShowWindow(window.hwnd, visible ? SW_SHOW : SW_HIDE);
}

void SetAlwaysOnTop(Window& window, bool onTop) {
    SetWindowPos(window.hwnd, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

std::string ReadContent(const Control& control) {
    return WindowText(control.hwnd);
}

Colour ReadColour(const Control& control) {
    return ColourPickerValue(control.hwnd);
}

void SetBackgroundPicture(Window& window, ByteString picture) {
    window.background.SetPicture(std::move(picture));
    InvalidateRect(window.hwnd, nullptr, FALSE);
}

void SetTrayIcon(Window& window, std::span<const std::uint8_t> iconFile, std::string_view tooltip) {
    window.tray.Set(window.hwnd, iconFile, tooltip);
}

void DestroyControl(Window& window, Control& control) {
    HWND hwnd = control.hwnd;
    RemoveControl(window, hwnd);
    DestroyWindow(hwnd);
}

} // namespace rt
