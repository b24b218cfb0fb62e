#include "editor/interchange/PictureFile.h"

#include <cstring>

#include "editor/interchange/BmpFile.h"
#include "editor/template/FileBytes.h"
#include "editor/template/PathText.h"

namespace zelt {

std::optional<PictureFormat> PictureFormatOfName(std::string_view path) {
    const size_t slash = path.find_last_of("\\/");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::optional<std::string> extension = ExtensionOf(name);
    if (!extension) return std::nullopt;
    if (EqualsNoCase(*extension, "bmp")) return PictureFormat::kBmp;
    if (EqualsNoCase(*extension, "png")) return PictureFormat::kPng;
    return std::nullopt;
}

bool ReadPictureFile(const std::string& path, Picture& out, std::string& error) {
    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path);
    if (!bytes) {
        error = "cannot be read";
        return false;
    }
    static const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes->size() >= 8 && std::memcmp(bytes->data(), kPngSignature, 8) == 0)
        return DecodePngFile(path, *bytes, out, error);
    if (!DecodeBmp(*bytes, out, error)) {
        if (bytes->size() < 2 || (*bytes)[0] != 'B' || (*bytes)[1] != 'M')
            error = "neither a BMP nor a PNG file";
        return false;
    }
    return true;
}

bool WritePictureFile(const std::string& path, const Picture& picture, std::string& error) {
    const std::optional<PictureFormat> format = PictureFormatOfName(path);
    if (!format) {
        error = "only .bmp and .png pictures are written";
        return false;
    }
    if (*format == PictureFormat::kPng) return WritePngFile(path, picture, error);
    return WriteFileAtomic(path, EncodeBmp(picture), error);
}

}  // namespace zelt
