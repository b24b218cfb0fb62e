// Palette files (768 bytes of 6-bit red, green, blue) and the 256-entry colour table made from them.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zelt {

using PaletteTable = std::array<uint32_t, 256>;  // 0x00RRGGBB
inline constexpr size_t kPaletteFileSize = 768;

// Each component times 4, kept to its low 8 bits. Only a buffer of exactly 768 bytes is a palette.
std::optional<PaletteTable> DecodePalette(std::span<const uint8_t> bytes);
std::optional<PaletteTable> LoadPaletteFile(const std::string& path);

// The first index with the smallest weighted distance 30*dR^2 + 59*dG^2 + 11*dB^2.
int NearestPaletteIndex(uint32_t colour, const PaletteTable& table);

// The same answer as NearestPaletteIndex, found faster for whole pictures. Colour space is cut into
// cubes of 8 x 8 x 8; each cube, when first asked, keeps the few entries that can be nearest to some
// colour inside it, and later colours of that cube are compared with those alone.
struct PaletteSearch {
    static constexpr int kCubeShift = 3;
    static constexpr int kCubesPerSide = 256 >> kCubeShift;
    PaletteTable table{};
    std::vector<int32_t> cubeStart;     // into candidates; -1 until the cube is first asked
    std::vector<uint16_t> cubeCount;
    std::vector<uint8_t> candidates;    // entry indexes, in index order within a cube
};

void PreparePaletteSearch(const PaletteTable& table, PaletteSearch& search);
int NearestPaletteIndexFast(uint32_t colour, PaletteSearch& search);

}  // namespace zelt
