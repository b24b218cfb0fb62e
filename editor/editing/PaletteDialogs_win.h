// The Palette menu: load a palette file, select one from the palette folder, preview the current one.
#pragma once
#include <windows.h>

namespace zelt {

// The open dialog for ".pal" files; a chosen file becomes the document's palette ("ERROR:LOADPAL"
// when it does not load) and every view is refreshed.
void LoadPaletteCommand(HWND owner);

// Dialog 140 over the palette folder, as a plain list (listForm) or as a tree of its sub-folders.
// Returns 1 when a chosen palette became the document's, 0 otherwise.
INT_PTR SelectPaletteDialog(HWND owner, bool listForm);

// Dialog 156: the 16 x 16 grid of the document's palette, resizable.
void PalettePreviewDialog(HWND owner);

}  // namespace zelt
