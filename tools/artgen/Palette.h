// Fitting a picture into the 256 colours a GIF can hold.
#pragma once
#include <cstddef>

#include "tools/artgen/Image.h"

namespace zelt::artgen {

// The opaque image with at most `count` distinct colours: the most frequent colours are kept (ties go
// to the lower value) and every other pixel takes the nearest of them. Artwork is mostly flat areas
// with thin anti-aliased edges, so the edges are what moves.
Image LimitColours(const Image& image, size_t count);

}  // namespace zelt::artgen
