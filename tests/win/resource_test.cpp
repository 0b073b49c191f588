#include <gtest/gtest.h>

#include "resources/tray_icon_data.h"
#include "runtime/controls/canvas.h"
#include "runtime/controls/controls.h"
#include "runtime/picture/background.h"
#include "runtime/system/memory.h"
#include "runtime/tray/tray_icon.h"

namespace {

// GetGuiResources is a stub under Wine, so the GDI objects are counted by
// walking the handle table's indices, which Wine accepts without the upper
// word of a handle.
int LiveGdiObjects() {
    int count = 0;
    for (UINT_PTR index = 1; index < 0x10000; ++index) {
        count += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
    }
    return count;
}

BOOL CALLBACK CountWindow(HWND, LPARAM data) {
    ++*reinterpret_cast<int*>(data);
    return TRUE;
}

int ThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

constexpr rt::ControlData Canvas = {.name = "canvas",
                                    .kind = rt::ControlKind::Canvas,
                                    .geometry = {0, 0, 640, 360},
                                    .colour = 0x00FF8800};

// One run of everything that makes and shows a watermark picture.
void PicturePipeline() {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 640, 360, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND canvas = rt::CreateCanvas(parent, Canvas);
    rt::SetCanvasTextColour(canvas, 0x00F1AF16);
    rt::SetCanvasFontSize(canvas, 25);
    rt::WriteCanvasText(canvas, 0, 0, "K7MQ:Qorvath\r\n\xCB\xAE\xD3\xA1");
    rt::ByteString picture = rt::TakeCanvasPicture(canvas, 0, 0);
    const rt::ByteString scaled = rt::TakeCanvasPicture(canvas, -50, -50);
    DestroyWindow(canvas);
    rt::Background background;
    background.SetPicture(std::move(picture));
    HDC screen = GetDC(parent);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 640, 360);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (auto mode : {rt::PictureMode::TopLeft, rt::PictureMode::Tile, rt::PictureMode::Centre,
                      rt::PictureMode::Stretch}) {
        background.Paint(dc, RECT{0, 0, 640, 360}, SIZE{640, 360}, mode, 0x00123456);
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(parent, screen);
    rt::TrayIcon tray;
    tray.Set(parent, TrayIconData(), {});
    tray.Set(parent, TrayIconData(), {});
    tray.Remove(parent);
    DestroyWindow(parent);
}

TEST(Resources, ThePicturePipelineGivesBackEveryGdiAndUserObject) {
    PicturePipeline(); // the first run fills the system's own caches
    const int gdi = LiveGdiObjects();
    const int windows = ThreadWindows();
    ASSERT_GT(gdi, 0) << "the count must see the stock objects at least";
    for (int i = 0; i < 3; ++i) {
        PicturePipeline();
    }
    EXPECT_EQ(LiveGdiObjects(), gdi);
    EXPECT_EQ(ThreadWindows(), windows);
}

TEST(Resources, ThePicturesMemoryRefusedGivesNoPictureNotAnEnd) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 640, 360, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND canvas = rt::CreateCanvas(parent, Canvas);
    rt::WriteCanvasText(canvas, 0, 0, "text");
    rt::SetAllocationFilter([](std::size_t size) { return size < 640 * 360; });
    const rt::ByteString picture = rt::TakeCanvasPicture(canvas, 0, 0);
    rt::SetAllocationFilter(nullptr);
    EXPECT_TRUE(picture.Empty());
    EXPECT_FALSE(rt::TakeCanvasPicture(canvas, 0, 0).Empty());
    DestroyWindow(parent);
}

} // namespace
