#include "editor/interchange/ImportImage.h"

#include <algorithm>

#include "editor/template/DocumentClass.h"
#include "editor/template/DocumentUi.h"
#include "editor/template/TileLayout.h"
#include "editor/views/TemplateRender.h"

namespace zelt {

PixelIndexer::PixelIndexer(const Picture& picture, const PaletteTable& palette)
    : picture_(picture),
      direct_(picture.Indexed() && picture.indexes.size() == picture.colours.pixels.size() &&
              PaletteMatches(picture.palette, palette)) {
    if (!direct_) PreparePaletteSearch(palette, search_);
}

uint8_t PixelIndexer::At(int x, int y) {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
    const size_t at = static_cast<size_t>(y) * static_cast<size_t>(Width()) + static_cast<size_t>(x);
    return direct_ ? picture_.indexes[at] : Match(picture_.colours.pixels[at]);
}

uint8_t PixelIndexer::Match(uint32_t colour) {
    colour &= 0xFFFFFF;
    const size_t slot = (colour * 2654435761u) >> (32 - kCacheBits);
    const uint32_t key = colour | 1u << 24;
    if (cachedColour_[slot] != key) {
        cachedColour_[slot] = key;
        cachedIndex_[slot] = static_cast<uint8_t>(NearestPaletteIndexFast(colour, search_));
    }
    return cachedIndex_[slot];
}

bool PaletteMatches(const std::vector<uint32_t>& filePalette, const PaletteTable& palette) {
    if (filePalette.empty() || filePalette.size() > palette.size()) return false;
    return std::equal(filePalette.begin(), filePalette.end(), palette.begin());
}

void ApplyNormalImage(TileRecord& tile, int cellW, int cellH, PixelIndexer& source, int x, int y) {
    std::vector<uint8_t> diamond(static_cast<size_t>(DiamondSize(cellW, cellH)));
    size_t at = 0;
    for (int r = 0; r < cellH; ++r) {
        const int left = x + DiamondRowStart(r, cellW, cellH), width = DiamondRowWidth(r, cellH);
        for (int i = 0; i < width && at < diamond.size(); ++i) diamond[at++] = source.At(left + i, y + r);
    }
    tile.diamond = std::move(diamond);
}

void ApplyExtraImage(TileRecord& tile, PixelIndexer& source, const CropRect& rect) {
    const int width = std::max(rect.width, 0), height = std::max(rect.height, 0);
    std::vector<uint8_t> image(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int row = 0; row < height; ++row) {
        for (int i = 0; i < width; ++i)
            image[static_cast<size_t>(row) * width + i] = source.At(rect.x + i, rect.y + row);
    }
    if (tile.extraWidth != width || tile.extraHeight != height) tile.extraZData.clear();
    tile.extraImage = std::move(image);
    tile.extraWidth = width;
    tile.extraHeight = height;
    tile.hasExtra = true;
}

bool ImportAllTiles(std::vector<TileRecord>& tiles, int cellW, int cellH, const PaletteTable& palette,
                    const Picture& picture) {
    const TemplateBounds bounds = ComputeTileBounds(tiles, cellW, cellH);
    if (bounds.Width() != picture.colours.width || bounds.Height() != picture.colours.height) return false;
    PixelIndexer source(picture, palette);
    // Pixels an earlier tile took read as index 0, as if painted with entry 0's colour; the picture
    // itself stays untouched.
    const size_t width = static_cast<size_t>(picture.colours.width);
    std::vector<uint8_t> taken(picture.colours.pixels.size(), 0);
    for (TileRecord& tile : tiles) {
        const int64_t left = int64_t{tile.x} - cellW / 2 - bounds.minX;
        const int64_t top = int64_t{tile.y} - HeightLift(tile.height, cellH) - bounds.minY;
        std::vector<uint8_t> diamond(static_cast<size_t>(DiamondSize(cellW, cellH)));
        size_t at = 0;
        for (int r = 0; r < cellH; ++r) {
            // The cell box lies inside the bounds, so every pixel read is inside the picture.
            const size_t row = static_cast<size_t>(top + r) * width;
            const size_t first = row + static_cast<size_t>(left + DiamondRowStart(r, cellW, cellH));
            const int x0 = static_cast<int>(first - row), y0 = static_cast<int>(top + r);
            for (int i = 0; i < DiamondRowWidth(r, cellH); ++i) {
                uint8_t& mark = taken[first + static_cast<size_t>(i)];
                diamond[at++] = mark ? 0 : source.At(x0 + i, y0);
                mark = 1;
            }
        }
        tile.diamond = std::move(diamond);
    }
    return true;
}

NormalImageFit FitOfNormalImage(int width, int height, int cellW, int cellH) {
    if (width < cellW || height < cellH) return NormalImageFit::kTooSmall;
    if (width == cellW && height == cellH) return NormalImageFit::kExact;
    return NormalImageFit::kNeedsCrop;
}

namespace {

void EndEdit() {
    RequestRefresh(kRefreshMainView | kRefreshStrip | kRefreshPanel);
    MarkEdited();
}

}  // namespace

bool ImportNormalImage(int tileIndex, const Picture& picture, int x, int y) {
    TileRecord* tile = TileAt(tileIndex);
    TemplateDocument& doc = Doc();
    if (!tile || !doc.palette) return false;
    PixelIndexer source(picture, *doc.palette);
    ApplyNormalImage(*tile, doc.cellW, doc.cellH, source, x, y);
    EndEdit();
    return true;
}

bool ImportExtraImage(int tileIndex, const Picture& picture, const CropRect& rect) {
    TileRecord* tile = TileAt(tileIndex);
    TemplateDocument& doc = Doc();
    if (!tile || !doc.palette || rect.width < 1 || rect.height < 1) return false;
    PixelIndexer source(picture, *doc.palette);
    ApplyExtraImage(*tile, source, rect);
    EndEdit();
    return true;
}

bool ImportAll(const Picture& picture) {
    TemplateDocument& doc = Doc();
    if (!doc.open || !doc.palette) return false;
    if (!ImportAllTiles(doc.tiles, doc.cellW, doc.cellH, *doc.palette, picture)) return false;
    EndEdit();
    return true;
}

std::string ImportAllSizeText() {
    TemplateBounds bounds;
    if (!ComputeTemplateBounds(bounds)) return {};
    return Ui().Text("MSG:IMPORTALL1") + " " + std::to_string(bounds.Width()) + "x" + std::to_string(bounds.Height());
}

}  // namespace zelt
