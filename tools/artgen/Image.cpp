#include "tools/artgen/Image.h"

#include <algorithm>

namespace zelt::artgen {

namespace {

uint32_t Channel(uint32_t colour, int shift) {
    return (colour >> shift) & 0xFFu;
}

// (a * (256 - t) + b * t) / 256, rounded.
uint32_t Mix(uint32_t a, uint32_t b, uint32_t t) {
    return (a * (256 - t) + b * t + 128) >> 8;
}

}  // namespace

uint32_t Over(uint32_t top, uint32_t bottom, int coverage) {
    const uint32_t alpha =
        (Channel(top, 24) * static_cast<uint32_t>(std::clamp(coverage, 0, 256)) + 128) >> 8;
    if (alpha == 0) return bottom;
    const uint32_t bottomAlpha = Channel(bottom, 24);
    // Result alpha in 0..255: a + b (1 - a).
    const uint32_t outAlpha = alpha + (bottomAlpha * (255 - alpha) + 127) / 255;
    uint32_t out = outAlpha << 24;
    for (int shift = 0; shift <= 16; shift += 8) {
        // Colours weighted by their share of the result's alpha.
        const uint32_t topPart = Channel(top, shift) * alpha * 255;
        const uint32_t bottomPart = Channel(bottom, shift) * bottomAlpha * (255 - alpha);
        const uint32_t value = (topPart + bottomPart + outAlpha * 255 / 2) / (outAlpha * 255);
        out |= std::min<uint32_t>(value, 255) << shift;
    }
    return out;
}

void Blend(Image& image, int x, int y, uint32_t colour, int coverage) {
    if (!image.Contains(x, y) || coverage <= 0) return;
    uint32_t& pixel = image.pixels[static_cast<size_t>(y) * image.width + x];
    pixel = Over(colour, pixel, coverage);
}

void FillRect(Image& image, int x, int y, int w, int h, uint32_t colour) {
    for (int row = y; row < y + h; ++row)
        for (int column = x; column < x + w; ++column) Blend(image, column, row, colour);
}

void Draw(Image& image, const Image& part, int x, int y) {
    for (int row = 0; row < part.height; ++row)
        for (int column = 0; column < part.width; ++column)
            Blend(image, x + column, y + row, part.At(column, row));
}

void VerticalGradient(Image& image, uint32_t top, uint32_t bottom, int steps) {
    steps = std::max(steps, 1);
    for (int y = 0; y < image.height; ++y) {
        const int band = image.height > 1 ? y * steps / image.height : 0;
        const uint32_t t = steps > 1 ? static_cast<uint32_t>(band * 256 / (steps - 1)) : 0;
        uint32_t colour = 0xFF000000u;
        for (int shift = 0; shift <= 16; shift += 8)
            colour |= Mix(Channel(top, shift), Channel(bottom, shift), std::min<uint32_t>(t, 256)) << shift;
        for (int x = 0; x < image.width; ++x) image.Set(x, y, colour);
    }
}

Image Flatten(const Image& image, uint32_t background) {
    Image out(image.width, image.height, background | 0xFF000000u);
    Draw(out, image, 0, 0);
    return out;
}

}  // namespace zelt::artgen
