#pragma once
#include <cstdint>
#include <span>

// The program's icon as a whole ICO file, for the notification area. It is
// put together from the icon resources that the program icon already uses,
// so the executable carries the images once.
std::span<const std::uint8_t> TrayIconData();
