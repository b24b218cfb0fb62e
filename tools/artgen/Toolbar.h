// The viewer's toolbar strip: 16 x 16 pixel-art buttons side by side on the magenta transparency key.
#pragma once
#include <cstdint>

#include "tools/artgen/Image.h"

namespace zelt::artgen {

constexpr int kToolbarButtonSize = 16;
constexpr int kViewerToolbarButtons = 17;
constexpr uint32_t kToolbarKey = Rgb(0xFF00FF);

// Buttons by index: previous, next, zoom in, zoom out, tile (spare), best size, actual size, slide show,
// turn forward, turn back, grid (spare), about, delete, edit, copy to the TS/FS folder, copy to the
// RA2/YR folder, settings.
Image DrawViewerToolbar();

}  // namespace zelt::artgen
