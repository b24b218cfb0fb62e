#include "tests/artgen/Decoders.h"

#include <string>

namespace zelt::artgen::testing {

namespace {

// Bounded little-endian (or big-endian) reading.
class Reader {
  public:
    explicit Reader(const Bytes& bytes, size_t at = 0) : bytes_(bytes), at_(at) {}
    uint32_t U8() {
        Need(1);
        return bytes_[at_++];
    }
    uint32_t U16() {
        const uint32_t low = U8();
        return low | U8() << 8;
    }
    uint32_t U32() {
        const uint32_t low = U16();
        return low | U16() << 16;
    }
    uint32_t U32BigEndian() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = v << 8 | U8();
        return v;
    }
    std::string Text(size_t n) {
        Need(n);
        std::string s(bytes_.begin() + static_cast<std::ptrdiff_t>(at_),
                      bytes_.begin() + static_cast<std::ptrdiff_t>(at_ + n));
        at_ += n;
        return s;
    }
    Bytes Take(size_t n) {
        Need(n);
        Bytes out(bytes_.begin() + static_cast<std::ptrdiff_t>(at_),
                  bytes_.begin() + static_cast<std::ptrdiff_t>(at_ + n));
        at_ += n;
        return out;
    }
    void Seek(size_t at) {
        if (at > bytes_.size()) throw DecodeError("seek past the end");
        at_ = at;
    }
    size_t Position() const { return at_; }
    bool AtEnd() const { return at_ == bytes_.size(); }

  private:
    void Need(size_t n) const {
        if (n > bytes_.size() - at_) throw DecodeError("unexpected end of data");
    }
    const Bytes& bytes_;
    size_t at_;
};

void Expect(bool condition, const char* what) {
    if (!condition) throw DecodeError(what);
}

uint32_t Crc(const uint8_t* data, size_t size) {
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        c ^= data[i];
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
    }
    return ~c;
}

}  // namespace

Image DecodeBmp24(const Bytes& file) {
    Reader r(file);
    Expect(r.Text(2) == "BM", "no BM signature");
    Expect(r.U32() == file.size(), "file size field");
    r.U32();
    const uint32_t offset = r.U32();
    Expect(r.U32() == 40, "not a BITMAPINFOHEADER");
    const int width = static_cast<int>(r.U32());
    const int height = static_cast<int>(r.U32());
    Expect(width > 0 && height > 0 && width <= 4096 && height <= 4096, "size");
    Expect(r.U16() == 1, "planes");
    Expect(r.U16() == 24, "bit count");
    Expect(r.U32() == 0, "compression");
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    Expect(r.U32() == stride * static_cast<size_t>(height), "image size field");
    r.Seek(offset);
    Image image(width, height);
    for (int y = height - 1; y >= 0; --y) {
        const Bytes row = r.Take(stride);
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = &row[static_cast<size_t>(x) * 3];
            image.Set(x, y, 0xFF000000u | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]);
        }
    }
    Expect(r.AtEnd(), "trailing bytes");
    return image;
}

std::vector<IconEntry> DecodeIco(const Bytes& file) {
    Reader r(file);
    Expect(r.U16() == 0 && r.U16() == 1, "not an icon directory");
    const uint32_t count = r.U16();
    std::vector<IconEntry> entries;
    for (uint32_t i = 0; i < count; ++i) {
        Reader d(file, 6 + 16 * i);
        IconEntry entry;
        entry.directoryWidth = static_cast<int>(d.U8());
        const uint32_t directoryHeight = d.U8();
        Expect(directoryHeight == static_cast<uint32_t>(entry.directoryWidth), "directory height");
        d.U8();
        d.U8();
        Expect(d.U16() == 1, "directory planes");
        entry.bitCount = static_cast<int>(d.U16());
        const uint32_t size = d.U32();
        const uint32_t offset = d.U32();
        Expect(offset <= file.size() && size <= file.size() - offset, "entry outside the file");

        Reader e(file, offset);
        Expect(e.U32() == 40, "not a BITMAPINFOHEADER");
        const int side = static_cast<int>(e.U32());
        Expect(side == (entry.directoryWidth == 0 ? 256 : entry.directoryWidth),
               "width differs from directory");
        Expect(e.U32() == 2u * static_cast<uint32_t>(side), "height is not twice the width");
        Expect(e.U16() == 1, "planes");
        Expect(e.U16() == 32 && entry.bitCount == 32, "not 32 bits per pixel");
        Expect(e.U32() == 0, "compression");
        e.Seek(offset + 40);
        entry.image = Image(side, side);
        for (int y = side - 1; y >= 0; --y)
            for (int x = 0; x < side; ++x) entry.image.Set(x, y, e.U32());
        const size_t maskStride = (static_cast<size_t>(side) + 31) / 32 * 4;
        entry.transparent.assign(static_cast<size_t>(side) * side, false);
        for (int y = side - 1; y >= 0; --y) {
            const Bytes row = e.Take(maskStride);
            for (int x = 0; x < side; ++x)
                entry.transparent[static_cast<size_t>(y) * side + x] = (row[x / 8] >> (7 - x % 8)) & 1;
        }
        Expect(e.Position() == offset + size, "entry size field");
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<uint8_t> LzwDecode(const Bytes& codes, int minCodeSize) {
    const uint32_t clearCode = 1u << minCodeSize;
    const uint32_t endCode = clearCode + 1;
    std::vector<std::vector<uint8_t>> table;
    auto reset = [&] {
        table.clear();
        for (uint32_t i = 0; i < clearCode; ++i) table.push_back({static_cast<uint8_t>(i)});
        table.push_back({});  // clear
        table.push_back({});  // end
    };
    reset();
    int codeBits = minCodeSize + 1;
    size_t bitPosition = 0;
    auto read = [&]() -> uint32_t {
        uint32_t code = 0;
        for (int i = 0; i < codeBits; ++i, ++bitPosition) {
            Expect(bitPosition / 8 < codes.size(), "codes end without an end code");
            code |= uint32_t((codes[bitPosition / 8] >> (bitPosition % 8)) & 1) << i;
        }
        return code;
    };
    std::vector<uint8_t> out;
    int previous = -1;
    for (;;) {
        const uint32_t code = read();
        if (code == clearCode) {
            reset();
            codeBits = minCodeSize + 1;
            previous = -1;
            continue;
        }
        if (code == endCode) break;
        std::vector<uint8_t> entry;
        if (code < table.size()) {
            entry = table[code];
            Expect(!entry.empty(), "clear or end code used as data");
        } else {
            Expect(code == table.size() && previous >= 0, "code not yet defined");
            entry = table[static_cast<size_t>(previous)];
            entry.push_back(entry.front());
        }
        if (previous >= 0 && table.size() < 4096) {
            std::vector<uint8_t> added = table[static_cast<size_t>(previous)];
            added.push_back(entry.front());
            table.push_back(std::move(added));
        }
        if (table.size() == (1u << codeBits) && codeBits < 12) ++codeBits;
        out.insert(out.end(), entry.begin(), entry.end());
        previous = static_cast<int>(code);
    }
    Expect((bitPosition + 7) / 8 == codes.size(), "bytes after the end code");
    return out;
}

GifPicture DecodeGif(const Bytes& file) {
    Reader r(file);
    Expect(r.Text(6) == "GIF89a", "no GIF89a signature");
    const int width = static_cast<int>(r.U16());
    const int height = static_cast<int>(r.U16());
    const uint32_t flags = r.U8();
    r.U8();
    r.U8();
    Expect((flags & 0x80) != 0, "no global colour table");
    GifPicture picture;
    picture.colourTableSize = 1 << ((flags & 7) + 1);
    std::vector<uint32_t> colours;
    for (int i = 0; i < picture.colourTableSize; ++i) {
        const uint32_t red = r.U8(), green = r.U8(), blue = r.U8();
        colours.push_back(0xFF000000u | red << 16 | green << 8 | blue);
    }
    Expect(r.U8() == 0x2C, "no image descriptor");
    Expect(r.U16() == 0 && r.U16() == 0, "image not at the origin");
    Expect(static_cast<int>(r.U16()) == width && static_cast<int>(r.U16()) == height, "image size");
    Expect(r.U8() == 0, "local table or interlacing");
    const int minCodeSize = static_cast<int>(r.U8());
    Expect(minCodeSize >= 2 && minCodeSize <= 8, "minimum code size");
    Bytes codes;
    for (uint32_t length = r.U8(); length != 0; length = r.U8()) {
        const Bytes block = r.Take(length);
        codes.insert(codes.end(), block.begin(), block.end());
    }
    Expect(r.U8() == 0x3B && r.AtEnd(), "no trailer");
    const std::vector<uint8_t> indices = LzwDecode(codes, minCodeSize);
    Expect(indices.size() == static_cast<size_t>(width) * height, "pixel count");
    picture.image = Image(width, height);
    for (size_t i = 0; i < indices.size(); ++i) {
        Expect(indices[i] < colours.size(), "index outside the colour table");
        picture.image.pixels[i] = colours[indices[i]];
    }
    return picture;
}

Image DecodeStoredPng(const Bytes& file) {
    Reader r(file);
    Expect(r.Take(8) == Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, "no PNG signature");
    int width = 0, height = 0;
    Bytes zlib;
    for (bool end = false; !end;) {
        const uint32_t length = r.U32BigEndian();
        const size_t start = r.Position();
        const std::string type = r.Text(4);
        const Bytes data = r.Take(length);
        Expect(r.U32BigEndian() == Crc(&file[start], length + 4), "chunk CRC");
        if (type == "IHDR") {
            Reader h(data);
            width = static_cast<int>(h.U32BigEndian());
            height = static_cast<int>(h.U32BigEndian());
            Expect(h.U8() == 8 && h.U8() == 6, "not 8-bit RGBA");
        } else if (type == "IDAT") {
            zlib.insert(zlib.end(), data.begin(), data.end());
        } else if (type == "IEND") {
            end = true;
        }
    }
    Expect(r.AtEnd(), "bytes after IEND");
    Reader z(zlib);
    Expect(z.U8() == 0x78 && z.U8() == 0x01, "zlib header");
    Bytes raw;
    for (bool last = false; !last;) {
        const uint32_t header = z.U8();
        Expect((header & 6) == 0, "not a stored block");
        last = header & 1;
        const uint32_t length = z.U16();
        Expect(z.U16() == (~length & 0xFFFF), "stored block length check");
        const Bytes block = z.Take(length);
        raw.insert(raw.end(), block.begin(), block.end());
    }
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    Expect(z.U32BigEndian() == (b << 16 | a) && z.AtEnd(), "Adler-32");
    const size_t stride = static_cast<size_t>(width) * 4 + 1;
    Expect(raw.size() == stride * height, "image data size");
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = &raw[stride * y];
        Expect(row[0] == 0, "row filter");
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = row + 1 + 4 * x;
            image.Set(x, y, uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]);
        }
    }
    return image;
}

}  // namespace zelt::artgen::testing
