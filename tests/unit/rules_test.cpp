#include <gtest/gtest.h>

#include "platform/layered/layered_rules.h"
#include "runtime/forms/geometry.h"
#include "runtime/loop/exit_routines.h"
#include "runtime/loop/fatal_text.h"
#include "runtime/tray/tray_rules.h"

#include <string>
#include <vector>

namespace {

TEST(LayeredRules, FlagsFollowKeyThenAlpha) {
    struct Case {
        std::uint8_t alpha;
        std::uint32_t key;
        std::uint32_t flags;
    };
    const Case cases[] = {
        {100, 0x00FF8800, layered::FlagColorKey | layered::FlagAlpha},
        {100, 0, layered::FlagAlpha},           // black is no key: the whole window at 100
        {0, 0x00FF8800, layered::FlagColorKey}, // no overall opacity, key only
        {0, 0, layered::FlagAlpha},             // both 0: invisible
        {255, 0x00000001, layered::FlagColorKey | layered::FlagAlpha},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(layered::TransparencyFlags(c.alpha, c.key), c.flags)
            << "alpha " << int(c.alpha) << " key " << c.key;
    }
}

TEST(LayeredRules, ClickThroughKeepsBitsOtherwiseLayeredAlone) {
    constexpr std::int32_t other = 0x00000008 | 0x00000100; // topmost, window edge
    EXPECT_EQ(layered::TransparencyExStyle(other, true), other | 0x00080020);
    EXPECT_EQ(layered::TransparencyExStyle(other | 0x20, false), 0x00080000);
    const std::int32_t once = layered::TransparencyExStyle(other, true);
    EXPECT_EQ(layered::TransparencyExStyle(once, true), once);
}

TEST(Geometry, ClampsAtTheRuntimeLimits) {
    EXPECT_EQ(rt::ClampCoordinate(40000), 32627);
    EXPECT_EQ(rt::ClampCoordinate(-40000), -32627);
    EXPECT_EQ(rt::ClampCoordinate(-20), -20);
    EXPECT_EQ(rt::ClampExtent(-1), 0);
    EXPECT_EQ(rt::ClampExtent(32628), 32627);
    EXPECT_EQ(rt::ClampExtent(1920), 1920);
    EXPECT_EQ(rt::CentredEdge(1920, 337), 791);
    EXPECT_EQ(rt::CentredEdge(768, 531), 118);
    EXPECT_EQ(rt::CentredEdge(100, 141), -20); // truncates toward zero
}

std::vector<int> g_calls;
void First() {
    g_calls.push_back(1);
}
void Second() {
    g_calls.push_back(2);
}

TEST(ExitRoutines, EachOnceInOrderOfRegistration) {
    g_calls.clear();
    rt::ExitRoutineList list;
    list.Register(First);
    list.Register(Second);
    list.Register(First);
    EXPECT_EQ(list.Count(), 2u);
    list.RunAll();
    list.RunAll();
    EXPECT_EQ(g_calls, (std::vector<int>{1, 2}));
}

TEST(ExitRoutines, ClearedListRunsNothing) {
    g_calls.clear();
    rt::ExitRoutineList list;
    list.Register(First);
    list.Clear();
    list.RunAll();
    EXPECT_TRUE(g_calls.empty());
}

TEST(FatalText, ReportCarriesTheMessage) {
    EXPECT_EQ(std::wstring(rt::FatalReportText(L"载入启动窗口失败").Get()),
              L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败");
    EXPECT_EQ(std::wstring(rt::AllocationFailureMessage(6220854).Get()),
              L"分配 6220854 字节内存失败!");
    EXPECT_EQ(std::wstring(rt::AllocationFailureMessage(0).Get()), L"分配 0 字节内存失败!");
    EXPECT_EQ(
        std::wstring(rt::MissingExportMessage(L"user32.dll", L"SetLayeredWindowAttributes").Get()),
        L"无法找到指定DLL库文件“user32.dll”中的输出命令“SetLayeredWindowAttributes”");
}

TEST(FatalText, OverlongTextIsCutNotOverrun) {
    const std::wstring longName(2000, L'x');
    const std::wstring text = rt::FatalReportText(longName.c_str()).Get();
    EXPECT_EQ(text.size(), rt::FixedText::Capacity - 1);
}

TEST(TrayRules, MouseMessagesToCodes) {
    EXPECT_EQ(rt::TrayEventCode(0x202), 1);
    EXPECT_EQ(rt::TrayEventCode(0x203), 2);
    EXPECT_EQ(rt::TrayEventCode(0x205), 3);
    EXPECT_EQ(rt::TrayEventCode(0x7B), 3);
    for (unsigned other : {0x200u, 0x201u, 0x204u, 0x206u, 0x207u, 0x208u, 0x209u}) {
        EXPECT_FALSE(rt::TrayEventCode(other).has_value()) << other;
    }
    EXPECT_EQ(rt::TrayCallbackMessage, 0x8064u);
}

TEST(TrayRules, TooltipCutAt62BytesOnACharacterBoundary) {
    EXPECT_EQ(rt::TooltipLength(""), 0u);
    EXPECT_EQ(rt::TooltipLength(std::string(100, 'a')), 62u);
    EXPECT_EQ(rt::TooltipLength(std::string(62, 'a')), 62u);
    // 61 ASCII bytes and a double-byte character: the character does not fit whole.
    EXPECT_EQ(rt::TooltipLength(std::string(61, 'a') + "\xD6\xD0"), 61u);
    EXPECT_EQ(rt::TooltipLength(std::string(60, 'a') + "\xD6\xD0"), 62u);
}

} // namespace
