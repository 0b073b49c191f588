#pragma once
#include <windows.h>

#include <string_view>

#include "runtime/forms/form_data.h"
#include "runtime/system/byte_string.h"

// A canvas draws into an off-screen surface of its client size, filled with
// its background colour before the first drawing. Its picture is therefore
// exact wherever the canvas lies: off-screen, under other windows or behind a
// colour key. On screen it only ever shows its background colour.
namespace rt {

void SetCanvasTextColour(HWND canvas, Colour colour);
// Changes only the height of the canvas font (points at the screen's resolution).
void SetCanvasFontSize(HWND canvas, int points);
// Draws a code-page-936 text, line by line, with its first cell's top-left at (x, y).
void WriteCanvasText(HWND canvas, int x, int y, std::string_view text);
// The canvas's contents as a 24-bit BMP file of the given size (0: the client
// size; negative: a percentage of it), or empty when no picture can be made.
ByteString TakeCanvasPicture(HWND canvas, int width, int height);

} // namespace rt
