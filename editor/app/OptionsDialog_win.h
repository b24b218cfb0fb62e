// The options dialog: display preferences, toolbar style, size of the recent-files list, the tile
// strip's colours, the image library in use, and the editor as the Edit action of template files.
#pragma once
#include <windows.h>

namespace zelt {

// Modal over owner; OK applies the choices to the live settings (written at exit), Cancel drops them.
void ShowOptionsDialog(HWND owner);

}  // namespace zelt
