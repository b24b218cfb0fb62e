// Drawing surfaces: a 32-bit colour surface and an 8-bit palette-index surface with one set of
// drawing operations. Every pixel write goes through SetPixel and its bounds check.
#pragma once
#include <cstddef>
#include <cstdint>

namespace zelt {

enum CanvasKind : int { kColourCanvas = 1, kIndexedCanvas = 2 };

class Canvas {
public:
    virtual ~Canvas() = default;

    bool Valid() const { return valid_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    virtual bool SetSize(int width, int height) = 0;
    virtual bool Create(int width, int height) = 0;
    virtual void Destroy() = 0;
    virtual int Kind() const = 0;
    virtual int BytesPerPixel() const = 0;
    // Start of row y, or null outside the canvas or without pixels.
    virtual uint8_t* RowPointer(int y) = 0;
    virtual int Stride() const = 0;
    // Writes outside the canvas are ignored; reads outside give 0.
    virtual void SetPixel(int x, int y, uint32_t value) = 0;
    virtual void InvertPixel(int x, int y) = 0;
    virtual uint32_t GetPixel(int x, int y) const = 0;
    virtual void Clear(uint32_t value) = 0;

    // n = max(|dx|, |dy|) pixels from (x1, y1); the end point is never drawn.
    void Line(int x1, int y1, int x2, int y2, uint32_t value);
    void InvertLine(int x1, int y1, int x2, int y2);
    // Draws only a rectangle that lies wholly inside the canvas.
    void FillRect(int x, int y, int w, int h, uint32_t value);
    void FrameRect(int x, int y, int w, int h, uint32_t value);
    // A corner shared by a row and a column is inverted twice and comes back unchanged.
    void InvertFrameRect(int x, int y, int w, int h);

    // Plain copies between canvases of either kind; the values travel unchanged.
    // The w x h region of source at (x, y) into this canvas at (0, 0).
    void CopyRegionFrom(const Canvas& source, int x, int y, int w, int h);
    // All of source into this canvas at (x, y).
    void PasteFrom(const Canvas& source, int x, int y);
    // As PasteFrom, leaving out the source pixels equal to key.
    void PasteFromKeyed(const Canvas& source, int x, int y, uint32_t key);
    // All of source stretched (nearest pixel) over the whole of this canvas.
    void StretchFrom(const Canvas& source);

protected:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    template <typename Plot>
    void Trace(int x1, int y1, int x2, int y2, Plot plot);
    template <typename Plot>
    void Outline(int x, int y, int w, int h, Plot plot);

    int width_ = 0;
    int height_ = 0;
    bool valid_ = false;
};

}  // namespace zelt
