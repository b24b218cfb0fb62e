#include "iconhandler/IconTemplate.h"

namespace zelt::icon {

namespace {

constexpr int64_t kHeaderSize = 16;
constexpr int64_t kCellHeaderSize = 52;

int32_t I32At(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}

// [offset, offset + size) lies inside a file of fileSize bytes.
bool Inside(int64_t offset, int64_t size, size_t fileSize) {
    const int64_t total = static_cast<int64_t>(fileSize);
    return offset >= 0 && size >= 0 && offset <= total && size <= total - offset;
}

// A block given by an offset from the cell's start.
bool BlockInside(int64_t cell, int32_t offset, int64_t size, size_t fileSize) {
    return Inside(cell + offset, size, fileSize);
}

bool ReadCell(std::span<const uint8_t> bytes, int64_t cell, int cellW, int cellH, IconCell& out) {
    if (!Inside(cell, kCellHeaderSize, bytes.size())) return false;
    const uint8_t* h = bytes.data() + cell;
    const int32_t extraOffset = I32At(h + 8);
    const int32_t zOffset = I32At(h + 12);
    const int32_t extraZOffset = I32At(h + 16);
    out.x = I32At(h);
    out.y = I32At(h + 4);
    out.extraX = I32At(h + 20);
    out.extraY = I32At(h + 24);
    out.extraWidth = I32At(h + 28);
    out.extraHeight = I32At(h + 32);
    const uint8_t flags = h[36];
    out.lift = static_cast<int64_t>(h[40]) * cellH / 2;
    out.hasExtra = (flags & 1) != 0;
    const bool hasZ = (flags & 2) != 0;

    // The editor refuses these sides whether or not the cell has an extra image.
    if (out.extraWidth > kMaxExtraSide || out.extraHeight > kMaxExtraSide) return false;

    const int64_t diamondSize = static_cast<int64_t>(cellW) * cellH / 2;
    if (!Inside(cell + kCellHeaderSize, diamondSize, bytes.size())) return false;
    out.diamond = h + kCellHeaderSize;
    if (hasZ && !BlockInside(cell, zOffset, diamondSize, bytes.size())) return false;

    if (out.hasExtra) {
        // Two negative sides would multiply to a positive size.
        if (out.extraWidth < 0 || out.extraHeight < 0) return false;
        const int64_t extraSize = static_cast<int64_t>(out.extraWidth) * out.extraHeight;
        if (!BlockInside(cell, extraOffset, extraSize, bytes.size())) return false;
        out.extra = h + extraOffset;
        if (hasZ && !BlockInside(cell, extraZOffset, extraSize, bytes.size())) return false;
    }
    return true;
}

}  // namespace

IconFamily FamilyOfTemplate(std::span<const uint8_t> bytes) {
    if (bytes.size() <= static_cast<size_t>(kHeaderSize)) return IconFamily::kNone;
    const int32_t cellW = I32At(bytes.data() + 8);
    const int32_t cellH = I32At(bytes.data() + 12);
    if (cellW == 60 && cellH == 30) return IconFamily::kRa2Yr;
    if (cellW == 48 && cellH == 24) return IconFamily::kTsFs;
    return IconFamily::kNone;
}

bool ReadIconTemplate(std::span<const uint8_t> bytes, IconTemplate& out) {
    out = IconTemplate{};
    out.family = FamilyOfTemplate(bytes);
    if (out.family == IconFamily::kNone) return false;
    out.cellW = out.family == IconFamily::kRa2Yr ? 60 : 48;
    out.cellH = out.cellW / 2;

    out.gridWidth = I32At(bytes.data());
    out.gridHeight = I32At(bytes.data() + 4);
    const int64_t count = static_cast<int64_t>(out.gridWidth) * out.gridHeight;
    if (count > kMaxCells) return false;
    if (count <= 0) return true;
    if (!Inside(kHeaderSize, 4 * count, bytes.size())) return false;

    for (int64_t slot = 0; slot < count; ++slot) {
        const int32_t cell = I32At(bytes.data() + kHeaderSize + 4 * slot);
        if (cell == 0) continue;
        IconCell parsed;
        if (!ReadCell(bytes, cell, out.cellW, out.cellH, parsed)) return false;
        out.cells.push_back(parsed);
    }
    return true;
}

}  // namespace zelt::icon
