#include "ui/settings/add_command.h"

#include "app/watermark_settings.h"
#include "runtime/forms/properties.h"
#include "ui/overlay/overlay_form.h"
#include "ui/settings/settings_form.h"
#include "ui/settings/text_to_int.h"

namespace {

std::int32_t ReadNumber(rt::Window& settings, const char* box) {
    return TextToInt(rt::ReadContent(*rt::FindControl(settings, box)));
}

} // namespace

void OnAddClicked() {
    rt::Window& settings = *rt::LoadedWindow(SettingsWindow);
    // Every field is stored before the overlay loads: its handlers read them
    // while the load is still running.
    WatermarkSettings.Text = rt::ReadContent(*rt::FindControl(settings, "编辑框1"));
    WatermarkSettings.Color = rt::ReadColour(*rt::FindControl(settings, "颜色选择器1"));
    WatermarkSettings.FontSize = ReadNumber(settings, "编辑框2");
    WatermarkSettings.PosX = ReadNumber(settings, "编辑框3");
    WatermarkSettings.PosY = ReadNumber(settings, "编辑框4");
    rt::LoadWindow(OverlayWindow);
    rt::SetVisible(settings, false);
}
