#pragma once
#include "runtime/forms/form_data.h"

// The borderless, screen-sized window that carries the watermark.
extern const rt::WindowData OverlayWindow;
