#include "editor/template/Palette.h"

#include "editor/template/FileBytes.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

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

// Reading stops one byte past a palette's size, so a large file chosen by mistake is refused
// without being read whole.
std::optional<PaletteTable> LoadPaletteFile(const std::string& path) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(OpenFileForReading(path), std::fclose);
    if (!file) return std::nullopt;
    std::array<uint8_t, kPaletteFileSize + 1> bytes{};
    const size_t read = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (read != kPaletteFileSize) return std::nullopt;
    return DecodePalette(std::span<const uint8_t>(bytes.data(), read));
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

void PreparePaletteSearch(const PaletteTable& table, PaletteSearch& search) {
    constexpr size_t cubes = size_t{PaletteSearch::kCubesPerSide} * PaletteSearch::kCubesPerSide * PaletteSearch::kCubesPerSide;
    search.table = table;
    search.cubeStart.assign(cubes, -1);
    search.cubeCount.assign(cubes, 0);
    search.candidates.clear();
}

namespace {

constexpr int kWeights[3] = {30, 59, 11};  // red, green, blue

int Component(uint32_t colour, int c) { return static_cast<int>((colour >> (16 - 8 * c)) & 0xFF); }

// An entry can be nearest to some colour of the cube only if its least distance to the cube is at
// most the smallest greatest distance of any entry to it. Equal distances stay candidates, so the
// lowest index among them is still found.
void FillCube(PaletteSearch& search, size_t cube, const int low[3]) {
    const int size = 1 << PaletteSearch::kCubeShift;
    int64_t least[256], threshold = INT64_MAX;
    for (int i = 0; i < 256; ++i) {
        int64_t nearest = 0, farthest = 0;
        for (int c = 0; c < 3; ++c) {
            const int v = Component(search.table[static_cast<size_t>(i)], c), lo = low[c], hi = low[c] + size - 1;
            const int inside = v < lo ? lo - v : v > hi ? v - hi : 0;
            const int far = std::max(std::abs(v - lo), std::abs(v - hi));
            nearest += int64_t{kWeights[c]} * inside * inside;
            farthest += int64_t{kWeights[c]} * far * far;
        }
        least[i] = nearest;
        threshold = std::min(threshold, farthest);
    }
    search.cubeStart[cube] = static_cast<int32_t>(search.candidates.size());
    for (int i = 0; i < 256; ++i) {
        if (least[i] <= threshold) search.candidates.push_back(static_cast<uint8_t>(i));
    }
    search.cubeCount[cube] = static_cast<uint16_t>(search.candidates.size() - static_cast<size_t>(search.cubeStart[cube]));
}

}  // namespace

int NearestPaletteIndexFast(uint32_t colour, PaletteSearch& search) {
    constexpr int shift = PaletteSearch::kCubeShift, side = PaletteSearch::kCubesPerSide;
    const int r = Component(colour, 0), g = Component(colour, 1), b = Component(colour, 2);
    const size_t cube = (static_cast<size_t>(r >> shift) * side + static_cast<size_t>(g >> shift)) * side +
                        static_cast<size_t>(b >> shift);
    if (search.cubeStart[cube] < 0) {
        const int low[3] = {r >> shift << shift, g >> shift << shift, b >> shift << shift};
        FillCube(search, cube, low);
    }
    const uint8_t* candidate = search.candidates.data() + search.cubeStart[cube];
    int64_t best = 1266036750;
    int bestIndex = 0;
    for (int k = 0; k < search.cubeCount[cube]; ++k) {
        const uint32_t entry = search.table[candidate[k]];
        const int dr = Component(entry, 0) - r, dg = Component(entry, 1) - g, db = Component(entry, 2) - b;
        const int64_t distance = 30LL * dr * dr + 59LL * dg * dg + 11LL * db * db;
        if (distance < best) {
            best = distance;
            bestIndex = candidate[k];
        }
    }
    return bestIndex;
}

}  // namespace zelt
