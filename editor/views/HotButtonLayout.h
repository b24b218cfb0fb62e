// The hot buttons around the selected tile: where each one goes, which ones show, and what their
// commands do to the tile. Extra edit mode lives here; quick edit mode is a setting.
#pragma once
#include <array>
#include <optional>

#include "editor/template/TemplatePreview.h"
#include "editor/template/TileRecord.h"

namespace zelt {

inline constexpr int kHotButtonCount = 7;
inline constexpr int kHotButtonGap = 15;  // at 96 dots per inch
// Commands of buttons 0 ... 6: up, right, down, left, extra-image switch, height up, height down.
inline constexpr int kHotButtonFirstCommand = 140;

// Off at start; on only in quick edit mode, for a tile with an extra image.
bool ExtraEditMode();
void SetExtraEditMode(bool on);

// The point the buttons surround, in client coordinates, and its half extents in template pixels.
struct HotButtonAnchor {
    int cx = 0;
    int cy = 0;
    int halfWidth = 0;
    int halfHeight = 0;
};

// In cell mode the centre of the tile's cell box (half extents cellH/2); in extra edit mode the
// centre of its extra box. The image is centred in a client area of the given size.
HotButtonAnchor AnchorOfTile(const TileRecord& tile, int cellW, int cellH, const TemplateBounds& bounds,
                             int clientWidth, int clientHeight, double zoom, bool extraEditMode);

struct HotButtonPoint {
    int x = 0;
    int y = 0;
};

// Top-left of button i (0 ... 6) of width bw and height bh; expressions with the zoom are evaluated
// in double precision and truncated. The gap to the tile follows the density (dpi); the tile's own
// extents follow only the zoom.
HotButtonPoint HotButtonPosition(int button, const HotButtonAnchor& anchor, int bw, int bh, double zoom, int dpi);

// Which buttons show, and whether extra edit mode survives. selected is null without a selection.
struct HotButtonVisibility {
    std::array<bool, kHotButtonCount> shown{};
    bool extraEditMode = false;
};
HotButtonVisibility DecideHotButtons(bool quickEditMode, bool documentOpen, const TileRecord* selected,
                                     int cellH, bool extraEditMode);

enum class HotButtonOutcome {
    kIgnored,      // no document, no selection or not a hot-button command
    kRefused,      // the move or height is not allowed: warn with a beep
    kChanged,      // a field of the tile changed (or kept its value)
    kModeChanged,  // extra edit mode switched: lay out and show the buttons again
};

// Runs command 140 ... 146 on the selected tile through the property setters.
HotButtonOutcome RunHotButtonCommand(int command);

}  // namespace zelt
