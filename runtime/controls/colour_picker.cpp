#include "runtime/controls/colour_picker.h"

#include <commdlg.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <memory>
#include <string_view>
#include <type_traits>
#include <utility>

#include "runtime/system/bound_function.h"

namespace {

// The colour dialog's library is bound when the dialog is first asked for:
// loading it at start-up would bring in the printing libraries it depends on
// for every run, though most runs never open the dialog.
rt::BoundFunction g_chooseColour{"comdlg32.dll", "ChooseColorW"};

BOOL ChooseColourDialog(CHOOSECOLORW* dialog) {
    return rt::Resolved<BOOL(WINAPI*)(CHOOSECOLORW*)>(g_chooseColour)(dialog);
}

constexpr wchar_t kPickerClass[] = L"rt.ColourPicker";
constexpr wchar_t kPaletteClass[] = L"rt.ColourPalette";
constexpr wchar_t kMoreColoursText[] = L"其它颜色...";

constexpr int kColumns = 8;
constexpr int kRows = 5;
constexpr int kCellCount = kColumns * kRows;
// The "more colours" entry is the item after the last cell, so that one index
// walks the whole palette.
constexpr int kMoreColours = kCellCount;

constexpr std::array<COLORREF, kCellCount> kCellColours = {
    RGB(0x00, 0x00, 0x00), RGB(0x99, 0x33, 0x00), RGB(0x33, 0x33, 0x00), RGB(0x00, 0x33, 0x00),
    RGB(0x00, 0x33, 0x66), RGB(0x00, 0x00, 0x80), RGB(0x33, 0x33, 0x99), RGB(0x33, 0x33, 0x33),
    RGB(0x80, 0x00, 0x00), RGB(0xFF, 0x66, 0x00), RGB(0x80, 0x80, 0x00), RGB(0x00, 0x80, 0x00),
    RGB(0x00, 0x80, 0x80), RGB(0x00, 0x00, 0xFF), RGB(0x66, 0x66, 0x99), RGB(0x80, 0x80, 0x80),
    RGB(0xFF, 0x00, 0x00), RGB(0xFF, 0x99, 0x00), RGB(0x99, 0xCC, 0x00), RGB(0x33, 0x99, 0x66),
    RGB(0x33, 0xCC, 0xCC), RGB(0x33, 0x66, 0xFF), RGB(0x80, 0x00, 0x80), RGB(0x96, 0x96, 0x96),
    RGB(0xFF, 0x00, 0xFF), RGB(0xFF, 0xCC, 0x00), RGB(0xFF, 0xFF, 0x00), RGB(0x00, 0xFF, 0x00),
    RGB(0x00, 0xFF, 0xFF), RGB(0x00, 0xCC, 0xFF), RGB(0x99, 0x33, 0x66), RGB(0xC0, 0xC0, 0xC0),
    RGB(0xFF, 0x99, 0xCC), RGB(0xFF, 0xCC, 0x99), RGB(0xFF, 0xFF, 0x99), RGB(0xCC, 0xFF, 0xCC),
    RGB(0xCC, 0xFF, 0xFF), RGB(0x99, 0xCC, 0xFF), RGB(0xCC, 0x99, 0xFF), RGB(0xFF, 0xFF, 0xFF),
};

// Palette layout, in client pixels.
constexpr int kMargin = 4;
constexpr int kPitch = 20;
constexpr int kSwatchInset = 3;
constexpr int kGridBottom = kMargin + kRows * kPitch;
constexpr int kMoreTop = kGridBottom + 6;
constexpr int kMoreHeight = 22;
constexpr int kPaletteWidth = 2 * kMargin + kColumns * kPitch;
constexpr int kPaletteHeight = kMoreTop + kMoreHeight + kMargin;
constexpr DWORD kPaletteStyle = WS_POPUP | WS_BORDER;
constexpr DWORD kPaletteExStyle = WS_EX_TOOLWINDOW;

// Picker layout: the swatch sits inside the focus rectangle, the arrow right of it.
constexpr int kFocusInset = 3;
constexpr int kContentInset = 5;
constexpr int kArrowWidth = 9;
constexpr int kArrowGap = 3;

// Sent by the palette to itself once it has been deactivated; see WM_ACTIVATE.
constexpr UINT kDismissMessage = WM_USER + 1;

constexpr std::array<COLORREF, 16> WhiteColours() {
    std::array<COLORREF, 16> colours{};
    colours.fill(RGB(0xFF, 0xFF, 0xFF));
    return colours;
}

// The system colour dialog reads and writes these; they live for the process so
// that custom colours survive from one opening to the next.
std::array<COLORREF, 16> customColours = WhiteColours();

struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window) { BeginPaint(window, &paint_); }
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Dc() const { return paint_.hdc; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

struct Picker {
    COLORREF value;
    UniqueWindow palette;
    bool swallowClick = false;
};

struct Palette {
    HWND picker;
    COLORREF current;
    int highlight;
    int column; // of the last highlighted cell, for Up from the entry below the grid
};

// Both classes keep their state behind a pointer in the window's extra bytes,
// leaving GWLP_USERDATA to whoever uses the control.
template <typename State> State* StateOf(HWND window) {
    return reinterpret_cast<State*>(GetWindowLongPtrW(window, 0));
}

template <typename State> void Attach(HWND window, std::unique_ptr<State> state) {
    SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(state.release()));
}

template <typename State> std::unique_ptr<State> Detach(HWND window) {
    return std::unique_ptr<State>(reinterpret_cast<State*>(SetWindowLongPtrW(window, 0, 0)));
}

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

HBRUSH DcBrush(HDC dc, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

void DrawSwatch(HDC dc, RECT area, COLORREF colour, int frameColour) {
    FrameRect(dc, &area, GetSysColorBrush(frameColour));
    InflateRect(&area, -1, -1);
    FillRect(dc, &area, DcBrush(dc, colour));
}

void DrawArrow(HDC dc, const RECT& area, int colour) {
    constexpr int width = 7;
    const int left = (area.left + area.right - width) / 2;
    const int top = (area.top + area.bottom) / 2 - 2;
    for (int row = 0; row <= width / 2; ++row) {
        const RECT line{left + row, top + row, left + width - row, top + row + 1};
        FillRect(dc, &line, GetSysColorBrush(colour));
    }
}

bool ShowsFocus(HWND window) {
    return GetFocus() == window &&
           (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

void PaintPicker(HWND window, const Picker& picker) {
    PaintScope paint(window);
    const HDC dc = paint.Dc();
    const bool pushed = picker.palette != nullptr;
    RECT client;
    GetClientRect(window, &client);
    DrawFrameControl(dc, &client, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

    RECT content = client;
    InflateRect(&content, -kContentInset, -kContentInset);
    if (pushed) {
        OffsetRect(&content, 1, 1);
    }
    RECT swatch = content;
    swatch.right -= kArrowWidth + kArrowGap;
    RECT arrow = content;
    arrow.left = arrow.right - kArrowWidth;
    const bool enabled = IsWindowEnabled(window);
    DrawSwatch(dc, swatch, picker.value, enabled ? COLOR_3DDKSHADOW : COLOR_GRAYTEXT);
    DrawArrow(dc, arrow, enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);

    if (ShowsFocus(window)) {
        RECT focus = client;
        InflateRect(&focus, -kFocusInset, -kFocusInset);
        DrawFocusRect(dc, &focus);
    }
}

RECT ItemRect(int item) {
    if (item == kMoreColours) {
        return {kMargin, kMoreTop, kPaletteWidth - kMargin, kMoreTop + kMoreHeight};
    }
    const int left = kMargin + item % kColumns * kPitch;
    const int top = kMargin + item / kColumns * kPitch;
    return {left, top, left + kPitch, top + kPitch};
}

int ItemAt(POINT point) {
    for (int item = 0; item <= kMoreColours; ++item) {
        const RECT area = ItemRect(item);
        if (PtInRect(&area, point)) {
            return item;
        }
    }
    return -1;
}

// A colour that no cell has maps to the "more colours" entry, the one that can show it.
int ItemOf(COLORREF colour) {
    const auto cell = std::find(kCellColours.begin(), kCellColours.end(), colour);
    return static_cast<int>(cell - kCellColours.begin());
}

void DrawCell(HDC dc, int item, const Palette& palette) {
    RECT cell = ItemRect(item);
    if (item == palette.highlight) {
        FillRect(dc, &cell, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    if (kCellColours[item] == palette.current) {
        FrameRect(dc, &cell, GetSysColorBrush(COLOR_MENUTEXT));
    }
    InflateRect(&cell, -kSwatchInset, -kSwatchInset);
    DrawSwatch(dc, cell, kCellColours[item], COLOR_BTNSHADOW);
}

void DrawMoreColours(HDC dc, bool highlighted) {
    RECT entry = ItemRect(kMoreColours);
    FillRect(dc, &entry, GetSysColorBrush(highlighted ? COLOR_HIGHLIGHT : COLOR_MENU));
    const SelectedObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    DrawTextW(dc, kMoreColoursText, -1, &entry,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintPalette(HWND window, const Palette& palette) {
    PaintScope paint(window);
    const HDC dc = paint.Dc();
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_MENU));
    for (int item = 0; item < kCellCount; ++item) {
        DrawCell(dc, item, palette);
    }
    RECT separator{kMargin, kGridBottom + 2, kPaletteWidth - kMargin, kGridBottom + 4};
    DrawEdge(dc, &separator, EDGE_ETCHED, BF_TOP);
    DrawMoreColours(dc, palette.highlight == kMoreColours);
}

// Below the picker with the left edges aligned; above it when the work area has
// no room below.
POINT PalettePosition(HWND picker, SIZE size) {
    RECT anchor;
    GetWindowRect(picker, &anchor);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&anchor, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    POINT at{anchor.left, anchor.bottom};
    if (at.y + size.cy > work.bottom) {
        at.y = anchor.top - size.cy;
    }
    at.x = std::max(std::min(at.x, work.right - size.cx), work.left);
    at.y = std::max(at.y, work.top);
    return at;
}

void ClosePalette(HWND window, bool refocus) {
    Picker& picker = *StateOf<Picker>(window);
    if (picker.palette == nullptr) {
        return;
    }
    // The focus moves first so that the activation goes back to the picker's
    // window, not to whichever window the system picks once the active
    // palette is destroyed.
    if (refocus) {
        SetFocus(window);
    }
    picker.palette.reset();
    InvalidateRect(window, nullptr, FALSE);
}

void SetValue(HWND window, COLORREF value) {
    StateOf<Picker>(window)->value = value;
    InvalidateRect(window, nullptr, FALSE);
}

void ChooseOtherColour(HWND window) {
    // The dialog takes the activation, which would dismiss the palette in the
    // middle of this call; it is closed before the dialog opens instead.
    ClosePalette(window, true);
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetAncestor(window, GA_ROOT);
    dialog.rgbResult = StateOf<Picker>(window)->value;
    dialog.lpCustColors = customColours.data();
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    const bool chosen = ChooseColourDialog(&dialog);
    // The dialog ran a message loop of its own, in which anything may have
    // destroyed the picker.
    if (!IsWindow(window)) {
        return;
    }
    if (chosen) {
        SetValue(window, dialog.rgbResult);
    }
    SetFocus(window);
}

// Destroys the palette: the caller must not touch the palette's state afterwards.
void Choose(HWND picker, int item) {
    if (item == kMoreColours) {
        ChooseOtherColour(picker);
        return;
    }
    SetValue(picker, kCellColours[item]);
    ClosePalette(picker, true);
}

void OpenPalette(HWND window) {
    Picker& picker = *StateOf<Picker>(window);
    if (picker.palette != nullptr) {
        return;
    }
    const int item = ItemOf(picker.value);
    Palette initial{window, picker.value, item, item < kCellCount ? item % kColumns : 0};
    RECT frame{0, 0, kPaletteWidth, kPaletteHeight};
    AdjustWindowRectEx(&frame, kPaletteStyle, FALSE, kPaletteExStyle);
    const SIZE size{frame.right - frame.left, frame.bottom - frame.top};
    const POINT at = PalettePosition(window, size);
    picker.palette.reset(CreateWindowExW(kPaletteExStyle, kPaletteClass, L"", kPaletteStyle, at.x,
                                         at.y, size.cx, size.cy, GetAncestor(window, GA_ROOT),
                                         nullptr, Instance(), &initial));
    if (picker.palette == nullptr) {
        return;
    }
    // Shown with activation, so that the palette has the keyboard focus.
    SetWindowPos(picker.palette.get(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    InvalidateRect(window, nullptr, FALSE);
}

// Enter opens the palette rather than pressing a dialog's default button.
LRESULT DialogCode(LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    const bool enter = message != nullptr &&
                       (message->message == WM_KEYDOWN || message->message == WM_CHAR) &&
                       message->wParam == VK_RETURN;
    return enter ? DLGC_WANTMESSAGE : 0;
}

bool OpensPalette(UINT message, WPARAM key, LPARAM flags) {
    if (message == WM_SYSKEYDOWN) {
        return key == VK_DOWN && (HIWORD(flags) & KF_ALTDOWN) != 0;
    }
    return key == VK_SPACE || key == VK_RETURN || key == VK_F4;
}

LRESULT MouseActivate(HWND window, Picker& picker, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProcW(window, WM_MOUSEACTIVATE, wParam, lParam);
    // A click on the picker while its palette is open deactivates the palette,
    // which closes it; the button-down that follows must not open it again.
    picker.swallowClick = picker.palette != nullptr && HIWORD(lParam) == WM_LBUTTONDOWN &&
                          (result == MA_ACTIVATE || result == MA_NOACTIVATE);
    return result;
}

LRESULT CALLBACK PickerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        const COLORREF initial = *static_cast<const COLORREF*>(create->lpCreateParams);
        Attach(window, std::make_unique<Picker>(Picker{initial, nullptr}));
    }
    Picker* picker = StateOf<Picker>(window);
    if (picker == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_PAINT:
        PaintPicker(window, *picker);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_UPDATEUISTATE:
        InvalidateRect(window, nullptr, FALSE);
        break;
    case WM_GETDLGCODE:
        return DialogCode(lParam);
    case WM_MOUSEACTIVATE:
        return MouseActivate(window, *picker, wParam, lParam);
    case WM_LBUTTONDOWN:
        SetFocus(window);
        if (!std::exchange(picker->swallowClick, false)) {
            OpenPalette(window);
        }
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (OpensPalette(message, wParam, lParam)) {
            OpenPalette(window);
            return 0;
        }
        break;
    case WM_DESTROY:
        picker->palette.reset();
        return 0;
    case WM_NCDESTROY:
        Detach<Picker>(window);
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int MoveHighlight(int item, WPARAM key, int column) {
    if (item == kMoreColours) {
        return key == VK_UP ? (kRows - 1) * kColumns + column : item;
    }
    const int row = item / kColumns;
    switch (key) {
    case VK_LEFT:
        return item % kColumns > 0 ? item - 1 : item;
    case VK_RIGHT:
        return item % kColumns < kColumns - 1 ? item + 1 : item;
    case VK_UP:
        return row > 0 ? item - kColumns : item;
    case VK_DOWN:
        return row < kRows - 1 ? item + kColumns : kMoreColours;
    }
    return item;
}

void SetHighlight(HWND window, Palette& palette, int item) {
    if (item == palette.highlight) {
        return;
    }
    const RECT previous = ItemRect(palette.highlight);
    InvalidateRect(window, &previous, FALSE);
    palette.highlight = item;
    if (item < kCellCount) {
        palette.column = item % kColumns;
    }
    const RECT next = ItemRect(item);
    InvalidateRect(window, &next, FALSE);
}

LRESULT PaletteKey(HWND window, Palette& palette, WPARAM key, LPARAM flags) {
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        SetHighlight(window, palette, MoveHighlight(palette.highlight, key, palette.column));
        return 0;
    case VK_RETURN:
        // A repeat is the Enter that opened the palette still held down.
        if ((HIWORD(flags) & KF_REPEAT) == 0) {
            Choose(palette.picker, palette.highlight);
        }
        return 0;
    case VK_ESCAPE:
        ClosePalette(palette.picker, true);
        return 0;
    }
    return DefWindowProcW(window, WM_KEYDOWN, key, flags);
}

void ForgetPalette(HWND window, HWND pickerWindow) {
    Picker* picker = StateOf<Picker>(pickerWindow);
    if (picker != nullptr && picker->palette.get() == window) {
        static_cast<void>(picker->palette.release());
    }
}

POINT PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

LRESULT CALLBACK PaletteProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        Attach(window,
               std::make_unique<Palette>(*static_cast<const Palette*>(create->lpCreateParams)));
    }
    Palette* palette = StateOf<Palette>(window);
    if (palette == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_PAINT:
        PaintPalette(window, *palette);
        return 0;
    case WM_MOUSEMOVE:
        if (const int item = ItemAt(PointOf(lParam)); item >= 0) {
            SetHighlight(window, *palette, item);
        }
        return 0;
    case WM_LBUTTONUP:
        if (const int item = ItemAt(PointOf(lParam)); item >= 0) {
            Choose(palette->picker, item);
        }
        return 0;
    case WM_KEYDOWN:
        return PaletteKey(window, *palette, wParam, lParam);
    case WM_ACTIVATE:
        // Destroying a window while the system is still switching the
        // activation away from it is asking for trouble; the palette closes
        // once the switch is over, unless it got the activation back meanwhile.
        if (LOWORD(wParam) == WA_INACTIVE) {
            PostMessageW(window, kDismissMessage, 0, 0);
        }
        break;
    case kDismissMessage:
        if (GetActiveWindow() != window) {
            ClosePalette(palette->picker, false);
        }
        return 0;
    case WM_CLOSE:
        ClosePalette(palette->picker, true);
        return 0;
    case WM_NCDESTROY:
        ForgetPalette(window, palette->picker);
        Detach<Palette>(window);
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterClasses() {
    WNDCLASSEXW picker{};
    picker.cbSize = sizeof picker;
    picker.style = CS_HREDRAW | CS_VREDRAW;
    picker.lpfnWndProc = PickerProc;
    picker.cbWndExtra = sizeof(Picker*);
    picker.hInstance = Instance();
    // IDC_ARROW, spelt wide: the macro follows UNICODE, the W call does not.
    picker.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    picker.lpszClassName = kPickerClass;

    WNDCLASSEXW palette = picker;
    palette.style = CS_DROPSHADOW;
    palette.lpfnWndProc = PaletteProc;
    palette.cbWndExtra = sizeof(Palette*);
    palette.lpszClassName = kPaletteClass;
    return RegisterClassExW(&picker) != 0 && RegisterClassExW(&palette) != 0;
}

bool IsPicker(HWND window) {
    // One character longer than the name, so that a longer name starting alike
    // is not cut down to a match.
    wchar_t name[std::size(kPickerClass) + 1] = {};
    return GetClassNameW(window, name, static_cast<int>(std::size(name))) != 0 &&
           std::wstring_view(name) == kPickerClass;
}

} // namespace

namespace rt {

HWND CreateColourPicker(HWND parent, int left, int top, int width, int height,
                        std::uint32_t initial) {
    static const bool registered = RegisterClasses();
    if (!registered) {
        return nullptr;
    }
    COLORREF value = initial;
    return CreateWindowExW(0, kPickerClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, left, top,
                           width, height, parent, nullptr, Instance(), &value);
}

std::uint32_t ColourPickerValue(HWND picker) {
    return IsPicker(picker) ? StateOf<Picker>(picker)->value : 0;
}

} // namespace rt
