// The main view's arithmetic: zoom steps, where the composed image sits in the window, which tile a
// click lands on, and the canvas a paint composes into.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editor/template/TemplatePreview.h"
#include "editor/template/TileRecord.h"

namespace zelt {

class DibCanvas;

inline constexpr double kMinZoom = 1.0;
inline constexpr double kMaxZoom = 10.0;

// One step of 0.2 added in single precision, so every reached value lies at or just above its
// nominal multiple of 0.2 and the percentages read 120, 140, ... 1000; at most kMaxZoom.
double ZoomedIn(double zoom);
// One step of 0.2 taken off in double precision; at least kMinZoom.
double ZoomedOut(double zoom);
// trunc(zoom x 100) as "%d%%".
std::string ZoomText(double zoom);

// A window coordinate from a computed one, truncated toward zero and held to the range of int: a
// template's extreme tile coordinates times the zoom reach past it, where a plain cast is undefined.
// Not-a-number gives 0.
int ClampToInt(double value);

struct ViewOffset {
    int x = 0;
    int y = 0;
};

// Client position of the composed image's top-left corner: centred, negative when the image is
// larger than the window.
ViewOffset ImageOffset(int clientWidth, int clientHeight, int64_t imageWidth, int64_t imageHeight,
                       double zoom);

// What a click hit test reads.
struct ViewTiles {
    const std::vector<TileRecord>& tiles;
    int cellW;
    int cellH;
    TemplateBounds bounds;
};

// The first tile in document order whose drawn diamond holds client point (cx, cy); extra images
// are not tested, and the image's first column and row never react.
std::optional<int> HitTileAt(const ViewTiles& view, ViewOffset offset, double zoom, int cx, int cy);

// The composed image's size when a canvas of it can be made: both sides at least 1 and the 32-bit
// pixels addressable by a DIB. Computed in 64 bits.
struct CanvasSize {
    int width = 0;
    int height = 0;
};
std::optional<CanvasSize> ViewCanvasSize(const TemplateBounds& bounds);

// The portable half of a main-view paint: the document's bounds, a canvas of their size filled white
// and the template rendered into it with frame and marker. A canvas that already has that size is
// drawn again in place rather than made anew: every paint still composes every pixel, but a large
// template does not pay for fresh memory each time. False (nothing composed) without an open
// document, with an empty template or when the canvas cannot be made.
bool ComposeMainView(DibCanvas& canvas, TemplateBounds& bounds);

}  // namespace zelt
