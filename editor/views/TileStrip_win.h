// The tile strip: a scrollable band of slots, one per tile, along the bottom of the main window.
// A left click selects a tile; a right click selects it and opens the tile's context menu.
#pragma once
#include <windows.h>

#include "common/WinHandles.h"

namespace zelt {

// Reads the strip colours, looks up the theme functions and registers StripSelectClass.
bool RegisterStripClass(HINSTANCE instance);
// The background brush and the theme library; after the strip's window is gone.
void FreeStripResources();

// Whether the strip draws its slots with the platform's visual styles (it then ignores the
// foreground colour).
bool StripThemed();
// Replaces the background brush (the old one is deleted) and repaints the strip.
void SetStripBackColour(COLORREF colour);

// Sets the scroll bar up (bringing the current tile to the first slot) and paints the strip at once.
void RedrawStrip();

// The context menu resource for a tile, translated, with the commands that cannot act on it greyed;
// its first submenu is what the strip shows.
UniqueMenu MakeStripContextMenu(int tileIndex);

}  // namespace zelt
