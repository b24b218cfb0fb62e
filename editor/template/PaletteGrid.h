// The 16 x 16 grid of the palette preview: one cell per palette entry, sized from the client area.
#pragma once
#include <optional>

namespace zelt {

inline constexpr int kPaletteGridLeft = 10;  // where the grid is drawn in the client area
inline constexpr int kPaletteGridTop = 10;

struct PaletteGrid {
    double cellWidth;
    double cellHeight;
    int width;  // of the whole grid: 16 cells, truncated
    int height;
};

struct GridCell {
    int x, y, width, height;
};

// Cells of (client width - 20) / 16 by (client height - 50) / 16 pixels; none when a cell would be
// less than one pixel either way, so nothing is drawn rather than a grid of empty or negative size.
std::optional<PaletteGrid> PaletteGridFor(int clientWidth, int clientHeight);

// The rectangle of entry 16 x row + column: one pixel less than the cell each way, leaving the lines.
GridCell PaletteGridCell(const PaletteGrid& grid, int row, int column);

// The Close button's top-left corner under the grid, centred.
struct GridButton {
    int x, y;
};
GridButton PaletteCloseButtonPosition(int clientWidth, int clientHeight);

}  // namespace zelt
