// Decodes a whole template file held in memory straight into a colour picture.
#pragma once
#include <cstdint>
#include <span>

#include "editor/template/ColourImage.h"
#include "editor/template/Palette.h"

namespace zelt {

struct TemplateBounds {
    int64_t minX = 0, maxX = 0, minY = 0, maxY = 0;
    int64_t Width() const { return maxX - minX; }
    int64_t Height() const { return maxY - minY; }
};

// Bounds of all cells and extra images, always including the origin. Fails for a buffer that is
// not a well-formed template file.
bool ComputeFileBounds(std::span<const uint8_t> bytes, TemplateBounds& bounds);

// Draws every cell in index order onto a canvas the caller made and filled; index 0 stays
// transparent and later cells cover earlier ones. Fails, drawing nothing, for a malformed file.
bool PreviewTemplate(std::span<const uint8_t> bytes, ColourImage& canvas, const PaletteTable& table);

}  // namespace zelt
