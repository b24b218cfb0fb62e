#include "editor/render/TemplateRender.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <optional>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "editor/document/DocumentClass.h"
#include "editor/document/ViewFlags.h"
#include "editor/render/DibCanvas.h"
#include "editor/render/SharedWork.h"
#include "editor/settings/Settings.h"
#include "editor/template/TileLayout.h"

namespace zelt {

namespace {

// Where rows are drawn: a colour canvas's pixels are written straight into its rows (the hot path of
// every view), or into a band of rows held apart; any other canvas through SetPixel. Only rows top
// to bottom - 1 are drawn.
struct RowTarget {
    Canvas& canvas;
    uint32_t* bits = nullptr;  // row lastRow first, the rows above it after it (bottom-up, as the canvas)
    int64_t lastRow = 0;
    int width = 0;
    int height = 0;
    int top = 0;
    int bottom = 0;

    uint32_t* Row(int64_t y) const { return bits + static_cast<size_t>(lastRow - y) * static_cast<size_t>(width); }
};

RowTarget TargetOf(Canvas& canvas, int top, int bottom) {
    RowTarget target{canvas, nullptr, canvas.Height() - 1, canvas.Width(), canvas.Height(), std::max(top, 0),
                     std::min(bottom, canvas.Height())};
    if (canvas.Kind() == kColourCanvas) target.bits = const_cast<uint32_t*>(static_cast<DibCanvas&>(canvas).Bits());
    return target;
}

// One pixel of a decoration, kept to the target's rows and the canvas.
void Plot(const RowTarget& target, int x, int y, uint32_t value) {
    if (y < target.top || y >= target.bottom || x < 0 || x >= target.width) return;
    if (target.bits) {
        target.Row(y)[x] = value;
    } else {
        target.canvas.SetPixel(x, y, value);
    }
}

void Invert(const RowTarget& target, int x, int y) {
    if (y < target.top || y >= target.bottom || x < 0 || x >= target.width) return;
    if (target.bits) {
        uint32_t& pixel = target.Row(y)[x];
        pixel = ~pixel & 0x00FFFFFF;
    } else {
        target.canvas.InvertPixel(x, y);
    }
}

RowTarget TargetOf(Canvas& canvas) { return TargetOf(canvas, 0, canvas.Height()); }

// The colours of a composition: the palette, and for a large one the two pixels of every pair of
// indexes (the first index in the low byte of the key and its colour in the low half of the entry),
// so that a lookup gives two pixels.
struct Colours {
    const PaletteTable& palette;
    const uint64_t* pairs = nullptr;
};

constexpr bool kLittleEndian = std::endian::native == std::endian::little;

std::vector<uint64_t> PairTable(const PaletteTable& palette) {
    std::vector<uint64_t> pairs(size_t{1} << 16);
    for (size_t second = 0; second < 256; ++second) {
        const uint64_t high = uint64_t{palette[second]} << 32;
        for (size_t first = 0; first < 256; ++first) pairs[second << 8 | first] = high | palette[first];
    }
    return pairs;
}

// No index of the four (or eight) is 0, the transparent one.
bool Opaque(uint32_t four) { return ((four - 0x01010101u) & ~four & 0x80808080u) == 0; }
bool Opaque(uint64_t eight) {
    return ((eight - 0x0101010101010101u) & ~eight & 0x8080808080808080u) == 0;
}

// Four opaque pixels from four indexes (the first in the lowest byte), stored two at a time: half
// the stores of one at a time, and stores are what the drawing waits for.
inline void PutFour(uint32_t* pixels, uint32_t four, const Colours& colours) {
    if constexpr (kLittleEndian) {
        uint64_t low, high;
        if (colours.pairs) {
            low = colours.pairs[four & 0xFFFF];
            high = colours.pairs[four >> 16];
        } else {
            low = colours.palette[four & 0xFF] | uint64_t{colours.palette[(four >> 8) & 0xFF]} << 32;
            high = colours.palette[(four >> 16) & 0xFF] | uint64_t{colours.palette[four >> 24]} << 32;
        }
        std::memcpy(pixels, &low, 8);
        std::memcpy(pixels + 2, &high, 8);
    } else {
        for (int k = 0; k < 4; ++k, four >>= 8) pixels[k] = colours.palette[four & 0xFF];
    }
}

void PutSome(uint32_t* pixels, const uint8_t* indexes, int count, const PaletteTable& palette) {
    for (int k = 0; k < count; ++k) {
        if (indexes[k]) pixels[k] = palette[indexes[k]];
    }
}

// Four indexes at a time, the test for transparency made once for all four.
void PutFours(uint32_t* pixels, const uint8_t* indexes, int count, const Colours& colours) {
    for (; count >= 4; count -= 4, pixels += 4, indexes += 4) {
        uint32_t four;
        std::memcpy(&four, indexes, 4);
        if (Opaque(four)) {
            PutFour(pixels, four, colours);
        } else {
            PutSome(pixels, indexes, 4, colours.palette);
        }
    }
    PutSome(pixels, indexes, count, colours.palette);
}

// One row of palette indexes from (x, y) rightwards, index 0 left out, clipped to the canvas.
void PutRow(const RowTarget& target, int64_t x, int64_t y, const uint8_t* indexes, int count,
            const Colours& colours) {
    if (y < target.top || y >= target.bottom || count <= 0) return;
    const int64_t first = std::max<int64_t>(0, -x), last = std::min<int64_t>(count, int64_t{target.width} - x);
    if (first >= last) return;
    if (target.bits) {
        uint32_t* pixels = target.Row(y) + x + first;
        indexes += first;
        int n = static_cast<int>(last - first);
        if (colours.pairs) {
            // Eight at a time, four lookups of two: the loop the paint of a large template spends
            // most of its time in.
            for (; n >= 8; n -= 8, pixels += 8, indexes += 8) {
                uint64_t eight;
                std::memcpy(&eight, indexes, 8);
                if (!Opaque(eight)) {
                    PutFours(pixels, indexes, 8, colours);
                    continue;
                }
                const uint64_t p0 = colours.pairs[eight & 0xFFFF], p1 = colours.pairs[(eight >> 16) & 0xFFFF];
                const uint64_t p2 = colours.pairs[(eight >> 32) & 0xFFFF], p3 = colours.pairs[eight >> 48];
                std::memcpy(pixels, &p0, 8);
                std::memcpy(pixels + 2, &p1, 8);
                std::memcpy(pixels + 4, &p2, 8);
                std::memcpy(pixels + 6, &p3, 8);
            }
        }
        PutFours(pixels, indexes, n, colours);
        return;
    }
    for (int64_t i = first; i < last; ++i) {
        if (indexes[i])
            target.canvas.SetPixel(static_cast<int>(x + i), static_cast<int>(y), colours.palette[indexes[i]]);
    }
}

int64_t CellLeft(const TileRecord& tile, int cellW) { return int64_t{tile.x} - cellW / 2; }
int64_t CellTop(const TileRecord& tile, int cellH) { return int64_t{tile.y} - HeightLift(tile.height, cellH); }
int64_t ExtraLeft(const TileRecord& tile, int cellW) { return int64_t{tile.extraX} - cellW / 2; }
int64_t ExtraTop(const TileRecord& tile, int cellH) { return int64_t{tile.extraY} - HeightLift(tile.height, cellH); }

bool HasExtraPixels(const TileRecord& tile) {
    return tile.hasExtra && tile.extraWidth > 0 && tile.extraHeight > 0;
}

RenderStyle CurrentStyle() {
    const ViewFlags& views = Views();
    return RenderStyle{views.showNormalImages, views.showExtraImages, g_settings.drawBlackFrameAround,
                       g_settings.useInvertTileSelect};
}

}  // namespace

TemplateBounds ComputeTileBounds(const std::vector<TileRecord>& tiles, int cellW, int cellH) {
    TemplateBounds b;
    for (const TileRecord& tile : tiles) {
        const int64_t left = CellLeft(tile, cellW), top = CellTop(tile, cellH);
        b.minX = std::min(b.minX, left);
        b.maxX = std::max(b.maxX, left + cellW);
        b.minY = std::min(b.minY, top);
        b.maxY = std::max(b.maxY, top + cellH);
        if (tile.hasExtra) {
            const int64_t extraLeft = ExtraLeft(tile, cellW), extraTop = ExtraTop(tile, cellH);
            b.minX = std::min(b.minX, extraLeft);
            b.maxX = std::max(b.maxX, extraLeft + tile.extraWidth);
            b.minY = std::min(b.minY, extraTop);
            b.maxY = std::max(b.maxY, extraTop + tile.extraHeight);
        }
    }
    return b;
}

bool ComputeTemplateBounds(TemplateBounds& bounds) {
    const TemplateDocument& doc = Doc();
    if (!doc.open) return false;
    bounds = ComputeTileBounds(doc.tiles, doc.cellW, doc.cellH);
    return true;
}

namespace {

// Where each row of a cell's diamond starts in the tile's bytes, in the row and how wide it is, so a
// band can begin at any row of a tile without counting the rows above it.
struct DiamondLayout {
    std::vector<size_t> at;  // cellH + 1 entries: the last is the size of a whole diamond
    std::vector<int> start;
    std::vector<int> width;
    int left = 0;    // the least start
    int right = 0;   // the greatest start + width
    // Where each run of four bytes of a whole diamond goes on a canvas of a given width, from the
    // diamond's top row at its left edge; empty unless every row is a multiple of four wide.
    std::vector<ptrdiff_t> fourOffset;
};

DiamondLayout LayoutOf(int cellW, int cellH) {
    DiamondLayout layout;
    const size_t rows = static_cast<size_t>(std::max(cellH, 0));
    layout.at.assign(rows + 1, 0);
    layout.start.assign(rows, 0);
    layout.width.assign(rows, 0);
    for (int r = 0; r < cellH; ++r) {
        layout.start[r] = DiamondRowStart(r, cellW, cellH);
        layout.width[r] = DiamondRowWidth(r, cellH);
        layout.at[r + 1] = layout.at[r] + static_cast<size_t>(std::max(layout.width[r], 0));
        layout.left = r == 0 ? layout.start[r] : std::min(layout.left, layout.start[r]);
        layout.right = std::max(layout.right, layout.start[r] + layout.width[r]);
    }
    return layout;
}

// Four pixels inside the target from four indexes, with the pair table; the table is passed apart
// from the pixels written, so it stays in a register.
inline void PutFourPairs(uint32_t* pixels, const uint8_t* indexes, const uint64_t* pairs,
                         const PaletteTable& palette) {
    uint32_t four;
    std::memcpy(&four, indexes, 4);
    if (Opaque(four)) {
        const uint64_t low = pairs[four & 0xFFFF], high = pairs[four >> 16];
        std::memcpy(pixels, &low, 8);
        std::memcpy(pixels + 2, &high, 8);
    } else {
        PutSome(pixels, indexes, 4, palette);
    }
}

// A row lying wholly inside the target, with the pair table: eight pixels at a time, then four,
// then one. The table is passed apart from the pixels written, so it stays in a register.
inline void PutInsideRow(uint32_t* pixels, const uint8_t* indexes, int count, const uint64_t* pairs,
                         const PaletteTable& palette) {
    for (; count >= 8; count -= 8, pixels += 8, indexes += 8) {
        uint64_t eight;
        std::memcpy(&eight, indexes, 8);
        if (Opaque(eight)) {
            const uint64_t p0 = pairs[eight & 0xFFFF], p1 = pairs[(eight >> 16) & 0xFFFF];
            const uint64_t p2 = pairs[(eight >> 32) & 0xFFFF], p3 = pairs[eight >> 48];
            std::memcpy(pixels, &p0, 8);
            std::memcpy(pixels + 2, &p1, 8);
            std::memcpy(pixels + 4, &p2, 8);
            std::memcpy(pixels + 6, &p3, 8);
        } else {
            PutSome(pixels, indexes, 8, palette);
        }
    }
    if (count >= 4) {
        PutFourPairs(pixels, indexes, pairs, palette);
        count -= 4;
        pixels += 4;
        indexes += 4;
    }
    PutSome(pixels, indexes, count, palette);
}

// The offsets of a layout's runs of four on a canvas of this width, rows bottom-up in memory.
void LayOutFours(DiamondLayout& layout, int canvasWidth) {
    layout.fourOffset.clear();
    for (size_t r = 0; r < layout.width.size(); ++r)
        if (layout.width[r] % 4 != 0 || layout.at[r] % 4 != 0) return;
    for (size_t r = 0; r < layout.width.size(); ++r)
        for (int k = 0; k < layout.width[r]; k += 4)
            layout.fourOffset.push_back(layout.start[r] + k - static_cast<ptrdiff_t>(r) * canvasWidth);
}

// Rows [first, last) of a whole diamond that lies inside the target's width, with the pair table:
// no row needs clipping. Most tiles of a large template are drawn here, in one loop over the runs of
// four of all the rows, whose length is the same for every tile: rows of changing width would each
// end their loop at a different count, which the processor cannot foresee.
void WholeDiamondRows(const uint8_t* indexes, const DiamondLayout& layout, const Colours& colours,
                      const RowTarget& target, int64_t x, int64_t y, int64_t first, int64_t last) {
    const uint64_t* const pairs = colours.pairs;
    const size_t stride = static_cast<size_t>(target.width);
    uint32_t* row = target.Row(y + first) + x;
    if (layout.fourOffset.empty()) {
        for (int64_t r = first; r < last; ++r, row -= stride)
            PutInsideRow(row + layout.start[r], indexes + layout.at[r], layout.width[r], pairs, colours.palette);
        return;
    }
    // Offsets count from the diamond's top row; row holds the first row drawn.
    const ptrdiff_t shift = static_cast<ptrdiff_t>(first) * target.width;
    const ptrdiff_t* offset = layout.fourOffset.data() + layout.at[first] / 4;
    const ptrdiff_t* const end = layout.fourOffset.data() + layout.at[last] / 4;
    const uint8_t* from = indexes + layout.at[first];
    for (; offset < end; ++offset, from += 4) {
        PutFourPairs(row + (*offset + shift), from, pairs, colours.palette);
    }
}

// The rows of a tile's diamond and extra image that fall into the target's rows.
void DiamondRows(const TileRecord& tile, const DiamondLayout& layout, const Colours& colours,
                 const RowTarget& target, int64_t x, int64_t y) {
    const int64_t cellH = static_cast<int64_t>(layout.width.size());
    const int64_t first = std::clamp<int64_t>(target.top - y, 0, cellH);
    const int64_t last = std::clamp<int64_t>(int64_t{target.bottom} - y, 0, cellH);
    // A diamond shorter than the cell's layout is drawn as far as it goes.
    const size_t size = tile.diamond.size();
    if (colours.pairs && target.bits && size >= layout.at.back() && x + layout.left >= 0 &&
        x + layout.right <= target.width) {
        WholeDiamondRows(tile.diamond.data(), layout, colours, target, x, y, first, last);
        return;
    }
    for (int64_t r = first; r < last && layout.at[r] < size; ++r) {
        const size_t at = layout.at[r];
        const int width = static_cast<int>(std::min<size_t>(static_cast<size_t>(layout.width[r]), size - at));
        PutRow(target, x + layout.start[r], y + r, tile.diamond.data() + at, width, colours);
    }
}

void ExtraRows(const TileRecord& tile, const Colours& colours, const RowTarget& target, int64_t x, int64_t y) {
    if (!HasExtraPixels(tile)) return;
    // A short image is drawn as far as its bytes go.
    const size_t width = static_cast<size_t>(tile.extraWidth);
    const size_t size = std::min(tile.extraImage.size(), width * static_cast<size_t>(tile.extraHeight));
    const size_t first = target.top > y ? static_cast<size_t>(target.top - y) : 0;
    // Rows from first on lie in the target's rows; inside its width too, they need no clipping.
    const bool inside = colours.pairs && target.bits && x >= 0 && x + static_cast<int64_t>(width) <= target.width;
    for (size_t at = first * width, j = first; at < size && y + static_cast<int64_t>(j) < target.bottom;
         at += width, ++j) {
        const int count = static_cast<int>(std::min(width, size - at));
        if (inside) {
            PutInsideRow(target.Row(y + static_cast<int64_t>(j)) + x, tile.extraImage.data() + at, count,
                         colours.pairs, colours.palette);
        } else {
            PutRow(target, x, y + static_cast<int64_t>(j), tile.extraImage.data() + at, count, colours);
        }
    }
}

}  // namespace

void DrawTileDiamond(const TileRecord& tile, int cellW, int cellH, const PaletteTable& palette, Canvas& canvas,
                     int64_t x, int64_t y) {
    DiamondRows(tile, LayoutOf(cellW, cellH), Colours{palette}, TargetOf(canvas), x, y);
}

void DrawTileExtra(const TileRecord& tile, const PaletteTable& palette, Canvas& canvas, int64_t x, int64_t y) {
    ExtraRows(tile, Colours{palette}, TargetOf(canvas), x, y);
}

bool RenderTileDiamond(int tileIndex, Canvas& canvas) {
    const TileRecord* tile = TileAt(tileIndex);
    const TemplateDocument& doc = Doc();
    if (!tile || !doc.palette) return false;
    DrawTileDiamond(*tile, doc.cellW, doc.cellH, *doc.palette, canvas, 0, 0);
    return true;
}

bool RenderTileExtra(int tileIndex, Canvas& canvas) {
    const TileRecord* tile = TileAt(tileIndex);
    const TemplateDocument& doc = Doc();
    if (!tile || !doc.palette) return false;
    DrawTileExtra(*tile, *doc.palette, canvas, 0, 0);
    return true;
}

void DrawSelectionMarker(Canvas& canvas, int x, int y, int cellW, int cellH, bool invert) {
    if (invert) {
        for (int r = 0; r < cellH; ++r) {
            const int left = x + DiamondRowStart(r, cellW, cellH);
            for (int i = 0; i < DiamondRowWidth(r, cellH); ++i) canvas.InvertPixel(left + i, y + r);
        }
        return;
    }
    const uint32_t white = 0xFFFFFF;
    const int midX = x + cellW / 2, midY = y + cellH / 2;
    canvas.Line(x, midY, midX, y, white);
    canvas.Line(midX, y, x + cellW, midY, white);
    canvas.Line(x, midY, midX, y + cellH, white);
    canvas.Line(midX, y + cellH, x + cellW, midY, white);
}

int BandRows(int canvasWidth, int bytesPerPixel) {
    const int64_t rowBytes = int64_t{std::max(canvasWidth, 1)} * std::max(bytesPerPixel, 1);
    return static_cast<int>(std::clamp<int64_t>(kBandBytes / rowBytes, 1, std::numeric_limits<int>::max()));
}

namespace {

// The canvas as a decoration sees it: its size, so a shape decides what lies inside exactly as on the
// canvas itself, with every write passed on to the target's rows and nowhere else.
class TargetCanvas final : public Canvas {
public:
    explicit TargetCanvas(const RowTarget& target) : target_(target) {
        width_ = target.canvas.Width();
        height_ = target.canvas.Height();
        valid_ = target.canvas.Valid();
    }
    bool SetSize(int, int) override { return false; }
    bool Create(int, int) override { return false; }
    void Destroy() override {}
    int Kind() const override { return target_.canvas.Kind(); }
    int BytesPerPixel() const override { return target_.canvas.BytesPerPixel(); }
    uint8_t* RowPointer(int) override { return nullptr; }
    int Stride() const override { return target_.canvas.Stride(); }
    void SetPixel(int x, int y, uint32_t value) override { Plot(target_, x, y, value); }
    void InvertPixel(int x, int y) override { Invert(target_, x, y); }
    uint32_t GetPixel(int, int) const override { return 0; }
    void Clear(uint32_t) override {}

private:
    const RowTarget& target_;
};

// Which tiles cross which band: for band b, the tile indexes entries[first[b]] to
// entries[first[b + 1] - 1], in list order, each tile once.
struct BandIndex {
    std::vector<size_t> first;
    std::vector<uint32_t> entries;
};

struct RowSpan {
    int64_t top = 0;
    int64_t bottom = 0;  // one past the last row
};

BandIndex IndexBands(const TileSet& set, const RenderStyle& style, int64_t dx, int64_t dy, int height, int rows) {
    const size_t bands = static_cast<size_t>((int64_t{height} + rows - 1) / rows);
    // The bands a span crosses, as [first, last]; first > last when none.
    const auto bandsOf = [&](RowSpan span) {
        const int64_t top = std::max<int64_t>(span.top, 0), bottom = std::min<int64_t>(span.bottom, height);
        if (top >= bottom) return std::pair<int64_t, int64_t>{1, 0};
        return std::pair<int64_t, int64_t>{top / rows, (bottom - 1) / rows};
    };
    const auto visit = [&](auto record) {
        for (size_t i = 0; i < set.tiles.size(); ++i) {
            const TileRecord& tile = set.tiles[i];
            std::pair<int64_t, int64_t> diamond{1, 0}, extra{1, 0};
            if (style.showNormalImages) {
                const int64_t top = CellTop(tile, set.cellH) + dy;
                diamond = bandsOf({top, top + set.cellH});
            }
            if (style.showExtraImages && HasExtraPixels(tile)) {
                const int64_t top = ExtraTop(tile, set.cellH) + dy;
                extra = bandsOf({top, top + tile.extraHeight});
            }
            for (int64_t b = diamond.first; b <= diamond.second; ++b) record(static_cast<size_t>(b), i);
            for (int64_t b = extra.first; b <= extra.second; ++b) {
                if (b < diamond.first || b > diamond.second) record(static_cast<size_t>(b), i);
            }
        }
    };
    BandIndex index;
    index.first.assign(bands + 1, 0);
    visit([&](size_t band, size_t) { ++index.first[band + 1]; });
    for (size_t b = 0; b < bands; ++b) index.first[b + 1] += index.first[b];
    index.entries.resize(index.first[bands]);
    std::vector<size_t> next(index.first.begin(), index.first.end() - 1);
    visit([&](size_t band, size_t tile) { index.entries[next[band]++] = static_cast<uint32_t>(tile); });
    return index;
}

// FrameRect's outline, only its pixels in the target's rows.
void FrameRows(const RowTarget& target, int x, int y, int w, int h, uint32_t value) {
    if (x < 0 || y < 0 || w <= 0 || h <= 0 || int64_t{x} + w > target.width || int64_t{y} + h > target.height)
        return;
    const int first = std::max(y, target.top), last = std::min(y + h, target.bottom);
    for (int j = first; j < last; ++j) {
        if (j == y || j == y + h - 1) {
            for (int i = x; i < x + w; ++i) Plot(target, i, j, value);
        } else {
            Plot(target, x, j, value);
            Plot(target, x + w - 1, j, value);
        }
    }
}

// Copies pixels to memory that will not be read again soon, past the caches where the processor
// allows: the band they come from stays in the cache for the next band. A cache line at a time.
void StreamPixels(uint32_t* to, const uint32_t* from, size_t count) {
#if defined(__SSE2__)
    for (; count > 0 && (reinterpret_cast<uintptr_t>(to) & 15) != 0; --count) *to++ = *from++;
    for (; count >= 16; count -= 16, to += 16, from += 16) {
        const __m128i* in = reinterpret_cast<const __m128i*>(from);
        __m128i* out = reinterpret_cast<__m128i*>(to);
        const __m128i a = _mm_loadu_si128(in), b = _mm_loadu_si128(in + 1), c = _mm_loadu_si128(in + 2),
                      d = _mm_loadu_si128(in + 3);
        _mm_stream_si128(out, a);
        _mm_stream_si128(out + 1, b);
        _mm_stream_si128(out + 2, c);
        _mm_stream_si128(out + 3, d);
    }
    _mm_sfence();
#endif
    std::copy_n(from, count, to);
}

// A run of pixels of one value, sixteen bytes at a store (a plain fill is stored a pixel at a time).
void FillPixels(uint32_t* to, size_t count, uint32_t value) {
#if defined(__SSE2__)
    const __m128i four = _mm_set1_epi32(static_cast<int>(value));
    for (; count >= 16; count -= 16, to += 16) {
        __m128i* out = reinterpret_cast<__m128i*>(to);
        _mm_storeu_si128(out, four);
        _mm_storeu_si128(out + 1, four);
        _mm_storeu_si128(out + 2, four);
        _mm_storeu_si128(out + 3, four);
    }
#endif
    std::fill_n(to, count, value);
}

void FillRows(const RowTarget& target, uint32_t value) {
    if (target.top >= target.bottom) return;
    if (target.bits) {
        // Bottom-up: the band's rows lie together, its last row lowest in memory.
        FillPixels(target.Row(target.bottom - 1), static_cast<size_t>(target.bottom - target.top) * target.width,
                   value);
        return;
    }
    if (target.canvas.Kind() == kColourCanvas) return;  // a canvas without pixels
    for (int y = target.top; y < target.bottom; ++y) {
        for (int x = 0; x < target.width; ++x) target.canvas.SetPixel(x, y, value);
    }
}

// The canvas pixels under a template's box whose top-left corner is at (ox, oy).
int64_t PixelsUnder(const TemplateBounds& bounds, const Canvas& canvas, int ox, int oy) {
    const int64_t left = std::max<int64_t>(ox, 0), top = std::max<int64_t>(oy, 0);
    const int64_t right =
        std::min<int64_t>(int64_t{ox} + std::max<int64_t>(bounds.Width(), 0), canvas.Width());
    const int64_t bottom =
        std::min<int64_t>(int64_t{oy} + std::max<int64_t>(bounds.Height(), 0), canvas.Height());
    return right > left && bottom > top ? (right - left) * (bottom - top) : 0;
}

}  // namespace

void ComposeTemplate(const TileSet& set, int selected, const RenderStyle& style, Canvas& canvas, int ox, int oy,
                     bool decorate, const Banding& banding) {
    const int height = canvas.Height();
    if (height <= 0) return;
    const TemplateBounds bounds = ComputeTileBounds(set.tiles, set.cellW, set.cellH);
    const bool frame = style.drawBlackFrameAround && decorate && bounds.Width() <= std::numeric_limits<int>::max() &&
                       bounds.Height() <= std::numeric_limits<int>::max();
    const int64_t dx = int64_t{ox} - bounds.minX, dy = int64_t{oy} - bounds.minY;

    // The marker's cell box, when there is one to draw; its lines reach the row below the box.
    std::optional<std::pair<int, int>> marker;
    if (decorate && selected >= 0 && static_cast<size_t>(selected) < set.tiles.size()) {
        const TileRecord& tile = set.tiles[static_cast<size_t>(selected)];
        const int64_t x = CellLeft(tile, set.cellW) + dx, y = CellTop(tile, set.cellH) + dy;
        constexpr int64_t lo = std::numeric_limits<int>::min() / 2, hi = std::numeric_limits<int>::max() / 2;
        if (x >= lo && x <= hi && y >= lo && y <= hi)  // else far off any canvas
            marker = std::pair<int, int>{static_cast<int>(x), static_cast<int>(y)};
    }

    const int rows = banding.rows > 0 ? banding.rows : BandRows(canvas.Width(), canvas.BytesPerPixel());
    const BandIndex index = IndexBands(set, style, dx, dy, height, rows);
    DiamondLayout layout = LayoutOf(set.cellW, set.cellH);
    const RowTarget whole = TargetOf(canvas);
    // What the composition writes at most: the whole canvas when it fills it, else the template's box.
    const int64_t pixels =
        banding.background ? int64_t{whole.width} * height : PixelsUnder(bounds, canvas, ox, oy);
    std::vector<uint64_t> pairs;
    if (kLittleEndian && whole.bits && pixels >= banding.pairsFrom) pairs = PairTable(set.palette);
    const Colours colours{set.palette, pairs.empty() ? nullptr : pairs.data()};
    if (colours.pairs) LayOutFours(layout, whole.width);
    // On a colour canvas filled anew, each band is drawn apart and then streamed into its rows, so the
    // canvas's memory is written once and never read. Bands touch no common pixel, so a colour
    // canvas's bands are shared among workers.
    const bool streamed = banding.background && whole.bits;
    const size_t bands = index.first.size() - 1;
    const auto drawBand = [&](size_t band, std::vector<uint32_t>& apart) {
        const int top = static_cast<int>(static_cast<int64_t>(band) * rows);
        RowTarget target =
            TargetOf(canvas, top, static_cast<int>(std::min<int64_t>(int64_t{top} + rows, height)));
        if (!apart.empty()) {
            target.bits = apart.data();
            target.lastRow = target.bottom - 1;
        }
        if (banding.background) FillRows(target, *banding.background);
        if (frame)
            FrameRows(target, ox, oy, static_cast<int>(bounds.Width()), static_cast<int>(bounds.Height()),
                      0x000000);
        for (size_t k = index.first[band]; k < index.first[band + 1]; ++k) {
            const TileRecord& tile = set.tiles[index.entries[k]];
            if (style.showNormalImages)
                DiamondRows(tile, layout, colours, target, CellLeft(tile, set.cellW) + dx,
                            CellTop(tile, set.cellH) + dy);
            if (style.showExtraImages)
                ExtraRows(tile, colours, target, ExtraLeft(tile, set.cellW) + dx,
                          ExtraTop(tile, set.cellH) + dy);
        }
        if (marker && int64_t{marker->second} + set.cellH >= target.top && marker->second < target.bottom) {
            TargetCanvas clip(target);
            DrawSelectionMarker(clip, marker->first, marker->second, set.cellW, set.cellH,
                                style.useInvertTileSelect);
        }
        if (!apart.empty())
            StreamPixels(whole.Row(target.bottom - 1), apart.data(),
                         static_cast<size_t>(target.bottom - target.top) * static_cast<size_t>(whole.width));
    };
    const size_t bandPixels = static_cast<size_t>(std::min(rows, height)) * static_cast<size_t>(whole.width);
    // Each worker draws into a band of its own, and on the canvas writes only its bands' rows.
    const size_t workers =
        whole.bits && pixels >= banding.workersFrom
            ? static_cast<size_t>(banding.workers > 0 ? banding.workers : WorkersAvailable())
            : 1;
    std::vector<std::vector<uint32_t>> aparts;
    aparts.emplace_back(streamed ? bandPixels : 0);
    try {
        while (aparts.size() < workers) aparts.emplace_back(streamed ? bandPixels : 0);
    } catch (const std::bad_alloc&) {
        // Fewer workers, each with its band.
    }
    ShareOut(bands, static_cast<int>(aparts.size()),
             [&](size_t band, int worker) { drawBand(band, aparts[static_cast<size_t>(worker)]); });
}

bool RenderTemplate(Canvas& canvas, int ox, int oy, bool decorate, std::optional<uint32_t> background) {
    const TemplateDocument& doc = Doc();
    if (!doc.open || !doc.palette) return false;
    ComposeTemplate(TileSet{doc.tiles, doc.cellW, doc.cellH, *doc.palette}, doc.selected, CurrentStyle(), canvas, ox,
                    oy, decorate, Banding{background});
    return true;
}

bool RenderEditorComposition(const std::vector<TileRecord>& tiles, int cellW, int cellH, const PaletteTable& palette,
                             ColourImage& picture, int maxSide) {
    picture = ColourImage{};
    const TemplateBounds bounds = ComputeTileBounds(tiles, cellW, cellH);
    if (bounds.Width() < 1 || bounds.Height() < 1 || bounds.Width() > maxSide || bounds.Height() > maxSide) return false;
    DibCanvas canvas;
    if (!canvas.Create(static_cast<int>(bounds.Width()), static_cast<int>(bounds.Height()))) return false;
    ComposeTemplate(TileSet{tiles, cellW, cellH, palette}, -1, RenderStyle{}, canvas, 0, 0, false,
                    Banding{0xFFFFFF});
    picture = ColourImage(canvas.Width(), canvas.Height());
    for (int y = 0; y < canvas.Height(); ++y) {
        const uint8_t* row = canvas.RowPointer(y);
        std::memcpy(picture.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(picture.width), row,
                    static_cast<size_t>(picture.width) * 4);
    }
    return true;
}

}  // namespace zelt
