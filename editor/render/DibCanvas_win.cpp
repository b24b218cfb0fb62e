#include "editor/render/DibCanvas_win.h"

namespace zelt {

bool DibCanvas::AllocateSurface(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: rows bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
    HDC screen = GetDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (screen) ReleaseDC(nullptr, screen);
    if (!bitmap || !bits) {
        if (bitmap) DeleteObject(bitmap);
        return false;
    }
    bitmap_ = bitmap;
    bits_ = static_cast<uint32_t*>(bits);
    return true;
}

void DibCanvas::FreeSurface() { DeleteObject(static_cast<HBITMAP>(bitmap_)); }

namespace {

// A memory DC holding the canvas's bitmap for the length of one copy.
class CanvasDc {
public:
    explicit CanvasDc(const DibCanvas& canvas) : dc_(CreateCompatibleDC(nullptr)) {
        if (dc_ && canvas.BitmapHandle()) old_ = SelectObject(dc_, static_cast<HBITMAP>(canvas.BitmapHandle()));
    }
    ~CanvasDc() {
        if (old_) SelectObject(dc_, old_);
        if (dc_) DeleteDC(dc_);
    }
    CanvasDc(const CanvasDc&) = delete;
    CanvasDc& operator=(const CanvasDc&) = delete;
    HDC Get() const { return old_ ? dc_ : nullptr; }

private:
    HDC dc_;
    HGDIOBJ old_ = nullptr;
};

}  // namespace

bool DrawCanvas(HDC target, const DibCanvas& canvas, int x, int y) {
    CanvasDc source(canvas);
    return source.Get() && BitBlt(target, x, y, canvas.Width(), canvas.Height(), source.Get(), 0, 0, SRCCOPY);
}

bool StretchCanvas(HDC target, const DibCanvas& canvas, int x, int y, int w, int h) {
    CanvasDc source(canvas);
    return source.Get() &&
           StretchBlt(target, x, y, w, h, source.Get(), 0, 0, canvas.Width(), canvas.Height(), SRCCOPY);
}

bool CaptureCanvas(HDC source, int sx, int sy, DibCanvas& canvas) {
    CanvasDc target(canvas);
    const bool ok = target.Get() && BitBlt(target.Get(), 0, 0, canvas.Width(), canvas.Height(), source, sx, sy, SRCCOPY);
    GdiFlush();
    return ok;
}

}  // namespace zelt
