#include "tools/artgen/EditorToolbar.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "tools/artgen/Isometric.h"
#include "tools/artgen/Shapes.h"

namespace zelt::artgen {

namespace {

constexpr uint32_t kInk = Rgb(0x2B3A4C);
constexpr uint32_t kPaper = Rgb(0xFFFFFF);
constexpr uint32_t kPaperShade = Rgb(0xDCE3EA);
constexpr uint32_t kBlue = Rgb(0x3D8BE8);
constexpr uint32_t kDarkBlue = Rgb(0x1F5FAE);
constexpr uint32_t kGreen = Rgb(0x2FA35A);
constexpr uint32_t kRed = Rgb(0xE5484D);
constexpr uint32_t kFolder = Rgb(0xFFD166);
constexpr uint32_t kFolderBack = Rgb(0xF0A63C);
constexpr uint32_t kGlass = Rgb(0xDCEEFF);
constexpr double kLine = 2.5;

void DrawNew(Image& image) {
    FillPolygon(image, {{10, 4}, {30, 4}, {39, 13}, {39, 44}, {10, 44}}, kPaper);
    FillPolygon(image, {{30, 4}, {39, 13}, {30, 13}}, kPaperShade);
    StrokePath(image, {{10, 4}, {30, 4}, {39, 13}, {39, 44}, {10, 44}}, kLine, kInk, true);
    StrokePath(image, {{30, 4}, {30, 13}, {39, 13}}, kLine, kInk, false);
    DrawBlock(image, {24.5, 30}, 10, 3, kGroundColours, 1.5);
}

void DrawOpen(Image& image) {
    FillPolygon(image, {{4, 10}, {18, 10}, {22, 15}, {40, 15}, {40, 40}, {4, 40}}, kFolderBack);
    FillPolygon(image, {{10, 21}, {46, 21}, {40, 40}, {4, 40}}, kFolder);
    StrokePath(image, {{4, 10}, {18, 10}, {22, 15}, {40, 15}, {40, 21}, {46, 21}, {40, 40}, {4, 40}}, kLine,
               kInk, true);
}

void DrawSave(Image& image) {
    FillPolygon(image, {{6, 6}, {37, 6}, {42, 11}, {42, 42}, {6, 42}}, kBlue);
    FillRect(image, 13, 6, 22, 14, kPaper);
    FillRect(image, 27, 8, 5, 10, kDarkBlue);
    FillRect(image, 12, 26, 24, 16, kPaperShade);
    StrokePath(image, {{6, 6}, {37, 6}, {42, 11}, {42, 42}, {6, 42}}, kLine, kInk, true);
}

void DrawAbout(Image& image) {
    FillDisk(image, {24, 24}, 20, kBlue);
    StrokeCircle(image, {24, 24}, 20, kLine, kDarkBlue);
    FillDisk(image, {24, 13.5}, 3.5, kPaper);
    FillPolygon(
        image,
        {{19, 20}, {27, 20}, {27, 34}, {30, 34}, {30, 37}, {18, 37}, {18, 34}, {21, 34}, {21, 23}, {19, 23}},
        kPaper);
}

// A bent arrow pointing left, the undo sign; mirrored it is redo.
void DrawUndo(Image& image) {
    std::vector<Point> arc;
    for (int i = 0; i <= 24; ++i) {
        const double angle = std::numbers::pi * (0.5 - i / 24.0 * 1.1);
        arc.push_back({26 + 13 * std::cos(angle), 26 - 13 * std::sin(angle)});
    }
    // The shaft leaves the arrow head at the top and bends round the right down to the lower left.
    StrokePath(image, {{14, 13}, {26, 13}}, 6, kGreen, false);
    StrokePath(image, arc, 6, kGreen, false);
    FillPolygon(image, {{3, 13}, {16, 3}, {16, 23}}, kGreen);
}

Image Mirrored(const Image& image) {
    Image out(image.width, image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) out.Set(image.width - 1 - x, y, image.At(x, y));
    return out;
}

void DrawTile(Image& image, Point centre, double halfWidth) {
    DrawBlock(image, centre, halfWidth, halfWidth * 0.35, kGroundColours, 1.5);
    DrawTopGrid(image, centre, halfWidth, 2, kGroundColours.outline, 1);
}

void DrawPlus(Image& image, Point centre, double arm, uint32_t colour) {
    StrokePath(image, {{centre.x - arm, centre.y}, {centre.x + arm, centre.y}}, 5, colour, false);
    StrokePath(image, {{centre.x, centre.y - arm}, {centre.x, centre.y + arm}}, 5, colour, false);
}

void DrawAddTile(Image& image) {
    DrawTile(image, {21, 26}, 18);
    FillDisk(image, {37, 12}, 9, kPaper);
    DrawPlus(image, {37, 12}, 6, kGreen);
}

void DrawDeleteTile(Image& image) {
    DrawTile(image, {21, 26}, 18);
    StrokePath(image, {{31, 4}, {44, 17}}, 5, kRed, false);
    StrokePath(image, {{44, 4}, {31, 17}}, 5, kRed, false);
}

void DrawCloneTile(Image& image) {
    DrawBlock(image, {30, 17}, 15, 5, kRaisedColours, 1.5);
    DrawTile(image, {19, 29}, 15);
}

void DrawArrow(Image& image, Point tip, double dx, double dy) {
    // A small triangle pointing along (dx, dy).
    const double side = 5;
    FillPolygon(image,
                {tip,
                 {tip.x - dx * 7 - dy * side, tip.y - dy * 7 - dx * side},
                 {tip.x - dx * 7 + dy * side, tip.y - dy * 7 + dx * side}},
                kBlue);
}

void DrawQuickEdit(Image& image) {
    DrawTile(image, {24, 24}, 13);
    DrawArrow(image, {24, 2}, 0, -1);
    DrawArrow(image, {24, 46}, 0, 1);
    DrawArrow(image, {2, 24}, -1, 0);
    DrawArrow(image, {46, 24}, 1, 0);
}

void DrawMagnifier(Image& image, bool plus) {
    StrokePath(image, {{30, 30}, {43, 43}}, 6, kInk, false);
    FillDisk(image, {20, 20}, 14, kGlass);
    StrokeCircle(image, {20, 20}, 14, 3, kInk);
    StrokePath(image, {{13, 20}, {27, 20}}, 4, kDarkBlue, false);
    if (plus) StrokePath(image, {{20, 13}, {20, 27}}, 4, kDarkBlue, false);
}

}  // namespace

Image DrawEditorToolbar() {
    Image strip(kEditorButtonSize * kEditorToolbarButtons, kEditorButtonSize, kEditorToolbarKey);
    std::vector<Image> buttons;
    auto draw = [&](void (*paint)(Image&)) {
        Image button(kEditorButtonSize, kEditorButtonSize);
        paint(button);
        return button;
    };
    buttons.push_back(draw(DrawNew));
    buttons.push_back(draw(DrawOpen));
    buttons.push_back(draw(DrawSave));
    buttons.push_back(draw(DrawAbout));
    const Image undo = draw(DrawUndo);
    buttons.push_back(undo);
    buttons.push_back(Mirrored(undo));
    buttons.push_back(draw(DrawAddTile));
    buttons.push_back(draw(DrawDeleteTile));
    buttons.push_back(draw(DrawCloneTile));
    buttons.push_back(draw(DrawQuickEdit));
    buttons.push_back(draw([](Image& image) { DrawMagnifier(image, true); }));
    buttons.push_back(draw([](Image& image) { DrawMagnifier(image, false); }));
    for (size_t i = 0; i < buttons.size(); ++i)
        Draw(strip, Flatten(buttons[i], kEditorToolbarKey), static_cast<int>(i) * kEditorButtonSize, 0);
    return strip;
}

}  // namespace zelt::artgen
