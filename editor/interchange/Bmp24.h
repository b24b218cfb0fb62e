// 24-bit uncompressed BMP files to and from colour pictures.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "editor/template/ColourImage.h"

namespace zelt {

std::vector<uint8_t> EncodeBmp24(const ColourImage& image);
// Reads 24-bit uncompressed files, bottom-up or top-down; anything else is refused.
std::optional<ColourImage> DecodeBmp24(std::span<const uint8_t> bytes);

}  // namespace zelt
