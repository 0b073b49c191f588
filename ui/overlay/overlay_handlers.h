#pragma once

// Places the new overlay: at the chosen corner, screen-sized, topmost, with
// its key-coloured canvas see-through.
void OnOverlayCreated();
// Finishes the overlay on its first activation: tray icon, watermark picture,
// half transparency and click-through.
void OnOverlayFirstActivated();
// A left double-click on the tray icon ends the program.
void OnOverlayTrayEvent(int code);
