// The palette-index canvas: one byte per pixel, rows top-down, with its own copy of the palette
// colours that its user fills. Inversion goes through that palette.
#pragma once
#include <vector>

#include "editor/render/Canvas.h"
#include "editor/template/Palette.h"

namespace zelt {

class IndexedCanvas final : public Canvas {
public:
    PaletteTable palette{};  // 0x00RRGGBB

    bool SetSize(int, int) override { return true; }
    // Fails for a side of 0 or less; otherwise width x height pixels, all 0.
    bool Create(int width, int height) override;
    void Destroy() override;
    int Kind() const override { return kIndexedCanvas; }
    int BytesPerPixel() const override { return 1; }
    uint8_t* RowPointer(int y) override;
    int Stride() const override { return width_; }
    void SetPixel(int x, int y, uint32_t value) override {
        if (Inside(x, y)) pixels_[Offset(x, y)] = static_cast<uint8_t>(value);
    }
    // Stores the palette index nearest to the complement of the pixel's colour.
    void InvertPixel(int x, int y) override;
    uint32_t GetPixel(int x, int y) const override { return Inside(x, y) ? pixels_[Offset(x, y)] : 0; }
    void Clear(uint32_t value) override;

    // The first index whose palette colour is nearest to colour (0x00RRGGBB).
    int NearestPaletteIndex(uint32_t colour) const;

private:
    size_t Offset(int x, int y) const { return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x); }
    std::vector<uint8_t> pixels_;
};

}  // namespace zelt
