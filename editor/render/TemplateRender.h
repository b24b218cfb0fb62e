// Composing tiles into pixels: template bounds, one tile's diamond or extra image, and the whole
// template in its isometric places with the optional frame and selection marker.
#pragma once
#include <cstddef>
#include <optional>
#include <vector>

#include "editor/render/Canvas.h"
#include "editor/render/SharedWork.h"
#include "editor/template/ColourImage.h"
#include "editor/template/Palette.h"
#include "editor/template/TemplatePreview.h"
#include "editor/template/TileRecord.h"

namespace zelt {

// What a composition draws from: the tiles in drawing order and their cell size.
struct TileSet {
    const std::vector<TileRecord>& tiles;
    int cellW;
    int cellH;
    const PaletteTable& palette;
};

struct RenderStyle {
    bool showNormalImages = true;
    bool showExtraImages = true;
    bool drawBlackFrameAround = false;
    bool useInvertTileSelect = false;
};

// Cell boxes and extra boxes of all tiles, always including the origin.
TemplateBounds ComputeTileBounds(const std::vector<TileRecord>& tiles, int cellW, int cellH);
// The document's template bounds; false without an open document.
bool ComputeTemplateBounds(TemplateBounds& bounds);

// The tile's diamond with its cell box's top-left at (x, y); index 0 is never drawn.
void DrawTileDiamond(const TileRecord& tile, int cellW, int cellH, const PaletteTable& palette, Canvas& canvas,
                     int64_t x, int64_t y);
// The tile's extra image with its top-left at (x, y), when it has one.
void DrawTileExtra(const TileRecord& tile, const PaletteTable& palette, Canvas& canvas, int64_t x, int64_t y);

// A document tile (-1: the selected one) at (0, 0) of the canvas. False without the tile, an open
// document or its palette.
bool RenderTileDiamond(int tileIndex, Canvas& canvas);
bool RenderTileExtra(int tileIndex, Canvas& canvas);

// The marker of a cell box whose top-left corner is at (x, y): its diamond inverted, or four white
// lines around it.
void DrawSelectionMarker(Canvas& canvas, int x, int y, int cellW, int cellH, bool invert);

// How a composition walks the canvas: in bands of rows, each filled with the background (when there is
// one), given its tiles' rows and its decoration before the next band begins, so that a band is
// still in the processor's cache from its fill to its last pixel. rows 0 takes as many rows as fit
// kBandBytes. The pixels are the same for every band height.
// Both thresholds below count the canvas pixels a composition may write: the whole canvas when it
// fills a background, else those under the template's box.
// From pairsFrom such pixels on, colours are looked up two indexes at a time in a table made from
// the palette for the composition; below, making the table costs more than it saves.
// From workersFrom such pixels on, a colour canvas's bands are shared among workers (threads),
// each drawing whole bands: workers of them, or with 0 as many as WorkersAvailable().
inline constexpr int64_t kPairTableFrom = int64_t{1} << 20;
struct Banding {
    std::optional<uint32_t> background;
    int rows = 0;
    int64_t pairsFrom = kPairTableFrom;
    int64_t workersFrom = kWorkersFrom;
    int workers = 0;
};
inline constexpr int kBandBytes = 512 * 1024;
// The rows of a band on a canvas of this width (at least 1).
int BandRows(int canvasWidth, int bytesPerPixel);

// All tiles with template point (minX, minY) at canvas point (ox, oy); selected < 0 or outside the
// list draws no marker. The canvas is not sized, and filled only where the banding names a background.
// Each pixel sees what it would see from a whole-canvas fill, the frame, every tile's diamond and
// extra image in list order and then the marker.
void ComposeTemplate(const TileSet& set, int selected, const RenderStyle& style, Canvas& canvas, int ox, int oy,
                     bool decorate, const Banding& banding = {});
// The document composed with the view flags and settings, onto the background when one is given;
// false without an open document or palette.
bool RenderTemplate(Canvas& canvas, int ox, int oy, bool decorate,
                    std::optional<uint32_t> background = std::nullopt);

// What the editor's views show of a template, without frame and marker: every tile on white, both
// image layers on. False (and an empty picture) when the bounds are empty or wider or higher than
// maxSide pixels.
bool RenderEditorComposition(const std::vector<TileRecord>& tiles, int cellW, int cellH, const PaletteTable& palette,
                             ColourImage& picture, int maxSide = 16384);

}  // namespace zelt
