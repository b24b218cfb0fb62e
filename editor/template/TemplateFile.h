// The template file: a 16-byte header, a cell index, and one 52-byte cell header plus data blocks
// per non-empty cell. Reading is bounds-checked against the buffer; writing is byte-exact.
#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "editor/template/GameTables.h"
#include "editor/template/TileRecord.h"

namespace zelt {

inline constexpr int kTemplateHeaderSize = 16;
inline constexpr int kCellHeaderSize = 52;
inline constexpr int kMaxTemplateCells = 10000;
inline constexpr int kMaxExtraSide = 800;
// Cells may share their blocks, so a small file could decode into gigabytes of tiles. A file whose
// blocks are all its own decodes into at most its own size; beyond that, sharing may add this much.
inline constexpr size_t kMaxSharedBlockBytes = size_t{256} << 20;

enum CellFlags : uint32_t { kFlagExtra = 1, kFlagZ = 2, kFlagDamaged = 4 };

struct TemplateHeader {
    int32_t gridWidth = 0;
    int32_t gridHeight = 0;
    int32_t cellW = 0;
    int32_t cellH = 0;
};

// One cell as it lies in the file; the spans point into the file's bytes.
struct CellView {
    int slot = 0;
    int32_t x = 0, y = 0;
    int32_t extraX = 0, extraY = 0, extraWidth = 0, extraHeight = 0;
    uint8_t flags = 0;  // only the low byte of the flags counts
    uint8_t height = 0, terrainCode = 0, rampType = 0;
    uint8_t leftRadar[3] = {}, rightRadar[3] = {};
    std::span<const uint8_t> diamond, zData, extraImage, extraZData;
};

// The header when the buffer holds at least 16 bytes.
bool ReadTemplateHeader(std::span<const uint8_t> bytes, TemplateHeader& header);

// Walks the non-empty slots in index order, checking every cell and block against the buffer.
// Stops at the first malformed cell with a reason; cells visited before it were already passed on.
bool ForEachCell(std::span<const uint8_t> bytes, const std::function<void(const CellView&)>& visit,
                 std::string& error);

struct LoadedTemplate {
    GameKind family = kNoGame;
    int cellW = 0;
    int cellH = 0;
    std::vector<TileRecord> tiles;  // slot order; their blocks share one allocation
};

// Reads a template file. On failure, error says why and out.tiles holds the tiles read before it;
// a file whose tiles would take more than its own size or kMaxSharedBlockBytes is refused whole.
bool DecodeTemplate(std::span<const uint8_t> bytes, LoadedTemplate& out, std::string& error);
// A tile with copies of the cell's blocks, taken from `blocks`.
TileRecord TileFromCell(const CellView& cell, const BlockAllocator<uint8_t>& blocks = {});

// Generates the Z data (and extra Z data) that tiles lack, as every save does first.
void PrepareZData(std::vector<TileRecord>& tiles, int cellW, int cellH);

struct SaveOptions {
    std::string signature;     // written after the index when not empty
    bool leaveZOut = false;
};

// Grid slot of a tile: column (X + 2Y) / cellW and row (2Y - X) / cellW, truncating toward zero.
void SlotOfTile(const TileRecord& tile, int cellW, int64_t& column, int64_t& row);

// Lays the tiles out as a template file. Fails with a reason for a tile outside the grid, a grid
// of more than 10000 cells, or a tile whose blocks do not match its sizes.
bool EncodeTemplate(const std::vector<TileRecord>& tiles, int cellW, int cellH, const SaveOptions& options,
                    std::vector<uint8_t>& out, std::string& error);

}  // namespace zelt
