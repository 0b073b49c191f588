#include "app/watermark_settings.h"

WatermarkSettingsRecord WatermarkSettings{};

void OnProgramExit() {
    std::string().swap(WatermarkSettings.Text);
}
