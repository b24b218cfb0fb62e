// The palettes beside the library, read by the icon, the thumbnail and the preview alike.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace zelt::icon {

// Reads the first 768 bytes of a palette file given relative to the library's Palettes folder
// (e.g. "RA2_YR\IsoUbn.pal"); false when it cannot.
bool ReadPaletteFile(const std::string& relative, std::vector<uint8_t>& bytes);

// A UTF-16 name in UTF-8: the palette is chosen by the name's extension, whose ASCII letters
// survive the conversion.
std::string NarrowName(const wchar_t* name);

}  // namespace zelt::icon
