// The full-screen view's picture: the template repeated as an isometric pattern on black, so that
// the user can judge how it tiles with itself.
#pragma once
#include <cstdint>
#include <vector>

#include "editor/render/DibCanvas.h"
#include "editor/render/TemplateRender.h"
#include "editor/template/TileRecord.h"

namespace zelt {

// The template's extent in cells along the two isometric axes.
struct PatternExtent {
    int64_t alongA = 1;
    int64_t alongB = 1;
};

// Where the copies of the template go on a canvas one cell larger than the client area.
struct PatternLayout {
    int canvasWidth = 0;
    int canvasHeight = 0;
    int64_t stepX = 0;
    int64_t stepY = 0;
    int rows = 0;
    int columns = 0;
};

PatternExtent ComputePatternExtent(const std::vector<TileRecord>& tiles, int cellW);
PatternLayout ComputePatternLayout(const std::vector<TileRecord>& tiles, int cellW, int cellH,
                                   int clientWidth, int clientHeight);

// The pattern repeats only templates whose tiles all stand at one height: every tile is compared
// with the first by index, whichever tile is selected. True for an empty list.
bool TilesShareOneHeight(const std::vector<TileRecord>& tiles);

// Two undecorated copies of the template per lattice point, at (c * stepX, r * stepY) and half a
// step further right and down. The canvas is neither sized nor cleared.
void DrawPatternCopies(const TileSet& set, const RenderStyle& style, const PatternLayout& layout,
                       Canvas& canvas);

// The document's pattern for a client area: the canvas is made black at the layout's size and
// drawn with the view flags. It belongs on the screen at (-cellW / 2, -cellH / 2). False without an
// open document, a palette or tiles, or when the canvas cannot be made.
bool RenderFullScreenPattern(DibCanvas& canvas, int clientWidth, int clientHeight);

}  // namespace zelt
