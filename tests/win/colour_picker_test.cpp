#include "runtime/controls/colour_picker.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
// The cell one right and one down from black, the first cell.
constexpr std::uint32_t kOrange = RGB(0xFF, 0x66, 0x00);

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Pumps until done() holds; false if it still does not after two seconds.
template <typename Done> bool PumpUntil(Done done) {
    const ULONGLONG deadline = GetTickCount64() + 2000;
    for (;;) {
        Pump();
        if (done()) {
            return true;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                  QS_ALLINPUT);
    }
}

struct OwnedSearch {
    HWND owner;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK MatchOwned(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<OwnedSearch*>(lParam);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    const bool classMatches = search.className == nullptr || lstrcmpW(name, search.className) == 0;
    if (classMatches && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == search.owner) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window of this thread owned by owner.
HWND FindOwned(HWND owner, const wchar_t* className = nullptr) {
    OwnedSearch search{owner, className, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), MatchOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND dialogOwner = nullptr;
bool dialogSeen = false;

// Runs inside the colour dialog's modal loop.
void CALLBACK CancelColourDialog(HWND, UINT, UINT_PTR, DWORD) {
    if (HWND dialog = FindOwned(dialogOwner, L"#32770")) {
        dialogSeen = true;
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

class ColourPickerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSW host{};
        host.lpfnWndProc = DefWindowProcW;
        host.hInstance = GetModuleHandleW(nullptr);
        host.lpszClassName = L"ColourPickerTestHost";
        RegisterClassW(&host);
        host_ = CreateWindowExW(0, host.lpszClassName, L"Colour picker test",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 320, 240, nullptr,
                                nullptr, host.hInstance, nullptr);
        ASSERT_NE(host_, nullptr);
        SetForegroundWindow(host_);
        ASSERT_TRUE(PumpUntil([this] { return GetActiveWindow() == host_; }));
    }

    void TearDown() override {
        DestroyWindow(host_);
        Pump();
    }

    void Create(std::uint32_t initial) {
        picker_ = rt::CreateColourPicker(host_, 20, 20, 64, 24, initial);
        ASSERT_NE(picker_, nullptr);
    }

    HWND Palette() const { return FindOwned(host_); }

    HWND Click() {
        SendMessageW(picker_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        SendMessageW(picker_, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        return Palette();
    }

    // Goes where the keyboard would send it, to the focus window. Nothing is
    // pumped: under Wine the window manager's late focus events would
    // otherwise reactivate the host, whose default handling then takes the
    // focus from the picker.
    static void Key(WPARAM key, UINT message = WM_KEYDOWN, LPARAM flags = 1) {
        SendMessageW(GetFocus(), message, key, flags);
    }

    void ExpectKeyDropsPalette(WPARAM key, UINT message = WM_KEYDOWN, LPARAM flags = 1) {
        Create(kBlack);
        SetFocus(picker_);
        Key(key, message, flags);
        const HWND palette = Palette();
        ASSERT_NE(palette, nullptr);
        EXPECT_EQ(GetFocus(), palette);
        Key(VK_ESCAPE);
        EXPECT_FALSE(IsWindow(palette));
    }

    std::uint32_t Value() const { return rt::ColourPickerValue(picker_); }

    HWND host_ = nullptr;
    HWND picker_ = nullptr;
};

TEST_F(ColourPickerTest, ClickDropsActivePaletteBelowPicker) {
    Create(kOrange);
    EXPECT_EQ(Value(), kOrange);

    const HWND palette = Click();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(GetActiveWindow(), palette);
    EXPECT_EQ(GetFocus(), palette);
    EXPECT_TRUE(GetWindowLongPtrW(palette, GWL_STYLE) & WS_POPUP);
    EXPECT_TRUE(GetWindowLongPtrW(palette, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    RECT pickerRect;
    RECT paletteRect;
    GetWindowRect(picker_, &pickerRect);
    GetWindowRect(palette, &paletteRect);
    EXPECT_EQ(paletteRect.left, pickerRect.left);
    EXPECT_EQ(paletteRect.top, pickerRect.bottom);
    EXPECT_EQ(Value(), kOrange);
}

TEST_F(ColourPickerTest, SpaceDropsPalette) {
    ExpectKeyDropsPalette(VK_SPACE);
}
TEST_F(ColourPickerTest, EnterDropsPalette) {
    ExpectKeyDropsPalette(VK_RETURN);
}
TEST_F(ColourPickerTest, F4DropsPalette) {
    ExpectKeyDropsPalette(VK_F4);
}
TEST_F(ColourPickerTest, AltDownDropsPalette) {
    ExpectKeyDropsPalette(VK_DOWN, WM_SYSKEYDOWN, 1 | KF_ALTDOWN << 16);
}

TEST_F(ColourPickerTest, EscapeClosesAndKeepsValue) {
    Create(kBlack);
    const HWND palette = Click();
    ASSERT_NE(palette, nullptr);
    Key(VK_RIGHT);
    Key(VK_DOWN);
    Key(VK_ESCAPE);
    EXPECT_FALSE(IsWindow(palette));
    EXPECT_EQ(Value(), kBlack);
    EXPECT_EQ(GetFocus(), picker_);
}

TEST_F(ColourPickerTest, EnterChoosesHighlightedCell) {
    Create(kBlack);
    const HWND palette = Click();
    ASSERT_NE(palette, nullptr);
    Key(VK_RIGHT);
    Key(VK_DOWN);
    EXPECT_EQ(Value(), kBlack) << "moving the highlight must not choose";
    EXPECT_TRUE(IsWindowVisible(palette));
    Key(VK_RETURN);
    EXPECT_EQ(Value(), kOrange);
    EXPECT_FALSE(IsWindow(palette));
    EXPECT_EQ(GetFocus(), picker_);
}

TEST_F(ColourPickerTest, ClickOnCellChoosesIt) {
    Create(kWhite);
    const HWND palette = Click();
    ASSERT_NE(palette, nullptr);
    const LPARAM firstCell = MAKELPARAM(10, 10);
    SendMessageW(palette, WM_MOUSEMOVE, 0, firstCell);
    EXPECT_EQ(Value(), kWhite) << "hovering must not choose";
    SendMessageW(palette, WM_LBUTTONDOWN, MK_LBUTTON, firstCell);
    SendMessageW(palette, WM_LBUTTONUP, 0, firstCell);
    EXPECT_EQ(Value(), kBlack);
    EXPECT_FALSE(IsWindow(palette));
}

TEST_F(ColourPickerTest, DeactivationClosesAndKeepsValue) {
    Create(kBlack);
    const HWND palette = Click();
    ASSERT_NE(palette, nullptr);
    Key(VK_RIGHT);
    SetActiveWindow(host_);
    EXPECT_TRUE(PumpUntil([palette] { return !IsWindow(palette); }));
    EXPECT_EQ(Value(), kBlack);
}

TEST_F(ColourPickerTest, MoreColoursOpensDialogAndCancelKeepsValue) {
    Create(kBlack);
    ASSERT_NE(Click(), nullptr);
    // Down the four rows below black, then onto the entry under the grid.
    for (int row = 0; row < 5; ++row) {
        Key(VK_DOWN);
    }
    dialogOwner = host_;
    dialogSeen = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, CancelColourDialog);
    Key(VK_RETURN);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(dialogSeen);
    EXPECT_EQ(Palette(), nullptr);
    EXPECT_EQ(Value(), kBlack);
    EXPECT_EQ(GetFocus(), picker_);
}

} // namespace
