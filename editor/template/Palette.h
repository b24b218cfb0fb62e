// Palette files (768 bytes of 6-bit red, green, blue) and the 256-entry colour table made from them.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zelt {

using PaletteTable = std::array<uint32_t, 256>;  // 0x00RRGGBB
inline constexpr size_t kPaletteFileSize = 768;

// Each component times 4, kept to its low 8 bits. Only a buffer of exactly 768 bytes is a palette.
std::optional<PaletteTable> DecodePalette(std::span<const uint8_t> bytes);
std::optional<PaletteTable> LoadPaletteFile(const std::string& path);

// The first index with the smallest weighted distance 30*dR^2 + 59*dG^2 + 11*dB^2.
int NearestPaletteIndex(uint32_t colour, const PaletteTable& table);

}  // namespace zelt
