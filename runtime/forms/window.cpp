#include "runtime/forms/window.h"

#include <algorithm>
#include <memory>

#include "runtime/controls/controls.h"
#include "runtime/forms/events.h"
#include "runtime/forms/geometry.h"
#include "runtime/forms/tab_order.h"
#include "runtime/loop/program.h"
#include "runtime/tray/tray_rules.h"

namespace rt {

namespace {

constexpr wchar_t FormClass[] = L"WatermarkForm";
constexpr wchar_t OwnerClass[] = L"WatermarkOwner";

std::vector<std::unique_ptr<Window>> g_windows;

Window* WindowOf(HWND hwnd) {
    return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool IsLabel(const Window& window, HWND control) {
    const auto found = std::find_if(window.controls.begin(), window.controls.end(),
                                    [control](const Control& c) { return c.hwnd == control; });
    return found != window.controls.end() && found->data->kind == ControlKind::Label;
}

std::vector<TabStop> TabStops(const Window& window) {
    std::vector<TabStop> stops;
    stops.reserve(window.controls.size());
    for (const Control& control : window.controls) {
        stops.push_back({IsTabStopKind(control.data->kind), IsWindowVisible(control.hwnd) != FALSE,
                         IsWindowEnabled(control.hwnd) != FALSE});
    }
    return stops;
}

std::optional<std::size_t> FocusedControl(const Window& window) {
    HWND focus = GetFocus();
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        HWND control = window.controls[i].hwnd;
        if (focus == control || IsChild(control, focus)) {
            return i;
        }
    }
    return std::nullopt;
}

void FocusControl(const Control& control) {
    SetFocus(control.hwnd);
    if (control.data->kind == ControlKind::EditBox) {
        // As in dialogs, a box reached by the keyboard has its text selected,
        // so that typing replaces it.
        SendMessageW(control.hwnd, EM_SETSEL, 0, -1);
    }
}

// Gives the focus back to the control that had it when the window was last
// deactivated, or, the first time, to the first tab stop.
void RestoreFocus(Window& window) {
    if (window.lastFocus != nullptr && IsWindow(window.lastFocus) &&
        IsChild(window.hwnd, window.lastFocus)) {
        SetFocus(window.lastFocus);
        return;
    }
    const std::optional<std::size_t> first = NextTabStop(TabStops(window), std::nullopt, true);
    if (first) {
        SetFocus(window.controls[*first].hwnd);
    } else {
        SetFocus(window.hwnd);
    }
}

void OnActivate(Window& window, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window.hwnd, focus)) {
            window.lastFocus = focus;
        }
        return;
    }
    if (HIWORD(wParam) != 0) {
        return; // activated while minimised: nothing can take the focus
    }
    RestoreFocus(window);
    if (!window.firstActivated) {
        // Marked before the event is raised, so that the event comes once
        // even if its handler activates the window again.
        window.firstActivated = true;
        UpdateWindow(window.hwnd);
        Raise(window.form.onFirstActivated);
    }
}

LRESULT OnColourStatic(const Window& window, HDC dc, HWND control, UINT message, WPARAM wParam,
                       LPARAM lParam) {
    if (!IsLabel(window, control)) {
        return DefWindowProcW(window.hwnd, message, wParam, lParam);
    }
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT OnColourEdit(HDC dc) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

void OnCommand(Window& window, WPARAM wParam, LPARAM lParam) {
    Control* control = FindControlByHandle(window, reinterpret_cast<HWND>(lParam));
    if (control != nullptr && control->data->kind == ControlKind::Button &&
        HIWORD(wParam) == BN_CLICKED) {
        Raise(control->data->onClicked);
    }
}

void OnPaint(Window& window) {
    PaintScope paint(window.hwnd);
    RECT client{};
    GetClientRect(window.hwnd, &client);
    window.background.Paint(paint.Dc(), paint.Area(), SIZE{client.right, client.bottom},
                            window.form.pictureMode, window.form.background);
}

void Unload(Window& window) {
    SetWindowLongPtrW(window.hwnd, GWLP_USERDATA, 0);
    if (window.owner != nullptr) {
        DestroyWindow(window.owner);
    }
    const auto found = std::find_if(g_windows.begin(), g_windows.end(),
                                    [&window](const auto& w) { return w.get() == &window; });
    if (found != g_windows.end()) {
        g_windows.erase(found);
    }
    // The loop ends when the last loaded window is gone, but only once it runs:
    // a window lost during start-up must not quit a loop not yet entered.
    if (g_windows.empty() && MessageLoopEntered()) {
        PostQuitMessage(0);
    }
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window =
            static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    Window* window = WindowOf(hwnd);
    if (window == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    switch (message) {
    case WM_ACTIVATE:
        OnActivate(*window, wParam);
        return 0;
    case WM_ERASEBKGND:
        return 1; // the background is painted whole at WM_PAINT
    case WM_PAINT:
        OnPaint(*window);
        return 0;
    case WM_CTLCOLORSTATIC:
        return OnColourStatic(*window, reinterpret_cast<HDC>(wParam),
                              reinterpret_cast<HWND>(lParam), message, wParam, lParam);
    case WM_CTLCOLOREDIT:
        return OnColourEdit(reinterpret_cast<HDC>(wParam));
    case WM_COMMAND:
        OnCommand(*window, wParam, lParam);
        return 0;
    case WM_SYSCOMMAND:
        // A window without a caption offers no close box, so the keyboard's
        // close command (Alt+F4) does not close it either.
        if ((wParam & 0xFFF0) == SC_CLOSE && window->form.border == Border::None) {
            return 0;
        }
        break;
    case TrayCallbackMessage:
        if (const std::optional<int> code = TrayEventCode(static_cast<unsigned>(LOWORD(lParam)))) {
            Raise(window->form.onTrayEvent, *code);
        }
        return 0;
    case WM_DESTROY:
        window->tray.Remove(hwnd);
        break;
    case WM_NCDESTROY:
        Unload(*window);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    default:
        if (message == TaskbarCreatedMessage()) {
            window->tray.Restore(hwnd);
            return 0;
        }
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void RegisterFormClasses() {
    static const bool registered = [] {
        WNDCLASSEXW form{};
        form.cbSize = sizeof form;
        form.lpfnWndProc = FormProc;
        form.hInstance = GetModuleHandleW(nullptr);
        form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        form.lpszClassName = FormClass;
        RegisterClassExW(&form);
        WNDCLASSEXW owner{};
        owner.cbSize = sizeof owner;
        owner.lpfnWndProc = DefWindowProcW;
        owner.hInstance = GetModuleHandleW(nullptr);
        owner.lpszClassName = OwnerClass;
        RegisterClassExW(&owner);
        return true;
    }();
    (void)registered;
}

DWORD StyleOf(const WindowData& form) {
    if (form.border == Border::None) {
        return WS_POPUP | WS_CLIPCHILDREN;
    }
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (form.minimizeBox) {
        style |= WS_MINIMIZEBOX;
    }
    return style;
}

// An owned window gets no taskbar button; its invisible tool-window owner has none either.
HWND CreateOwner() {
    return CreateWindowExW(WS_EX_TOOLWINDOW, OwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

void SetIcons(HWND hwnd, const wchar_t* icon) {
    if (icon == nullptr) {
        return;
    }
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto load = [&](int cx, int cy) {
        return reinterpret_cast<LPARAM>(LoadImageW(instance, icon, IMAGE_ICON, GetSystemMetrics(cx),
                                                   GetSystemMetrics(cy), LR_SHARED));
    };
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, load(SM_CXICON, SM_CYICON));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, load(SM_CXSMICON, SM_CYSMICON));
}

} // namespace

Window* LoadWindow(const WindowData& form) {
    RegisterFormClasses();
    auto owned = std::make_unique<Window>(form);
    Window* window = owned.get();
    if (!form.showInTaskbar) {
        window->owner = CreateOwner();
    }
    // Centred on the primary screen at its outer size, and hidden until its
    // created handler has placed it.
    const int left = CentredEdge(GetSystemMetrics(SM_CXSCREEN), form.width);
    const int top = CentredEdge(GetSystemMetrics(SM_CYSCREEN), form.height);
    g_windows.push_back(std::move(owned));
    HWND hwnd =
        CreateWindowExW(0, FormClass, form.title, StyleOf(form), left, top, form.width, form.height,
                        window->owner, nullptr, GetModuleHandleW(nullptr), window);
    if (hwnd == nullptr) {
        // A window that got as far as WM_NCCREATE has unloaded itself already.
        const auto found = std::find_if(g_windows.begin(), g_windows.end(),
                                        [window](const auto& w) { return w.get() == window; });
        if (found != g_windows.end()) {
            if (window->owner != nullptr) {
                DestroyWindow(window->owner);
            }
            g_windows.erase(found);
        }
        return nullptr;
    }
    SetIcons(hwnd, form.icon);
    for (const ControlData& data : form.controls) {
        if (HWND control = CreateControl(hwnd, data)) {
            window->controls.push_back({&data, control});
        }
    }
    Raise(form.onCreated);
    if (form.visible && LoadedWindowByHandle(hwnd) != nullptr) {
        ShowWindow(hwnd, SW_SHOWNORMAL);
    }
    return LoadedWindowByHandle(hwnd);
}

Window* LoadedWindow(const WindowData& form) {
    for (const auto& window : g_windows) {
        if (&window->form == &form) {
            return window.get();
        }
    }
    return nullptr;
}

Window* LoadedWindowByHandle(HWND hwnd) {
    for (const auto& window : g_windows) {
        if (window->hwnd == hwnd && hwnd != nullptr) {
            return window.get();
        }
    }
    return nullptr;
}

std::size_t LoadedWindowCount() {
    return g_windows.size();
}

void DestroyAllWindows() {
    while (!g_windows.empty()) {
        HWND hwnd = g_windows.back()->hwnd;
        DestroyWindow(hwnd);
        if (!g_windows.empty() && g_windows.back()->hwnd == hwnd) {
            g_windows.pop_back(); // the system refused: forget it all the same
        }
    }
}

Control* FindControl(Window& window, std::string_view name) {
    for (Control& control : window.controls) {
        if (name == control.data->name) {
            return &control;
        }
    }
    return nullptr;
}

Control* FindControlByHandle(Window& window, HWND hwnd) {
    for (Control& control : window.controls) {
        if (control.hwnd == hwnd) {
            return &control;
        }
    }
    return nullptr;
}

void RemoveControl(Window& window, HWND hwnd) {
    std::erase_if(window.controls, [hwnd](const Control& control) { return control.hwnd == hwnd; });
}

void MoveFocus(Window& window, bool forward) {
    const std::optional<std::size_t> next =
        NextTabStop(TabStops(window), FocusedControl(window), forward);
    if (next) {
        FocusControl(window.controls[*next]);
    }
}

} // namespace rt
