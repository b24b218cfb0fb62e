// PNG files with an alpha channel, for the thumbnails file managers show.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "iconhandler/IconThumbnail.h"

namespace zelt::cli {

// The picture as an 8-bit RGBA PNG in memory; false with a reason where this build cannot.
bool EncodeArgbPng(const icon::ArgbPicture& picture, std::vector<uint8_t>& out, std::string& error);

}  // namespace zelt::cli
