// The pixels of a window's client area as the screen shows them.
#pragma once
#include <windows.h>

#include "editor/template/ColourImage.h"

namespace zelt {

ColourImage CaptureClient(HWND window);

}  // namespace zelt
