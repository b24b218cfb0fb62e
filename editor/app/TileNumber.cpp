#include "editor/app/TileNumber.h"

#include <cstdint>

namespace zelt {

std::optional<int> ParseTileNumber(std::string_view text, int tileCount) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > tileCount) return std::nullopt;  // also stops before any overflow
    }
    if (value < 1) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace zelt
