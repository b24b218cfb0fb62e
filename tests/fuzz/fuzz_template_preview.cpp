#include <algorithm>
#include <cstdint>
#include <span>

#include "editor/template/TemplatePreview.h"

// Any bytes: the bounds and the preview stay inside the buffer and the canvas.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    zelt::TemplateBounds bounds;
    if (!zelt::ComputeFileBounds(bytes, bounds)) return 0;
    zelt::PaletteTable table{};
    for (int i = 0; i < 256; ++i) table[i] = static_cast<uint32_t>(i * 0x010101);
    const int w = static_cast<int>(std::min<int64_t>(bounds.Width(), 512));
    const int h = static_cast<int>(std::min<int64_t>(bounds.Height(), 512));
    zelt::ColourImage canvas(w, h);
    zelt::PreviewTemplate(bytes, canvas, table);
    return 0;
}
