#include "editor/interchange/BmpFile.h"

#include "editor/interchange/Bmp24.h"
#include "editor/template/ByteReader.h"

namespace zelt {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int32_t kRgb = 0, kBitFields = 3;

int Load16(const uint8_t* p) {
    return p[0] | p[1] << 8;
}
void Store16(uint8_t* p, int v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
int64_t RowStride(int64_t width, int bits) {
    return (width * bits + 31) / 32 * 4;
}

bool Fail(std::string& error, const char* reason) {
    error = reason;
    return false;
}

}  // namespace

bool DecodeBmp(std::span<const uint8_t> bytes, Picture& out, std::string& error) {
    out = Picture{};
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M')
        return Fail(error, "not a BMP file");
    const uint8_t* info = bytes.data() + kFileHeaderSize;
    const int64_t pixelOffset = LoadI32(bytes.data() + 10);
    const int64_t infoSize = LoadI32(info);
    const int64_t width = LoadI32(info + 4);
    int64_t height = LoadI32(info + 8);
    const int planes = Load16(info + 12), bits = Load16(info + 14);
    const int32_t compression = LoadI32(info + 16);
    const int64_t usedColours = static_cast<uint32_t>(LoadI32(info + 32));
    if (infoSize < kInfoHeaderSize || !RangeInside(kFileHeaderSize, infoSize, bytes.size()) || planes != 1)
        return Fail(error, "damaged BMP header");
    if (bits != 8 && bits != 24 && bits != 32)
        return Fail(error, "only 8-, 24- and 32-bit BMP files are read");
    if (compression == kBitFields && bits == 32) {
        // The masks follow a 40-byte header; later headers hold them at the same place.
        if (!RangeInside(kFileHeaderSize + kInfoHeaderSize, 12, bytes.size()) ||
            static_cast<uint32_t>(LoadI32(info + 40)) != 0xFF0000 ||
            static_cast<uint32_t>(LoadI32(info + 44)) != 0xFF00 ||
            static_cast<uint32_t>(LoadI32(info + 48)) != 0xFF)
            return Fail(error, "only the plain colour masks of 32-bit BMP files are read");
    } else if (compression != kRgb) {
        return Fail(error, "compressed BMP files are not read");
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0) return Fail(error, "BMP size out of range");
    static_assert(kMaxPictureSide == 16384, "the reason below names the limit");
    if (width > kMaxPictureSide || height > kMaxPictureSide)
        return Fail(error, "BMP larger than 16384 x 16384 pixels");
    const int64_t stride = RowStride(width, bits);
    if (!RangeInside(pixelOffset, stride * height, bytes.size()))
        return Fail(error, "BMP pixels past the end");

    if (bits == 8) {
        const int64_t entries = usedColours == 0 ? 256 : usedColours;
        const int64_t paletteAt = kFileHeaderSize + infoSize;
        if (entries > 256 || !RangeInside(paletteAt, entries * 4, bytes.size()))
            return Fail(error, "BMP palette out of range");
        out.palette.resize(static_cast<size_t>(entries));
        for (int64_t i = 0; i < entries; ++i) {
            const uint8_t* e = bytes.data() + paletteAt + 4 * i;
            out.palette[static_cast<size_t>(i)] = uint32_t{e[2]} << 16 | uint32_t{e[1]} << 8 | e[0];
        }
        out.indexes.resize(static_cast<size_t>(width * height));
    }
    out.colours = ColourImage(static_cast<int>(width), static_cast<int>(height));
    for (int64_t y = 0; y < height; ++y) {
        const uint8_t* row = bytes.data() + pixelOffset + stride * (topDown ? y : height - 1 - y);
        uint32_t* colours = out.colours.pixels.data() + y * width;
        for (int64_t x = 0; x < width; ++x) {
            if (bits == 8) {
                const uint8_t index = row[x];
                if (index >= out.palette.size()) {
                    out = Picture{};
                    return Fail(error, "BMP pixel outside its palette");
                }
                out.indexes[static_cast<size_t>(y * width + x)] = index;
                colours[x] = out.palette[index];
            } else {
                const uint8_t* p = row + x * (bits / 8);
                colours[x] = uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
            }
        }
    }
    return true;
}

std::vector<uint8_t> EncodeBmp(const Picture& picture) {
    if (!picture.Indexed()) return EncodeBmp24(picture.colours);
    const int width = picture.colours.width, height = picture.colours.height;
    const size_t stride = static_cast<size_t>(RowStride(width, 8));
    const size_t headers = kFileHeaderSize + kInfoHeaderSize + 256 * 4;
    std::vector<uint8_t> out(headers + stride * static_cast<size_t>(height), 0);
    uint8_t* h = out.data();
    h[0] = 'B';
    h[1] = 'M';
    StoreI32(h + 2, static_cast<int32_t>(out.size()));
    StoreI32(h + 10, static_cast<int32_t>(headers));
    uint8_t* info = h + kFileHeaderSize;
    StoreI32(info, kInfoHeaderSize);
    StoreI32(info + 4, width);
    StoreI32(info + 8, height);  // positive: bottom row first
    Store16(info + 12, 1);
    Store16(info + 14, 8);
    StoreI32(info + 20, static_cast<int32_t>(stride * static_cast<size_t>(height)));
    StoreI32(info + 24, 2835);
    StoreI32(info + 28, 2835);
    StoreI32(info + 32, 256);
    for (size_t i = 0; i < 256; ++i) {
        const uint32_t c = i < picture.palette.size() ? picture.palette[i] : 0;
        uint8_t* e = info + kInfoHeaderSize + 4 * i;
        e[0] = static_cast<uint8_t>(c);
        e[1] = static_cast<uint8_t>(c >> 8);
        e[2] = static_cast<uint8_t>(c >> 16);
    }
    for (int y = 0; y < height; ++y) {
        uint8_t* row = out.data() + headers + stride * static_cast<size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) row[x] = picture.indexes[static_cast<size_t>(y) * width + x];
    }
    return out;
}

}  // namespace zelt
