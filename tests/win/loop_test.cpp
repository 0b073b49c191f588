#include <gtest/gtest.h>

#include "runtime/forms/window.h"
#include "runtime/loop/program.h"
#include "test_window.h"

namespace {

constexpr rt::WindowData SecondForm = [] {
    rt::WindowData form = HiddenTestForm;
    form.name = "SecondWindow";
    return form;
}();

HWND g_later = nullptr;
bool g_loopStillRan = false;

void CALLBACK CloseLater(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    // The first window is gone and the other is hidden: the loop must still run.
    g_loopStillRan = true;
    DestroyWindow(g_later);
}

TEST(MessageLoop, HiddenWindowKeepsItRunningAndTheLastOneEndsItWithZero) {
    rt::Window* first = rt::LoadWindow(HiddenTestForm);
    rt::Window* second = rt::LoadWindow(SecondForm);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(IsWindowVisible(first->hwnd));
    EXPECT_EQ(rt::LoadedWindowCount(), 2u);
    g_later = second->hwnd;
    PostMessageW(first->hwnd, WM_CLOSE, 0, 0);
    SetTimer(nullptr, 0, 200, CloseLater);
    EXPECT_EQ(rt::RunMessageLoop(), 0);
    EXPECT_TRUE(g_loopStillRan);
    EXPECT_EQ(rt::LoadedWindowCount(), 0u);
    EXPECT_EQ(rt::LoadedWindow(HiddenTestForm), nullptr);
}

TEST(MessageLoop, ReturnsAtOnceWithoutWindows) {
    ASSERT_EQ(rt::LoadedWindowCount(), 0u);
    EXPECT_EQ(rt::RunMessageLoop(), 0);
}

} // namespace
