// The program's icons: a template's ground tile with a raised block, and for the viewer a magnifier over it.
#pragma once
#include "tools/artgen/Image.h"

namespace zelt::artgen {

Image DrawAppIcon(int side);
Image DrawViewerIcon(int side);

}  // namespace zelt::artgen
