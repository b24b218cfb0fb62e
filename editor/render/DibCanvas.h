// The colour canvas: 32-bit 0x00RRGGBB pixels, rows stored bottom-up as in a device-independent
// bitmap. On Windows the pixels live in a DIB section, elsewhere in plain memory.
#pragma once
#include "editor/render/Canvas.h"

namespace zelt {

class DibCanvas final : public Canvas {
public:
    DibCanvas() = default;
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;
    ~DibCanvas() override { Destroy(); }

    // Takes the size without pixels: drawing on such a canvas does nothing.
    bool SetSize(int width, int height) override;
    // A surface of width x height pixels, all 0.
    bool Create(int width, int height) override;
    void Destroy() override;
    int Kind() const override { return kColourCanvas; }
    int BytesPerPixel() const override { return 4; }
    uint8_t* RowPointer(int y) override;
    int Stride() const override { return width_ * 4; }
    void SetPixel(int x, int y, uint32_t value) override {
        if (bits_ && Inside(x, y)) bits_[Offset(x, y)] = value;
    }
    void InvertPixel(int x, int y) override {
        if (bits_ && Inside(x, y)) bits_[Offset(x, y)] = ~bits_[Offset(x, y)] & 0x00FFFFFF;
    }
    uint32_t GetPixel(int x, int y) const override { return bits_ && Inside(x, y) ? bits_[Offset(x, y)] : 0; }
    void Clear(uint32_t value) override;

    // The pixels, bottom row first; null without a surface.
    const uint32_t* Bits() const { return bits_; }
    // The HBITMAP of the DIB section on Windows; null elsewhere.
    void* BitmapHandle() const { return bitmap_; }

private:
    size_t Offset(int x, int y) const {
        return static_cast<size_t>(height_ - 1 - y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
    }
    // Platform halves: make and free the pixel memory of a width x height surface.
    bool AllocateSurface(int width, int height);
    void FreeSurface();

    uint32_t* bits_ = nullptr;
    void* bitmap_ = nullptr;
};

}  // namespace zelt
