// PNG through libpng.
#include <png.h>

#include <csetjmp>
#include <cstring>

#include "editor/interchange/PictureFile.h"
#include "editor/template/FileBytes.h"

namespace zelt {

namespace {

constexpr png_uint_32 kMaxSide = kMaxPictureSide;
constexpr uint64_t kMaxPixels = uint64_t{1} << 28;

struct Reader {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t at = 0;
};

void ReadBytes(png_structp png, png_bytep out, png_size_t count) {
    Reader* reader = static_cast<Reader*>(png_get_io_ptr(png));
    if (count > reader->size - reader->at) png_error(png, "PNG data past the end");
    std::memcpy(out, reader->data + reader->at, count);
    reader->at += count;
}

void WriteBytes(png_structp png, png_bytep data, png_size_t count) {
    std::vector<uint8_t>* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + count);
}
void FlushNothing(png_structp) {}

// libpng reports errors by a long jump; the message is kept for the caller.
void KeepError(png_structp png, png_const_charp message) {
    std::string* error = static_cast<std::string*>(png_get_error_ptr(png));
    if (error) *error = message;
    png_longjmp(png, 1);
}
void IgnoreWarning(png_structp, png_const_charp) {}

// Everything the decoder fills lives outside the frame that calls setjmp.
struct Decoding {
    Reader reader;
    Picture picture;
    std::vector<uint8_t> rows;
    std::vector<png_bytep> rowPointers;
};

bool Decode(Decoding& d, std::string& error) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &error, KeepError, IgnoreWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &d.reader, ReadBytes);
    png_read_info(png, info);
    png_uint_32 width = 0, height = 0;
    int depth = 0, type = 0;
    png_get_IHDR(png, info, &width, &height, &depth, &type, nullptr, nullptr, nullptr);
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide ||
        uint64_t{width} * height > kMaxPixels)
        png_error(png, "PNG size out of range");
    const bool indexed = type == PNG_COLOR_TYPE_PALETTE;
    if (indexed) {
        png_colorp entries = nullptr;
        int count = 0;
        if (!png_get_PLTE(png, info, &entries, &count)) png_error(png, "PNG palette missing");
        d.picture.palette.resize(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            d.picture.palette[static_cast<size_t>(i)] =
                uint32_t{entries[i].red} << 16 | uint32_t{entries[i].green} << 8 | entries[i].blue;
        png_set_packing(png);
    } else {
        png_set_strip_16(png);
        png_set_expand_gray_1_2_4_to_8(png);
        png_set_gray_to_rgb(png);
        png_set_strip_alpha(png);
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const size_t pixelBytes = indexed ? 1 : 3;
    if (png_get_rowbytes(png, info) != pixelBytes * width) png_error(png, "PNG layout not supported");
    d.rows.resize(pixelBytes * width * height);
    d.rowPointers.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) d.rowPointers[y] = d.rows.data() + pixelBytes * width * y;
    png_read_image(png, d.rowPointers.data());
    png_destroy_read_struct(&png, &info, nullptr);

    ColourImage& colours = d.picture.colours;
    colours = ColourImage(static_cast<int>(width), static_cast<int>(height));
    if (indexed) {
        d.picture.indexes = d.rows;
        for (size_t i = 0; i < d.rows.size(); ++i) {
            if (d.rows[i] >= d.picture.palette.size()) {
                error = "PNG pixel outside its palette";
                return false;
            }
            colours.pixels[i] = d.picture.palette[d.rows[i]];
        }
    } else {
        for (size_t i = 0; i < colours.pixels.size(); ++i) {
            const uint8_t* p = d.rows.data() + 3 * i;
            colours.pixels[i] = uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
        }
    }
    return true;
}

struct Encoding {
    std::vector<uint8_t> out;
    std::vector<uint8_t> rows;
    std::vector<png_color> palette;
    std::vector<png_bytep> rowPointers;
};

bool Encode(Encoding& e, const Picture& picture, std::string& error) {
    const int width = picture.colours.width, height = picture.colours.height;
    const bool indexed = picture.Indexed();
    const size_t pixelBytes = indexed ? 1 : 3;
    if (indexed) {
        e.rows = picture.indexes;
        for (uint32_t c : picture.palette)
            e.palette.push_back(png_color{static_cast<png_byte>(c >> 16), static_cast<png_byte>(c >> 8),
                                          static_cast<png_byte>(c)});
    } else {
        e.rows.resize(picture.colours.pixels.size() * 3);
        for (size_t i = 0; i < picture.colours.pixels.size(); ++i) {
            const uint32_t c = picture.colours.pixels[i];
            e.rows[3 * i] = static_cast<uint8_t>(c >> 16);
            e.rows[3 * i + 1] = static_cast<uint8_t>(c >> 8);
            e.rows[3 * i + 2] = static_cast<uint8_t>(c);
        }
    }
    e.rowPointers.resize(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        e.rowPointers[static_cast<size_t>(y)] = e.rows.data() + pixelBytes * width * y;

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, KeepError, IgnoreWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &e.out, WriteBytes, FlushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (indexed) png_set_PLTE(png, info, e.palette.data(), static_cast<int>(e.palette.size()));
    png_write_info(png, info);
    png_write_image(png, e.rowPointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool DecodePngFile(const std::string&, std::span<const uint8_t> bytes, Picture& out, std::string& error) {
    out = Picture{};
    Decoding d;
    d.reader = Reader{bytes.data(), bytes.size(), 0};
    if (!Decode(d, error)) {
        if (error.empty()) error = "damaged PNG file";
        return false;
    }
    out = std::move(d.picture);
    return true;
}

bool WritePngFile(const std::string& path, const Picture& picture, std::string& error) {
    if (picture.colours.width <= 0 || picture.colours.height <= 0) {
        error = "empty picture";
        return false;
    }
    Encoding e;
    if (!Encode(e, picture, error)) {
        if (error.empty()) error = "PNG encoding failed";
        return false;
    }
    return WriteFileAtomic(path, e.out, error);
}

bool PngWritesIndexes() {
    return true;
}

}  // namespace zelt
