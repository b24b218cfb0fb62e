#include "editor/views/FullScreenPattern.h"

#include <algorithm>

#include "editor/document/DocumentClass.h"
#include "editor/document/ViewFlags.h"

namespace zelt {

PatternExtent ComputePatternExtent(const std::vector<TileRecord>& tiles, int cellW) {
    if (cellW <= 0) return {};
    int64_t minA = 0, maxA = 0, minB = 0, maxB = 0;
    for (const TileRecord& tile : tiles) {
        // Signed division truncating toward zero, as C++ divides.
        const int64_t a = (2 * int64_t{tile.y} - tile.x) / cellW;
        const int64_t b = (int64_t{tile.x} + 2 * int64_t{tile.y}) / cellW;
        minA = std::min(minA, a);
        maxA = std::max(maxA, a);
        minB = std::min(minB, b);
        maxB = std::max(maxB, b);
    }
    return {maxA + 1 - minA, maxB + 1 - minB};
}

PatternLayout ComputePatternLayout(const std::vector<TileRecord>& tiles, int cellW, int cellH,
                                   int clientWidth, int clientHeight) {
    PatternLayout layout;
    if (cellW <= 0 || cellH <= 0) return layout;
    layout.canvasWidth = std::max(clientWidth, 0) + cellW;
    layout.canvasHeight = std::max(clientHeight, 0) + cellH;
    const PatternExtent extent = ComputePatternExtent(tiles, cellW);
    layout.stepX = extent.alongA * cellW;
    layout.stepY = extent.alongB * cellH;
    layout.columns = static_cast<int>(layout.canvasWidth / layout.stepX);
    layout.rows = static_cast<int>(layout.canvasHeight / layout.stepY);
    return layout;
}

bool TilesShareOneHeight(const std::vector<TileRecord>& tiles) {
    return std::all_of(tiles.begin(), tiles.end(),
                       [&](const TileRecord& tile) { return tile.height == tiles.front().height; });
}

void DrawPatternCopies(const TileSet& set, const RenderStyle& style, const PatternLayout& layout,
                       Canvas& canvas) {
    // Rows and columns count only whole steps inside the canvas, so every offset fits an int.
    const int halfX = static_cast<int>(layout.stepX / 2), halfY = static_cast<int>(layout.stepY / 2);
    for (int r = 0; r < layout.rows; ++r) {
        const int y = static_cast<int>(r * layout.stepY);
        for (int c = 0; c < layout.columns; ++c) {
            const int x = static_cast<int>(c * layout.stepX);
            ComposeTemplate(set, -1, style, canvas, x, y, false);
            ComposeTemplate(set, -1, style, canvas, x + halfX, y + halfY, false);
        }
    }
}

bool RenderFullScreenPattern(DibCanvas& canvas, int clientWidth, int clientHeight) {
    const TemplateDocument& doc = Doc();
    if (!doc.open || !doc.palette || doc.tiles.empty()) return false;
    const PatternLayout layout =
        ComputePatternLayout(doc.tiles, doc.cellW, doc.cellH, clientWidth, clientHeight);
    if (!canvas.Create(layout.canvasWidth, layout.canvasHeight)) return false;
    const ViewFlags& views = Views();
    RenderStyle style;
    style.showNormalImages = views.showNormalImages;
    style.showExtraImages = views.showExtraImages;
    DrawPatternCopies(TileSet{doc.tiles, doc.cellW, doc.cellH, *doc.palette}, style, layout, canvas);
    return true;
}

}  // namespace zelt
