// Pixels between a colour canvas (where the views and the image library's transfers draw) and a
// picture in memory (what export and import work on).
#pragma once
#include "editor/render/DibCanvas.h"
#include "editor/template/ColourImage.h"

namespace zelt {

// Re-creates the canvas at the picture's size with its pixels; false when it cannot be created.
bool CanvasFromPixels(const ColourImage& picture, DibCanvas& canvas);
// The canvas's pixels, top row first; empty for a canvas without a surface or when there is no memory
// for the copy.
ColourImage PixelsOfCanvas(const DibCanvas& canvas);

}  // namespace zelt
