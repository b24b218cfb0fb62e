#include "editor/views/StripGeometry.h"

#include <algorithm>
#include <cstdio>

#include "editor/template/GameTables.h"
#include "editor/winui/DisplayScale.h"

namespace zelt {

SlotRect StripSlotRect(int k, int clientHeight, int dpi) {
    const int gap = ScaleForDpi(kStripSlotGap, dpi);
    return {ScaleForDpi(kStripSlotPitch, dpi) * k + gap, gap, ScaleForDpi(kStripSlotWidth, dpi) * (k + 1),
            clientHeight - 2 * gap};
}

int VisibleSlotCount(int clientWidth, int dpi) {
    return std::max(0, clientWidth) / std::max(1, ScaleForDpi(kStripSlotPitch, dpi));
}

StripScroll SetupStripScroll(int tileCount, int visible, int current) {
    StripScroll scroll;
    if (visible < tileCount) {
        scroll.showBar = true;
        scroll.rangeMax = tileCount - visible + 1;
        scroll.page = 2;
    }
    if (tileCount - current >= visible) {
        scroll.first = std::max(0, current);
    } else {
        scroll.first = tileCount - visible;
        if (scroll.first < 1) scroll.first = 0;
    }
    // A current tile left over from a longer list must not start the strip past its end.
    scroll.first = std::min(scroll.first, std::max(0, tileCount - 1));
    return scroll;
}

int ScrollStrip(int first, StripScrollRequest request, int thumbPosition, int tileCount, int visible) {
    int next = first;
    switch (request) {
        case StripScrollRequest::kLineLeft:
            next = first - 1;
            break;
        case StripScrollRequest::kLineRight:
            next = first + 1;
            break;
        case StripScrollRequest::kPageLeft:
            next = first - 2;
            break;
        case StripScrollRequest::kPageRight:
            next = first + 2;
            break;
        case StripScrollRequest::kThumb:
            next = thumbPosition;
            break;
        case StripScrollRequest::kFarLeft:
            next = 0;
            break;
        case StripScrollRequest::kFarRight:
            next = tileCount;
            break;
    }
    next = std::min(next, tileCount - visible);
    return std::max(next, 0);
}

std::optional<int> StripTileAt(int x, int y, int first, int tileCount, int clientHeight, int dpi) {
    for (int k = 0; first + k < tileCount; ++k) {
        const SlotRect r = StripSlotRect(k, clientHeight, dpi);
        // Slots only narrow from here on; none further right can hold the point.
        if (r.left > x) break;
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return first + k;
    }
    return std::nullopt;
}

std::string StripSlotText(const TileRecord& tile) {
    const std::optional<int> name = TerrainNameOfCode(tile.terrainCode);
    char text[160];
    std::snprintf(text, sizeof text, "X=%d Y=%d\nHeight=%d\n%s%s", tile.x, tile.y, tile.height,
                  name ? kTerrainNames[*name] : "unknown", tile.hasZ ? "\nZ" : "");
    return text;
}

}  // namespace zelt
