#include "runtime/tray/tray_icon.h"

#include <shellapi.h>

#include <cstring>

#include "runtime/tray/icon_file.h"
#include "runtime/tray/tray_rules.h"

namespace rt {

namespace {

constexpr UINT IconFormatVersion = 0x00030000;

HICON CreateIconAt(const IconImage& image, int width, int height, UINT flags) {
    return CreateIconFromResourceEx(const_cast<PBYTE>(image.bytes.data()),
                                    static_cast<DWORD>(image.bytes.size()), TRUE, IconFormatVersion,
                                    width, height, flags);
}

HICON IconForWidth(std::span<const std::uint8_t> iconFile, int width) {
    const std::optional<IconImage> image = ChooseIconImage(iconFile, width);
    if (!image) {
        return nullptr;
    }
    HICON icon = CreateIconAt(*image, image->width, image->height, LR_DEFAULTCOLOR);
    if (icon == nullptr && image->bitCount != 16) {
        icon = CreateIconAt(*image, 0, 0, LR_DEFAULTCOLOR | LR_DEFAULTSIZE);
    }
    return icon;
}

// The record in its first layout, which every shell version accepts; the
// program uses nothing that later layouts add.
NOTIFYICONDATAA Record(HWND window, std::string_view tooltip) {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window;
    record.uID = TrayIconId;
    std::memcpy(record.szTip, tooltip.data(), TooltipLength(tooltip));
    return record;
}

void Delete(HWND window) {
    NOTIFYICONDATAA record = Record(window, {});
    Shell_NotifyIconA(NIM_DELETE, &record);
}

} // namespace

UniqueIcon IconFromFile(std::span<const std::uint8_t> iconFile) {
    if (iconFile.empty()) {
        return nullptr;
    }
    HICON icon = IconForWidth(iconFile, 16);
    if (icon == nullptr) {
        icon = IconForWidth(iconFile, 32);
    }
    return UniqueIcon(icon);
}

void TrayIcon::Set(HWND window, std::span<const std::uint8_t> iconFile, std::string_view tooltip) {
    UniqueIcon icon = IconFromFile(iconFile);
    if (!icon) {
        Remove(window);
        return;
    }
    tooltip_.assign(tooltip.substr(0, TooltipLength(tooltip)));
    NOTIFYICONDATAA record = Record(window, tooltip_);
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = TrayCallbackMessage;
    record.hIcon = icon.get();
    // The new icon takes the old one's place before the old one is destroyed,
    // so the notification area never holds a destroyed icon.
    Shell_NotifyIconA(icon_ ? NIM_MODIFY : NIM_ADD, &record);
    icon_ = std::move(icon);
}

void TrayIcon::Remove(HWND window) {
    if (icon_) {
        Delete(window);
        icon_.reset();
    }
}

void TrayIcon::Restore(HWND window) {
    if (!icon_) {
        return;
    }
    NOTIFYICONDATAA record = Record(window, tooltip_);
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = TrayCallbackMessage;
    record.hIcon = icon_.get();
    Shell_NotifyIconA(NIM_ADD, &record);
}

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

} // namespace rt
