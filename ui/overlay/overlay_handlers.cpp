#include "ui/overlay/overlay_handlers.h"

#include "app/watermark_settings.h"
#include "platform/layered/layered_window.h"
#include "resources/tray_icon_data.h"
#include "runtime/forms/properties.h"
#include "runtime/loop/program.h"
#include "ui/overlay/overlay_form.h"
#include "ui/overlay/watermark_picture.h"

namespace {

constexpr int DoubleClickCode = 2;

} // namespace

void OnOverlayCreated() {
    rt::Window& overlay = *rt::LoadedWindow(OverlayWindow);
    HWND canvas = rt::FindControl(overlay, "画板1")->hwnd;
    rt::SetLeft(overlay.hwnd, WatermarkSettings.PosX);
    rt::SetTop(overlay.hwnd, WatermarkSettings.PosY);
    rt::SetWidth(overlay.hwnd, rt::ScreenWidth());
    rt::SetHeight(overlay.hwnd, rt::ScreenHeight());
    rt::SetLeft(canvas, 0);
    rt::SetTop(canvas, 0);
    rt::SetWidth(canvas, rt::ScreenWidth());
    rt::SetHeight(canvas, rt::ScreenHeight());
    rt::SetAlwaysOnTop(overlay, true);
    layered::ApplyColorKey(overlay.hwnd, OverlayColorKey);
}

void OnOverlayFirstActivated() {
    rt::Window& overlay = *rt::LoadedWindow(OverlayWindow);
    rt::SetTrayIcon(overlay, TrayIconData());
    rt::SetBackgroundPicture(overlay, RenderTextPicture(WatermarkSettings.Text));
    layered::ApplyTransparency(overlay.hwnd, OverlayAlpha, OverlayColorKey, true);
}

void OnOverlayTrayEvent(int code) {
    if (code == DoubleClickCode) {
        rt::EndProgram(0);
    }
}
