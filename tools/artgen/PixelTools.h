// The pixel editor's tool pictures: pencil, line, frame, filled rectangle and eraser, side by side
// in one strip of 16 x 16 images.
#pragma once
#include "tools/artgen/Image.h"

namespace zelt::artgen {

constexpr int kPixelToolSide = 16;
constexpr int kPixelToolCount = 5;

Image DrawPixelTools();

}  // namespace zelt::artgen
