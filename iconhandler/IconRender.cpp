#include "iconhandler/IconRender.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace zelt::icon {

namespace {

void Include(IconBounds& b, int64_t left, int64_t top, int64_t width, int64_t height) {
    b.minX = std::min(b.minX, left);
    b.maxX = std::max(b.maxX, left + width);
    b.minY = std::min(b.minY, top);
    b.maxY = std::max(b.maxY, top + height);
}

int64_t PixelsToDraw(const IconTemplate& tmpl) {
    const int64_t diamond = static_cast<int64_t>(tmpl.cellW) * tmpl.cellH / 2;
    int64_t total = 0;
    for (const IconCell& cell : tmpl.cells) {
        total += diamond;
        if (cell.hasExtra) total += static_cast<int64_t>(cell.extraWidth) * cell.extraHeight;
    }
    return total;
}

// The square of the picture (size pixels a side), held at side <= size pixels a side.
struct Square {
    uint32_t* pixels;
    int64_t side;
    int64_t size;
};

// The source bytes are read eight at a time into a register and taken apart there. Read through
// the byte pointer, each would be read again after every pixel written, since a byte pointer may
// alias the picture. The eight bytes lie first byte lowest.
static_assert(std::endian::native == std::endian::little);

uint64_t EightBytes(const uint8_t* src) {
    uint64_t eight;
    std::memcpy(&eight, src, 8);
    return eight;
}

// Every pixel begin..end of src into row.
void DrawAllPixels(uint32_t* row, const uint8_t* src, int64_t begin, int64_t end, const IconPalette& palette) {
    int64_t i = begin;
    for (; i + 8 <= end; i += 8) {
        uint64_t eight = EightBytes(src + i);
        for (int k = 0; k < 8; ++k, eight >>= 8) row[i + k] = palette[static_cast<uint8_t>(eight)];
    }
    for (; i < end; ++i) row[i] = palette[src[i]];
}

// The high bit of every byte of eight that is not 0.
uint64_t NonZeroBytes(uint64_t eight) {
    constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    return (((eight & kLow7) + kLow7) | eight) & ~kLow7;
}

// The pixels begin..end of src that are not index 0 into row. Extra images mix transparent and
// opaque bytes too finely for a branch per byte to be guessed, so each eight bytes yield a mask of
// their opaque bytes and only those are visited.
void DrawOpaquePixels(uint32_t* row, const uint8_t* src, int64_t begin, int64_t end, const IconPalette& palette) {
    int64_t i = begin;
    for (; i + 8 <= end; i += 8) {
        for (uint64_t opaque = NonZeroBytes(EightBytes(src + i)); opaque != 0; opaque &= opaque - 1) {
            const int k = std::countr_zero(opaque) / 8;
            row[i + k] = palette[src[i + k]];
        }
    }
    for (; i < end; ++i) {
        if (src[i] != 0) row[i] = palette[src[i]];
    }
}

// One run of n source pixels starting at picture point (x0, y); points outside are ignored.
template <bool kScaled, bool kSkipZero>
void DrawRun(const Square& sq, int64_t x0, int64_t y, const uint8_t* src, int64_t n,
             const IconPalette& palette) {
    if (y < 0 || y >= sq.size) return;
    const int64_t begin = std::max<int64_t>(0, -x0);
    const int64_t end = std::min<int64_t>(n, sq.size - x0);
    if (kScaled) {
        uint32_t* row = sq.pixels + (y * sq.side / sq.size) * sq.side;
        for (int64_t i = begin; i < end; ++i) {
            if (kSkipZero && src[i] == 0) continue;
            row[(x0 + i) * sq.side / sq.size] = palette[src[i]];
        }
    } else if (kSkipZero) {
        DrawOpaquePixels(sq.pixels + y * sq.side + x0, src, begin, end, palette);
    } else {
        DrawAllPixels(sq.pixels + y * sq.side + x0, src, begin, end, palette);
    }
}

template <bool kScaled>
void DrawCells(const IconTemplate& tmpl, const IconPalette& palette, const Square& sq, int64_t ox,
               int64_t oy) {
    for (const IconCell& cell : tmpl.cells) {
        // The diamond draws every pixel: index 0 paints colour 0 over what lies beneath.
        const uint8_t* src = cell.diamond;
        const int64_t top = static_cast<int64_t>(cell.y) - cell.lift + oy;
        for (int r = 0; r < tmpl.cellH; ++r) {
            const int w = DiamondRowWidth(r, tmpl.cellH);
            DrawRun<kScaled, false>(sq, static_cast<int64_t>(cell.x) + (tmpl.cellW - w) / 2 + ox, top + r,
                                    src, w, palette);
            src += w;
        }
        if (!cell.hasExtra) continue;
        const int64_t extraTop = static_cast<int64_t>(cell.extraY) - cell.lift + oy;
        for (int j = 0; j < cell.extraHeight; ++j) {
            DrawRun<kScaled, true>(sq, static_cast<int64_t>(cell.extraX) + ox, extraTop + j,
                                   cell.extra + static_cast<int64_t>(j) * cell.extraWidth, cell.extraWidth,
                                   palette);
        }
    }
}

}  // namespace

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
    out.size = static_cast<int>(side);
    // Row by row from one background row: the library's block copy writes wider than a fill loop.
    const std::vector<uint32_t> background(static_cast<size_t>(side), palette[0]);
    out.pixels.clear();
    out.pixels.reserve(static_cast<size_t>(side * side));
    for (int64_t y = 0; y < side; ++y) out.pixels.insert(out.pixels.end(), background.begin(), background.end());

    const Square sq{out.pixels.data(), side, size};
    const int64_t ox = (size - w) / 2 - b.minX;
    const int64_t oy = (size - h) / 2 - b.minY;
    if (side == size) {
        DrawCells<false>(tmpl, palette, sq, ox, oy);
    } else {
        DrawCells<true>(tmpl, palette, sq, ox, oy);
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
