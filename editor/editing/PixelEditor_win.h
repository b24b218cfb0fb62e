// The pixel editor dialog: the selected tile's diamond image magnified, a palette grid and the
// drawing tools. OK writes the pixels back into the tile as one undo step; Cancel changes nothing.
#pragma once
#include <windows.h>

namespace zelt {

// Runs the editor modally over owner. Nothing without an open document, a selected tile or
// diamond bytes. True when the edit was written back.
bool OpenPixelEditor(HWND owner);

}  // namespace zelt
