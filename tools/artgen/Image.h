// A picture in memory and the few ways artwork is painted onto it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelt::artgen {

// Colours are 0xAARRGGBB.
constexpr uint32_t Rgb(uint32_t rgb) {
    return 0xFF000000u | rgb;
}
constexpr uint32_t WithAlpha(uint32_t colour, uint32_t alpha) {
    return (alpha << 24) | (colour & 0xFFFFFFu);
}

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // top row first

    Image() = default;
    Image(int w, int h, uint32_t fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void Set(int x, int y, uint32_t colour) {
        if (Contains(x, y)) pixels[static_cast<std::size_t>(y) * width + x] = colour;
    }
};

// `top` painted over `bottom` with `coverage` (0..256) scaling the top colour's alpha.
uint32_t Over(uint32_t top, uint32_t bottom, int coverage = 256);

// Paints `colour` over the pixel at (x, y), scaled by coverage (0..256); outside pixels are ignored.
void Blend(Image& image, int x, int y, uint32_t colour, int coverage = 256);

void FillRect(Image& image, int x, int y, int w, int h, uint32_t colour);

// Pastes `part` with its alpha over `image` at (x, y).
void Draw(Image& image, const Image& part, int x, int y);

// Top-to-bottom gradient from `top` to `bottom` over the whole image, in `steps` flat bands
// (a GIF needs few colours; a bitmap can take one band per row).
void VerticalGradient(Image& image, uint32_t top, uint32_t bottom, int steps);

// The image with every pixel opaque over `background`.
Image Flatten(const Image& image, uint32_t background);

}  // namespace zelt::artgen
