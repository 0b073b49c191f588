#include "platform/layered/system_functions.h"

namespace layered {

SystemFunctions& Functions() {
    static SystemFunctions functions;
    return functions;
}

LONG CallSetWindowLong(HWND window, int index, LONG value) {
    using Signature = LONG(WINAPI*)(HWND, int, LONG);
    return rt::Resolved<Signature>(Functions().setWindowLong)(window, index, value);
}

LONG CallGetWindowLong(HWND window, int index) {
    using Signature = LONG(WINAPI*)(HWND, int);
    return rt::Resolved<Signature>(Functions().getWindowLong)(window, index);
}

BOOL CallSetLayeredWindowAttributes(HWND window, COLORREF key, BYTE alpha, DWORD flags) {
    using Signature = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    return rt::Resolved<Signature>(Functions().setLayeredWindowAttributes)(window, key, alpha,
                                                                           flags);
}

} // namespace layered
