#include "iconhandler/IconRender.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zelt::icon {

namespace {

void Include(IconBounds& b, int64_t left, int64_t top, int64_t width, int64_t height) {
    b.minX = std::min(b.minX, left);
    b.maxX = std::max(b.maxX, left + width);
    b.minY = std::min(b.minY, top);
    b.maxY = std::max(b.maxY, top + height);
}

// The cells are drawn as palette indices into a square of bytes, and one last pass turns the
// indices into colours. Index 0 is the background's colour as well, so a zeroed square is the
// filled canvas, a diamond row is a byte copy, and an extra image's transparency is a byte blend
// of sixteen at a time. Each canvas pixel is then looked up once, however often it was drawn.
struct IndexSquare {
    uint8_t* indices;  // side * side
    int64_t side;      // side <= size
    int64_t size;      // the full-size square's side
};

#if defined(__SSE2__)
__m128i Sixteen(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }

// The opaque (not 0) bytes of sixteen at src over those at dst.
void BlendSixteen(uint8_t* dst, const uint8_t* src) {
    const __m128i s = Sixteen(src);
    const __m128i keep = _mm_and_si128(_mm_cmpeq_epi8(s, _mm_setzero_si128()), Sixteen(dst));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_or_si128(s, keep));
}

// Runs of sixteen and more: the last sixteen overlap the ones before, which a copy and a blend
// both allow, since doing either twice changes nothing.
void BlendRun(uint8_t* dst, const uint8_t* src, int64_t n) {
    if (n < 16) {
        for (int64_t i = 0; i < n; ++i) {
            if (src[i] != 0) dst[i] = src[i];
        }
        return;
    }
    for (int64_t i = 0; i + 16 < n; i += 16) BlendSixteen(dst + i, src + i);
    BlendSixteen(dst + n - 16, src + n - 16);
}
#else
void BlendRun(uint8_t* dst, const uint8_t* src, int64_t n) {
    for (int64_t i = 0; i < n; ++i) {
        if (src[i] != 0) dst[i] = src[i];
    }
}
#endif

// Diamond rows are short, so the copy is done in overlapping blocks instead of calling memcpy.
void CopyRun(uint8_t* dst, const uint8_t* src, int64_t n) {
    if (n >= 16) {
        for (int64_t i = 0; i + 16 < n; i += 16) std::memcpy(dst + i, src + i, 16);
        std::memcpy(dst + n - 16, src + n - 16, 16);
    } else if (n >= 8) {
        std::memcpy(dst, src, 8);
        std::memcpy(dst + n - 8, src + n - 8, 8);
    } else if (n >= 4) {
        std::memcpy(dst, src, 4);
        std::memcpy(dst + n - 4, src + n - 4, 4);
    } else {
        for (int64_t i = 0; i < n; ++i) dst[i] = src[i];
    }
}

// A square drawn at full size holds the bounds of every cell, so no run needs clipping.
void DrawCellsUnscaled(const IconTemplate& tmpl, const IndexSquare& sq, int64_t ox, int64_t oy) {
    for (const IconCell& cell : tmpl.cells) {
        // The diamond draws every pixel: index 0 paints colour 0 over what lies beneath.
        uint8_t* row = sq.indices + (static_cast<int64_t>(cell.y) - cell.lift + oy) * sq.side + cell.x + ox;
        const uint8_t* src = cell.diamond;
        for (int r = 0; r < tmpl.cellH; ++r, row += sq.side) {
            const int w = DiamondRowWidth(r, tmpl.cellH);
            CopyRun(row + (tmpl.cellW - w) / 2, src, w);
            src += w;
        }
        if (!cell.hasExtra) continue;
        row = sq.indices + (static_cast<int64_t>(cell.extraY) - cell.lift + oy) * sq.side + cell.extraX + ox;
        src = cell.extra;
        for (int j = 0; j < cell.extraHeight; ++j, row += sq.side, src += cell.extraWidth) {
            BlendRun(row, src, cell.extraWidth);
        }
    }
}

// One run of n source pixels starting at point (x0, y) of the full-size square, drawn at its
// scaled place (nearest pixel); points outside are ignored.
template <bool kSkipZero>
void DrawScaledRun(const IndexSquare& sq, int64_t x0, int64_t y, const uint8_t* src, int64_t n) {
    if (y < 0 || y >= sq.size) return;
    const int64_t begin = std::max<int64_t>(0, -x0);
    const int64_t end = std::min<int64_t>(n, sq.size - x0);
    uint8_t* row = sq.indices + (y * sq.side / sq.size) * sq.side;
    for (int64_t i = begin; i < end; ++i) {
        if (kSkipZero && src[i] == 0) continue;
        row[(x0 + i) * sq.side / sq.size] = src[i];
    }
}

void DrawCellsScaled(const IconTemplate& tmpl, const IndexSquare& sq, int64_t ox, int64_t oy) {
    for (const IconCell& cell : tmpl.cells) {
        const uint8_t* src = cell.diamond;
        const int64_t top = static_cast<int64_t>(cell.y) - cell.lift + oy;
        for (int r = 0; r < tmpl.cellH; ++r) {
            const int w = DiamondRowWidth(r, tmpl.cellH);
            DrawScaledRun<false>(sq, static_cast<int64_t>(cell.x) + (tmpl.cellW - w) / 2 + ox, top + r, src, w);
            src += w;
        }
        if (!cell.hasExtra) continue;
        const int64_t extraTop = static_cast<int64_t>(cell.extraY) - cell.lift + oy;
        for (int j = 0; j < cell.extraHeight; ++j) {
            DrawScaledRun<true>(sq, static_cast<int64_t>(cell.extraX) + ox, extraTop + j,
                                cell.extra + static_cast<int64_t>(j) * cell.extraWidth, cell.extraWidth);
        }
    }
}

// One row of indices as colours. Sixteen background pixels in a row are stored without a lookup.
void ColourRow(uint32_t* out, const uint8_t* indices, int64_t n, const IconPalette& palette) {
    int64_t i = 0;
#if defined(__SSE2__)
    const __m128i background = _mm_set1_epi32(static_cast<int>(palette[0]));
    for (; i + 16 <= n; i += 16) {
        if (_mm_movemask_epi8(_mm_cmpeq_epi8(Sixteen(indices + i), _mm_setzero_si128())) == 0xFFFF) {
            for (int k = 0; k < 16; k += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + k), background);
            continue;
        }
        for (int k = 0; k < 16; ++k) out[i + k] = palette[indices[i + k]];
    }
#endif
    for (; i < n; ++i) out[i] = palette[indices[i]];
}

}  // namespace

int64_t PixelsToDraw(const IconTemplate& tmpl) {
    const int64_t diamond = static_cast<int64_t>(tmpl.cellW) * tmpl.cellH / 2;
    int64_t total = 0;
    for (const IconCell& cell : tmpl.cells) {
        total += diamond;
        if (cell.hasExtra) total += static_cast<int64_t>(cell.extraWidth) * cell.extraHeight;
    }
    return total;
}

IconBounds BoundsOfIcon(const IconTemplate& tmpl) {
    IconBounds b;
    for (const IconCell& cell : tmpl.cells) {
        Include(b, cell.x, cell.y - cell.lift, tmpl.cellW, tmpl.cellH);
        if (cell.hasExtra) {
            Include(b, cell.extraX, cell.extraY - cell.lift, cell.extraWidth, cell.extraHeight);
        }
    }
    return b;
}

bool DrawTemplateIcon(const IconTemplate& tmpl, const IconPalette& palette, IconPicture& out) {
    const IconBounds b = BoundsOfIcon(tmpl);
    const int64_t w = b.maxX - b.minX;
    const int64_t h = b.maxY - b.minY;
    if (w == 0 && h == 0) return false;
    if (PixelsToDraw(tmpl) > kMaxDrawnPixels) return false;

    const int64_t size = std::max(w, h);
    const int64_t side = std::min(size, kMaxIconSide);
    std::vector<uint8_t> indices(static_cast<size_t>(side * side));  // all background
    const IndexSquare sq{indices.data(), side, size};
    const int64_t ox = (size - w) / 2 - b.minX;
    const int64_t oy = (size - h) / 2 - b.minY;
    if (side == size) {
        DrawCellsUnscaled(tmpl, sq, ox, oy);
    } else {
        DrawCellsScaled(tmpl, sq, ox, oy);
    }

    out.size = static_cast<int>(side);
    out.pixels.resize(static_cast<size_t>(side * side));
    for (int64_t y = 0; y < side; ++y) {
        ColourRow(out.pixels.data() + y * side, indices.data() + y * side, side, palette);
    }
    return true;
}

bool RenderTemplateIcon(std::span<const uint8_t> fileBytes, const std::string& fileName,
                        const PaletteReader& readPalette, IconPicture& out) {
    IconTemplate tmpl;
    if (!ReadIconTemplate(fileBytes, tmpl)) return false;
    const std::string paletteFile = IconPaletteFile(tmpl.family, fileName);
    if (paletteFile.empty()) return false;
    std::vector<uint8_t> paletteBytes;
    IconPalette palette;
    if (!readPalette(paletteFile, paletteBytes) || !DecodeIconPalette(paletteBytes, palette)) return false;
    return DrawTemplateIcon(tmpl, palette, out);
}

}  // namespace zelt::icon
