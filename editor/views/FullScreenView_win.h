// The full-screen view: a top-most window over the whole screen showing the template repeated as
// an isometric pattern on black. A click or Escape closes it.
#pragma once
#include <windows.h>

namespace zelt {

// Registers FullScreenViewClass once; later calls only report whether it is registered.
bool RegisterFullScreenViewClass(HINSTANCE instance);
// The full-screen command: nothing without an open document with tiles; tiles of different
// heights are refused with "MSG:ONLY1X1SUPPORTED". The new window, or null.
HWND OpenFullScreenView();

}  // namespace zelt
