// Decoders written apart from the encoders, so that a round trip checks the files, not the code against
// itself.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "tools/artgen/Bytes.h"
#include "tools/artgen/Image.h"

namespace zelt::artgen::testing {

struct DecodeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// 24-bit bitmap file; the pixels come back opaque.
Image DecodeBmp24(const Bytes& file);

struct IconEntry {
    int directoryWidth = 0;  // as the directory states it (0 means 256)
    int bitCount = 0;
    Image image;                    // colour and alpha from the 32-bit rows
    std::vector<bool> transparent;  // from the AND mask, top row first
};
std::vector<IconEntry> DecodeIco(const Bytes& file);

// The indices of LZW codes as a GIF packs them.
std::vector<uint8_t> LzwDecode(const Bytes& codes, int minCodeSize);

struct GifPicture {
    int colourTableSize = 0;
    Image image;  // opaque colours from the global table
};
GifPicture DecodeGif(const Bytes& file);

// PNG with stored deflate blocks only, 8-bit RGBA; checks every chunk's CRC and the Adler-32.
Image DecodeStoredPng(const Bytes& file);

}  // namespace zelt::artgen::testing
