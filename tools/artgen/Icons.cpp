#include "tools/artgen/Icons.h"

#include <algorithm>

#include "tools/artgen/Isometric.h"

namespace zelt::artgen {

namespace {

constexpr uint32_t kGlassRim = Rgb(0x2B3A4C);
constexpr uint32_t kGlass = WithAlpha(0xE8F4FF, 0xB0);
constexpr uint32_t kHandle = Rgb(0x3C4E63);

// The motif in a square of `size` pixels whose top left corner is at `origin`.
void DrawMotif(Image& image, Point origin, double size) {
    const double outline = std::max(1.0, size / 24);
    const double halfWidth = size * 0.48;
    // Centred from the block's top corner to the ground's bottom corner.
    const Point ground{origin.x + size / 2, origin.y + size * 0.52};
    DrawBlock(image, ground, halfWidth, size * 0.12, kGroundColours, outline);
    if (size >= 32) DrawTopGrid(image, ground, halfWidth, 2, WithAlpha(0xFFFFFF, 0x50), size / 48);
    const double blockHalf = size * 0.235;
    const double blockDepth = size * 0.26;
    // The raised block stands on the ground's middle, its base diamond on the ground's top face.
    const Point block{ground.x, ground.y - blockDepth};
    DrawBlock(image, block, blockHalf, blockDepth, kRaisedColours, outline);
}

}  // namespace

Image DrawAppIcon(int side) {
    Image image(side, side);
    DrawMotif(image, {0, 0}, side);
    return image;
}

Image DrawViewerIcon(int side) {
    Image image(side, side);
    const double s = side;
    DrawMotif(image, {-s * 0.04, -s * 0.04}, s * 0.92);
    // A magnifier over the lower right, its handle towards the corner; at 16 pixels it needs to be
    // relatively larger to read.
    const Point lens{s * 0.62, s * 0.62};
    const double radius = std::max(s * 0.2, 3.6);
    const double rim = std::max(1.5, s / 14);
    const double handleWidth = std::max(2.0, s / 9);
    StrokePath(image, {{lens.x + radius * 0.8, lens.y + radius * 0.8}, {s * 0.95, s * 0.95}}, handleWidth,
               kHandle, false);
    FillDisk(image, lens, radius, kGlass);
    StrokeCircle(image, lens, radius, rim, kGlassRim);
    return image;
}

}  // namespace zelt::artgen
