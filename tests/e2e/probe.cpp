// Reads the windows of another process for the end-to-end tests and acts on
// them as the window system would. One command per run; results as
// "key=value" lines on standard output.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

std::string Utf8(const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

// Texts are printed on one line: backslash, CR and LF are escaped.
std::string Printable(const std::wstring& wide) {
    std::string out;
    for (char c : Utf8(wide)) {
        if (c == '\\' || c == '\r' || c == '\n') {
            out += '\\';
            out += c == '\r' ? 'r' : c == '\n' ? 'n' : '\\';
        } else {
            out += c;
        }
    }
    return out;
}

std::wstring Text(HWND window) {
    wchar_t buffer[4096] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    return buffer;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

HWND Parse(const wchar_t* text) {
    return reinterpret_cast<HWND>(std::wcstoull(text, nullptr, 0));
}

void Describe(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    RECT client{};
    GetClientRect(window, &client);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    std::printf("hwnd=0x%llx\n",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    std::printf("class=%s\n", Printable(ClassOf(window)).c_str());
    std::printf("title=%s\n", Printable(Text(window)).c_str());
    std::printf("pid=%lu\n", pid);
    std::printf("rect=%ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
    std::printf("client=%ld,%ld\n", client.right, client.bottom);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("origin=%ld,%ld\n", origin.x, origin.y);
    std::printf("style=0x%08lx\n", static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)));
    std::printf("exstyle=0x%08lx\n",
                static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)));
    std::printf("visible=%d\n", IsWindowVisible(window) ? 1 : 0);
    HWND owner = GetWindow(window, GW_OWNER);
    std::printf("owner=0x%llx\n",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(owner)));
    if (owner != nullptr) {
        std::printf("owner_visible=%d\n", IsWindowVisible(owner) ? 1 : 0);
        std::printf("owner_exstyle=0x%08lx\n",
                    static_cast<unsigned long>(GetWindowLongW(owner, GWL_EXSTYLE)));
    }
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (GetLayeredWindowAttributes(window, &key, &alpha, &flags)) {
        std::printf("layered=0x%06lx,%u,%lu\n", static_cast<unsigned long>(key), alpha, flags);
    }
}

struct Search {
    std::wstring title;
    bool byClass;
    DWORD pid;
    HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    const bool match = search->byClass
                           ? ClassOf(window) == search->title
                           : Text(window) == search->title && ClassOf(window) != L"WatermarkOwner";
    if ((search->pid == 0 || owner == search->pid) && match) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Finds a visible or hidden top-level window by exact title, of a process
// (0: any process).
HWND FindTopLevel(const std::wstring& title, DWORD pid, bool byClass = false) {
    Search search{title, byClass, pid, nullptr};
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ListChildren(HWND window) {
    int index = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT), ++index) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
        std::printf("child=%d|0x%llx|%s|%ld,%ld,%ld,%ld|0x%08lx|0x%08lx|%s\n", index,
                    static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(child)),
                    Printable(ClassOf(child)).c_str(), rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top,
                    static_cast<unsigned long>(GetWindowLongW(child, GWL_STYLE)),
                    static_cast<unsigned long>(GetWindowLongW(child, GWL_EXSTYLE)),
                    Printable(Text(child)).c_str());
    }
}

void PrintFocus(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (GetGUIThreadInfo(thread, &info)) {
        std::printf("focus=0x%llx\n",
                    static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(info.hwndFocus)));
        std::printf("active=0x%llx\n",
                    static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(info.hwndActive)));
        std::printf("focus_text=%s\n", Printable(Text(info.hwndFocus)).c_str());
        std::printf("focus_class=%s\n", Printable(ClassOf(info.hwndFocus)).c_str());
    }
}

// Screen pixels as hex RGB, row by row, read from the screen's DC.
void Pixels(int x, int y, int w, int h) {
    HDC screen = GetDC(nullptr);
    for (int row = 0; row < h; ++row) {
        std::printf("row=");
        for (int col = 0; col < w; ++col) {
            const COLORREF c = GetPixel(screen, x + col, y + row);
            std::printf("%02x%02x%02x ", GetRValue(c), GetGValue(c), GetBValue(c));
        }
        std::printf("\n");
    }
    ReleaseDC(nullptr, screen);
}

void Screen() {
    std::printf("screen=%d,%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    HDC dc = GetDC(nullptr);
    std::printf("dpi=%d\n", GetDeviceCaps(dc, LOGPIXELSY));
    ReleaseDC(nullptr, dc);
}

int Usage() {
    std::fputs("usage: probe find TITLE [PID] | findclass CLASS [PID] | describe HWND | children "
               "HWND | focus HWND | pixels X Y W H |\n"
               "       post HWND MSG WPARAM LPARAM | close HWND | screen | dismiss TITLE\n",
               stderr);
    return 2;
}

} // namespace

// Wide arguments: the window titles are Chinese, which the ANSI command line
// of a non-Chinese system would lose.
int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return Usage();
    }
    const std::wstring command = argv[1];
    if (command == L"find" && argc >= 3) {
        HWND window = FindTopLevel(argv[2], argc >= 4 ? std::wcstoul(argv[3], nullptr, 0) : 0);
        if (window == nullptr) {
            return 1;
        }
        Describe(window);
        return 0;
    }
    if (command == L"findclass" && argc >= 3) {
        HWND window =
            FindTopLevel(argv[2], argc >= 4 ? std::wcstoul(argv[3], nullptr, 0) : 0, true);
        if (window == nullptr) {
            return 1;
        }
        Describe(window);
        return 0;
    }
    if (command == L"describe" && argc >= 3) {
        Describe(Parse(argv[2]));
        return 0;
    }
    if (command == L"children" && argc >= 3) {
        ListChildren(Parse(argv[2]));
        return 0;
    }
    if (command == L"focus" && argc >= 3) {
        PrintFocus(Parse(argv[2]));
        return 0;
    }
    if (command == L"pixels" && argc >= 6) {
        Pixels(_wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]));
        return 0;
    }
    if (command == L"post" && argc >= 6) {
        return PostMessageW(Parse(argv[2]), static_cast<UINT>(std::wcstoul(argv[3], nullptr, 0)),
                            std::wcstoull(argv[4], nullptr, 0), std::wcstoll(argv[5], nullptr, 0))
                   ? 0
                   : 1;
    }
    if (command == L"close" && argc >= 3) {
        return PostMessageW(Parse(argv[2]), WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (command == L"screen") {
        Screen();
        return 0;
    }
    if (command == L"dismiss" && argc >= 3) {
        // Presses OK on a message box: its button has the identifier IDOK.
        HWND box = FindTopLevel(argv[2], 0);
        if (box == nullptr) {
            return 1;
        }
        Describe(box);
        for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (ClassOf(child) == L"Static" || ClassOf(child) == L"STATIC") {
                const std::string text = Printable(Text(child));
                if (!text.empty()) {
                    std::printf("text=%s\n", text.c_str());
                }
            }
        }
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return 0;
    }
    return Usage();
}
