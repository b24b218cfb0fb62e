#include <cstdint>
#include <span>

#include "iconhandler/IconRender.h"

// Any bytes as a template file: the reader stays inside them, and the picture inside its square,
// which never exceeds 1024 pixels a side.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    zelt::icon::IconTemplate tmpl;
    if (!zelt::icon::ReadIconTemplate(bytes, tmpl)) return 0;
    zelt::icon::IconPalette palette;
    for (int i = 0; i < 256; ++i) palette[i] = static_cast<uint32_t>(i * 0x010101);
    zelt::icon::IconPicture picture;
    if (zelt::icon::DrawTemplateIcon(tmpl, palette, picture)) {
        if (picture.size <= 0 || picture.size > zelt::icon::kMaxIconSide ||
            picture.pixels.size() != static_cast<size_t>(picture.size) * picture.size) {
            __builtin_trap();
        }
    }
    return 0;
}
