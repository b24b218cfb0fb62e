#include "tools/artgen/Isometric.h"

namespace zelt::artgen {

void DrawBlock(Image& image, Point centre, double halfWidth, double depth, const BlockColours& colours,
               double outlineWidth) {
    const double a = halfWidth, b = halfWidth / 2, x = centre.x, y = centre.y;
    const Point north{x, y - b}, east{x + a, y}, south{x, y + b}, west{x - a, y};
    const Point eastLow{x + a, y + depth}, southLow{x, y + b + depth}, westLow{x - a, y + depth};
    if (depth > 0) {
        FillPolygon(image, {west, south, southLow, westLow}, colours.left);
        FillPolygon(image, {south, east, eastLow, southLow}, colours.right);
    }
    FillPolygon(image, {north, east, south, west}, colours.top);
    if (colours.outline != 0 && outlineWidth > 0)
        StrokePath(image, {north, east, eastLow, southLow, westLow, west}, outlineWidth, colours.outline,
                   true);
}

void DrawTopGrid(Image& image, Point centre, double halfWidth, int cells, uint32_t colour, double width) {
    const double a = halfWidth, b = halfWidth / 2;
    const Point north{centre.x, centre.y - b};
    for (int i = 1; i < cells; ++i) {
        const double t = static_cast<double>(i) / cells;
        // From the north-west edge to the south-east edge, and from the north-east edge to the south-west
        // edge.
        StrokePath(image,
                   {{north.x - a * t, north.y + b * t}, {north.x + a * (1 - t), north.y + b * (1 + t)}},
                   width, colour, false);
        StrokePath(image,
                   {{north.x + a * t, north.y + b * t}, {north.x - a * (1 - t), north.y + b * (1 + t)}},
                   width, colour, false);
    }
}

}  // namespace zelt::artgen
