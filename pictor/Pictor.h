// The ten functions of Pictor.Dll, exported undecorated. Pixels are width x height values
// 0x00RRGGBB, top row first, no padding between rows; results are 1 for success and 0 for failure.
// A program that loads the library at run time binds these names with the pointer types below.
// File names are UTF-8; one that is not valid UTF-8 is read in the process's ANSI code page.
#pragma once
#include <cstdint>

extern "C" {

int ImageInit();
void ImageUnInit();
const char* ImageGetDesc();
const char* ImageOpenFilterStr();
const char* ImageSaveFilterStr();
const char* ImageGetOpenFormatName(int index);
const char* ImageGetSaveFormatName(int index);
int ImageGetSize(const char* fileName, int size[2]);
int ImageLoad(const char* fileName, uint32_t* pixels);
int ImageSave(const char* fileName, const uint32_t* pixels, int width, int height);

}  // extern "C"

namespace zelt::pictor {

using ImageInitFn = decltype(&ImageInit);
using ImageUnInitFn = decltype(&ImageUnInit);
using ImageGetDescFn = decltype(&ImageGetDesc);
using ImageOpenFilterStrFn = decltype(&ImageOpenFilterStr);
using ImageSaveFilterStrFn = decltype(&ImageSaveFilterStr);
using ImageGetOpenFormatNameFn = decltype(&ImageGetOpenFormatName);
using ImageGetSaveFormatNameFn = decltype(&ImageGetSaveFormatName);
using ImageGetSizeFn = decltype(&ImageGetSize);
using ImageLoadFn = decltype(&ImageLoad);
using ImageSaveFn = decltype(&ImageSave);

}  // namespace zelt::pictor
