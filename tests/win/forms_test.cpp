#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/forms/tab_order.h"
#include "runtime/text/cp936.h"
#include "ui/overlay/overlay_form.h"
#include "ui/settings/settings_form.h"

namespace {

TEST(SettingsForm, TabOrderRunsFromTheButton) {
    std::vector<rt::TabStop> stops;
    for (const rt::ControlData& control : SettingsWindow.controls) {
        stops.push_back({rt::IsTabStopKind(control.kind), true, true});
    }
    std::vector<std::string> names;
    for (std::size_t index : rt::TabOrder(stops)) {
        names.emplace_back(SettingsWindow.controls[index].name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"按钮1", "编辑框1", "颜色选择器1", "编辑框2",
                                               "编辑框3", "编辑框4"}));
}

TEST(OverlayForm, OneKeyColouredCanvasAndItsHandlers) {
    ASSERT_EQ(OverlayWindow.controls.size(), 1u);
    EXPECT_EQ(OverlayWindow.controls[0].colour, 0x00FF8800u);
    EXPECT_EQ(OverlayWindow.pictureMode, rt::PictureMode::Tile);
    EXPECT_FALSE(OverlayWindow.showInTaskbar);
    EXPECT_NE(OverlayWindow.onCreated, nullptr);
    EXPECT_NE(OverlayWindow.onFirstActivated, nullptr);
    EXPECT_NE(OverlayWindow.onTrayEvent, nullptr);
}

TEST(Text, CodePage936WhateverTheSystemCodePage) {
    const std::string gbk = "\xD6\xD0\xCE\xC4"
                            "A"; // 中文A
    EXPECT_EQ(rt::WideFromText(gbk), L"中文A");
    EXPECT_EQ(rt::TextFromWide(L"中文A"), gbk);
    EXPECT_EQ(rt::TextFromWide(rt::WideFromText("\xA3\xB1")), "\xA3\xB1"); // full-width 1
    EXPECT_TRUE(rt::WideFromText("").empty());
}

} // namespace
