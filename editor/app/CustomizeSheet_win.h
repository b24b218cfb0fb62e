// The two-page customisation sheet (hotkeys, toolbar) and the icon picker of the toolbar page.
#pragma once
#include <windows.h>

namespace zelt {

// Modal. OK keeps the edits (a new hotkey shows in a reloaded menu bar), Cancel restores the table and
// the layout as they were; either way the command states are applied again afterwards.
void ShowCustomizeSheet(HWND owner);

// Modal. The chosen image index (-2 for none), or currentImage on Cancel.
int PickIcon(HWND owner, int currentImage);

// The first visible cell of the picker's strip kept within 0 ... cells - visible.
int ClampFirstCell(int first, int cells, int visible);

}  // namespace zelt
