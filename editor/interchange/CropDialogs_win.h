// The crop dialogs of the image imports: which part of a larger picture becomes a tile's normal
// image (a cell-sized window) or its extra image (a free rectangle).
#pragma once
#include <windows.h>

#include <string>

#include "editor/interchange/ImportImage.h"
#include "editor/template/ColourImage.h"

namespace zelt {

// "GUI:IMPORTNIMAGE": on OK, x and y hold the top-left of the cellW x cellH window.
bool ShowNormalImageCrop(HWND owner, const std::string& name, const ColourImage& picture, int cellW,
                         int cellH, int& x, int& y);
// "GUI:IMPORTEIMAGE": starts with the whole picture; on OK, rect holds the chosen rectangle, at least
// one pixel wide and high. cellW and cellH set the ranges of the x and y spin controls.
bool ShowExtraImageCrop(HWND owner, const std::string& name, const ColourImage& picture, int cellW, int cellH,
                        CropRect& rect);

}  // namespace zelt
