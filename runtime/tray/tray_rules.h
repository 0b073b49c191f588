#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

namespace rt {

// The message in which the notification area reports mouse actions on a
// window's icon (WM_APP + 100), and the identifier of every window's icon.
inline constexpr unsigned TrayCallbackMessage = 0x8000 + 100;
inline constexpr unsigned TrayIconId = 100;

// The tray event code for the mouse message that the notification area sends:
// 1 left release, 2 left double-click, 3 right release or context menu.
std::optional<int> TrayEventCode(unsigned mouseMessage);

// How many bytes of a code-page-936 tooltip fit the 64-byte field: at most
// 62, never splitting a double-byte character.
std::size_t TooltipLength(std::string_view tooltip);

} // namespace rt
