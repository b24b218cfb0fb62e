#include "editor/views/HotButtonLayout.h"

#include <cstdint>

#include "editor/document/DocumentClass.h"
#include "editor/editing/TileProperties.h"
#include "editor/settings/Settings.h"
#include "editor/template/TileLayout.h"
#include "editor/views/ViewGeometry.h"
#include "editor/winui/DisplayScale.h"

namespace zelt {

namespace {

bool g_extraEditMode = false;

bool HasExtraImage(const TileRecord& tile) {
    return tile.hasExtra;
}

}  // namespace

bool ExtraEditMode() {
    return g_extraEditMode;
}
void SetExtraEditMode(bool on) {
    g_extraEditMode = on;
}

HotButtonAnchor AnchorOfTile(const TileRecord& tile, int cellW, int cellH, const TemplateBounds& bounds,
                             int clientWidth, int clientHeight, double zoom, bool extraEditMode) {
    const double ox = (clientWidth - static_cast<double>(bounds.Width()) * zoom) * 0.5;
    const double oy = (clientHeight - static_cast<double>(bounds.Height()) * zoom) * 0.5;
    const int64_t lift = HeightLift(tile.height, cellH);
    int64_t centreX, centreY;
    HotButtonAnchor anchor;
    if (extraEditMode) {
        centreX = int64_t{tile.extraX} - cellW / 2 + tile.extraWidth / 2;
        centreY = int64_t{tile.extraY} - lift + tile.extraHeight / 2;
        anchor.halfWidth = tile.extraWidth / 2;
        anchor.halfHeight = tile.extraHeight / 2;
    } else {
        centreX = int64_t{tile.x} - cellW / 2 + cellW / 2;
        centreY = int64_t{tile.y} - lift + cellH / 2;
        anchor.halfWidth = anchor.halfHeight = cellH / 2;
    }
    anchor.cx = ClampToInt(ox + static_cast<double>(centreX - bounds.minX) * zoom);
    anchor.cy = ClampToInt(oy + static_cast<double>(centreY - bounds.minY) * zoom);
    return anchor;
}

HotButtonPoint HotButtonPosition(int button, const HotButtonAnchor& anchor, int bw, int bh, double zoom, int dpi) {
    const double cx = anchor.cx, cy = anchor.cy;
    const double hw = anchor.halfWidth * zoom, hh = anchor.halfHeight * zoom;
    const double gap = ScaleForDpi(kHotButtonGap, dpi);
    double x = 0, y = 0;
    switch (button) {
        case 0:
            x = cx - bw / 2;
            y = cy - bh - hh - gap;
            break;
        case 1:
            x = cx + hw + gap;
            y = cy - bh / 2;
            break;
        case 2:
            x = cx - bw / 2;
            y = cy + hh + gap;
            break;
        case 3:
            x = cx - bw - hw - gap;
            y = cy - bh / 2;
            break;
        case 4:
            x = cx + hw + gap;
            y = cy - bh - hh - gap;
            break;
        case 5:
            x = cx - bw / 2;
            y = cy - 2 * bh - hh - gap;
            break;
        case 6:
            x = cx - bw / 2;
            y = cy + bh + hh + gap;
            break;
        default:
            break;
    }
    return {ClampToInt(x), ClampToInt(y)};
}

HotButtonVisibility DecideHotButtons(bool quickEditMode, bool documentOpen, const TileRecord* selected,
                                     int cellH, bool extraEditMode) {
    HotButtonVisibility result;
    if (!quickEditMode || !documentOpen || !selected) return result;  // all hidden, cell mode
    result.extraEditMode = extraEditMode && HasExtraImage(*selected);
    result.shown[1] = result.shown[2] = result.shown[3] = true;
    result.shown[4] = HasExtraImage(*selected);
    if (result.extraEditMode) {
        result.shown[0] = true;
    } else {
        result.shown[0] = selected->y >= cellH / 2;
        result.shown[5] = result.shown[6] = true;
    }
    return result;
}

HotButtonOutcome RunHotButtonCommand(int command) {
    TileRecord* tile = TileAt(-1);
    if (!tile || command < kHotButtonFirstCommand || command >= kHotButtonFirstCommand + kHotButtonCount)
        return HotButtonOutcome::kIgnored;
    const TemplateDocument& doc = Doc();
    const bool extra = g_extraEditMode;
    // 64-bit sums: a field at the edge of its range is refused rather than wrapped.
    const auto setIn32 = [](bool (*setter)(int32_t), int64_t value) {
        if (value < INT32_MIN || value > INT32_MAX) return HotButtonOutcome::kRefused;
        setter(static_cast<int32_t>(value));
        return HotButtonOutcome::kChanged;
    };
    switch (command - kHotButtonFirstCommand) {
        case 0:
            if (extra) return setIn32(SetTileExtraY, int64_t{tile->extraY} - 1);
            if (tile->y < doc.cellH / 2) return HotButtonOutcome::kRefused;
            return setIn32(SetTileY, int64_t{tile->y} - doc.cellH / 2);
        case 1:
            return extra ? setIn32(SetTileExtraX, int64_t{tile->extraX} + 1)
                         : setIn32(SetTileX, int64_t{tile->x} + doc.cellW / 2);
        case 2:
            return extra ? setIn32(SetTileExtraY, int64_t{tile->extraY} + 1)
                         : setIn32(SetTileY, int64_t{tile->y} + doc.cellH / 2);
        case 3:
            return extra ? setIn32(SetTileExtraX, int64_t{tile->extraX} - 1)
                         : setIn32(SetTileX, int64_t{tile->x} - doc.cellW / 2);
        case 4:
            if (extra) {
                g_extraEditMode = false;
            } else {
                if (!tile->hasExtra) return HotButtonOutcome::kIgnored;
                g_extraEditMode = true;
            }
            g_settings.quickEditMode = true;
            return HotButtonOutcome::kModeChanged;
        case 5:
        case 6: {
            if (extra) return HotButtonOutcome::kIgnored;  // hidden in extra edit mode
            const int64_t height = int64_t{tile->height} + (command == kHotButtonFirstCommand + 5 ? 1 : -1);
            if (height < 0 || height > kMaxTileHeight) return HotButtonOutcome::kRefused;
            SetTileHeight(static_cast<int32_t>(height));
            return HotButtonOutcome::kChanged;
        }
        default:
            return HotButtonOutcome::kIgnored;
    }
}

}  // namespace zelt
