#include "editor/views/ViewGeometry.h"

#include <cstdio>
#include <limits>

#include "editor/render/DibCanvas.h"
#include "editor/render/TemplateRender.h"
#include "editor/template/TileLayout.h"

namespace zelt {

double ZoomedIn(double zoom) {
    const double next = zoom + static_cast<double>(0.2f);
    return next > kMaxZoom ? kMaxZoom : next;
}

double ZoomedOut(double zoom) {
    const double next = zoom - 0.2;
    return next < kMinZoom ? kMinZoom : next;
}

int ClampToInt(double value) {
    if (!(value == value)) return 0;
    if (value <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    if (value >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

std::string ZoomText(double zoom) {
    char text[32];
    std::snprintf(text, sizeof text, "%d%%", static_cast<int>(zoom * 100));
    return text;
}

ViewOffset ImageOffset(int clientWidth, int clientHeight, int64_t imageWidth, int64_t imageHeight,
                       double zoom) {
    const double x = (clientWidth - static_cast<double>(imageWidth) * zoom) * 0.5;
    const double y = (clientHeight - static_cast<double>(imageHeight) * zoom) * 0.5;
    return {ClampToInt(x), ClampToInt(y)};
}

std::optional<int> HitTileAt(const ViewTiles& view, ViewOffset offset, double zoom, int cx, int cy) {
    if (zoom <= 0 || view.cellW <= 0 || view.cellH <= 0) return std::nullopt;
    // Truncated toward zero, as the composed image's pixel under the point.
    const int64_t px = static_cast<int64_t>((static_cast<double>(cx) - offset.x) / zoom);
    const int64_t py = static_cast<int64_t>((static_cast<double>(cy) - offset.y) / zoom);
    if (px < 1 || px >= view.bounds.Width() || py < 1 || py >= view.bounds.Height()) return std::nullopt;
    for (size_t i = 0; i < view.tiles.size(); ++i) {
        const TileRecord& tile = view.tiles[i];
        const int64_t left = int64_t{tile.x} - view.cellW / 2;
        const int64_t top = int64_t{tile.y} - HeightLift(tile.height, view.cellH);
        const int64_t u = px - (left - view.bounds.minX);
        const int64_t v = py - (top - view.bounds.minY);
        if (v < 0 || v >= view.cellH) continue;
        const int row = static_cast<int>(v);
        const int start = DiamondRowStart(row, view.cellW, view.cellH);
        if (u >= start && u < start + DiamondRowWidth(row, view.cellH)) return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<CanvasSize> ViewCanvasSize(const TemplateBounds& bounds) {
    const int64_t width = bounds.Width(), height = bounds.Height();
    if (width < 1 || height < 1) return std::nullopt;
    // The DIB's image size, width x height x 4 bytes, must fit its 32-bit field.
    if (width > std::numeric_limits<int32_t>::max() / 4 || height > std::numeric_limits<int32_t>::max() / 4 ||
        width * height > std::numeric_limits<int32_t>::max() / 4)
        return std::nullopt;
    return CanvasSize{static_cast<int>(width), static_cast<int>(height)};
}

bool ComposeMainView(DibCanvas& canvas, TemplateBounds& bounds) {
    if (!ComputeTemplateBounds(bounds)) return false;
    const std::optional<CanvasSize> size = ViewCanvasSize(bounds);
    if (!size) return false;
    const bool reusable = canvas.Bits() && canvas.Width() == size->width && canvas.Height() == size->height;
    if (!reusable && !canvas.Create(size->width, size->height)) return false;
    return RenderTemplate(canvas, 0, 0, true, 0xFFFFFF);
}

}  // namespace zelt
