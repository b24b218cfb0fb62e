#include "tools/artgen/Pictures.h"

#include "resources/Version.h"
#include "tools/artgen/Font.h"
#include "tools/artgen/Isometric.h"
#include "tools/artgen/Shapes.h"

namespace zelt::artgen {

namespace {

constexpr uint32_t kNightTop = Rgb(0x2A3B52);
constexpr uint32_t kNightBottom = Rgb(0x151F2C);
constexpr uint32_t kTitle = Rgb(0xFFFFFF);
constexpr uint32_t kMuted = Rgb(0x9FB3C8);
constexpr uint32_t kShadow = WithAlpha(0x000000, 0x60);
constexpr uint32_t kAccent = Rgb(0x5CC08A);
constexpr uint32_t kFrame = Rgb(0x3E5473);
constexpr uint32_t kBadge = Rgb(0x3D8BE8);

// A small terrain of `size` x `size` cells with the north corner's top at `north`; heights in
// whole steps (0 ground, 1 raised, -1 water) by cell, row by row.
void DrawTerrain(Image& image, Point north, double halfWidth, int size, const int* heights) {
    const double step = halfWidth / 2;
    // Back to front: cells further from the viewer first.
    for (int sum = 0; sum <= 2 * (size - 1); ++sum) {
        for (int i = 0; i < size; ++i) {
            const int j = sum - i;
            if (j < 0 || j >= size) continue;
            const int height = heights[j * size + i];
            const Point centre{north.x + (i - j) * halfWidth, north.y + step + (i + j) * step};
            const double outline = 1.0;
            if (height < 0) {
                DrawBlock(image, {centre.x, centre.y + step * 0.4}, halfWidth, step * 0.5, kWaterColours,
                          outline);
            } else if (height == 0) {
                DrawBlock(image, centre, halfWidth, step * 0.9, kGroundColours, outline);
            } else {
                DrawBlock(image, centre, halfWidth, step * 0.9, kGroundColours, outline);
                DrawBlock(image, {centre.x, centre.y - step * 1.6 * height}, halfWidth, step * 1.6 * height,
                          kRaisedColours, outline);
            }
        }
    }
}

void DrawShadowedText(Image& image, int x, int y, std::string_view text, int scale, uint32_t colour) {
    DrawText(image, x + scale / 2 + 1, y + scale / 2 + 1, text, scale, kShadow);
    DrawText(image, x, y, text, scale, colour);
}

}  // namespace

Image DrawSplash() {
    Image image(kSplashWidth, kSplashHeight);
    VerticalGradient(image, kNightTop, kNightBottom, kSplashHeight);
    // The cells have the proportions of the games' own 48 x 24 and 60 x 30 cells.
    constexpr int kTerrain[] = {
        0, 1, 0,  0,   //
        0, 0, 0,  -1,  //
        1, 0, -1, -1,  //
        0, 0, 0,  -1,
    };
    DrawTerrain(image, {300, 92}, 24, 4, kTerrain);

    DrawShadowedText(image, 28, 44, "Zelt Builder", 5, kTitle);
    FillRect(image, 30, 92, 64, 3, kAccent);
    DrawText(image, 30, 106, "Version " ZELT_VERSION_TEXT, 2, kMuted);
    DrawText(image, 30, 208, "Isometric terrain templates", 1, kMuted);
    for (int x = 0; x < kSplashWidth; ++x) {
        image.Set(x, 0, kFrame);
        image.Set(x, kSplashHeight - 1, kFrame);
    }
    for (int y = 0; y < kSplashHeight; ++y) {
        image.Set(0, y, kFrame);
        image.Set(kSplashWidth - 1, y, kFrame);
    }
    return image;
}

Image DrawBanner(const Image& icon, std::string_view title, std::string_view subtitle) {
    Image image(kBannerWidth, kBannerHeight);
    VerticalGradient(image, kNightTop, kNightBottom, 16);
    Draw(image, icon, 12, (kBannerHeight - icon.height) / 2);
    DrawShadowedText(image, 80, 16, title, 3, kTitle);
    DrawText(image, 81, 48, subtitle, 2, kMuted);
    // A few loose tiles towards the right edge.
    DrawBlock(image, {356, 30}, 16, 4, kGroundColours, 1);
    DrawBlock(image, {388, 46}, 16, 4, kGroundColours, 1);
    DrawBlock(image, {356, 62}, 16, 4, kWaterColours, 1);
    DrawBlock(image, {388, 38}, 8, 8, kRaisedColours, 1);
    return image;
}

Image DrawHelpPicture() {
    Image image(kHelpSide, kHelpSide, Rgb(0xFFFFFF));
    const Point centre{kHelpSide / 2.0, kHelpSide / 2.0};
    FillDisk(image, {centre.x, centre.y + 1.5}, 26, WithAlpha(0x1F5FAE, 0x50));
    FillDisk(image, centre, 26, kBadge);
    constexpr int kScale = 5;
    const int width = TextWidth("?", kScale);
    DrawText(image, (kHelpSide - width) / 2, (kHelpSide - kFontCapHeight * kScale) / 2, "?", kScale, kTitle);
    return image;
}

}  // namespace zelt::artgen
