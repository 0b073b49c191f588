#pragma once
#include <cstdint>
#include <string>

#include "runtime/forms/form_data.h"

// What the user entered, held for the life of the process. Only the Add
// command writes it; the overlay reads it while it is being loaded.
struct WatermarkSettingsRecord {
    std::string Text; // code page 936; empty until Add
    rt::Colour Color;
    std::int32_t FontSize; // points
    std::int32_t PosX;     // screen pixels of the overlay's top-left corner
    std::int32_t PosY;
};

extern WatermarkSettingsRecord WatermarkSettings;

// The canvas colour that the overlay makes fully transparent, and the opacity
// of everything else, out of 255.
inline constexpr rt::Colour OverlayColorKey = 0x00FF8800;
inline constexpr std::uint8_t OverlayAlpha = 100;

// The exit routine: gives back the stored text.
void OnProgramExit();
