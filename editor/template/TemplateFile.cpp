#include "editor/template/TemplateFile.h"

#include <algorithm>
#include <cstring>

#include "editor/template/ByteReader.h"
#include "editor/template/TileLayout.h"

namespace zelt {

bool ReadTemplateHeader(std::span<const uint8_t> bytes, TemplateHeader& header) {
    if (bytes.size() < kTemplateHeaderSize) return false;
    header.gridWidth = LoadI32(bytes.data());
    header.gridHeight = LoadI32(bytes.data() + 4);
    header.cellW = LoadI32(bytes.data() + 8);
    header.cellH = LoadI32(bytes.data() + 12);
    return true;
}

namespace {

// The block of `size` bytes at `offset` from the cell's start, when it lies inside the file.
bool CellBlock(std::span<const uint8_t> bytes, int64_t cellOffset, int64_t offset, int64_t size,
               std::span<const uint8_t>& block) {
    if (!RangeInside(cellOffset + offset, size, bytes.size())) return false;
    block = bytes.subspan(static_cast<size_t>(cellOffset + offset), static_cast<size_t>(size));
    return true;
}

std::string SlotText(int slot) { return "cell " + std::to_string(slot); }

}  // namespace

bool ForEachCell(std::span<const uint8_t> bytes, const std::function<void(const CellView&)>& visit,
                 std::string& error) {
    TemplateHeader header;
    if (!ReadTemplateHeader(bytes, header)) {
        error = "the file is shorter than a template header";
        return false;
    }
    if (FamilyOfCellSize(header.cellW, header.cellH) == kNoGame) {
        error = "cell size " + std::to_string(header.cellW) + " x " + std::to_string(header.cellH) +
                " is neither 48 x 24 nor 60 x 30";
        return false;
    }
    // The cell count is the 32-bit product of the grid's sides, as stored files expect.
    const int32_t count = static_cast<int32_t>(static_cast<uint32_t>(header.gridWidth) *
                                               static_cast<uint32_t>(header.gridHeight));
    if (count > kMaxTemplateCells) {
        error = "the grid has " + std::to_string(count) + " cells; a template holds at most 10000";
        return false;
    }
    if (count <= 0) return true;
    if (!RangeInside(kTemplateHeaderSize, 4LL * count, bytes.size())) {
        error = "the cell index reaches past the end of the file";
        return false;
    }
    const int64_t diamondSize = DiamondSize(header.cellW, header.cellH);
    for (int slot = 0; slot < count; ++slot) {
        const int64_t cellOffset = LoadI32(bytes.data() + kTemplateHeaderSize + 4 * slot);
        if (cellOffset == 0) continue;
        if (!RangeInside(cellOffset, kCellHeaderSize, bytes.size())) {
            error = SlotText(slot) + ": its header lies outside the file";
            return false;
        }
        const uint8_t* h = bytes.data() + cellOffset;
        CellView cell;
        cell.slot = slot;
        cell.x = LoadI32(h);
        cell.y = LoadI32(h + 4);
        const int32_t extraOffset = LoadI32(h + 8), zOffset = LoadI32(h + 12), extraZOffset = LoadI32(h + 16);
        cell.extraX = LoadI32(h + 20);
        cell.extraY = LoadI32(h + 24);
        cell.extraWidth = LoadI32(h + 28);
        cell.extraHeight = LoadI32(h + 32);
        cell.flags = h[36];
        cell.height = h[40];
        cell.terrainCode = h[41];
        cell.rampType = h[42];
        std::memcpy(cell.leftRadar, h + 43, 3);
        std::memcpy(cell.rightRadar, h + 46, 3);
        if (cell.extraWidth > kMaxExtraSide || cell.extraHeight > kMaxExtraSide) {
            error = SlotText(slot) + ": extra image larger than 800 pixels";
            return false;
        }
        bool inside = CellBlock(bytes, cellOffset, kCellHeaderSize, diamondSize, cell.diamond);
        if (inside && (cell.flags & kFlagZ)) inside = CellBlock(bytes, cellOffset, zOffset, diamondSize, cell.zData);
        if (inside && (cell.flags & kFlagExtra)) {
            if (cell.extraWidth < 0 || cell.extraHeight < 0) {
                error = SlotText(slot) + ": negative extra image size";
                return false;
            }
            const int64_t extraSize = int64_t{cell.extraWidth} * cell.extraHeight;
            inside = CellBlock(bytes, cellOffset, extraOffset, extraSize, cell.extraImage);
            if (inside && (cell.flags & kFlagZ))
                inside = CellBlock(bytes, cellOffset, extraZOffset, extraSize, cell.extraZData);
        }
        if (!inside) {
            error = SlotText(slot) + ": an image block reaches past the end of the file";
            return false;
        }
        visit(cell);
    }
    return true;
}

static uint32_t PackRadar(const uint8_t rgb[3]) {
    return uint32_t{rgb[0]} | uint32_t{rgb[1]} << 8 | uint32_t{rgb[2]} << 16;
}

namespace {

size_t BlockBytes(const CellView& cell) {
    return cell.diamond.size() + cell.zData.size() + cell.extraImage.size() + cell.extraZData.size();
}

void CopyBlock(std::span<const uint8_t> from, const BlockAllocator<uint8_t>& blocks, TileBytes& to) {
    to = TileBytes(from.begin(), from.end(), blocks);
}

}  // namespace

TileRecord TileFromCell(const CellView& cell, const BlockAllocator<uint8_t>& blocks) {
    TileRecord tile;
    tile.x = cell.x;
    tile.y = cell.y;
    tile.height = cell.height;
    tile.terrainCode = cell.terrainCode;
    tile.rampType = cell.rampType;
    tile.leftRadar = PackRadar(cell.leftRadar);
    tile.rightRadar = PackRadar(cell.rightRadar);
    CopyBlock(cell.diamond, blocks, tile.diamond);
    if (cell.flags & kFlagExtra) {
        tile.hasExtra = true;
        tile.extraX = cell.extraX;
        tile.extraY = cell.extraY;
        tile.extraWidth = cell.extraWidth;
        tile.extraHeight = cell.extraHeight;
        CopyBlock(cell.extraImage, blocks, tile.extraImage);
    }
    if (cell.flags & kFlagZ) {
        tile.hasZ = true;
        CopyBlock(cell.zData, blocks, tile.zData);
        if (tile.hasExtra) CopyBlock(cell.extraZData, blocks, tile.extraZData);
    }
    tile.damagedArt = (cell.flags & kFlagDamaged) != 0;
    return tile;
}

bool DecodeTemplate(std::span<const uint8_t> bytes, LoadedTemplate& out, std::string& error) {
    out = LoadedTemplate{};
    TemplateHeader header;
    if (ReadTemplateHeader(bytes, header)) {
        out.family = FamilyOfCellSize(header.cellW, header.cellH);
        out.cellW = header.cellW;
        out.cellH = header.cellH;
    }
    // A first walk sizes the one allocation of all blocks; the second fills it. Both walks check
    // every cell alike and stop at the same cell.
    size_t cells = 0, blockBytes = 0;
    std::string firstError;
    ForEachCell(
        bytes,
        [&](const CellView& cell) {
            ++cells;
            blockBytes += BlockBytes(cell);
        },
        firstError);
    if (blockBytes > std::max(bytes.size(), kMaxSharedBlockBytes)) {
        error = "its cells share image blocks that would take " + std::to_string(blockBytes >> 20) +
                " MB once read";
        return false;
    }
    out.tiles.reserve(cells);
    const BlockAllocator<uint8_t> blocks(BlockArena::Make(blockBytes));
    return ForEachCell(bytes, [&](const CellView& cell) { out.tiles.push_back(TileFromCell(cell, blocks)); }, error);
}

void PrepareZData(std::vector<TileRecord>& tiles, int cellW, int cellH) {
    for (TileRecord& tile : tiles) {
        if (tile.zData.empty()) GenerateZData(tile, cellW, cellH);
        if (tile.extraZData.empty()) GenerateExtraZData(tile, cellW, cellH);
    }
}

void SlotOfTile(const TileRecord& tile, int cellW, int64_t& column, int64_t& row) {
    column = (int64_t{tile.x} + 2 * int64_t{tile.y}) / cellW;
    row = (2 * int64_t{tile.y} - int64_t{tile.x}) / cellW;
}

namespace {

std::string TileText(size_t index, const TileRecord& tile) {
    return "tile " + std::to_string(index) + " at (" + std::to_string(tile.x) + ", " + std::to_string(tile.y) + ")";
}

bool CheckBlocks(size_t index, const TileRecord& tile, size_t diamondSize, bool saveZ, std::string& error) {
    const std::string what = TileText(index, tile);
    if (tile.diamond.size() != diamondSize) {
        error = what + ": its image does not have " + std::to_string(diamondSize) + " bytes";
        return false;
    }
    if (tile.hasZ && saveZ && tile.zData.size() != diamondSize) {
        error = what + ": its depth data does not match its image";
        return false;
    }
    if (tile.hasExtra) {
        const int64_t extraSize = int64_t{tile.extraWidth} * tile.extraHeight;
        if (tile.extraWidth <= 0 || tile.extraHeight <= 0 || tile.extraImage.size() != static_cast<size_t>(extraSize)) {
            error = what + ": its extra image is empty or does not match its size";
            return false;
        }
        if (tile.hasZ && saveZ && tile.extraZData.size() != static_cast<size_t>(extraSize)) {
            error = what + ": its extra depth data does not match its extra image";
            return false;
        }
    }
    return true;
}

void Append(std::vector<uint8_t>& out, const TileBytes& block) {
    out.insert(out.end(), block.begin(), block.end());
}

}  // namespace

bool EncodeTemplate(const std::vector<TileRecord>& tiles, int cellW, int cellH, const SaveOptions& options,
                    std::vector<uint8_t>& out, std::string& error) {
    out.clear();
    if (FamilyOfCellSize(cellW, cellH) == kNoGame) {
        error = "cell size " + std::to_string(cellW) + " x " + std::to_string(cellH) + " is not a template's";
        return false;
    }
    const size_t diamondSize = static_cast<size_t>(DiamondSize(cellW, cellH));
    const bool saveZ = !options.leaveZOut;
    int64_t maxColumn = 0, maxRow = 0;
    std::vector<int64_t> slots(tiles.size());
    for (size_t i = 0; i < tiles.size(); ++i) {
        int64_t column, row;
        SlotOfTile(tiles[i], cellW, column, row);
        if (column < 0 || row < 0) {
            error = TileText(i, tiles[i]) + " lies outside the grid (column " + std::to_string(column) + ", row " +
                    std::to_string(row) + ")";
            return false;
        }
        if (column >= kMaxTemplateCells || row >= kMaxTemplateCells) {
            error = TileText(i, tiles[i]) + " lies too far from the origin";
            return false;
        }
        if (!CheckBlocks(i, tiles[i], diamondSize, saveZ, error)) return false;
        maxColumn = std::max(maxColumn, column);
        maxRow = std::max(maxRow, row);
    }
    const int64_t gridWidth = maxColumn + 1, gridHeight = maxRow + 1;
    if (gridWidth * gridHeight > kMaxTemplateCells) {
        error = "the tiles span " + std::to_string(gridWidth) + " x " + std::to_string(gridHeight) +
                " cells; a template holds at most 10000";
        return false;
    }
    for (size_t i = 0; i < tiles.size(); ++i) {
        int64_t column, row;
        SlotOfTile(tiles[i], cellW, column, row);
        slots[i] = row * gridWidth + column;
    }

    const size_t indexBytes = static_cast<size_t>(4 * gridWidth * gridHeight);
    size_t total = kTemplateHeaderSize + indexBytes + options.signature.size();
    for (const TileRecord& tile : tiles) {
        total += kCellHeaderSize + tile.diamond.size() + (tile.hasExtra ? tile.extraImage.size() : 0);
        if (tile.hasZ && saveZ) total += tile.zData.size() + (tile.hasExtra ? tile.extraZData.size() : 0);
    }
    out.reserve(total);
    out.resize(kTemplateHeaderSize + indexBytes, 0);
    StoreI32(out.data(), static_cast<int32_t>(gridWidth));
    StoreI32(out.data() + 4, static_cast<int32_t>(gridHeight));
    StoreI32(out.data() + 8, cellW);
    StoreI32(out.data() + 12, cellH);
    out.insert(out.end(), options.signature.begin(), options.signature.end());

    for (size_t i = 0; i < tiles.size(); ++i) {
        const TileRecord& tile = tiles[i];
        if (out.size() > static_cast<size_t>(INT32_MAX)) {
            error = "the template grows past 2 GB";
            return false;
        }
        // A later tile in the same slot takes the index entry; the earlier cell stays unreferenced.
        StoreI32(out.data() + kTemplateHeaderSize + 4 * slots[i], static_cast<int32_t>(out.size()));
        uint8_t header[kCellHeaderSize] = {};
        StoreI32(header, tile.x);
        StoreI32(header + 4, tile.y);
        header[40] = static_cast<uint8_t>(tile.height);
        header[41] = static_cast<uint8_t>(tile.terrainCode);
        header[42] = static_cast<uint8_t>(tile.rampType);
        for (int c = 0; c < 3; ++c) {
            header[43 + c] = static_cast<uint8_t>(tile.leftRadar >> (8 * c));
            header[46 + c] = static_cast<uint8_t>(tile.rightRadar >> (8 * c));
        }
        uint32_t flags = 0;
        int64_t next = kCellHeaderSize + static_cast<int64_t>(diamondSize);
        const bool writeZ = tile.hasZ && saveZ;
        if (writeZ) {
            flags |= kFlagZ;
            StoreI32(header + 12, static_cast<int32_t>(next));
            next += static_cast<int64_t>(diamondSize);
        }
        if (tile.damagedArt) flags |= kFlagDamaged;
        const bool writeExtraZ = writeZ && tile.hasExtra;
        if (tile.hasExtra) {
            flags |= kFlagExtra;
            StoreI32(header + 8, static_cast<int32_t>(next));
            StoreI32(header + 20, tile.extraX);
            StoreI32(header + 24, tile.extraY);
            StoreI32(header + 28, tile.extraWidth);
            StoreI32(header + 32, tile.extraHeight);
            next += static_cast<int64_t>(tile.extraImage.size());
        }
        if (writeExtraZ) StoreI32(header + 16, static_cast<int32_t>(next));
        StoreI32(header + 36, static_cast<int32_t>(flags));
        out.insert(out.end(), header, header + kCellHeaderSize);
        Append(out, tile.diamond);
        if (writeZ) Append(out, tile.zData);
        if (tile.hasExtra) Append(out, tile.extraImage);
        if (writeExtraZ) Append(out, tile.extraZData);
    }
    return true;
}

}  // namespace zelt
