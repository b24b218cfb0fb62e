// The image library, loaded at start-up by file name and bound by its ten exports, and the
// transfers between image files and colour canvases through it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace zelt {

class DibCanvas;

struct ImageLibrary {
    HMODULE module = nullptr;
    const char*(__cdecl* getDesc)() = nullptr;
    int(__cdecl* init)() = nullptr;
    void(__cdecl* unInit)() = nullptr;
    int(__cdecl* load)(const char* fileName, uint32_t* pixels) = nullptr;
    int(__cdecl* save)(const char* fileName, const uint32_t* pixels, int width, int height) = nullptr;
    int(__cdecl* getSize)(const char* fileName, int size[2]) = nullptr;
    const char*(__cdecl* openFilterStr)() = nullptr;
    const char*(__cdecl* saveFilterStr)() = nullptr;
    const char*(__cdecl* getOpenFormatName)(int index) = nullptr;
    const char*(__cdecl* getSaveFormatName)(int index) = nullptr;
    std::string fileFilter;  // BuildImageFileFilter of the open filter string
};

extern ImageLibrary g_imageLibrary;

// Loads "Pictor.Dll", binds the exports in order and starts the library; false leaves nothing bound.
bool BindImageLibrary();
void UnbindImageLibrary();

// The picture's size and pixels through the library (both from one decoding of the file); a picture
// larger than kMaxPictureSide on a side is refused before anything is allocated (tooLarge says so).
bool LoadImageIntoCanvas(const char* fileName, DibCanvas& canvas, bool* tooLarge = nullptr);
int SaveCanvasAsImage(const char* fileName, DibCanvas& canvas);

}  // namespace zelt
