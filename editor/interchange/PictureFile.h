// Picture files by name: BMP through our own codec on every platform, PNG through libpng natively and
// through the image library on Windows. The format is the one the file name's extension asks for.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "editor/interchange/Picture.h"

namespace zelt {

enum class PictureFormat { kBmp, kPng };

// BMP or PNG by the text after the name's last dot, in any letter case; none for anything else.
std::optional<PictureFormat> PictureFormatOfName(std::string_view path);

// Reads a BMP or PNG file, whatever its name says (the file's first bytes decide).
bool ReadPictureFile(const std::string& path, Picture& out, std::string& error);
// Writes the picture whole or not at all, in the format of the name's extension. An indexed picture
// is written with its palette where the platform can (see PngWritesIndexes), else in colour.
bool WritePictureFile(const std::string& path, const Picture& picture, std::string& error);

// Platform half for PNG, given the file's name and its bytes. Natively an indexed picture is written
// as an 8-bit PNG with its palette; through the image library PNG files hold colours only.
bool DecodePngFile(const std::string& path, std::span<const uint8_t> bytes, Picture& out, std::string& error);
bool WritePngFile(const std::string& path, const Picture& picture, std::string& error);
bool PngWritesIndexes();

}  // namespace zelt
