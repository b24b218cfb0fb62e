#include "editor/template/PaletteGrid.h"

namespace zelt {

std::optional<PaletteGrid> PaletteGridFor(int clientWidth, int clientHeight, const PaletteGridFrame& frame) {
    const double cellWidth = (clientWidth - frame.spareWidth) / 16.0;
    const double cellHeight = (clientHeight - frame.spareHeight) / 16.0;
    if (cellWidth < 1.0 || cellHeight < 1.0) return std::nullopt;
    return PaletteGrid{cellWidth, cellHeight, static_cast<int>(16 * cellWidth),
                       static_cast<int>(16 * cellHeight)};
}

GridCell PaletteGridCell(const PaletteGrid& grid, int row, int column) {
    return GridCell{static_cast<int>(column * grid.cellWidth), static_cast<int>(row * grid.cellHeight),
                    static_cast<int>(grid.cellWidth - 1), static_cast<int>(grid.cellHeight - 1)};
}

GridButton PaletteCloseButtonPosition(int clientWidth, int clientHeight, const PaletteGridFrame& frame) {
    return GridButton{(clientWidth - frame.buttonWidth) / 2, clientHeight - frame.buttonFromBottom};
}

}  // namespace zelt
