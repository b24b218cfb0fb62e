// One tile of a template: position, properties and its owned image blocks.
#pragma once
#include <cstdint>
#include <vector>

#include "editor/template/TileBytes.h"

namespace zelt {

struct TileRecord {
    int32_t x = 0;
    int32_t y = 0;
    int32_t extraX = 0;
    int32_t extraY = 0;
    int32_t extraWidth = 0;
    int32_t extraHeight = 0;
    int32_t height = 0;
    uint32_t leftRadar = 0;   // 0x00BBGGRR, red in the low byte
    uint32_t rightRadar = 0;  // 0x00BBGGRR
    int32_t terrainCode = 0;  // its low byte is saved
    int32_t rampType = 0;     // its low byte is saved
    TileBytes diamond;    // cellW * cellH / 2 palette indexes
    TileBytes extraImage; // extraWidth * extraHeight, present when hasExtra
    TileBytes zData;      // one depth byte per diamond pixel, when hasZ
    TileBytes extraZData; // one depth byte per extra pixel
    bool hasExtra = false;
    bool hasZ = false;
    bool damagedArt = false;

    bool operator==(const TileRecord&) const = default;
};

// Deep copy as the editor makes it: the extra image only travels with has-extra.
inline TileRecord CopyTile(const TileRecord& tile) {
    TileRecord copy = tile;
    if (!copy.hasExtra) copy.extraImage.clear();
    return copy;
}

}  // namespace zelt
