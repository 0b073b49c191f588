#include "runtime/text/cp936.h"

#include <climits>

namespace rt {

std::wstring WideFromText(std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) {
        return {};
    }
    const int n = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(TextCodePage, 0, text.data(), n, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        MultiByteToWideChar(TextCodePage, 0, text.data(), n, wide.data(), length);
    }
    return wide;
}

std::string TextFromWide(std::wstring_view wide) {
    if (wide.empty() || wide.size() > INT_MAX) {
        return {};
    }
    const int n = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(TextCodePage, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) {
        WideCharToMultiByte(TextCodePage, 0, wide.data(), n, text.data(), length, nullptr, nullptr);
    }
    return text;
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, wide.data(), length + 1);
    wide.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return TextFromWide(wide);
}

} // namespace rt
