// The least Win32 program that does the watermark's visible job: a window with
// one focused button; Add swaps it for a screen-sized, topmost, click-through
// layered window painted from a 24-bit DIB, and a tray icon whose double-click
// ends the program. What it costs is the floor the benchmark holds the real
// program against, so it does nothing the job does not need.
#include <windows.h>

#include <shellapi.h>

namespace {

constexpr COLORREF KeyColour = 0x00FF8800;
constexpr COLORREF TextColour = 0x00F1AF16;
constexpr BYTE Alpha = 100;
constexpr int FontPoints = 25;
constexpr wchar_t Text[] = L"K7MQ:Qorvath";
constexpr UINT TrayMessage = WM_APP + 1;
constexpr int AddId = 1;

HWND g_button = nullptr;
// The watermark stays selected in a memory DC for the life of the overlay, so
// a repaint is one blit and nothing is drawn twice.
HDC g_picture = nullptr;
NOTIFYICONDATAW g_tray{};

HDC DrawPicture(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        return nullptr;
    }
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, bitmap);
    const RECT all{0, 0, width, height};
    HBRUSH key = CreateSolidBrush(KeyColour);
    FillRect(dc, &all, key);
    DeleteObject(key);
    const int pixels = -MulDiv(FontPoints, GetDeviceCaps(dc, LOGPIXELSY), 72);
    SelectObject(dc, CreateFontW(pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                                 DEFAULT_PITCH, L"Tahoma"));
    SetTextColor(dc, TextColour);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 0, 0, Text, lstrlenW(Text));
    return dc;
}

LRESULT CALLBACK OverlayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        const RECT& area = paint.rcPaint;
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, g_picture,
               area.left, area.top, SRCCOPY);
        EndPaint(window, &paint);
        return 0;
    }
    case TrayMessage:
        if (lParam == WM_LBUTTONDBLCLK) {
            DestroyWindow(window);
        }
        return 0;
    case WM_DESTROY:
        Shell_NotifyIconW(NIM_DELETE, &g_tray);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void ShowOverlay(HWND settings) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    g_picture = DrawPicture(width, height);
    if (g_picture == nullptr) {
        return;
    }
    HWND overlay = CreateWindowExW(
        WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"ReferenceOverlay",
        L"", WS_POPUP, 0, 0, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetLayeredWindowAttributes(overlay, KeyColour, Alpha, LWA_COLORKEY | LWA_ALPHA);
    g_tray.cbSize = sizeof g_tray;
    g_tray.hWnd = overlay;
    g_tray.uID = 1;
    g_tray.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    g_tray.uCallbackMessage = TrayMessage;
    g_tray.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpyW(g_tray.szTip, L"Reference");
    Shell_NotifyIconW(NIM_ADD, &g_tray);
    ShowWindow(overlay, SW_SHOW);
    // Hidden, not destroyed: its destruction would end the program.
    ShowWindow(settings, SW_HIDE);
}

LRESULT CALLBACK SettingsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS:
        // A plain window keeps the focus itself; the button must have it for
        // Space to press it.
        SetFocus(g_button);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == AddId && HIWORD(wParam) == BN_CLICKED) {
            ShowOverlay(window);
        }
        return 0;
    case WM_DESTROY:
        if (g_picture == nullptr) {
            PostQuitMessage(0);
        }
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void Register(const wchar_t* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSW type{};
    type.lpfnWndProc = procedure;
    type.hInstance = GetModuleHandleW(nullptr);
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = background;
    type.lpszClassName = name;
    RegisterClassW(&type);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    Register(L"ReferenceSettings", SettingsProc, GetSysColorBrush(COLOR_BTNFACE));
    Register(L"ReferenceOverlay", OverlayProc, nullptr);
    const int width = 337;
    const int height = 531;
    HWND settings = CreateWindowW(L"ReferenceSettings", L"Reference",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                  nullptr, nullptr, instance, nullptr);
    g_button =
        CreateWindowW(L"BUTTON", L"Add", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 117,
                      262, 96, 40, settings, reinterpret_cast<HMENU>(AddId), instance, nullptr);
    SendMessageW(g_button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    ShowWindow(settings, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
