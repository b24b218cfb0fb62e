// The icon handler's own reader of template files: the header, the cell index and each cell's
// header and blocks, every offset and size checked against the file's length.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

namespace zelt::icon {

enum class IconFamily { kNone, kRa2Yr, kTsFs };

inline constexpr int64_t kMaxCells = 10000;
inline constexpr int32_t kMaxExtraSide = 800;

// One non-empty cell, its image blocks pointing into the file's bytes.
struct IconCell {
    int32_t x = 0, y = 0;
    int32_t extraX = 0, extraY = 0, extraWidth = 0, extraHeight = 0;
    int64_t lift = 0;
    bool hasExtra = false;
    const uint8_t* diamond = nullptr;
    const uint8_t* extra = nullptr;
};

struct IconTemplate {
    IconFamily family = IconFamily::kNone;
    int cellW = 0;
    int cellH = 0;
    int32_t gridWidth = 0, gridHeight = 0;  // as the header gives them
    std::vector<IconCell> cells;            // index order, empty slots skipped
};

// The family of a file of more than 16 bytes from its header's cell size; kNone otherwise.
IconFamily FamilyOfTemplate(std::span<const uint8_t> bytes);

// Reads every cell. Fails for a file of 16 bytes or less, a cell size of neither family, more than
// 10000 cells, an extra image side over 800, or any offset or size reaching outside the file.
bool ReadIconTemplate(std::span<const uint8_t> bytes, IconTemplate& out);

// Diamond row r holds 4(r+1) pixels in the upper half and 4(cellH-1-r) in the lower half.
inline int DiamondRowWidth(int r, int cellH) {
    return r < cellH / 2 ? 4 * (r + 1) : 4 * (cellH - 1 - r);
}

}  // namespace zelt::icon
