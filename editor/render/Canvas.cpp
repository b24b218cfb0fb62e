#include "editor/render/Canvas.h"

#include <cstdlib>

namespace zelt {

namespace {

int Sign(int64_t v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

}  // namespace

template <typename Plot>
void Canvas::Trace(int x1, int y1, int x2, int y2, Plot plot) {
    const int64_t dx = int64_t{x2} - x1, dy = int64_t{y2} - y1;
    const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const int64_t n = adx > ady ? adx : ady;
    int64_t x = x1, y = y1, ex = 0, ey = 0;
    for (int64_t i = 0; i < n; ++i) {
        plot(static_cast<int>(x), static_cast<int>(y));
        ex += adx;
        ey += ady;
        if (ex >= n) {
            x += Sign(dx);
            ex -= n;
        }
        if (ey >= n) {
            y += Sign(dy);
            ey -= n;
        }
    }
}

template <typename Plot>
void Canvas::Outline(int x, int y, int w, int h, Plot plot) {
    if (x < 0 || y < 0 || w <= 0 || h <= 0 || int64_t{x} + w > width_ || int64_t{y} + h > height_) return;
    for (int i = x; i < x + w; ++i) {
        plot(i, y);
        plot(i, y + h - 1);
    }
    for (int j = y; j < y + h; ++j) {
        plot(x, j);
        plot(x + w - 1, j);
    }
}

void Canvas::Line(int x1, int y1, int x2, int y2, uint32_t value) {
    Trace(x1, y1, x2, y2, [&](int x, int y) { SetPixel(x, y, value); });
}

void Canvas::InvertLine(int x1, int y1, int x2, int y2) {
    Trace(x1, y1, x2, y2, [&](int x, int y) { InvertPixel(x, y); });
}

void Canvas::FillRect(int x, int y, int w, int h, uint32_t value) {
    if (x < 0 || y < 0 || int64_t{x} + w > width_ || int64_t{y} + h > height_ || h < 1) return;
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) SetPixel(i, j, value);
    }
}

void Canvas::FrameRect(int x, int y, int w, int h, uint32_t value) {
    Outline(x, y, w, h, [&](int px, int py) { SetPixel(px, py, value); });
}

void Canvas::InvertFrameRect(int x, int y, int w, int h) {
    Outline(x, y, w, h, [&](int px, int py) { InvertPixel(px, py); });
}

void Canvas::CopyRegionFrom(const Canvas& source, int x, int y, int w, int h) {
    for (int j = 0; j < h && j < height_; ++j) {
        for (int i = 0; i < w && i < width_; ++i) SetPixel(i, j, source.GetPixel(x + i, y + j));
    }
}

void Canvas::PasteFrom(const Canvas& source, int x, int y) {
    for (int j = 0; j < source.Height(); ++j) {
        for (int i = 0; i < source.Width(); ++i) SetPixel(x + i, y + j, source.GetPixel(i, j));
    }
}

void Canvas::PasteFromKeyed(const Canvas& source, int x, int y, uint32_t key) {
    for (int j = 0; j < source.Height(); ++j) {
        for (int i = 0; i < source.Width(); ++i) {
            const uint32_t value = source.GetPixel(i, j);
            if (value != key) SetPixel(x + i, y + j, value);
        }
    }
}

void Canvas::StretchFrom(const Canvas& source) {
    if (source.Width() <= 0 || source.Height() <= 0) return;
    for (int j = 0; j < height_; ++j) {
        const int sy = static_cast<int>(int64_t{j} * source.Height() / height_);
        for (int i = 0; i < width_; ++i) {
            const int sx = static_cast<int>(int64_t{i} * source.Width() / width_);
            SetPixel(i, j, source.GetPixel(sx, sy));
        }
    }
}

}  // namespace zelt
