#include "tools/artgen/Shapes.h"

#include <algorithm>
#include <cmath>

namespace zelt::artgen {

namespace {

constexpr int kSamples = 4;

bool InPolygon(const std::vector<Point>& points, double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const Point& a = points[i];
        const Point& b = points[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

double DistanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

struct Box {
    double left, top, right, bottom;
};

Box Bounds(const std::vector<Point>& points, double margin) {
    Box box{1e9, 1e9, -1e9, -1e9};
    for (const Point& p : points) {
        box.left = std::min(box.left, p.x - margin);
        box.top = std::min(box.top, p.y - margin);
        box.right = std::max(box.right, p.x + margin);
        box.bottom = std::max(box.bottom, p.y + margin);
    }
    return box;
}

}  // namespace

void PaintShape(Image& image, double left, double top, double right, double bottom, uint32_t colour,
                const std::function<bool(double, double)>& inside) {
    const int x0 = std::max(0, static_cast<int>(std::floor(left)));
    const int y0 = std::max(0, static_cast<int>(std::floor(top)));
    const int x1 = std::min(image.width, static_cast<int>(std::ceil(right)) + 1);
    const int y1 = std::min(image.height, static_cast<int>(std::ceil(bottom)) + 1);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    if (inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
            Blend(image, x, y, colour, hits * 256 / (kSamples * kSamples));
        }
    }
}

void FillPolygon(Image& image, const std::vector<Point>& points, uint32_t colour) {
    if (points.size() < 3) return;
    const Box box = Bounds(points, 0);
    PaintShape(image, box.left, box.top, box.right, box.bottom, colour,
               [&](double x, double y) { return InPolygon(points, x, y); });
}

void StrokePath(Image& image, const std::vector<Point>& points, double width, uint32_t colour, bool closed) {
    if (points.size() < 2) return;
    const Box box = Bounds(points, width);
    const size_t segments = closed ? points.size() : points.size() - 1;
    PaintShape(image, box.left, box.top, box.right, box.bottom, colour, [&](double x, double y) {
        for (size_t i = 0; i < segments; ++i)
            if (DistanceToSegment({x, y}, points[i], points[(i + 1) % points.size()]) <= width / 2)
                return true;
        return false;
    });
}

void FillDisk(Image& image, Point centre, double radius, uint32_t colour) {
    PaintShape(image, centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius, colour,
               [&](double x, double y) { return std::hypot(x - centre.x, y - centre.y) <= radius; });
}

void StrokeCircle(Image& image, Point centre, double radius, double width, uint32_t colour) {
    const double outer = radius + width / 2;
    PaintShape(image, centre.x - outer, centre.y - outer, centre.x + outer, centre.y + outer, colour,
               [&](double x, double y) {
                   return std::abs(std::hypot(x - centre.x, y - centre.y) - radius) <= width / 2;
               });
}

}  // namespace zelt::artgen
