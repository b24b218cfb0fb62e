#include "editor/editing/TileProperties.h"

#include <algorithm>

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentUi.h"
#include "editor/template/GameTables.h"
#include "editor/template/TileLayout.h"

namespace zelt {

namespace {

// The first five setters: an equal value changes nothing; a change refreshes all views.
bool SetMovingField(int32_t TileRecord::*field, int32_t value) {
    TileRecord* tile = TileAt(-1);
    if (!tile) return false;
    if (tile->*field == value) return true;
    tile->*field = value;
    MarkEdited();
    RequestRefresh(kRefreshAll);
    return true;
}

template <typename Value>
bool StoreField(Value TileRecord::*field, Value value) {
    TileRecord* tile = TileAt(-1);
    if (!tile) return false;
    tile->*field = value;
    MarkEdited();
    return true;
}

}  // namespace

bool SetTileX(int32_t x) { return SetMovingField(&TileRecord::x, x); }
bool SetTileY(int32_t y) { return SetMovingField(&TileRecord::y, y); }
bool SetTileExtraX(int32_t extraX) { return SetMovingField(&TileRecord::extraX, extraX); }
bool SetTileExtraY(int32_t extraY) { return SetMovingField(&TileRecord::extraY, extraY); }
bool SetTileHeight(int32_t height) {
    // A file keeps the height in one byte: -1 would come back as 255.
    if (height < 0 || height > kMaxTileHeight) return false;
    return SetMovingField(&TileRecord::height, height);
}

bool SetLeftRadarColour(uint32_t colour) { return StoreField(&TileRecord::leftRadar, colour); }
bool SetRightRadarColour(uint32_t colour) { return StoreField(&TileRecord::rightRadar, colour); }
bool SetRampType(int32_t rampType) { return StoreField(&TileRecord::rampType, rampType); }

bool SetTerrainByName(int nameIndex) {
    const std::optional<int> code = TerrainCodeOfName(nameIndex);
    if (!code || !TileAt(-1)) return false;
    return StoreField(&TileRecord::terrainCode, int32_t{*code});
}

bool SetDamagedArt(int tileIndex, bool damaged) {
    TileRecord* tile = TileAt(tileIndex);
    if (!tile) return false;
    tile->damagedArt = damaged;
    MarkEdited();
    return true;
}

bool SetDamagedArtForAllTiles(bool damaged) {
    if (!Doc().open || Doc().tiles.empty()) return false;
    for (TileRecord& tile : Doc().tiles) tile.damagedArt = damaged;
    MarkEdited();
    return true;
}

namespace {

// Sets both radar colours; the caller refreshes and records the change.
bool ComputeAutoColour(int tileIndex) {
    TileRecord* tile = TileAt(tileIndex);
    const TemplateDocument& doc = Doc();
    if (!tile || tile->diamond.empty() || !doc.palette) return false;
    uint64_t red = 0, green = 0, blue = 0, count = 0;
    const size_t size = std::min(tile->diamond.size(), static_cast<size_t>(DiamondSize(doc.cellW, doc.cellH)));
    for (size_t i = 0; i < size; ++i) {
        const uint8_t index = tile->diamond[i];
        if (index == 0) continue;
        const uint32_t colour = (*doc.palette)[index];
        red += (colour >> 16) & 0xFF;
        green += (colour >> 8) & 0xFF;
        blue += colour & 0xFF;
        ++count;
    }
    if (count == 0) count = 1;
    const uint32_t radar = static_cast<uint32_t>(red / count) | static_cast<uint32_t>(green / count) << 8 |
                           static_cast<uint32_t>(blue / count) << 16;
    tile->leftRadar = radar;
    tile->rightRadar = radar;
    return true;
}

}  // namespace

bool AutoColour(int tileIndex) {
    if (!ComputeAutoColour(tileIndex)) return false;
    // Recorded first, so the refreshed menu offers Undo at once.
    MarkEdited();
    RequestRefresh(kRefreshAll);
    return true;
}

void AutoColourAllTiles() {
    // One undo step for the whole command: a snapshot per tile would cost a copy of the whole
    // template per tile and push every earlier step out of the history.
    bool changed = false;
    for (int i = 0; i < TileCount(); ++i) changed = ComputeAutoColour(i) || changed;
    if (!changed) return;
    MarkEdited();
    RequestRefresh(kRefreshAll);
}

}  // namespace zelt
