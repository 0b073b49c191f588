#include "runtime/forms/keyboard.h"

#include "runtime/forms/window.h"

namespace rt {

namespace {

bool KeyDown(int key) {
    return GetKeyState(key) < 0;
}

} // namespace

bool TranslateFormKey(const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    Window* window = LoadedWindowByHandle(GetAncestor(message.hwnd, GA_ROOT));
    if (window == nullptr) {
        return false;
    }
    if (message.wParam == VK_TAB && !KeyDown(VK_CONTROL) && !KeyDown(VK_MENU)) {
        // Focus cues stay hidden for mouse users until the keyboard is used,
        // as in dialogs.
        SendMessageW(window->hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        MoveFocus(*window, !KeyDown(VK_SHIFT));
        return true;
    }
    if (message.wParam == VK_ESCAPE && window->form.escCloses) {
        PostMessageW(window->hwnd, WM_CLOSE, 0, 0);
        return true;
    }
    return false;
}

} // namespace rt
