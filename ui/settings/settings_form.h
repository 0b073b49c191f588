#pragma once
#include "runtime/forms/form_data.h"

// The start window, in which the user enters the watermark.
extern const rt::WindowData SettingsWindow;
