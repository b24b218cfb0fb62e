// The 16 x 16 grid of the palette preview: one cell per palette entry, sized from the client area.
#pragma once
#include <optional>

namespace zelt {

// The lengths around the grid in the client area, at 96 dots per inch unless scaled to the window's
// density.
struct PaletteGridFrame {
    int left = 10;  // where the grid is drawn
    int top = 10;
    int spareWidth = 20;   // client width the grid leaves to the margins
    int spareHeight = 50;  // client height the grid leaves to the margins and the Close button's row
    int buttonWidth = 73;  // the Close button, centred under the grid
    int buttonFromBottom = 33;
};

struct PaletteGrid {
    double cellWidth;
    double cellHeight;
    int width;  // of the whole grid: 16 cells, truncated
    int height;
};

struct GridCell {
    int x, y, width, height;
};

// Cells of (client width - spare width) / 16 by (client height - spare height) / 16 pixels; none when
// a cell would be less than one pixel either way, so nothing is drawn rather than a grid of empty or
// negative size.
std::optional<PaletteGrid> PaletteGridFor(int clientWidth, int clientHeight, const PaletteGridFrame& frame);

// The rectangle of entry 16 x row + column: one pixel less than the cell each way, leaving the lines.
GridCell PaletteGridCell(const PaletteGrid& grid, int row, int column);

// The Close button's top-left corner under the grid, centred.
struct GridButton {
    int x, y;
};
GridButton PaletteCloseButtonPosition(int clientWidth, int clientHeight, const PaletteGridFrame& frame);

}  // namespace zelt
