// The property setters of the selected tile and the auto radar colour. Every setter does nothing
// without an open document or a selected tile; a change records an undo snapshot of the state
// after it and sets the modified flag.
#pragma once
#include <cstdint>

namespace zelt {

inline constexpr int32_t kMaxTileHeight = 255;  // a file keeps the height in one byte

// These five leave an equal value alone and refresh all views after a change. The height setter
// refuses values below 0 or above kMaxTileHeight.
bool SetTileX(int32_t x);
bool SetTileY(int32_t y);
bool SetTileExtraX(int32_t extraX);
bool SetTileExtraY(int32_t extraY);
bool SetTileHeight(int32_t height);

// These always store; they refresh nothing (the panel already shows the new value).
bool SetLeftRadarColour(uint32_t colour);   // 0x00BBGGRR
bool SetRightRadarColour(uint32_t colour);  // 0x00BBGGRR
// Refuses Wall, Tiberium, Weeds and indexes out of range, leaving the code as it was.
bool SetTerrainByName(int nameIndex);
bool SetRampType(int32_t rampType);
// The damaged-art flag of one tile, by index (-1: the selected tile).
bool SetDamagedArt(int tileIndex, bool damaged);
// The damaged-art check box: every tile at once, as one undo step.
bool SetDamagedArtForAllTiles(bool damaged);

// Both radar colours become the average colour of the tile's visible diamond pixels (black when
// none is visible). Needs the document's palette.
bool AutoColour(int tileIndex);
// "GUI:TILESAUTOCLR": every tile by its index.
void AutoColourAllTiles();

}  // namespace zelt
