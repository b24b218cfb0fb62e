// The number typed into the tile number dialog.
#pragma once
#include <optional>
#include <string_view>

namespace zelt {

// The tile number n of the text when it names a tile: decimal digits, surrounding blanks allowed,
// 1 <= n <= tileCount. None for anything else (no number, a sign, trailing text, a number too large
// for any tile), so the dialog can ask again instead of taking a default.
std::optional<int> ParseTileNumber(std::string_view text, int tileCount);

}  // namespace zelt
