#include "editor/template/Palette.h"

#include "editor/template/FileBytes.h"

namespace zelt {

std::optional<PaletteTable> DecodePalette(std::span<const uint8_t> bytes) {
    if (bytes.size() != kPaletteFileSize) return std::nullopt;
    PaletteTable table{};
    for (size_t i = 0; i < table.size(); ++i) {
        uint32_t r = static_cast<uint8_t>(bytes[3 * i] * 4);
        uint32_t g = static_cast<uint8_t>(bytes[3 * i + 1] * 4);
        uint32_t b = static_cast<uint8_t>(bytes[3 * i + 2] * 4);
        table[i] = r << 16 | g << 8 | b;
    }
    return table;
}

std::optional<PaletteTable> LoadPaletteFile(const std::string& path) {
    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return DecodePalette(*bytes);
}

int NearestPaletteIndex(uint32_t colour, const PaletteTable& table) {
    const int r = (colour >> 16) & 0xFF, g = (colour >> 8) & 0xFF, b = colour & 0xFF;
    int64_t best = 1266036750;
    int bestIndex = 0;
    for (int i = 0; i < 256; ++i) {
        const int dr = static_cast<int>((table[i] >> 16) & 0xFF) - r;
        const int dg = static_cast<int>((table[i] >> 8) & 0xFF) - g;
        const int db = static_cast<int>(table[i] & 0xFF) - b;
        const int64_t distance = 30LL * dr * dr + 59LL * dg * dg + 11LL * db * db;
        if (distance < best) {
            best = distance;
            bestIndex = i;
        }
    }
    return bestIndex;
}

}  // namespace zelt
