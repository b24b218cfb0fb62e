// Icon files: one 32-bit image with alpha and an AND mask per size.
#pragma once
#include <vector>

#include "tools/artgen/Bytes.h"
#include "tools/artgen/Image.h"

namespace zelt::artgen {

// Each image must be square and at most 256 pixels wide; the entries keep the given order.
Bytes EncodeIco(const std::vector<Image>& images);

}  // namespace zelt::artgen
