#include "editor/editing/PanelFields.h"

#include <limits>

namespace zelt {

std::optional<int64_t> ReadFieldNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    uint64_t magnitude = 0;
    const uint64_t limit = negative ? uint64_t{1} << 63 : uint64_t{std::numeric_limits<int64_t>::max()};
    for (char c : text) {
        if (c < '0' || c > '9') break;
        const auto digit = static_cast<uint64_t>(c - '0');
        if (magnitude > (limit - digit) / 10) return std::nullopt;
        magnitude = magnitude * 10 + digit;
    }
    if (!negative) return static_cast<int64_t>(magnitude);
    return magnitude == uint64_t{1} << 63 ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(magnitude);
}

std::optional<int32_t> FitInt32(int64_t value) {
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<int32_t> PixelsOfHalfCells(int64_t halfCells, int cell) {
    // Beyond this no product of a cell size (at most a few dozen pixels) stays inside 32 bits.
    constexpr int64_t kLimit = int64_t{1} << 40;
    if (halfCells > kLimit || halfCells < -kLimit || cell < 0 || cell > (1 << 16)) return std::nullopt;
    return FitInt32(halfCells * cell / 2);
}

int64_t HalfCellsOfPixels(int32_t pixels, int cell) {
    if (cell == 0) return 0;
    return int64_t{pixels} * 2 / cell;
}

}  // namespace zelt
