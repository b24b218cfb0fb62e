#include "editor/interchange/ImageLibrary_win.h"

#include <cstring>
#include <new>
#include <vector>

#include "editor/interchange/ImageFilter.h"
#include "editor/interchange/Picture.h"
#include "editor/render/DibCanvas.h"

namespace zelt {

ImageLibrary g_imageLibrary;

namespace {

template <typename Function>
bool Bind(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return function != nullptr;
}

}  // namespace

bool BindImageLibrary() {
    ImageLibrary lib;
    lib.module = LoadLibraryA("Pictor.Dll");
    if (!lib.module) return false;
    const bool bound = Bind(lib.module, "ImageGetDesc", lib.getDesc) && Bind(lib.module, "ImageInit", lib.init) &&
                       Bind(lib.module, "ImageUnInit", lib.unInit) && Bind(lib.module, "ImageLoad", lib.load) &&
                       Bind(lib.module, "ImageSave", lib.save) && Bind(lib.module, "ImageGetSize", lib.getSize) &&
                       Bind(lib.module, "ImageOpenFilterStr", lib.openFilterStr) &&
                       Bind(lib.module, "ImageSaveFilterStr", lib.saveFilterStr) &&
                       Bind(lib.module, "ImageGetOpenFormatName", lib.getOpenFormatName) &&
                       Bind(lib.module, "ImageGetSaveFormatName", lib.getSaveFormatName);
    if (!bound || !lib.init()) {
        FreeLibrary(lib.module);
        return false;
    }
    const char* open = lib.openFilterStr();
    lib.fileFilter = BuildImageFileFilter(open ? open : "");
    g_imageLibrary = lib;
    return true;
}

void UnbindImageLibrary() {
    if (!g_imageLibrary.module) return;
    g_imageLibrary.unInit();
    FreeLibrary(g_imageLibrary.module);
    g_imageLibrary = ImageLibrary{};
}

bool LoadImageIntoCanvas(const char* fileName, DibCanvas& canvas, bool* tooLarge) {
    if (tooLarge) *tooLarge = false;
    if (!g_imageLibrary.module) return false;
    int size[2] = {0, 0};
    if (!g_imageLibrary.getSize(fileName, size) || size[0] <= 0 || size[1] <= 0) return false;
    if (size[0] > kMaxPictureSide || size[1] > kMaxPictureSide) {
        if (tooLarge) *tooLarge = true;
        return false;
    }
    std::vector<uint32_t> pixels;
    try {
        pixels.resize(static_cast<size_t>(size[0]) * static_cast<size_t>(size[1]));
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!g_imageLibrary.load(fileName, pixels.data())) return false;
    if (!canvas.Create(size[0], size[1])) return false;
    for (int y = 0; y < size[1]; ++y)
        std::memcpy(canvas.RowPointer(y), pixels.data() + static_cast<size_t>(y) * size[0], size_t(size[0]) * 4);
    return true;
}

int SaveCanvasAsImage(const char* fileName, DibCanvas& canvas) {
    if (!g_imageLibrary.module || canvas.Width() <= 0 || canvas.Height() <= 0) return 0;
    const size_t width = static_cast<size_t>(canvas.Width());
    std::vector<uint32_t> pixels(width * static_cast<size_t>(canvas.Height()));
    for (int y = 0; y < canvas.Height(); ++y) std::memcpy(pixels.data() + y * width, canvas.RowPointer(y), width * 4);
    return g_imageLibrary.save(fileName, pixels.data(), canvas.Width(), canvas.Height());
}

}  // namespace zelt
