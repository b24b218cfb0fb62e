// Copies between a colour canvas and a device context, all with a plain source copy.
#pragma once
#include <windows.h>

#include "editor/render/DibCanvas.h"

namespace zelt {

// The whole canvas at (x, y), unscaled.
bool DrawCanvas(HDC target, const DibCanvas& canvas, int x, int y);
// The whole canvas stretched over the rectangle (x, y, w, h).
bool StretchCanvas(HDC target, const DibCanvas& canvas, int x, int y, int w, int h);
// The device context's pixels from (sx, sy) into the whole canvas.
bool CaptureCanvas(HDC source, int sx, int sy, DibCanvas& canvas);

}  // namespace zelt
