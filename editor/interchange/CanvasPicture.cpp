#include "editor/interchange/CanvasPicture.h"

#include <cstring>
#include <new>

namespace zelt {

bool CanvasFromPixels(const ColourImage& picture, DibCanvas& canvas) {
    if (picture.width < 1 || picture.height < 1 ||
        picture.pixels.size() != static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height) ||
        !canvas.Create(picture.width, picture.height))
        return false;
    const size_t rowBytes = static_cast<size_t>(picture.width) * 4;
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(canvas.RowPointer(y), picture.pixels.data() + static_cast<size_t>(y) * picture.width,
                    rowBytes);
    return true;
}

ColourImage PixelsOfCanvas(const DibCanvas& canvas) {
    if (!canvas.Bits()) return {};
    ColourImage picture;
    try {
        picture = ColourImage(canvas.Width(), canvas.Height());
    } catch (const std::bad_alloc&) {
        return {};  // no memory for the copy: as if there were no picture
    }
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            picture.pixels[static_cast<size_t>(y) * canvas.Width() + x] = canvas.GetPixel(x, y);
    return picture;
}

}  // namespace zelt
