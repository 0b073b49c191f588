#include "runtime/controls/canvas.h"

#include <cstring>
#include <memory>

#include "runtime/controls/controls.h"
#include "runtime/controls/text_layout.h"
#include "runtime/picture/bmp.h"
#include "runtime/system/handles.h"
#include "runtime/text/cp936.h"

namespace rt {

namespace {

constexpr wchar_t CanvasClass[] = L"WatermarkCanvas";

// A 24-bit bottom-up DIB section: its rows are laid out exactly as a BMP
// file's pixel rows, so a picture is one header and one copy away.
struct Surface {
    UniqueDc dc;
    UniqueBitmap bitmap;
    HGDIOBJ previousBitmap = nullptr;
    std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;

    Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    ~Surface() {
        if (previousBitmap != nullptr) {
            SelectObject(dc.get(), previousBitmap);
        }
    }
};

struct CanvasState {
    Colour background;
    Colour textColour = 0;
    Colour textBackground = DefaultColour;
    LOGFONTW logFont{};
    UniqueFont font; // none until the size changes: the stock GUI font is used
    std::unique_ptr<Surface> surface;
};

CanvasState* StateOf(HWND canvas) {
    return reinterpret_cast<CanvasState*>(GetWindowLongPtrW(canvas, GWLP_USERDATA));
}

std::unique_ptr<Surface> CreateSurface(int width, int height, Colour fill) {
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    auto surface = std::make_unique<Surface>();
    surface->dc.reset(CreateCompatibleDC(nullptr));
    if (!surface->dc) {
        return nullptr;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    surface->bitmap.reset(
        CreateDIBSection(surface->dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!surface->bitmap || bits == nullptr) {
        return nullptr;
    }
    surface->bits = static_cast<std::uint8_t*>(bits);
    surface->width = width;
    surface->height = height;
    surface->previousBitmap = SelectObject(surface->dc.get(), surface->bitmap.get());
    const RECT all{0, 0, width, height};
    const UniqueBrush brush(CreateSolidBrush(fill));
    FillRect(surface->dc.get(), &all, brush.get());
    return surface;
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

// The surface is made when it is first needed, at the client size of that moment.
Surface* SurfaceOf(HWND canvas, CanvasState& state) {
    if (!state.surface) {
        const SIZE size = ClientSize(canvas);
        state.surface = CreateSurface(size.cx, size.cy, state.background);
    }
    return state.surface.get();
}

ByteString BmpFromSurface(const Surface& surface) {
    const auto width = static_cast<std::uint32_t>(surface.width);
    const auto height = static_cast<std::uint32_t>(surface.height);
    const std::optional<std::uint32_t> size = BmpFileSize24(width, height);
    if (!size) {
        return {};
    }
    ByteString file = ByteString::TryAllocate(*size);
    if (file.Empty()) {
        return {};
    }
    GdiFlush(); // GDI may still be drawing into the bits
    WriteBmpHeader24(file.Data(), width, height);
    std::memcpy(file.Data() + BmpHeaderSize, surface.bits, *size - BmpHeaderSize);
    return file;
}

std::unique_ptr<Surface> ScaledCopy(const Surface& source, int width, int height) {
    auto scaled = CreateSurface(width, height, 0);
    if (!scaled) {
        return nullptr;
    }
    WindowDc screen(nullptr);
    const bool deep = GetDeviceCaps(screen.Get(), BITSPIXEL) > 16;
    SetStretchBltMode(scaled->dc.get(), deep ? HALFTONE : COLORONCOLOR);
    SetBrushOrgEx(scaled->dc.get(), 0, 0, nullptr); // required after choosing HALFTONE
    StretchBlt(scaled->dc.get(), 0, 0, width, height, source.dc.get(), 0, 0, source.width,
               source.height, SRCCOPY);
    return scaled;
}

LRESULT CALLBACK CanvasProc(HWND canvas, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PaintScope paint(canvas);
        if (const CanvasState* state = StateOf(canvas)) {
            const UniqueBrush brush(CreateSolidBrush(state->background));
            FillRect(paint.Dc(), &paint.Area(), brush.get());
        }
        return 0;
    }
    case WM_NCDESTROY:
        std::unique_ptr<CanvasState>(StateOf(canvas)).reset();
        SetWindowLongPtrW(canvas, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcW(canvas, message, wParam, lParam);
}

void RegisterCanvasClass() {
    static const ATOM atom = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof type;
        type.lpfnWndProc = CanvasProc;
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.lpszClassName = CanvasClass;
        return RegisterClassExW(&type);
    }();
    (void)atom;
}

} // namespace

HWND CreateCanvas(HWND parent, const ControlData& data) {
    RegisterCanvasClass();
    auto state = std::make_unique<CanvasState>();
    state->background = data.colour;
    GetObjectW(GuiFont(), sizeof state->logFont, &state->logFont);
    const Geometry& g = data.geometry;
    HWND canvas =
        CreateWindowExW(0, CanvasClass, L"", WS_CHILD | WS_VISIBLE, g.left, g.top, g.width,
                        g.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (canvas != nullptr) {
        SetWindowLongPtrW(canvas, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
        InvalidateRect(canvas, nullptr, FALSE);
    }
    return canvas;
}

void SetCanvasTextColour(HWND canvas, Colour colour) {
    if (CanvasState* state = StateOf(canvas)) {
        state->textColour = colour;
    }
}

void SetCanvasFontSize(HWND canvas, int points) {
    CanvasState* state = StateOf(canvas);
    if (state == nullptr) {
        return;
    }
    WindowDc screen(nullptr);
    LOGFONTW& font = state->logFont;
    font.lfHeight = CanvasFontHeight(points, GetDeviceCaps(screen.Get(), LOGPIXELSY));
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = PROOF_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    state->font.reset(CreateFontIndirectW(&font));
}

void WriteCanvasText(HWND canvas, int x, int y, std::string_view text) {
    CanvasState* state = StateOf(canvas);
    if (state == nullptr || text.empty()) {
        return;
    }
    Surface* surface = SurfaceOf(canvas, *state);
    if (surface == nullptr) {
        return;
    }
    HDC dc = surface->dc.get();
    SelectedObject font(dc, state->font ? state->font.get() : GuiFont());
    SetTextColor(dc, state->textColour);
    if (state->textBackground == DefaultColour) {
        SetBkMode(dc, TRANSPARENT);
    } else {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, state->textBackground);
    }
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const auto lineHeight = [dc](std::string_view piece) {
        const std::wstring wide = WideFromText(piece);
        SIZE extent{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
        return static_cast<int>(extent.cy);
    };
    for (const PlacedLine& line : PlaceLines(text, y, lineHeight)) {
        const std::wstring wide = WideFromText(text.substr(line.begin, line.length));
        TextOutW(dc, x, line.y, wide.c_str(), static_cast<int>(wide.size()));
    }
}

ByteString TakeCanvasPicture(HWND canvas, int width, int height) {
    CanvasState* state = StateOf(canvas);
    if (state == nullptr) {
        return {};
    }
    const SIZE client = ClientSize(canvas);
    const std::optional<PictureSize> size =
        CapturedPictureSize(width, height, client.cx, client.cy);
    Surface* surface = size ? SurfaceOf(canvas, *state) : nullptr;
    if (surface == nullptr) {
        return {};
    }
    if (size->width == surface->width && size->height == surface->height) {
        return BmpFromSurface(*surface);
    }
    const std::unique_ptr<Surface> scaled = ScaledCopy(*surface, size->width, size->height);
    return scaled ? BmpFromSurface(*scaled) : ByteString();
}

} // namespace rt
