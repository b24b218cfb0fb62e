// "GUI:COPYTOCLIPBOARD": the composed template as a bitmap on the clipboard.
#pragma once
#include <windows.h>

namespace zelt {

// Every tile on white, without the frame and the selection marker, as a screen-compatible bitmap
// the clipboard then owns. Nothing happens without a template, for an empty or too large picture,
// or when the clipboard cannot be opened.
bool CopyTemplateToClipboard(HWND owner);

}  // namespace zelt
