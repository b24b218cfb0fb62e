#include "tools/artgen/Gif.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

namespace zelt::artgen {

namespace {

constexpr int kMaxCodeBits = 12;
constexpr uint32_t kMaxCodes = 1u << kMaxCodeBits;

class BitPacker {
  public:
    void Write(uint32_t code, int bits) {
        buffer_ |= code << count_;
        count_ += bits;
        while (count_ >= 8) {
            out_.push_back(static_cast<uint8_t>(buffer_));
            buffer_ >>= 8;
            count_ -= 8;
        }
    }
    Bytes Finish() {
        if (count_ > 0) out_.push_back(static_cast<uint8_t>(buffer_));
        buffer_ = 0;
        count_ = 0;
        return std::move(out_);
    }

  private:
    Bytes out_;
    uint32_t buffer_ = 0;
    int count_ = 0;
};

}  // namespace

Bytes LzwEncode(const std::vector<uint8_t>& indices, int minCodeSize) {
    const uint32_t clearCode = 1u << minCodeSize;
    const uint32_t endCode = clearCode + 1;
    BitPacker packer;
    std::unordered_map<uint32_t, uint32_t> table;  // (prefix code << 8 | next index) -> code
    int codeBits = minCodeSize + 1;
    uint32_t lastCode = endCode;  // the most recently assigned code
    // The decoder adds its table entries one code later than the encoder; right after a clear
    // code it adds none, which matters for the width of the end code.
    bool firstAfterClear = true;

    packer.Write(clearCode, codeBits);
    if (indices.empty()) {
        packer.Write(endCode, codeBits);
        return packer.Finish();
    }
    uint32_t prefix = indices[0];
    for (size_t i = 1; i < indices.size(); ++i) {
        const uint32_t key = prefix << 8 | indices[i];
        if (const auto found = table.find(key); found != table.end()) {
            prefix = found->second;
            continue;
        }
        packer.Write(prefix, codeBits);
        firstAfterClear = false;
        table.emplace(key, ++lastCode);
        if (lastCode >= (1u << codeBits) && codeBits < kMaxCodeBits) ++codeBits;
        if (lastCode == kMaxCodes - 1) {
            packer.Write(clearCode, codeBits);
            table.clear();
            codeBits = minCodeSize + 1;
            lastCode = endCode;
            firstAfterClear = true;
        }
        prefix = indices[i];
    }
    packer.Write(prefix, codeBits);
    // The decoder adds an entry on reading that last code and may widen its codes before the end code.
    if (!firstAfterClear && lastCode + 1 >= (1u << codeBits) && codeBits < kMaxCodeBits) ++codeBits;
    packer.Write(endCode, codeBits);
    return packer.Finish();
}

Bytes EncodeGif(const Image& image) {
    std::vector<uint32_t> colours;
    for (uint32_t pixel : image.pixels) colours.push_back(pixel & 0xFFFFFFu);
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    if (colours.size() > 256) throw std::invalid_argument("a GIF picture may hold at most 256 colours");

    int tableBits = 1;
    while ((1u << tableBits) < colours.size()) ++tableBits;
    const int minCodeSize = std::max(2, tableBits);

    std::vector<uint8_t> indices;
    indices.reserve(image.pixels.size());
    for (uint32_t pixel : image.pixels) {
        const auto at = std::lower_bound(colours.begin(), colours.end(), pixel & 0xFFFFFFu);
        indices.push_back(static_cast<uint8_t>(at - colours.begin()));
    }

    Bytes out;
    PutText(out, "GIF89a");
    Put16(out, static_cast<uint32_t>(image.width));
    Put16(out, static_cast<uint32_t>(image.height));
    Put8(out, 0x80u | static_cast<uint32_t>(tableBits - 1) << 4 | static_cast<uint32_t>(tableBits - 1));
    Put8(out, 0);  // background colour index
    Put8(out, 0);  // square pixels
    for (uint32_t i = 0; i < (1u << tableBits); ++i) {
        const uint32_t colour = i < colours.size() ? colours[i] : 0;
        Put8(out, colour >> 16);
        Put8(out, colour >> 8);
        Put8(out, colour);
    }
    Put8(out, 0x2C);  // image descriptor
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, static_cast<uint32_t>(image.width));
    Put16(out, static_cast<uint32_t>(image.height));
    Put8(out, 0);  // no local table, not interlaced
    Put8(out, static_cast<uint32_t>(minCodeSize));
    const Bytes codes = LzwEncode(indices, minCodeSize);
    for (size_t at = 0; at < codes.size(); at += 255) {
        const size_t length = std::min<size_t>(255, codes.size() - at);
        Put8(out, static_cast<uint32_t>(length));
        out.insert(out.end(), codes.begin() + static_cast<std::ptrdiff_t>(at),
                   codes.begin() + static_cast<std::ptrdiff_t>(at + length));
    }
    Put8(out, 0);     // end of the image data
    Put8(out, 0x3B);  // trailer
    return out;
}

}  // namespace zelt::artgen
