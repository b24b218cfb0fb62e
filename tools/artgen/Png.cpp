#include "tools/artgen/Png.h"

#include <algorithm>
#include <array>

namespace zelt::artgen {

namespace {

constexpr size_t kMaxStoredBlock = 65535;

std::array<uint32_t, 256> CrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
    Put32BigEndian(out, static_cast<uint32_t>(data.size()));
    Bytes body;
    PutText(body, type);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    Put32BigEndian(out, Crc32(body.data(), body.size()));
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size) {
    static const std::array<uint32_t, 256> table = CrcTable();
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

uint32_t Adler32(const uint8_t* data, size_t size) {
    uint32_t a = 1, b = 0;
    for (size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

Bytes EncodePng(const Image& image) {
    Bytes raw;  // each row: filter type 0, then R, G, B, A
    for (int y = 0; y < image.height; ++y) {
        Put8(raw, 0);
        for (int x = 0; x < image.width; ++x) {
            const uint32_t pixel = image.At(x, y);
            Put8(raw, pixel >> 16);
            Put8(raw, pixel >> 8);
            Put8(raw, pixel);
            Put8(raw, pixel >> 24);
        }
    }
    Bytes zlib = {0x78, 0x01};
    size_t at = 0;
    do {
        const size_t length = std::min(kMaxStoredBlock, raw.size() - at);
        const bool last = at + length == raw.size();
        Put8(zlib, last ? 1 : 0);
        Put16(zlib, static_cast<uint32_t>(length));
        Put16(zlib, static_cast<uint32_t>(~length & 0xFFFF));
        zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                    raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < raw.size());
    Put32BigEndian(zlib, Adler32(raw.data(), raw.size()));

    Bytes header;
    Put32BigEndian(header, static_cast<uint32_t>(image.width));
    Put32BigEndian(header, static_cast<uint32_t>(image.height));
    Put8(header, 8);  // bits per channel
    Put8(header, 6);  // RGBA
    Put8(header, 0);
    Put8(header, 0);
    Put8(header, 0);

    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", zlib);
    PutChunk(out, "IEND", {});
    return out;
}

}  // namespace zelt::artgen
