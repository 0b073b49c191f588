#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "resources/tray_icon_data.h"
#include "runtime/tray/tray_icon.h"
#include "runtime/tray/tray_rules.h"
#include "test_window.h"

namespace {

std::vector<std::uint8_t> IconFileOnDisk() {
    std::ifstream in(SOURCE_DIR "/resources/watermark.ico", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool Alive(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        return false;
    }
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

class TrayTest : public ::testing::Test {
  protected:
    HWND window = CreateWindowExW(0, L"STATIC", L"tray owner", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, nullptr, nullptr);
    rt::TrayIcon tray;
    ~TrayTest() override {
        tray.Remove(window);
        DestroyWindow(window);
    }
};

TEST_F(TrayTest, AddModifyDeleteAndTheOldIconIsDestroyed) {
    EXPECT_EQ(NOTIFYICONDATAA_V1_SIZE, sizeof(void*) == 4 ? 88u : NOTIFYICONDATAA_V1_SIZE);
    tray.Set(window, TrayIconData(), {});
    ASSERT_TRUE(tray.Shown());
    EXPECT_TRUE(IconPresent(window));
    const HICON first = tray.Handle();
    tray.Set(window, TrayIconData(), "a tooltip");
    EXPECT_TRUE(IconPresent(window));
    EXPECT_NE(tray.Handle(), first);
    EXPECT_FALSE(Alive(first)) << "the replaced icon is destroyed";
    const HICON second = tray.Handle();
    tray.Set(window, {}, {});
    EXPECT_FALSE(tray.Shown());
    EXPECT_FALSE(IconPresent(window));
    EXPECT_FALSE(Alive(second));
}

TEST_F(TrayTest, DataThatIsNoIconDeletesTheIconShown) {
    tray.Set(window, TrayIconData(), {});
    const std::uint8_t junk[] = {0, 0, 9, 0, 1, 0};
    tray.Set(window, junk, {});
    EXPECT_FALSE(tray.Shown());
    EXPECT_FALSE(IconPresent(window));
}

TEST_F(TrayTest, TheIconIsMadeFromTheLargestImage) {
    const rt::UniqueIcon icon = rt::IconFromFile(TrayIconData());
    ASSERT_TRUE(icon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 128);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST(TrayIconData, IsTheIconFileItWasBuiltFrom) {
    const std::span<const std::uint8_t> data = TrayIconData();
    const std::vector<std::uint8_t> file = IconFileOnDisk();
    ASSERT_EQ(file.size(), 171014u);
    ASSERT_EQ(data.size(), file.size());
    EXPECT_TRUE(std::equal(data.begin(), data.end(), file.begin()));
}

} // namespace
