#pragma once
#include <cstdint>
#include <windows.h>
namespace rt {
// A button-like control that shows its colour; a click (or Space, Enter, F4, Alt+Down) drops a
// palette below it. The value changes only when a choice is confirmed.
HWND CreateColourPicker(HWND parent, int left, int top, int width, int height,
                        std::uint32_t initial);
std::uint32_t ColourPickerValue(HWND picker);
} // namespace rt
