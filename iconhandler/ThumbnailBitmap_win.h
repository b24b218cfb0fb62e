// A picture with alpha as the 32-bit top-down bitmap Explorer takes for thumbnails.
#pragma once
#include <windows.h>

#include "iconhandler/IconThumbnail.h"

namespace zelt::icon {

// A DIB section the caller owns, or null.
HBITMAP MakeArgbBitmap(const ArgbPicture& picture);

}  // namespace zelt::icon
