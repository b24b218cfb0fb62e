// BMP files of 8 (palette), 24 and 32 bits per pixel, uncompressed, to and from pictures.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "editor/interchange/Picture.h"

namespace zelt {

// Reads bottom-up and top-down files of 8, 24 or 32 bits (32-bit also with the plain red, green and
// blue masks). Anything else, or a file whose pixels lie outside it, is refused with a reason.
bool DecodeBmp(std::span<const uint8_t> bytes, Picture& out, std::string& error);
// An 8-bit file when the picture is indexed, otherwise a 24-bit file.
std::vector<uint8_t> EncodeBmp(const Picture& picture);

}  // namespace zelt
