#pragma once
#include <windows.h>

#include <span>
#include <string>
#include <string_view>

#include "runtime/system/handles.h"

namespace rt {

// The one notification-area icon a window may show, under identifier 100.
class TrayIcon {
  public:
    // Shows the icon made from an ICO file, replaces the one shown, or, when
    // no icon can be made from the data, deletes the one shown.
    void Set(HWND window, std::span<const std::uint8_t> iconFile, std::string_view tooltip);
    // Deletes the icon shown, as when its window is destroyed.
    void Remove(HWND window);
    // Adds the icon again after the notification area was re-created.
    void Restore(HWND window);
    bool Shown() const { return static_cast<bool>(icon_); }
    HICON Handle() const { return icon_.get(); }

  private:
    UniqueIcon icon_;
    std::string tooltip_;
};

// Makes an icon from an ICO file the way the notification area wants it.
UniqueIcon IconFromFile(std::span<const std::uint8_t> iconFile);

// The message that the shell broadcasts when the notification area is created anew.
UINT TaskbarCreatedMessage();

} // namespace rt
