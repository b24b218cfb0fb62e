#include "editor/interchange/Bmp24.h"

#include "editor/template/ByteReader.h"

namespace zelt {

namespace {
constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int64_t kMaxSide = 1 << 16;

size_t RowStride(int width) { return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3}; }

void Store16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
}  // namespace

std::vector<uint8_t> EncodeBmp24(const ColourImage& image) {
    const size_t stride = RowStride(image.width);
    const size_t pixelBytes = stride * static_cast<size_t>(image.height);
    std::vector<uint8_t> out(kFileHeaderSize + kInfoHeaderSize + pixelBytes, 0);
    uint8_t* h = out.data();
    h[0] = 'B';
    h[1] = 'M';
    StoreI32(h + 2, static_cast<int32_t>(out.size()));
    StoreI32(h + 10, kFileHeaderSize + kInfoHeaderSize);
    uint8_t* info = h + kFileHeaderSize;
    StoreI32(info, kInfoHeaderSize);
    StoreI32(info + 4, image.width);
    StoreI32(info + 8, image.height);  // positive: bottom row first
    Store16(info + 12, 1);
    Store16(info + 14, 24);
    StoreI32(info + 20, static_cast<int32_t>(pixelBytes));
    StoreI32(info + 24, 2835);
    StoreI32(info + 28, 2835);
    for (int y = 0; y < image.height; ++y) {
        uint8_t* row = out.data() + kFileHeaderSize + kInfoHeaderSize + stride * (image.height - 1 - y);
        for (int x = 0; x < image.width; ++x) {
            const uint32_t c = image.GetPixel(x, y);
            row[3 * x] = static_cast<uint8_t>(c);
            row[3 * x + 1] = static_cast<uint8_t>(c >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(c >> 16);
        }
    }
    return out;
}

std::optional<ColourImage> DecodeBmp24(std::span<const uint8_t> bytes) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    const uint8_t* info = bytes.data() + kFileHeaderSize;
    const int32_t pixelOffset = LoadI32(bytes.data() + 10);
    const int32_t infoSize = LoadI32(info);
    const int64_t width = LoadI32(info + 4);
    int64_t height = LoadI32(info + 8);
    const int planes = info[12] | info[13] << 8, bits = info[14] | info[15] << 8;
    const int32_t compression = LoadI32(info + 16);
    if (infoSize < kInfoHeaderSize || planes != 1 || bits != 24 || compression != 0) return std::nullopt;
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;
    const size_t stride = RowStride(static_cast<int>(width));
    if (!RangeInside(pixelOffset, static_cast<int64_t>(stride) * height, bytes.size())) return std::nullopt;
    ColourImage image(static_cast<int>(width), static_cast<int>(height));
    for (int y = 0; y < image.height; ++y) {
        const int fileRow = topDown ? y : image.height - 1 - y;
        const uint8_t* row = bytes.data() + pixelOffset + stride * fileRow;
        for (int x = 0; x < image.width; ++x) {
            image.SetPixel(x, y, uint32_t{row[3 * x + 2]} << 16 | uint32_t{row[3 * x + 1]} << 8 | row[3 * x]);
        }
    }
    return image;
}

}  // namespace zelt
