#pragma once
#include <windows.h>

#include <shellapi.h>

#include "runtime/forms/form_data.h"
#include "runtime/tray/tray_rules.h"

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

// True when the notification area holds the window's icon under identifier 100.
inline bool IconPresent(HWND window) {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window;
    record.uID = rt::TrayIconId;
    return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}
