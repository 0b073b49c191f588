#pragma once
#include <windows.h>

#include "runtime/forms/form_data.h"

// A small visible-free form for the tests: a window that is loaded hidden.
inline constexpr rt::WindowData HiddenTestForm = {
    .name = "TestWindow",
    .title = L"test window",
    .border = rt::Border::Fixed,
    .minimizeBox = false,
    .width = 200,
    .height = 120,
    .background = rt::DefaultColour,
    .pictureMode = rt::PictureMode::TopLeft,
    .visible = false,
    .showInTaskbar = false,
    .escCloses = false,
    .icon = nullptr,
    .controls = {},
};

// Processes the messages that are waiting, without blocking.
inline void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
