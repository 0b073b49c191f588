#pragma once
#include <windows.h>

#include "runtime/system/bound_function.h"

// The user32 functions that the layered-window routines call, each bound by
// name from "user32.dll" the first time it is called.
namespace layered {

struct SystemFunctions {
    rt::BoundFunction setWindowLong{"user32.dll", "SetWindowLongA"};
    rt::BoundFunction setLayeredWindowAttributes{"user32.dll", "SetLayeredWindowAttributes"};
    rt::BoundFunction getWindowLong{"user32.dll", "GetWindowLongA"};
};

SystemFunctions& Functions();

LONG CallSetWindowLong(HWND window, int index, LONG value);
LONG CallGetWindowLong(HWND window, int index);
BOOL CallSetLayeredWindowAttributes(HWND window, COLORREF key, BYTE alpha, DWORD flags);

} // namespace layered
