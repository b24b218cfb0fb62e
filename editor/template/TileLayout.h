// The diamond image layout, the height lift and the generated depth (Z) data of a tile.
#pragma once
#include "editor/template/TileRecord.h"

namespace zelt {

// Pixels in diamond row r: 4, 8, ..., cellW, cellW - 4, ..., 4, 0.
inline int DiamondRowWidth(int r, int cellH) { return r < cellH / 2 ? 4 * (r + 1) : 4 * (cellH - 1 - r); }
// First column of diamond row r inside the cell box.
inline int DiamondRowStart(int r, int cellW, int cellH) { return (cellW - DiamondRowWidth(r, cellH)) / 2; }
inline int DiamondSize(int cellW, int cellH) { return cellW * cellH / 2; }
// How far a tile of this height is drawn above its Y.
inline int64_t HeightLift(int64_t height, int cellH) { return height * cellH / 2; }

// Replaces the tile's Z data by the generated block (row r holds cellH - 1 - r) and sets has-Z.
void GenerateZData(TileRecord& tile, int cellW, int cellH);
// With an extra image, replaces its extra Z data (a ridge for cellW-wide images, 16 elsewhere);
// always sets has-Z.
void GenerateExtraZData(TileRecord& tile, int cellW, int cellH);

}  // namespace zelt
