// The icon handler's own icon, drawn from shapes: a page with a folded corner carrying a raised
// isometric tile. Deterministic, so the committed .ico can be checked against it.
#pragma once
#include <cstdint>
#include <vector>

namespace zelt::iconart {

// The artwork at side x side pixels, 0xAARRGGBB, top row first.
std::vector<uint32_t> DrawTemplateArt(int side);

// An .ico file with 48, 32 and 16 pixel images, each at 4, 8 and 32 bits per pixel.
std::vector<uint8_t> MakeTemplateIconFile();

}  // namespace zelt::iconart
