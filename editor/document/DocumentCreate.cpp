#include "editor/document/DocumentCreate.h"

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFlows.h"
#include "editor/document/DocumentUi.h"
#include "editor/document/ViewFlags.h"
#include "editor/template/TemplateFile.h"
#include "editor/template/TileLayout.h"

namespace zelt {

bool CreateTemplate(GameKind kind, int rows, int columns, int terrainNameIndex) {
    const CellSize cell = CellSizeOf(kind);
    const std::optional<int> terrainCode = TerrainCodeOfName(terrainNameIndex);
    if (FamilyOfCellSize(cell.w, cell.h) == kNoGame || !terrainCode) {
        RequestRefresh(kRefreshAll);
        return false;
    }
    // A grid larger than a file can hold could never be saved.
    if (rows < 0 || columns < 0 || int64_t{rows} * columns > kMaxTemplateCells) return false;
    // A modified document is closed only with the user's consent.
    if (Doc().open && !CloseFlow()) return false;
    ReleaseDocumentContents();

    TemplateDocument& doc = Doc();
    doc.gameKind = kind;
    doc.cellW = cell.w;
    doc.cellH = cell.h;
    doc.tiles.reserve(static_cast<size_t>(rows) * static_cast<size_t>(columns));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            TileRecord tile;
            tile.x = (c - r) * cell.w / 2;
            tile.y = (c + r) * cell.h / 2;
            tile.terrainCode = *terrainCode;
            tile.diamond.assign(static_cast<size_t>(DiamondSize(cell.w, cell.h)), 0);
            GenerateZData(tile, cell.w, cell.h);
            doc.tiles.push_back(std::move(tile));
        }
    }
    doc.open = true;
    doc.modified = true;
    doc.selected = 0;
    doc.fileName.clear();
    ResetUndo();
    Views().stripCurrentTile = 0;
    RequestRefresh(kRefreshAll | kRefreshHotButtons);
    return true;
}

}  // namespace zelt
