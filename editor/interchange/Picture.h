// A picture read from or written to an image file: its colours, and for an 8-bit picture also its
// palette indexes and palette, so that a picture stored with a template's palette comes back with
// exactly the indexes it was written with.
#pragma once
#include <cstdint>
#include <vector>

#include "editor/template/ColourImage.h"

namespace zelt {

// The largest picture side read from any file (larger pictures are refused before their pixels are
// allocated: one of 16384 x 16384 already takes a gigabyte) and drawn by Export all.
inline constexpr int kMaxPictureSide = 16384;

struct Picture {
    ColourImage colours;
    std::vector<uint8_t> indexes;   // empty, or one palette index per pixel, top row first
    std::vector<uint32_t> palette;  // 0x00RRGGBB; the file's palette when indexes is not empty

    bool Indexed() const { return !indexes.empty(); }
};

}  // namespace zelt
