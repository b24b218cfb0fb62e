#include "tools/artgen/HotButtons.h"

#include <vector>

#include "tools/artgen/Shapes.h"

namespace zelt::artgen {

namespace {

constexpr uint32_t kInk = Rgb(0x2B3A4C);
constexpr uint32_t kPlate = Rgb(0xE4EBF3);
constexpr uint32_t kPlateRim = Rgb(0x7D8B9B);
constexpr uint32_t kHoverPlate = Rgb(0xFFD166);
constexpr uint32_t kHoverRim = Rgb(0xC97F24);
constexpr uint32_t kGround = Rgb(0x4CB877);
constexpr uint32_t kGroundEdge = Rgb(0x2C7A53);
constexpr uint32_t kExtra = Rgb(0x3D8BE8);

// An arrow pointing up from the centre of a 24-pixel square, turned by `quarter` quarter turns
// clockwise, shifted by (dx, dy) and scaled by `scale`.
std::vector<Point> Arrow(int quarter, double dx = 0, double dy = 0, double scale = 1) {
    const std::vector<Point> up = {{0, -8}, {7, -1}, {2.5, -1}, {2.5, 8}, {-2.5, 8}, {-2.5, -1}, {-7, -1}};
    std::vector<Point> turned;
    for (Point p : up) {
        for (int i = 0; i < quarter; ++i) p = {-p.y, p.x};
        turned.push_back({12 + dx + p.x * scale, 12 + dy + p.y * scale});
    }
    return turned;
}

// A flat tile: the diamond a height button raises or lowers.
void Ground(Image& image, double top) {
    const std::vector<Point> diamond = {{12, top}, {20, top + 4}, {12, top + 8}, {4, top + 4}};
    FillPolygon(image, diamond, kGround);
    StrokePath(image, diamond, 1, kGroundEdge, true);
}

}  // namespace

std::string HotButtonFileName(int button, bool hovered) {
    static const char* const kNames[kHotButtonPictures] = {"up",    "right", "down", "left",
                                                           "extra", "raise", "lower"};
    return std::string("hot_") + kNames[button] + (hovered ? "_hover.bmp" : ".bmp");
}

Image DrawHotButton(int button, bool hovered) {
    Image image(kHotButtonSide, kHotButtonSide, hovered ? kHoverRim : kPlateRim);
    FillRect(image, 1, 1, kHotButtonSide - 2, kHotButtonSide - 2, hovered ? kHoverPlate : kPlate);
    switch (button) {
        case 0:
        case 1:
        case 2:
        case 3:
            FillPolygon(image, Arrow(button), kInk);
            break;
        case 4:  // an extra image standing on its tile
            Ground(image, 12);
            FillRect(image, 8, 4, 8, 11, kExtra);
            StrokePath(image, {{8, 4}, {16, 4}, {16, 15}, {8, 15}}, 1, kInk, true);
            break;
        case 5:
            Ground(image, 13);
            FillPolygon(image, Arrow(0, 0, -4, 0.6), kInk);
            break;
        case 6:
            Ground(image, 3);
            FillPolygon(image, Arrow(2, 0, 4, 0.6), kInk);
            break;
        default:
            break;
    }
    return image;
}

}  // namespace zelt::artgen
