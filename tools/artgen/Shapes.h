// Anti-aliased shapes: each pixel is sampled 4 x 4 times and painted with the share that falls inside.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "tools/artgen/Image.h"

namespace zelt::artgen {

struct Point {
    double x = 0;
    double y = 0;
};

// Paints `colour` wherever `inside(x, y)` holds, within the box [left, right) x [top, bottom).
void PaintShape(Image& image, double left, double top, double right, double bottom, uint32_t colour,
                const std::function<bool(double, double)>& inside);

void FillPolygon(Image& image, const std::vector<Point>& points, uint32_t colour);

// A line of the given width along the polygon's edges (closed) or along the points (open).
void StrokePath(Image& image, const std::vector<Point>& points, double width, uint32_t colour, bool closed);

void FillDisk(Image& image, Point centre, double radius, uint32_t colour);
void StrokeCircle(Image& image, Point centre, double radius, double width, uint32_t colour);

}  // namespace zelt::artgen
