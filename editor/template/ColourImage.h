// A picture of 32-bit 0x00RRGGBB pixels in memory, top row first, no padding.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelt {

struct ColourImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    ColourImage() = default;
    ColourImage(int w, int h, uint32_t fill = 0)
        : width(w), height(h), pixels(static_cast<size_t>(w) * static_cast<size_t>(h), fill) {}

    // Points outside the picture are ignored.
    void SetPixel(int64_t x, int64_t y, uint32_t colour) {
        if (x < 0 || y < 0 || x >= width || y >= height) return;
        pixels[static_cast<size_t>(y) * width + static_cast<size_t>(x)] = colour;
    }
    uint32_t GetPixel(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

}  // namespace zelt
