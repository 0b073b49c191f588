#include <gtest/gtest.h>

#include "platform/layered/layered_window.h"
#include "platform/layered/system_functions.h"

namespace {

struct TopLevel {
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE, L"STATIC", L"layered",
                                WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ~TopLevel() { DestroyWindow(hwnd); }
    LONG ExStyle() const { return GetWindowLongW(hwnd, GWL_EXSTYLE); }
};

struct Attributes {
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
};

Attributes Read(HWND window) {
    Attributes a;
    GetLayeredWindowAttributes(window, &a.key, &a.alpha, &a.flags);
    return a;
}

TEST(Layered, ColorKeyWritesTheLayeredBitAlone) {
    TopLevel window;
    layered::ApplyColorKey(window.hwnd, 0x00FF8800);
    EXPECT_EQ(window.ExStyle(), WS_EX_LAYERED);
    const Attributes a = Read(window.hwnd);
    EXPECT_EQ(a.key, 0x00FF8800u);
    EXPECT_EQ(a.flags, static_cast<DWORD>(LWA_COLORKEY));
}

TEST(Layered, TransparencyWithClickThroughKeepsTheOtherBits) {
    TopLevel window;
    layered::ApplyColorKey(window.hwnd, 0x00FF8800);
    SetWindowLongW(window.hwnd, GWL_EXSTYLE, window.ExStyle() | WS_EX_ACCEPTFILES);
    layered::ApplyTransparency(window.hwnd, 100, 0x00FF8800, true);
    EXPECT_EQ(window.ExStyle(), WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_ACCEPTFILES);
    const Attributes a = Read(window.hwnd);
    EXPECT_EQ(a.key, 0x00FF8800u);
    EXPECT_EQ(a.alpha, 100);
    EXPECT_EQ(a.flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
    layered::ApplyTransparency(window.hwnd, 100, 0x00FF8800, false);
    EXPECT_EQ(window.ExStyle(), WS_EX_LAYERED);
}

TEST(Layered, BlackKeyMeansOpacityAlone) {
    TopLevel window;
    layered::ApplyTransparency(window.hwnd, 100, 0, true);
    const Attributes a = Read(window.hwnd);
    EXPECT_EQ(a.alpha, 100);
    EXPECT_EQ(a.flags, static_cast<DWORD>(LWA_ALPHA));
}

TEST(Layered, FunctionsAreBoundOnceFromUser32) {
    TopLevel window;
    layered::ApplyTransparency(window.hwnd, 100, 0x00FF8800, true);
    layered::SystemFunctions& functions = layered::Functions();
    const FARPROC bound = functions.setLayeredWindowAttributes.address;
    const HMODULE module = functions.setLayeredWindowAttributes.module;
    ASSERT_NE(bound, nullptr);
    EXPECT_EQ(bound, GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetLayeredWindowAttributes"));
    EXPECT_NE(functions.getWindowLong.address, nullptr);
    layered::ApplyTransparency(window.hwnd, 50, 0x00FF8800, true);
    EXPECT_EQ(functions.setLayeredWindowAttributes.address, bound);
    EXPECT_EQ(functions.setLayeredWindowAttributes.module, module);
}

} // namespace
