// Palettes for the icon: which palette file a template uses, and its colour table.
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "iconhandler/IconTemplate.h"

namespace zelt::icon {

// 256 colours 0x00RRGGBB.
using IconPalette = std::array<uint32_t, 256>;

inline constexpr size_t kPaletteBytes = 768;

// The palette file of a template, relative to the Palettes folder, e.g. "RA2_YR\IsoUbn.pal".
// Chosen by the text after the last '.' of the whole name, ignoring case. TS/FS has only a snow
// palette of its own; an RA2/YR name with an unknown extension has none (empty result).
std::string IconPaletteFile(IconFamily family, const std::string& templateName);

// The first 768 bytes as 256 entries of 6-bit red, green, blue. Fails for fewer bytes.
bool DecodeIconPalette(std::span<const uint8_t> bytes, IconPalette& out);

}  // namespace zelt::icon
