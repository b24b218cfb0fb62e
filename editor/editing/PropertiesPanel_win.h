// The tile properties panel (dialog 133): shows and edits the selected tile's position, extra image
// position, height, radar colours, terrain and ramp type, and the template's damaged-art flag.
#pragma once
#include <windows.h>

#include <string>

namespace zelt {

// Creates the panel as a modeless child dialog of parent; undocked, it is a top-level window of its
// own with the caption "GUI:PROPERTIES". Sets Shell().panel.
HWND CreatePropertiesPanel(HWND parent, bool undocked);

// Shows a tile (-1: the selected one) in the fields; nothing without such a tile. Filling the fields
// is never taken for the user's input.
void RefreshPanel(int tileIndex);

// Enables or disables the fields with the document.
void EnablePanel(bool enabled);

// The name of the document's palette, at the bottom of the panel.
void ShowPanelPaletteName(const std::string& name);

}  // namespace zelt
