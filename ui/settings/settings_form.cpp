#include "ui/settings/settings_form.h"

#include "ui/settings/add_command.h"

namespace {

using rt::ControlKind;
using rt::EditMode;

// Stored topmost first; the Tab order runs from the last to the first.
constexpr rt::ControlData Controls[] = {
    {.name = "标签10", .kind = ControlKind::Label, .geometry = {8, 447, 144, 24},
     .text = L"4、快乐分享，快乐交流"},
    {.name = "标签9", .kind = ControlKind::Label, .geometry = {8, 423, 304, 16},
     .text = L"3、软件就是个工具，有用就行"},
    {.name = "标签8", .kind = ControlKind::Label, .geometry = {8, 391, 320, 32},
     .text = L"2、工具不是给您写的，不是所有人都像您一样厉害，您觉得    垃圾自己写一个出来给大家用。",
     .wraps = true},
    {.name = "标签7", .kind = ControlKind::Label, .geometry = {8, 367, 320, 16},
     .text = L"1、喜欢就用，不喜欢就不用，有能力自行DIY，说的很清楚", .wraps = true},
    {.name = "标签6", .kind = ControlKind::Label, .geometry = {240, 48, 72, 24},
     .text = L"纵向坐标 y："},
    {.name = "编辑框4", .kind = ControlKind::EditBox, .geometry = {240, 72, 80, 32},
     .text = L"770", .editMode = EditMode::Integer},
    {.name = "标签5", .kind = ControlKind::Label, .geometry = {272, 472, 64, 32},
     .text = L"版本:v3.0"},
    {.name = "标签4", .kind = ControlKind::Label, .geometry = {152, 48, 72, 24},
     .text = L"横向坐标 X："},
    {.name = "编辑框3", .kind = ControlKind::EditBox, .geometry = {152, 72, 80, 32},
     .text = L"1405", .editMode = EditMode::Integer},
    {.name = "编辑框2", .kind = ControlKind::EditBox, .geometry = {88, 72, 56, 32},
     .text = L"25", .editMode = EditMode::Integer},
    {.name = "标签3", .kind = ControlKind::Label, .geometry = {90, 48, 96, 24}, .text = L"字号："},
    {.name = "标签2", .kind = ControlKind::Label, .geometry = {16, 48, 96, 24}, .text = L"颜色："},
    {.name = "颜色选择器1", .kind = ControlKind::ColourPicker, .geometry = {8, 72, 72, 32},
     .colour = 0x00F1AF16},
    {.name = "标签1", .kind = ControlKind::Label, .geometry = {16, 128, 192, 24},
     .text = L"内容："},
    {.name = "编辑框1", .kind = ControlKind::EditBox, .geometry = {11, 152, 308, 88},
     .text = L"K7MQ:Qorvath", .multiline = true, .fontHeight = 14},
    {.name = "按钮1", .kind = ControlKind::Button, .geometry = {117, 262, 96, 40},
     .text = L"添加", .onClicked = OnAddClicked},
};

} // namespace

const rt::WindowData SettingsWindow = {
    .name = "SettingsWindow",
    .title = L"Veltrani  byQorvath",
    .border = rt::Border::Fixed,
    .minimizeBox = true,
    .width = 337,
    .height = 531,
    .background = rt::DefaultColour,
    .pictureMode = rt::PictureMode::TopLeft,
    .visible = true,
    .showInTaskbar = true,
    .escCloses = true,
    .icon = L"DEFAULT_ICON",
    .controls = Controls,
};
