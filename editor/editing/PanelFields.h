// The numbers of the tile properties panel's fields. Positions are shown in half cells; a typed
// half-cell count becomes pixels. Both ways are computed in 64 bits, so no value of a tile or of a
// field can overflow on the way.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace zelt {

// The signed number of a field's text: blanks, an optional '-', digits. Text without a number (empty,
// a lone '-') reads as 0; a number beyond 64 bits reads as none.
std::optional<int64_t> ReadFieldNumber(std::string_view text);

// n half cells of a cell size in pixels (n * cell / 2, truncating); none when it does not fit in 32 bits.
std::optional<int32_t> PixelsOfHalfCells(int64_t halfCells, int cell);

// A position in pixels as half cells (pixels * 2 / cell, truncating); 0 for a cell size of 0.
int64_t HalfCellsOfPixels(int32_t pixels, int cell);

// The value as a 32-bit field; none when it does not fit.
std::optional<int32_t> FitInt32(int64_t value);

}  // namespace zelt
