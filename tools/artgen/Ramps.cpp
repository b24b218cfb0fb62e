#include "tools/artgen/Ramps.h"

#include <algorithm>
#include <cmath>

#include "tools/artgen/Isometric.h"
#include "tools/artgen/Shapes.h"

namespace zelt::artgen {

const std::array<RampCorners, kRampCount> kRampShapes = {{
    {0, 0, 0, 0},                                              // flat
    {1, 1, 0, 0}, {0, 1, 1, 0}, {0, 0, 1, 1}, {1, 0, 0, 1},   // one edge
    {1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1},   // one corner
    {1, 1, 1, 0}, {0, 1, 1, 1}, {1, 0, 1, 1}, {1, 1, 0, 1},   // three corners
    {2, 1, 0, 1}, {1, 2, 1, 0}, {0, 1, 2, 1}, {1, 0, 1, 2},   // steep to one corner
    {1, 0, 1, 0}, {0, 1, 0, 1},                               // saddles
    {2, 2, 0, 0}, {0, 0, 2, 2},                               // steep edges
}};

namespace {

constexpr double kCentreX = kRampWidth / 2.0;
constexpr double kCentreY = 38;
constexpr double kHalfWidth = 30;
constexpr double kLift = 10;  // pixels per height level
constexpr uint32_t kWhite = Rgb(0xFFFFFF);
constexpr uint32_t kGround = Rgb(0xD6D6D6);

struct Vec {
    double x, y, z;
};

Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec Unit(Vec v) {
    const double length = std::sqrt(Dot(v, v));
    return {v.x / length, v.y / length, v.z / length};
}

// The colour scaled by how much a face with this normal faces the light from the north-west above.
uint32_t Shade(uint32_t colour, Vec normal) {
    const Vec light = Unit({-0.6, -0.8, 1.4});
    const Vec flat{0, 0, 1};
    const double factor = std::clamp(Dot(Unit(normal), light) / Dot(flat, light), 0.45, 1.3);
    auto channel = [&](int shift) {
        const double value = ((colour >> shift) & 0xFF) * factor;
        return static_cast<uint32_t>(std::clamp(value, 0.0, 255.0)) << shift;
    };
    return 0xFF000000u | channel(16) | channel(8) | channel(0);
}

// A triangle of the top face in the world: x east, y south, z up (one level is half a unit).
uint32_t ShadeTriangle(Vec a, Vec b, Vec c) {
    Vec normal = Cross({b.x - a.x, b.y - a.y, b.z - a.z}, {c.x - a.x, c.y - a.y, c.z - a.z});
    if (normal.z < 0) normal = {-normal.x, -normal.y, -normal.z};
    return Shade(kGroundColours.top, normal);
}

}  // namespace

Image DrawRamp(int type) {
    Image image(kRampWidth, kRampHeight, kWhite);
    const RampCorners& h = kRampShapes[static_cast<size_t>(std::clamp(type, 0, kRampCount - 1))];
    const double a = kHalfWidth, b = kHalfWidth / 2, x = kCentreX, y = kCentreY;
    const Point north0{x, y - b}, east0{x + a, y}, south0{x, y + b}, west0{x - a, y};
    const Point north{x, y - b - h.north * kLift}, east{x + a, y - h.east * kLift};
    const Point south{x, y + b - h.south * kLift}, west{x - a, y - h.west * kLift};

    FillPolygon(image, {north0, east0, south0, west0}, kGround);
    // The two front sides show how high the face stands above the ground.
    FillPolygon(image, {west0, south0, south, west}, kGroundColours.left);
    FillPolygon(image, {south0, east0, east, south}, kGroundColours.right);

    const Vec n{0, -1, h.north * 0.5}, e{1, 0, h.east * 0.5}, s{0, 1, h.south * 0.5}, w{-1, 0, h.west * 0.5};
    FillPolygon(image, {west, north, east}, ShadeTriangle(w, n, e));
    FillPolygon(image, {west, east, south}, ShadeTriangle(w, e, s));
    StrokePath(image, {west, north, east, south}, 1.2, kGroundColours.outline, true);
    StrokePath(image, {west0, south0, east0}, 1.0, kGroundColours.outline, false);
    return image;
}

Image DrawTipPicture() {
    const int side = kTipPictureSide;
    Image image(side, side, kWhite);
    const Point centre{side / 2.0, 26};
    for (int ray = 0; ray < 7; ++ray) {
        const double angle = 3.14159265358979 * (1.0 + ray / 6.0);
        const Point from{centre.x + 20 * std::cos(angle), centre.y + 20 * std::sin(angle)};
        const Point to{centre.x + 28 * std::cos(angle), centre.y + 28 * std::sin(angle)};
        StrokePath(image, {from, to}, 2.2, kRaisedColours.left, false);
    }
    FillDisk(image, centre, 16, kRaisedColours.top);
    StrokeCircle(image, centre, 16, 1.6, kRaisedColours.outline);
    FillDisk(image, {centre.x - 6, centre.y - 6}, 4, Rgb(0xFFF4CF));
    FillPolygon(image, {{25, 40}, {39, 40}, {38, 55}, {26, 55}}, Rgb(0x9AA3AD));
    for (double line : {45.0, 50.0}) StrokePath(image, {{26, line}, {38, line}}, 1.2, Rgb(0x5C6670), false);
    FillPolygon(image, {{28, 55}, {36, 55}, {34, 59}, {30, 59}}, Rgb(0x5C6670));
    return image;
}

}  // namespace zelt::artgen
