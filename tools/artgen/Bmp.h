// Windows bitmap files, 24 bits per pixel, as resource scripts take them.
#pragma once
#include "tools/artgen/Bytes.h"
#include "tools/artgen/Image.h"

namespace zelt::artgen {

// The image's colours without alpha, bottom-up rows padded to four bytes.
Bytes EncodeBmp24(const Image& image);

}  // namespace zelt::artgen
