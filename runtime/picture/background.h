#pragma once
#include <windows.h>

#include <optional>

#include "runtime/forms/form_data.h"
#include "runtime/picture/bmp.h"
#include "runtime/system/byte_string.h"

namespace rt {

// A window's background: a colour and an optional picture with its mode.
// The decoded picture is a checked view of the window's own copy of the
// bytes, which GDI paints directly, so a picture costs its bytes only once.
class Background {
  public:
    // Takes the picture's bytes (the empty value: no picture) and drops the
    // decoded form; the next paint decodes again.
    void SetPicture(ByteString picture);

    void Paint(HDC dc, const RECT& area, SIZE client, PictureMode mode, Colour colour);

  private:
    const BmpView* Decoded();

    ByteString bytes_;
    std::optional<BmpView> decoded_;
};

} // namespace rt
