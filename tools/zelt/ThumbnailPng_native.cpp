// RGBA PNG through libpng.
#include <png.h>

#include <csetjmp>

#include "tools/zelt/ThumbnailPng.h"

namespace zelt::cli {

namespace {

void Append(png_structp png, png_bytep data, png_size_t count) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + count);
}
void FlushNothing(png_structp) {}

void KeepError(png_structp png, png_const_charp message) {
    *static_cast<std::string*>(png_get_error_ptr(png)) = message;
    png_longjmp(png, 1);
}
void IgnoreWarning(png_structp, png_const_charp) {}

// Kept outside the frame that calls setjmp.
struct Encoding {
    std::vector<uint8_t> rows;
    std::vector<png_bytep> rowPointers;
};

bool Encode(const icon::ArgbPicture& picture, Encoding& e, std::vector<uint8_t>& out, std::string& error) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, KeepError, IgnoreWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, Append, FlushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, e.rowPointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool EncodeArgbPng(const icon::ArgbPicture& picture, std::vector<uint8_t>& out, std::string& error) {
    out.clear();
    if (picture.width <= 0 || picture.height <= 0) {
        error = "nothing to write";
        return false;
    }
    Encoding e;
    const size_t stride = static_cast<size_t>(picture.width) * 4;
    e.rows.resize(stride * static_cast<size_t>(picture.height));
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        const uint32_t p = picture.pixels[i];
        uint8_t* rgba = e.rows.data() + 4 * i;
        rgba[0] = static_cast<uint8_t>(p >> 16);
        rgba[1] = static_cast<uint8_t>(p >> 8);
        rgba[2] = static_cast<uint8_t>(p);
        rgba[3] = static_cast<uint8_t>(p >> 24);
    }
    for (int y = 0; y < picture.height; ++y) e.rowPointers.push_back(e.rows.data() + stride * static_cast<size_t>(y));
    return Encode(picture, e, out, error);
}

}  // namespace zelt::cli
