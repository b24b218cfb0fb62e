#include "editor/render/DibCanvas.h"

#include <algorithm>
#include <limits>

namespace zelt {

namespace {

// The DIB's image size (width x height x 4) must fit a 32-bit field.
bool SurfaceSizeOk(int width, int height) {
    return width > 0 && height > 0 &&
           int64_t{width} * height <= std::numeric_limits<int32_t>::max() / 4;
}

}  // namespace

// A size without a surface: pixels of an earlier Create would be too few for the new size.
bool DibCanvas::SetSize(int width, int height) {
    Destroy();
    width_ = width;
    height_ = height;
    valid_ = true;
    return true;
}

bool DibCanvas::Create(int width, int height) {
    Destroy();
    if (!SurfaceSizeOk(width, height) || !AllocateSurface(width, height)) return false;
    width_ = width;
    height_ = height;
    valid_ = true;
    std::fill_n(bits_, static_cast<size_t>(width) * static_cast<size_t>(height), 0u);
    return true;
}

void DibCanvas::Destroy() {
    if (bits_) FreeSurface();
    bits_ = nullptr;
    bitmap_ = nullptr;
    width_ = height_ = 0;
    valid_ = false;
}

uint8_t* DibCanvas::RowPointer(int y) {
    if (!bits_ || y < 0 || y >= height_) return nullptr;
    return reinterpret_cast<uint8_t*>(bits_ + Offset(0, y));
}

void DibCanvas::Clear(uint32_t value) {
    if (bits_) std::fill_n(bits_, static_cast<size_t>(width_) * static_cast<size_t>(height_), value);
}

}  // namespace zelt
