#include <cstdint>
#include <span>
#include <string>

#include "editor/interchange/BmpFile.h"

// Any bytes: reading either fails with a reason or gives a picture whose parts agree, which writes
// back and reads again to the same colours.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    zelt::Picture picture;
    std::string error;
    if (!zelt::DecodeBmp(std::span<const uint8_t>(data, size), picture, error)) return 0;
    const size_t pixels =
        static_cast<size_t>(picture.colours.width) * static_cast<size_t>(picture.colours.height);
    if (picture.colours.pixels.size() != pixels) __builtin_trap();
    if (picture.Indexed() && (picture.indexes.size() != pixels || picture.palette.empty())) __builtin_trap();
    zelt::Picture again;
    if (!zelt::DecodeBmp(zelt::EncodeBmp(picture), again, error) ||
        again.colours.pixels != picture.colours.pixels)
        __builtin_trap();
    return 0;
}
