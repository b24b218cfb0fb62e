// PNG files with stored (uncompressed) deflate blocks: previews of the artwork for people, not resources.
#pragma once
#include "tools/artgen/Bytes.h"
#include "tools/artgen/Image.h"

namespace zelt::artgen {

uint32_t Crc32(const uint8_t* data, size_t size);
uint32_t Adler32(const uint8_t* data, size_t size);

// 8-bit RGBA, non-interlaced.
Bytes EncodePng(const Image& image);

}  // namespace zelt::artgen
