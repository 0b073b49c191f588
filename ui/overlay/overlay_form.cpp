#include "ui/overlay/overlay_form.h"

#include "app/watermark_settings.h"
#include "ui/overlay/overlay_handlers.h"

namespace {

constexpr rt::ControlData Controls[] = {
    {.name = "画板1",
     .kind = rt::ControlKind::Canvas,
     .geometry = {0, 0, 136, 40},
     .colour = OverlayColorKey},
};

} // namespace

const rt::WindowData OverlayWindow = {
    .name = "OverlayWindow",
    .title = L"",
    .border = rt::Border::None,
    .minimizeBox = true,
    .width = 141,
    .height = 63,
    .background = rt::DefaultColour,
    .pictureMode = rt::PictureMode::Tile,
    .visible = true,
    .showInTaskbar = false,
    .escCloses = false,
    .icon = nullptr,
    .controls = Controls,
    .onCreated = OnOverlayCreated,
    .onFirstActivated = OnOverlayFirstActivated,
    .onTrayEvent = OnOverlayTrayEvent,
};
