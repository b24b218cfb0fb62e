// The tile strip's arithmetic: slot rectangles, how many slots fit, the scroll bar's setup and
// requests, which slot a point falls in, and each slot's text.
#pragma once
#include <optional>
#include <string>

#include "editor/template/TileRecord.h"

namespace zelt {

// Lengths at 96 dots per inch; the functions below scale them to the strip's density (dpi).
inline constexpr int kStripSlotWidth = 200;
inline constexpr int kStripSlotGap = 5;
inline constexpr int kStripSlotPitch = kStripSlotWidth + kStripSlotGap;

// Client rectangle of the k-th visible slot; right and bottom are exclusive. The right edge grows by
// 200 a slot while the pitch is 205, so each slot is 5 pixels narrower than the one before.
struct SlotRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
SlotRect StripSlotRect(int k, int clientHeight, int dpi);

// Whole slots that fit the client width.
int VisibleSlotCount(int clientWidth, int dpi);

struct StripScroll {
    bool showBar = false;  // exactly when fewer slots fit than there are tiles
    int rangeMax = 0;      // range 0 ... rangeMax
    int page = 0;
    int first = 0;  // first visible tile, also the bar's position
};

// The bar and the first visible tile for a redraw: the current tile comes to the first slot, or the
// last full page shows when it lies within it.
StripScroll SetupStripScroll(int tileCount, int visible, int current);

enum class StripScrollRequest { kLineLeft, kLineRight, kPageLeft, kPageRight, kThumb, kFarLeft, kFarRight };

// The first visible tile after a scroll-bar request, at most tileCount - visible and at least 0.
int ScrollStrip(int first, StripScrollRequest request, int thumbPosition, int tileCount, int visible);

// The tile whose slot holds client point (x, y), testing the slots of first, first + 1, ... in turn.
std::optional<int> StripTileAt(int x, int y, int first, int tileCount, int clientHeight, int dpi);

// "X=%d Y=%d\nHeight=%d\n%s" with the terrain's name, and a last line "Z" when the tile has Z data.
std::string StripSlotText(const TileRecord& tile);

}  // namespace zelt
