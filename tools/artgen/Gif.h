// GIF89a files with a global colour table and one image, and the LZW coding they use.
#pragma once
#include <vector>

#include "tools/artgen/Bytes.h"
#include "tools/artgen/Image.h"

namespace zelt::artgen {

// The variable-length LZW codes of `indices` (each below 1 << minCodeSize), packed least significant
// bit first, starting with a clear code and ending with the end code; not yet cut into sub-blocks.
Bytes LzwEncode(const std::vector<uint8_t>& indices, int minCodeSize);

// The image's colours without alpha; it may hold at most 256 distinct colours, which become the
// colour table in ascending order. Throws std::invalid_argument otherwise.
Bytes EncodeGif(const Image& image);

}  // namespace zelt::artgen
