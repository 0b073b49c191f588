#pragma once
#include <string_view>

#include "runtime/system/byte_string.h"

// Draws the watermark text on the overlay's canvas in the stored colour and
// size, takes the canvas as a screen-sized BMP and removes the canvas, whose
// plain background would otherwise cover the picture at its next paint.
// Empty when no picture could be made.
rt::ByteString RenderTextPicture(std::string_view text);
