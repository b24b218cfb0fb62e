// The editor's toolbar images: 48 x 48 pictures side by side on the grey transparency key.
#pragma once
#include <cstdint>

#include "tools/artgen/Image.h"

namespace zelt::artgen {

constexpr int kEditorButtonSize = 48;
constexpr int kEditorToolbarButtons = 12;
constexpr uint32_t kEditorToolbarKey = Rgb(0xC8C8C8);  // RGB (200, 200, 200)

// Images by index: new, open, save, about, undo, redo, add tile, delete tile, clone tile, quick edit,
// zoom in, zoom out. The default toolbar uses 0, 1, 2, 9 and 3.
Image DrawEditorToolbar();

}  // namespace zelt::artgen
