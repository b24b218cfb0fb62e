// Pictures through the clipboard in the platform's plain bitmap format.
#pragma once
#include <windows.h>

#include "editor/template/ColourImage.h"

namespace zelt {

class DibCanvas;

// Both open the clipboard with a few short retries; when another program keeps it open they say
// the clipboard is busy in a message box and return false.
// Empties the clipboard and hands it a screen-compatible bitmap of the canvas, which the clipboard
// then owns. False, copying nothing, when the clipboard cannot be opened or emptied.
bool PutCanvasOnClipboard(HWND owner, const DibCanvas& canvas);
// The clipboard's bitmap as 32-bit pixels; false when the clipboard is busy, holds no bitmap or one
// too large to take.
bool TakeClipboardPicture(HWND owner, ColourImage& picture);

}  // namespace zelt
