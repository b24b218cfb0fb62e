#include "tools/artgen/PixelTools.h"

#include "tools/artgen/Shapes.h"

namespace zelt::artgen {

namespace {

// Light grey: the colour a toolbar shows as its own button face.
constexpr uint32_t kFace = Rgb(0xC0C0C0);
constexpr uint32_t kInk = Rgb(0x1F2A37);
constexpr uint32_t kPaint = Rgb(0x2F7FD8);
constexpr uint32_t kWood = Rgb(0xE0A030);
constexpr uint32_t kRubber = Rgb(0xE86A8A);

void DrawPencil(Image& image, double x) {
    FillPolygon(image, {{x + 3, 13}, {x + 11, 5}, {x + 13, 7}, {x + 5, 15}, {x + 2, 15}}, kWood);
    FillPolygon(image, {{x + 2, 15}, {x + 2, 12.5}, {x + 4.5, 15}}, kInk);
    StrokePath(image, {{x + 3, 13}, {x + 11, 5}, {x + 13, 7}, {x + 5, 15}}, 1, kInk, true);
}

void DrawEraser(Image& image, double x) {
    FillPolygon(image, {{x + 2, 10}, {x + 8, 4}, {x + 14, 10}, {x + 8, 16}}, kRubber);
    StrokePath(image, {{x + 2, 10}, {x + 8, 4}, {x + 14, 10}, {x + 8, 16}}, 1, kInk, true);
    StrokePath(image, {{x + 5, 7}, {x + 11, 13}}, 1, kInk, false);
}

}  // namespace

Image DrawPixelTools() {
    Image image(kPixelToolSide * kPixelToolCount, kPixelToolSide, kFace);
    DrawPencil(image, 0);
    StrokePath(image, {{16 + 2.5, 13.5}, {16 + 13.5, 2.5}}, 1.5, kPaint, false);
    StrokePath(image, {{32 + 2.5, 3.5}, {32 + 13.5, 3.5}, {32 + 13.5, 12.5}, {32 + 2.5, 12.5}}, 1.5, kPaint,
               true);
    FillRect(image, 48 + 2, 3, 12, 10, kPaint);
    DrawEraser(image, 64);
    return image;
}

}  // namespace zelt::artgen
