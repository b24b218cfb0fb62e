// The seven hot buttons around the selected tile in quick edit mode: small top-level windows of
// HotButtonClass that show a picture, another under the mouse, and send their command when clicked.
#pragma once
#include <windows.h>

namespace zelt {

// Places the buttons around the selected tile, in screen coordinates (with an open document and
// quick edit mode on).
void PlaceHotButtons();
// Shows the buttons the mode and the selected tile call for and hides the rest.
void UpdateHotButtonVisibility();
// Stores QuickEditMode (nothing without an open document), then places and shows the buttons.
void SetQuickEditMode(bool on);

// For the main view: the window class, the buttons' life with the view's window, and commands
// 140 ... 146 (a refused move or height beeps).
bool RegisterHotButtonClass(HINSTANCE instance);
void CreateHotButtons(HWND view);
// After the view moved to another density: the buttons again with pictures of its size.
void RescaleHotButtons(HWND view);
void DestroyHotButtons();
void RunHotButton(int command);
// Button i's window (0 ... 6), null when none.
HWND HotButtonWindow(int button);

}  // namespace zelt
