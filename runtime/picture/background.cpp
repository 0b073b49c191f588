#include "runtime/picture/background.h"

#include "runtime/system/handles.h"

namespace rt {

namespace {

void Fill(HDC dc, const RECT& area, Colour colour) {
    if (colour == DefaultColour) {
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    const UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &area, brush.get());
}

void Draw(HDC dc, const BmpView& picture, const RECT& target) {
    StretchDIBits(dc, target.left, target.top, target.right - target.left,
                  target.bottom - target.top, 0, 0, picture.width,
                  static_cast<int>(picture.AbsHeight()), picture.bits,
                  reinterpret_cast<const BITMAPINFO*>(picture.info), DIB_RGB_COLORS, SRCCOPY);
}

// Fills what lies in `area` but outside `picture`.
void FillAround(HDC dc, const RECT& area, const RECT& picture, Colour colour) {
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, picture.left, picture.top, picture.right, picture.bottom);
    Fill(dc, area, colour);
    RestoreDC(dc, saved);
}

void PaintTiles(HDC dc, const BmpView& picture, const RECT& area) {
    const int w = picture.width;
    const int h = static_cast<int>(picture.AbsHeight());
    // Only the tiles that meet the area to repaint are drawn.
    for (int y = area.top / h * h; y < area.bottom; y += h) {
        for (int x = area.left / w * w; x < area.right; x += w) {
            Draw(dc, picture, RECT{x, y, x + w, y + h});
        }
    }
}

} // namespace

void Background::SetPicture(ByteString picture) {
    bytes_ = std::move(picture);
    decoded_.reset();
}

const BmpView* Background::Decoded() {
    if (!decoded_ && !bytes_.Empty()) {
        decoded_ = ParseBmp(bytes_.View());
    }
    return decoded_ ? &*decoded_ : nullptr;
}

void Background::Paint(HDC dc, const RECT& area, SIZE client, PictureMode mode, Colour colour) {
    const BmpView* picture = Decoded();
    if (picture == nullptr) {
        Fill(dc, area, colour);
        return;
    }
    const int w = picture->width;
    const int h = static_cast<int>(picture->AbsHeight());
    switch (mode) {
    case PictureMode::TopLeft: {
        const RECT placed{0, 0, w, h};
        Draw(dc, *picture, placed);
        FillAround(dc, area, placed, colour);
        break;
    }
    case PictureMode::Tile:
        PaintTiles(dc, *picture, area);
        break;
    case PictureMode::Centre: {
        const PixelRect at = CentredPicture(w, h, client.cx, client.cy);
        const RECT placed{at.x, at.y, at.x + at.width, at.y + at.height};
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        Draw(dc, *picture, placed);
        FillAround(dc, area, placed, colour);
        break;
    }
    case PictureMode::Stretch:
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        Draw(dc, *picture, RECT{0, 0, client.cx, client.cy});
        break;
    }
}

} // namespace rt
