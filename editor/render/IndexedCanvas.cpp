#include "editor/render/IndexedCanvas.h"

#include <algorithm>
#include <limits>

namespace zelt {

bool IndexedCanvas::Create(int width, int height) {
    if (width <= 0 || height <= 0 || int64_t{width} * height > std::numeric_limits<int32_t>::max()) return false;
    Destroy();
    pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    width_ = width;
    height_ = height;
    valid_ = true;
    return true;
}

void IndexedCanvas::Destroy() {
    pixels_.clear();
    pixels_.shrink_to_fit();
    width_ = height_ = 0;
    valid_ = false;
}

uint8_t* IndexedCanvas::RowPointer(int y) {
    if (y < 0 || y >= height_) return nullptr;
    return pixels_.data() + Offset(0, y);
}

void IndexedCanvas::InvertPixel(int x, int y) {
    if (!Inside(x, y)) return;
    uint8_t& pixel = pixels_[Offset(x, y)];
    pixel = static_cast<uint8_t>(NearestPaletteIndex(~palette[pixel] & 0x00FFFFFF));
}

void IndexedCanvas::Clear(uint32_t value) { std::fill(pixels_.begin(), pixels_.end(), static_cast<uint8_t>(value)); }

int IndexedCanvas::NearestPaletteIndex(uint32_t colour) const { return zelt::NearestPaletteIndex(colour, palette); }

}  // namespace zelt
