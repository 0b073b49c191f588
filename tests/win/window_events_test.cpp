#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include "resources/tray_icon_data.h"
#include "runtime/forms/properties.h"
#include "runtime/forms/window.h"
#include "runtime/tray/tray_rules.h"
#include "test_window.h"

namespace {

int g_created = 0;
int g_firstActivated = 0;
bool g_createdBeforeActivated = false;

void CountCreated() {
    ++g_created;
}
void CountFirstActivated() {
    g_createdBeforeActivated = g_created == 1;
    ++g_firstActivated;
}

constexpr rt::WindowData ShownForm = [] {
    rt::WindowData form = HiddenTestForm;
    form.visible = true;
    form.onCreated = CountCreated;
    form.onFirstActivated = CountFirstActivated;
    return form;
}();

TEST(WindowEvents, FirstActivatedRunsOnceInsideTheLoadAfterCreated) {
    rt::Window* window = rt::LoadWindow(ShownForm);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(g_created, 1);
    EXPECT_EQ(g_firstActivated, 1) << "the load returns after the first activation";
    EXPECT_TRUE(g_createdBeforeActivated);
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                 nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    PumpMessages();
    SetActiveWindow(window->hwnd);
    PumpMessages();
    EXPECT_EQ(g_firstActivated, 1);
    DestroyWindow(other);
    DestroyWindow(window->hwnd);
}

TEST(WindowEvents, ClosingAWindowDeletesItsIcon) {
    rt::Window* window = rt::LoadWindow(HiddenTestForm);
    ASSERT_NE(window, nullptr);
    HWND hwnd = window->hwnd;
    rt::SetTrayIcon(*window, TrayIconData());
    ASSERT_TRUE(IconPresent(hwnd));
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(IconPresent(hwnd));
}

TEST(WindowEvents, ANewNotificationAreaGetsTheIconAgain) {
    rt::Window* window = rt::LoadWindow(HiddenTestForm);
    ASSERT_NE(window, nullptr);
    rt::SetTrayIcon(*window, TrayIconData());
    // As after a restart of the shell: the notification area has forgotten the icon.
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window->hwnd;
    record.uID = rt::TrayIconId;
    Shell_NotifyIconA(NIM_DELETE, &record);
    ASSERT_FALSE(IconPresent(window->hwnd));
    SendMessageW(window->hwnd, rt::TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(IconPresent(window->hwnd));
    DestroyWindow(window->hwnd);
}

constexpr rt::WindowData BorderlessForm = [] {
    rt::WindowData form = HiddenTestForm;
    form.border = rt::Border::None;
    return form;
}();

TEST(WindowEvents, WritesClampAndNeverActivate) {
    rt::Window* window = rt::LoadWindow(BorderlessForm);
    ASSERT_NE(window, nullptr);
    rt::SetLeft(window->hwnd, 40000);
    rt::SetTop(window->hwnd, -40000);
    rt::SetWidth(window->hwnd, -5);
    rt::SetHeight(window->hwnd, 300);
    RECT rect{};
    GetWindowRect(window->hwnd, &rect);
    EXPECT_EQ(rect.left, 32627);
    EXPECT_EQ(rect.top, -32627);
    EXPECT_EQ(rect.right - rect.left, 0);
    EXPECT_EQ(rect.bottom - rect.top, 300);
    EXPECT_NE(GetActiveWindow(), window->hwnd);
    rt::SetAlwaysOnTop(*window, true);
    EXPECT_TRUE(GetWindowLongW(window->hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(IsWindowVisible(window->hwnd));
    DestroyWindow(window->hwnd);
}

} // namespace
