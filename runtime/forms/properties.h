#pragma once
#include <windows.h>

#include <string>

#include "runtime/forms/window.h"
#include "runtime/system/byte_string.h"

// The settings of loaded windows and controls that the program reads and
// writes. Every write takes effect at once on the live window, never
// activates it and never changes its place in the stacking order.
namespace rt {

int ScreenWidth();
int ScreenHeight();

// Left and top are clamped to -32627..32627, width and height to 0..32627.
// A window's left and top are screen coordinates of its outer rectangle; a
// control's are relative to its window's client area.
void SetLeft(HWND window, int left);
void SetTop(HWND window, int top);
void SetWidth(HWND window, int width);
void SetHeight(HWND window, int height);

void SetVisible(Window& window, bool visible);
void SetAlwaysOnTop(Window& window, bool onTop);

// An edit box's whole text, as a code-page-936 text ("" when it is empty).
std::string ReadContent(const Control& control);
// A colour picker's confirmed colour.
Colour ReadColour(const Control& control);

// The window keeps the picture (the empty value: none) and repaints from it.
void SetBackgroundPicture(Window& window, ByteString picture);
// Shows the window's notification icon from an ICO file (empty: none).
void SetTrayIcon(Window& window, std::span<const std::uint8_t> iconFile,
                 std::string_view tooltip = {});

// Removes a control from its window.
void DestroyControl(Window& window, Control& control);

} // namespace rt
