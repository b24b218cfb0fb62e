#include "iconhandler/ThumbnailBitmap_win.h"

#include <algorithm>

#include "common/WinHandles.h"

namespace zelt::icon {

HBITMAP MakeArgbBitmap(const ArgbPicture& picture) {
    if (picture.width <= 0 || picture.height <= 0) return nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) return nullptr;
    // 0xAARRGGBB in memory is the B, G, R, A byte order of a 32-bit DIB.
    std::copy(picture.pixels.begin(), picture.pixels.end(), static_cast<uint32_t*>(bits));
    return bitmap.Release();
}

}  // namespace zelt::icon
