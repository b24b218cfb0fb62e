// Isometric blocks: a 2:1 diamond top face over two shaded side faces, the motif of all the artwork.
#pragma once
#include <cstdint>

#include "tools/artgen/Image.h"
#include "tools/artgen/Shapes.h"

namespace zelt::artgen {

struct BlockColours {
    uint32_t top;
    uint32_t left;
    uint32_t right;
    uint32_t outline;  // 0 for none
};

// The shared palette: a green ground tile and a warm raised block.
constexpr BlockColours kGroundColours{Rgb(0x5CC08A), Rgb(0x3E9A6A), Rgb(0x2C7A53), Rgb(0x1C4A34)};
constexpr BlockColours kRaisedColours{Rgb(0xFFD166), Rgb(0xF0A63C), Rgb(0xC97F24), Rgb(0x6B4212)};
constexpr BlockColours kWaterColours{Rgb(0x6FB7F2), Rgb(0x4A8FD0), Rgb(0x366FAA), Rgb(0x1E3F66)};

// A block whose top face is centred at `centre` with half width `halfWidth` (its half height is half
// of that) and whose sides reach `depth` below the top face.
void DrawBlock(Image& image, Point centre, double halfWidth, double depth, const BlockColours& colours,
               double outlineWidth);

// Lines that divide the top face of such a block into `cells` x `cells` diamonds.
void DrawTopGrid(Image& image, Point centre, double halfWidth, int cells, uint32_t colour, double width);

}  // namespace zelt::artgen
