// The editor's toolbar: built from the user's layout over the images of bitmap 142, and the enabled
// and checked state of commands across the toolbar, the menu bar and the hotkeys.
#pragma once
#include <windows.h>

#include <commctrl.h>

namespace zelt {

// Creates the toolbar as a child of the main window with the layout's buttons and sets Shell().toolbar.
bool CreateToolbar(HWND main);
// Removes every button and adds the layout's buttons again with the current Text and RightText
// settings, then applies the command states again.
void RebuildToolbar();
void DestroyToolbarImages();
// The toolbar's images (null before CreateToolbar): the icon picker and the customisation sheet show them.
HIMAGELIST ToolbarImages();
// The side of one image in pixels: 48 at 96 dots per inch, scaled to the main window's density.
int ToolbarImageSide();
// After the main window moved to another density: the images again at its size, and the buttons.
void RescaleToolbar();

// Every toolbar button and menu item of the command (submenus included), and its hotkey.
void SetCommandEnabled(UINT command, bool enabled);
void SetCommandChecked(UINT command, bool checked);

}  // namespace zelt
