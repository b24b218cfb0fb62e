#include "editor/render/TemplateRender.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "editor/document/DocumentClass.h"
#include "editor/document/ViewFlags.h"
#include "editor/render/DibCanvas.h"
#include "editor/settings/Settings.h"
#include "editor/template/TileLayout.h"

namespace zelt {

namespace {

// Where rows are drawn: a colour canvas's pixels are written straight into its rows (the hot path of
// every view); any other canvas through SetPixel.
struct RowTarget {
    Canvas& canvas;
    uint32_t* bits = nullptr;  // bottom row first
    int width = 0;
    int height = 0;
};

RowTarget TargetOf(Canvas& canvas) {
    RowTarget target{canvas, nullptr, canvas.Width(), canvas.Height()};
    if (canvas.Kind() == kColourCanvas) target.bits = const_cast<uint32_t*>(static_cast<DibCanvas&>(canvas).Bits());
    return target;
}

// One row of palette indexes from (x, y) rightwards, index 0 left out, clipped to the canvas.
void PutRow(const RowTarget& target, int64_t x, int64_t y, const uint8_t* indexes, int count,
            const PaletteTable& palette) {
    if (y < 0 || y >= target.height || count <= 0) return;
    const int64_t first = std::max<int64_t>(0, -x), last = std::min<int64_t>(count, int64_t{target.width} - x);
    if (first >= last) return;
    if (target.bits) {
        uint32_t* pixels = target.bits + static_cast<size_t>(target.height - 1 - y) * static_cast<size_t>(target.width) + x;
        int64_t i = first;
        // Runs of eight opaque pixels (no zero byte among their indexes) are copied without a test each.
        for (; i + 8 <= last; i += 8) {
            uint64_t eight;
            std::memcpy(&eight, indexes + i, 8);
            const bool opaque = ((eight - 0x0101010101010101ULL) & ~eight & 0x8080808080808080ULL) == 0;
            if (opaque) {
                for (int k = 0; k < 8; ++k) pixels[i + k] = palette[indexes[i + k]];
            } else {
                for (int k = 0; k < 8; ++k) {
                    if (indexes[i + k]) pixels[i + k] = palette[indexes[i + k]];
                }
            }
        }
        for (; i < last; ++i) {
            if (indexes[i]) pixels[i] = palette[indexes[i]];
        }
        return;
    }
    for (int64_t i = first; i < last; ++i) {
        if (indexes[i]) target.canvas.SetPixel(static_cast<int>(x + i), static_cast<int>(y), palette[indexes[i]]);
    }
}

int64_t CellLeft(const TileRecord& tile, int cellW) { return int64_t{tile.x} - cellW / 2; }
int64_t CellTop(const TileRecord& tile, int cellH) { return int64_t{tile.y} - HeightLift(tile.height, cellH); }
int64_t ExtraLeft(const TileRecord& tile, int cellW) { return int64_t{tile.extraX} - cellW / 2; }
int64_t ExtraTop(const TileRecord& tile, int cellH) { return int64_t{tile.extraY} - HeightLift(tile.height, cellH); }

bool HasExtraPixels(const TileRecord& tile) {
    return tile.hasExtra && tile.extraWidth > 0 && tile.extraHeight > 0;
}

RenderStyle CurrentStyle() {
    const ViewFlags& views = Views();
    return RenderStyle{views.showNormalImages, views.showExtraImages, g_settings.drawBlackFrameAround,
                       g_settings.useInvertTileSelect};
}

}  // namespace

TemplateBounds ComputeTileBounds(const std::vector<TileRecord>& tiles, int cellW, int cellH) {
    TemplateBounds b;
    for (const TileRecord& tile : tiles) {
        const int64_t left = CellLeft(tile, cellW), top = CellTop(tile, cellH);
        b.minX = std::min(b.minX, left);
        b.maxX = std::max(b.maxX, left + cellW);
        b.minY = std::min(b.minY, top);
        b.maxY = std::max(b.maxY, top + cellH);
        if (tile.hasExtra) {
            const int64_t extraLeft = ExtraLeft(tile, cellW), extraTop = ExtraTop(tile, cellH);
            b.minX = std::min(b.minX, extraLeft);
            b.maxX = std::max(b.maxX, extraLeft + tile.extraWidth);
            b.minY = std::min(b.minY, extraTop);
            b.maxY = std::max(b.maxY, extraTop + tile.extraHeight);
        }
    }
    return b;
}

bool ComputeTemplateBounds(TemplateBounds& bounds) {
    const TemplateDocument& doc = Doc();
    if (!doc.open) return false;
    bounds = ComputeTileBounds(doc.tiles, doc.cellW, doc.cellH);
    return true;
}

void DrawTileDiamond(const TileRecord& tile, int cellW, int cellH, const PaletteTable& palette, Canvas& canvas,
                     int64_t x, int64_t y) {
    // A diamond shorter than the cell's layout is drawn as far as it goes.
    const RowTarget target = TargetOf(canvas);
    size_t at = 0;
    for (int r = 0; r < cellH && at < tile.diamond.size(); ++r) {
        const int width = static_cast<int>(std::min<size_t>(DiamondRowWidth(r, cellH), tile.diamond.size() - at));
        PutRow(target, x + DiamondRowStart(r, cellW, cellH), y + r, tile.diamond.data() + at, width, palette);
        at += static_cast<size_t>(width);
    }
}

void DrawTileExtra(const TileRecord& tile, const PaletteTable& palette, Canvas& canvas, int64_t x, int64_t y) {
    if (!HasExtraPixels(tile)) return;
    // A short image is drawn as far as its bytes go.
    const size_t width = static_cast<size_t>(tile.extraWidth);
    const size_t size = std::min(tile.extraImage.size(), width * static_cast<size_t>(tile.extraHeight));
    const RowTarget target = TargetOf(canvas);
    for (size_t at = 0, j = 0; at < size; at += width, ++j) {
        PutRow(target, x, y + static_cast<int64_t>(j), tile.extraImage.data() + at,
               static_cast<int>(std::min(width, size - at)), palette);
    }
}

bool RenderTileDiamond(int tileIndex, Canvas& canvas) {
    const TileRecord* tile = TileAt(tileIndex);
    const TemplateDocument& doc = Doc();
    if (!tile || !doc.palette) return false;
    DrawTileDiamond(*tile, doc.cellW, doc.cellH, *doc.palette, canvas, 0, 0);
    return true;
}

bool RenderTileExtra(int tileIndex, Canvas& canvas) {
    const TileRecord* tile = TileAt(tileIndex);
    const TemplateDocument& doc = Doc();
    if (!tile || !doc.palette) return false;
    DrawTileExtra(*tile, *doc.palette, canvas, 0, 0);
    return true;
}

void DrawSelectionMarker(Canvas& canvas, int x, int y, int cellW, int cellH, bool invert) {
    if (invert) {
        for (int r = 0; r < cellH; ++r) {
            const int left = x + DiamondRowStart(r, cellW, cellH);
            for (int i = 0; i < DiamondRowWidth(r, cellH); ++i) canvas.InvertPixel(left + i, y + r);
        }
        return;
    }
    const uint32_t white = 0xFFFFFF;
    const int midX = x + cellW / 2, midY = y + cellH / 2;
    canvas.Line(x, midY, midX, y, white);
    canvas.Line(midX, y, x + cellW, midY, white);
    canvas.Line(x, midY, midX, y + cellH, white);
    canvas.Line(midX, y + cellH, x + cellW, midY, white);
}

void ComposeTemplate(const TileSet& set, int selected, const RenderStyle& style, Canvas& canvas, int ox, int oy,
                     bool decorate) {
    const TemplateBounds bounds = ComputeTileBounds(set.tiles, set.cellW, set.cellH);
    if (style.drawBlackFrameAround && decorate && bounds.Width() <= std::numeric_limits<int>::max() &&
        bounds.Height() <= std::numeric_limits<int>::max()) {
        canvas.FrameRect(ox, oy, static_cast<int>(bounds.Width()), static_cast<int>(bounds.Height()), 0x000000);
    }
    const int64_t dx = int64_t{ox} - bounds.minX, dy = int64_t{oy} - bounds.minY;
    for (const TileRecord& tile : set.tiles) {
        if (style.showNormalImages)
            DrawTileDiamond(tile, set.cellW, set.cellH, set.palette, canvas, CellLeft(tile, set.cellW) + dx,
                            CellTop(tile, set.cellH) + dy);
        if (style.showExtraImages)
            DrawTileExtra(tile, set.palette, canvas, ExtraLeft(tile, set.cellW) + dx, ExtraTop(tile, set.cellH) + dy);
    }
    if (!decorate || selected < 0 || static_cast<size_t>(selected) >= set.tiles.size()) return;
    const TileRecord& tile = set.tiles[static_cast<size_t>(selected)];
    const int64_t x = CellLeft(tile, set.cellW) + dx, y = CellTop(tile, set.cellH) + dy;
    constexpr int64_t lo = std::numeric_limits<int>::min() / 2, hi = std::numeric_limits<int>::max() / 2;
    if (x < lo || x > hi || y < lo || y > hi) return;  // far off any canvas
    DrawSelectionMarker(canvas, static_cast<int>(x), static_cast<int>(y), set.cellW, set.cellH,
                        style.useInvertTileSelect);
}

bool RenderTemplate(Canvas& canvas, int ox, int oy, bool decorate) {
    const TemplateDocument& doc = Doc();
    if (!doc.open || !doc.palette) return false;
    ComposeTemplate(TileSet{doc.tiles, doc.cellW, doc.cellH, *doc.palette}, doc.selected, CurrentStyle(), canvas, ox,
                    oy, decorate);
    return true;
}

bool RenderEditorComposition(const std::vector<TileRecord>& tiles, int cellW, int cellH, const PaletteTable& palette,
                             ColourImage& picture, int maxSide) {
    picture = ColourImage{};
    const TemplateBounds bounds = ComputeTileBounds(tiles, cellW, cellH);
    if (bounds.Width() < 1 || bounds.Height() < 1 || bounds.Width() > maxSide || bounds.Height() > maxSide) return false;
    DibCanvas canvas;
    if (!canvas.Create(static_cast<int>(bounds.Width()), static_cast<int>(bounds.Height()))) return false;
    canvas.Clear(0xFFFFFF);
    ComposeTemplate(TileSet{tiles, cellW, cellH, palette}, -1, RenderStyle{}, canvas, 0, 0, false);
    picture = ColourImage(canvas.Width(), canvas.Height());
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) picture.SetPixel(x, y, canvas.GetPixel(x, y));
    }
    return true;
}

}  // namespace zelt
