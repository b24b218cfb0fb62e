// The template the benchmarks measure: 100 x 100 RA2/YR cells with Z data, an extra image on every
// tenth tile, and no transparent pixel in any diamond.
#pragma once
#include <vector>

#include "editor/template/TileLayout.h"
#include "editor/template/TileRecord.h"

namespace zelt {

inline std::vector<TileRecord> LargeTemplate() {
    std::vector<TileRecord> tiles;
    for (int row = 0; row < 100; ++row) {
        for (int column = 0; column < 100; ++column) {
            TileRecord t;
            t.x = (column - row) * 30;
            t.y = (column + row) * 15;
            t.diamond.assign(900, static_cast<uint8_t>(1 + (column + row) % 255));
            if (tiles.size() % 10 == 0) {
                t.hasExtra = true;
                t.extraX = t.x;
                t.extraY = t.y - 40;
                t.extraWidth = 60;
                t.extraHeight = 40;
                t.extraImage.assign(2400, 7);
            }
            GenerateZData(t, 60, 30);
            GenerateExtraZData(t, 60, 30);
            tiles.push_back(std::move(t));
        }
    }
    return tiles;
}

}  // namespace zelt
