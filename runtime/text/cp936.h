#pragma once
#include <windows.h>

#include <string>
#include <string_view>

// The program's texts are code page 936 (GBK) byte strings. Converting them
// explicitly at every boundary, rather than handing them to the A functions,
// shows them correctly whatever the system's own ANSI code page is.
namespace rt {

inline constexpr UINT TextCodePage = 936;

std::wstring WideFromText(std::string_view text);
std::string TextFromWide(std::wstring_view wide);
// A window's whole text as a code-page-936 text.
std::string WindowText(HWND window);

} // namespace rt
