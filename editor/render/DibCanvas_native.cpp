// Plain memory stands in for the DIB section where there is no GDI.
#include <cstdlib>

#include "editor/render/DibCanvas.h"

namespace zelt {

bool DibCanvas::AllocateSurface(int width, int height) {
    bits_ = static_cast<uint32_t*>(std::malloc(static_cast<size_t>(width) * static_cast<size_t>(height) * 4));
    return bits_ != nullptr;
}

void DibCanvas::FreeSurface() { std::free(bits_); }

}  // namespace zelt
