#include "iconhandler/IconThumbnail.h"

#include <algorithm>

namespace zelt::icon {

namespace {

struct Box {
    int64_t minX = 0, maxX = 0, minY = 0, maxY = 0;
    void Include(int64_t left, int64_t top, int64_t width, int64_t height) {
        minX = std::min(minX, left);
        maxX = std::max(maxX, left + width);
        minY = std::min(minY, top);
        maxY = std::max(maxY, top + height);
    }
};

// The viewer's frame: a cell's box starts half a cell left of its X, and the origin is inside.
Box ViewerBounds(const IconTemplate& tmpl) {
    Box b;
    const int64_t half = tmpl.cellW / 2;
    for (const IconCell& cell : tmpl.cells) {
        b.Include(cell.x - half, cell.y - cell.lift, tmpl.cellW, tmpl.cellH);
        if (cell.hasExtra) b.Include(cell.extraX - half, cell.extraY - cell.lift, cell.extraWidth, cell.extraHeight);
    }
    return b;
}

// Index 0 is never drawn, in the diamond as in the extra image.
void DrawRun(uint8_t* dst, const uint8_t* src, int64_t n) {
    for (int64_t i = 0; i < n; ++i) {
        if (src[i] != 0) dst[i] = src[i];
    }
}

int RoundedQuotient(int64_t a, int64_t b) {
    return static_cast<int>((a + b / 2) / b);
}

}  // namespace

bool ComposeTemplate(const IconTemplate& tmpl, ComposedTemplate& out) {
    out = ComposedTemplate{};
    if (tmpl.cells.empty() || PixelsToDraw(tmpl) > kMaxDrawnPixels) return false;
    const Box b = ViewerBounds(tmpl);
    const int64_t w = b.maxX - b.minX;
    const int64_t h = b.maxY - b.minY;
    if (w > kMaxComposedPixels / h) return false;

    out.width = static_cast<int>(w);
    out.height = static_cast<int>(h);
    out.indices.assign(static_cast<size_t>(w * h), 0);
    // Every box lies inside the bounds, so no run needs clipping.
    const int64_t ox = -b.minX - tmpl.cellW / 2;
    const int64_t oy = -b.minY;
    for (const IconCell& cell : tmpl.cells) {
        const uint8_t* src = cell.diamond;
        const int64_t top = cell.y - cell.lift + oy;
        for (int r = 0; r < tmpl.cellH; ++r) {
            const int rowWidth = DiamondRowWidth(r, tmpl.cellH);
            const int64_t left = cell.x + (tmpl.cellW - rowWidth) / 2 + ox;
            DrawRun(out.indices.data() + (top + r) * w + left, src, rowWidth);
            src += rowWidth;
        }
        if (!cell.hasExtra) continue;
        const int64_t extraTop = cell.extraY - cell.lift + oy;
        for (int j = 0; j < cell.extraHeight; ++j) {
            DrawRun(out.indices.data() + (extraTop + j) * w + cell.extraX + ox,
                    cell.extra + static_cast<int64_t>(j) * cell.extraWidth, cell.extraWidth);
        }
    }
    return true;
}

PictureSize FitWithin(int width, int height, int boxWidth, int boxHeight) {
    if (width <= 0 || height <= 0 || boxWidth <= 0 || boxHeight <= 0) return {};
    if (width <= boxWidth && height <= boxHeight) return {width, height};
    // The width limits when width / boxWidth >= height / boxHeight.
    if (int64_t{width} * boxHeight >= int64_t{height} * boxWidth) {
        return {boxWidth, std::max(1, RoundedQuotient(int64_t{height} * boxWidth, width))};
    }
    return {std::max(1, RoundedQuotient(int64_t{width} * boxHeight, height)), boxHeight};
}

void ColourComposition(const ComposedTemplate& composed, const IconPalette& palette, PictureSize size,
                       ArgbPicture& out) {
    const int64_t sw = composed.width, sh = composed.height;
    const int64_t tw = std::clamp<int64_t>(size.width, 0, sw), th = std::clamp<int64_t>(size.height, 0, sh);
    out.width = static_cast<int>(tw);
    out.height = static_cast<int>(th);
    out.pixels.assign(static_cast<size_t>(tw * th), 0);
    if (tw == 0 || th == 0) return;
    if (tw == sw && th == sh) {
        for (size_t i = 0; i < out.pixels.size(); ++i) {
            const uint8_t index = composed.indices[i];
            if (index != 0) out.pixels[i] = 0xFF000000u | palette[index];
        }
        return;
    }

    // Target column tx covers source columns [tx * sw / tw, (tx + 1) * sw / tw); rows likewise.
    std::vector<int> columnOf(static_cast<size_t>(sw));
    for (int64_t tx = 0; tx < tw; ++tx) {
        for (int64_t x = tx * sw / tw; x < (tx + 1) * sw / tw; ++x) columnOf[static_cast<size_t>(x)] = static_cast<int>(tx);
    }
    struct Sum {
        uint64_t r = 0, g = 0, b = 0, drawn = 0;
    };
    std::vector<Sum> sums(static_cast<size_t>(tw));
    for (int64_t ty = 0; ty < th; ++ty) {
        const int64_t y0 = ty * sh / th, y1 = (ty + 1) * sh / th;
        std::fill(sums.begin(), sums.end(), Sum{});
        for (int64_t y = y0; y < y1; ++y) {
            const uint8_t* row = composed.indices.data() + y * sw;
            for (int64_t x = 0; x < sw; ++x) {
                if (row[x] == 0) continue;
                const uint32_t c = palette[row[x]];
                Sum& s = sums[static_cast<size_t>(columnOf[static_cast<size_t>(x)])];
                s.r += c >> 16 & 0xFF;
                s.g += c >> 8 & 0xFF;
                s.b += c & 0xFF;
                ++s.drawn;
            }
        }
        for (int64_t tx = 0; tx < tw; ++tx) {
            const Sum& s = sums[static_cast<size_t>(tx)];
            if (s.drawn == 0) continue;
            const uint64_t covered = static_cast<uint64_t>((y1 - y0) * ((tx + 1) * sw / tw - tx * sw / tw));
            const uint64_t n = s.drawn;
            const uint32_t a = static_cast<uint32_t>((255 * n + covered / 2) / covered);
            const uint32_t r = static_cast<uint32_t>((s.r + n / 2) / n);
            const uint32_t g = static_cast<uint32_t>((s.g + n / 2) / n);
            const uint32_t b = static_cast<uint32_t>((s.b + n / 2) / n);
            out.pixels[static_cast<size_t>(ty * tw + tx)] = a << 24 | r << 16 | g << 8 | b;
        }
    }
}

std::vector<uint32_t> OverBackground(const ArgbPicture& picture, uint32_t background) {
    std::vector<uint32_t> out(picture.pixels.size());
    for (size_t i = 0; i < out.size(); ++i) {
        const uint32_t p = picture.pixels[i];
        const uint32_t a = p >> 24;
        uint32_t mixed = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const uint32_t front = p >> shift & 0xFF, back = background >> shift & 0xFF;
            mixed |= ((a * front + (255 - a) * back + 127) / 255) << shift;
        }
        out[i] = mixed;
    }
    return out;
}

bool ReadTemplateAndPalette(std::span<const uint8_t> fileBytes, const std::string& fileName,
                            const PaletteReader& readPalette, IconTemplate& tmpl, IconPalette& palette) {
    if (!ReadIconTemplate(fileBytes, tmpl)) return false;
    const std::string paletteFile = IconPaletteFile(tmpl.family, fileName);
    std::vector<uint8_t> paletteBytes;
    return !paletteFile.empty() && readPalette(paletteFile, paletteBytes) && DecodeIconPalette(paletteBytes, palette);
}

bool RenderTemplateThumbnail(std::span<const uint8_t> fileBytes, const std::string& fileName,
                             const PaletteReader& readPalette, int maxSide, ArgbPicture& out) {
    out = ArgbPicture{};
    IconTemplate tmpl;
    IconPalette palette;
    ComposedTemplate composed;
    if (maxSide <= 0 || !ReadTemplateAndPalette(fileBytes, fileName, readPalette, tmpl, palette) ||
        !ComposeTemplate(tmpl, composed)) {
        return false;
    }
    ColourComposition(composed, palette, FitWithin(composed.width, composed.height, maxSide, maxSide), out);
    return true;
}

}  // namespace zelt::icon
