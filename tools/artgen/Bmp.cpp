#include "tools/artgen/Bmp.h"

namespace zelt::artgen {

namespace {
constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
}  // namespace

Bytes EncodeBmp24(const Image& image) {
    const uint32_t stride = (static_cast<uint32_t>(image.width) * 3 + 3) / 4 * 4;
    const uint32_t dataSize = stride * static_cast<uint32_t>(image.height);
    const uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    Bytes out;
    out.reserve(offset + dataSize);
    PutText(out, "BM");
    Put32(out, offset + dataSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<uint32_t>(image.width));
    Put32(out, static_cast<uint32_t>(image.height));
    Put16(out, 1);   // planes
    Put16(out, 24);  // bits per pixel
    Put32(out, 0);   // no compression
    Put32(out, dataSize);
    Put32(out, 2835);  // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const uint32_t pixel = image.At(x, y);
            Put8(out, pixel);
            Put8(out, pixel >> 8);
            Put8(out, pixel >> 16);
        }
        for (uint32_t pad = static_cast<uint32_t>(image.width) * 3; pad < stride; ++pad) Put8(out, 0);
    }
    return out;
}

}  // namespace zelt::artgen
