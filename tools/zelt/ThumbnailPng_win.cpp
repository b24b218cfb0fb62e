// zelt.exe writes pictures through the image library, which keeps no alpha; Explorer's thumbnails
// come from the thumbnail provider instead.
#include "tools/zelt/ThumbnailPng.h"

namespace zelt::cli {

bool EncodeArgbPng(const icon::ArgbPicture&, std::vector<uint8_t>& out, std::string& error) {
    out.clear();
    error = "thumbnails with alpha are written by the Linux build of zelt only";
    return false;
}

}  // namespace zelt::cli
