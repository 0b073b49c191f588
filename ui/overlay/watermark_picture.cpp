#include "ui/overlay/watermark_picture.h"

#include "app/watermark_settings.h"
#include "runtime/controls/canvas.h"
#include "runtime/forms/properties.h"
#include "ui/overlay/overlay_form.h"

rt::ByteString RenderTextPicture(std::string_view text) {
    rt::Window& overlay = *rt::LoadedWindow(OverlayWindow);
    rt::Control& canvas = *rt::FindControl(overlay, "画板1");
    rt::SetCanvasTextColour(canvas.hwnd, WatermarkSettings.Color);
    rt::SetCanvasFontSize(canvas.hwnd, WatermarkSettings.FontSize);
    rt::WriteCanvasText(canvas.hwnd, 0, 0, text);
    const int width = rt::ScreenWidth();
    const int height = rt::ScreenHeight();
    rt::ByteString picture = rt::TakeCanvasPicture(canvas.hwnd, width, height);
    rt::DestroyControl(overlay, canvas);
    return picture;
}
