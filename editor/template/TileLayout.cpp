#include "editor/template/TileLayout.h"

#include <algorithm>

namespace zelt {

void GenerateZData(TileRecord& tile, int cellW, int cellH) {
    TileBytes z(static_cast<size_t>(DiamondSize(cellW, cellH)));
    size_t at = 0;
    for (int r = 0; r < cellH; ++r) {
        const int width = DiamondRowWidth(r, cellH);
        std::fill_n(z.begin() + at, width, static_cast<uint8_t>(cellH - 1 - r));
        at += width;
    }
    tile.zData = std::move(z);
    tile.hasZ = true;
}

void GenerateExtraZData(TileRecord& tile, int cellW, int cellH) {
    if (tile.hasExtra && tile.extraWidth > 0 && tile.extraHeight > 0) {
        const size_t width = static_cast<size_t>(tile.extraWidth);
        TileBytes z(width * static_cast<size_t>(tile.extraHeight), 16);
        if (tile.extraWidth == cellW) {
            // Every row is the same ridge: up from cellH/2 + 1, then down from cellH/2 + cellW/2 + 1.
            for (size_t row = 0; row < static_cast<size_t>(tile.extraHeight); ++row) {
                uint8_t* line = z.data() + row * width;
                for (int i = 0; i < cellW / 2; ++i) line[i] = static_cast<uint8_t>(cellH / 2 + 1 + i);
                for (int i = 0; i < cellW / 2; ++i) line[cellW / 2 + i] = static_cast<uint8_t>(cellH / 2 + cellW / 2 + 1 - i);
            }
        }
        tile.extraZData = std::move(z);
    } else if (tile.hasExtra) {
        tile.extraZData.clear();
    }
    tile.hasZ = true;
}

}  // namespace zelt
