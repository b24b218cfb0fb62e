// PNG through the image library, which holds colours only.
#include <windows.h>

#include <cstdio>
#include <new>

#include "editor/interchange/ImageLibrary_win.h"
#include "editor/interchange/PictureFile.h"
#include "editor/template/FileBytes.h"

namespace zelt {

namespace {

bool LibraryReady(std::string& error) {
    if (g_imageLibrary.module || BindImageLibrary()) return true;
    error = "the image library Pictor.Dll cannot be loaded";
    return false;
}

}  // namespace

bool DecodePngFile(const std::string& path, std::span<const uint8_t>, Picture& out, std::string& error) {
    out = Picture{};
    if (!LibraryReady(error)) return false;
    const std::string name = NativePath(path);
    int size[2] = {0, 0};
    if (!g_imageLibrary.getSize(name.c_str(), size) || size[0] <= 0 || size[1] <= 0) {
        error = "damaged PNG file";
        return false;
    }
    if (size[0] > kMaxPictureSide || size[1] > kMaxPictureSide) {
        error = "PNG larger than " + std::to_string(kMaxPictureSide) + " x " + std::to_string(kMaxPictureSide) +
                " pixels";
        return false;
    }
    try {
        out.colours = ColourImage(size[0], size[1]);
    } catch (const std::bad_alloc&) {
        error = "PNG too large";
        return false;
    }
    if (!g_imageLibrary.load(name.c_str(), out.colours.pixels.data())) {
        out = Picture{};
        error = "damaged PNG file";
        return false;
    }
    return true;
}

bool WritePngFile(const std::string& path, const Picture& picture, std::string& error) {
    if (!LibraryReady(error)) return false;
    // The library picks the format by the extension, so the temporary file ends in ".png".
    const std::string temporary = TemporaryFileFor(path, CurrentProcessId(), 0) + ".png";
    std::string reason;
    bool retry = false;
    if (IsReadOnlyFile(path) ||
        !g_imageLibrary.save(NativePath(temporary).c_str(), picture.colours.pixels.data(),
                             picture.colours.width, picture.colours.height) ||
        !ReplaceFileWith(temporary, path, reason, retry)) {
        RemoveFile(temporary);
        error = "cannot be written";
        return false;
    }
    return true;
}

bool PngWritesIndexes() {
    return false;
}

}  // namespace zelt
