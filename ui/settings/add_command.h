#pragma once

// "添加": stores the entries as the watermark settings, opens the overlay
// and hides the settings window.
void OnAddClicked();
