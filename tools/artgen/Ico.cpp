#include "tools/artgen/Ico.h"

#include <stdexcept>

namespace zelt::artgen {

namespace {

constexpr uint32_t kDirectorySize = 6;
constexpr uint32_t kEntrySize = 16;
constexpr uint32_t kInfoHeaderSize = 40;

// Header, colour rows and mask rows, both bottom-up; the header's height counts both.
Bytes EncodeEntry(const Image& image) {
    const auto side = static_cast<uint32_t>(image.width);
    const uint32_t maskStride = (side + 31) / 32 * 4;
    Bytes out;
    Put32(out, kInfoHeaderSize);
    Put32(out, side);
    Put32(out, 2 * side);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, side * side * 4 + maskStride * side);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.height - 1; y >= 0; --y)
        for (int x = 0; x < image.width; ++x) Put32(out, image.At(x, y));  // B, G, R, A in memory
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(maskStride, 0);
        // A set bit leaves the screen showing: used by systems that ignore alpha.
        for (int x = 0; x < image.width; ++x)
            if ((image.At(x, y) >> 24) < 128) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

Bytes EncodeIco(const std::vector<Image>& images) {
    std::vector<Bytes> entries;
    for (const Image& image : images) {
        if (image.width != image.height || image.width < 1 || image.width > 256)
            throw std::invalid_argument("an icon image must be square and 1 to 256 pixels wide");
        entries.push_back(EncodeEntry(image));
    }
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);  // icon
    Put16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = kDirectorySize + kEntrySize * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const uint32_t side = static_cast<uint32_t>(images[i].width);
        Put8(out, side == 256 ? 0 : side);
        Put8(out, side == 256 ? 0 : side);
        Put8(out, 0);  // no palette
        Put8(out, 0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<uint32_t>(entries[i].size()));
        Put32(out, offset);
        offset += static_cast<uint32_t>(entries[i].size());
    }
    for (const Bytes& entry : entries) out.insert(out.end(), entry.begin(), entry.end());
    return out;
}

}  // namespace zelt::artgen
