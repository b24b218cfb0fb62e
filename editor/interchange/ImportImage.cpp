#include "editor/interchange/ImportImage.h"

#include <algorithm>
#include <new>

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentUi.h"
#include "editor/render/SharedWork.h"
#include "editor/render/TemplateRender.h"
#include "editor/template/TileLayout.h"

namespace zelt {

PixelIndexer::PixelIndexer(const Picture& picture, const PaletteTable& palette)
    : picture_(picture),
      direct_(picture.Indexed() && picture.indexes.size() == picture.colours.pixels.size() &&
              PaletteMatches(picture.palette, palette)) {
    if (!direct_) PreparePaletteSearch(palette, search_);
}

uint8_t PixelIndexer::At(int x, int y) {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
    uint8_t index = 0;
    ReadRun(static_cast<size_t>(y) * static_cast<size_t>(Width()) + static_cast<size_t>(x), 1, &index);
    return index;
}

void PixelIndexer::Remember(size_t slot, uint32_t colour) {
    cachedColour_[slot] = colour | kFilled;
    cachedIndex_[slot] = static_cast<uint8_t>(NearestPaletteIndexFast(colour, search_));
}

void PixelIndexer::ReadRun(size_t at, int count, uint8_t* out) {
    if (direct_) {
        std::copy_n(picture_.indexes.data() + at, count, out);
        return;
    }
    // Locals, so that the byte stores cannot make the compiler reload the picture and the last match.
    const uint32_t* pixels = picture_.colours.pixels.data() + at;
    uint32_t last = lastColour_;
    uint8_t lastIndex = lastIndex_;
    for (int i = 0; i < count; ++i) {
        const uint32_t colour = pixels[i] & 0xFFFFFF;
        if (colour != last) {
            last = colour;
            const size_t slot = (colour * 2654435761u) >> (32 - kCacheBits);
            if (cachedColour_[slot] != (colour | kFilled)) Remember(slot, colour);
            lastIndex = cachedIndex_[slot];
        }
        out[i] = lastIndex;
    }
    lastColour_ = last;
    lastIndex_ = lastIndex;
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
                    const Picture& picture, int workers) {
    const TemplateBounds bounds = ComputeTileBounds(tiles, cellW, cellH);
    if (bounds.Width() != picture.colours.width || bounds.Height() != picture.colours.height) return false;
    PixelIndexer source(picture, palette);
    const size_t width = static_cast<size_t>(picture.colours.width);
    const int height = picture.colours.height;

    // The picture is worked through in bands of rows, each first fetched into the cache in one
    // sweep: tile by tile the reads jump between rows and would wait on memory for every line.
    // Within a band the tiles go in list order, so the earlier tile still takes a shared pixel.
    constexpr int kBand = 32;
    std::vector<std::vector<uint32_t>> bandTiles(static_cast<size_t>((height + kBand - 1) / kBand));
    std::vector<int64_t> tops(tiles.size());
    for (size_t t = 0; t < tiles.size(); ++t) {
        // The cell box lies inside the bounds, so every pixel read is inside the picture.
        tops[t] = int64_t{tiles[t].y} - HeightLift(tiles[t].height, cellH) - bounds.minY;
        for (int64_t band = tops[t] / kBand; band <= (tops[t] + cellH - 1) / kBand; ++band)
            bandTiles[static_cast<size_t>(band)].push_back(static_cast<uint32_t>(t));
        tiles[t].diamond.resize(static_cast<size_t>(DiamondSize(cellW, cellH)));
    }
    std::vector<size_t> rowStart(static_cast<size_t>(cellH) + 1, 0);  // of each diamond row in the block
    for (int r = 0; r < cellH; ++r)
        rowStart[r + 1] = rowStart[r] + static_cast<size_t>(DiamondRowWidth(r, cellH));

    // Pixels an earlier tile took read as index 0, as if painted with entry 0's colour; the picture
    // itself stays untouched. Bands share no pixel, so each worker reads its bands with marks and a
    // colour cache of its own; a tile that crosses bands gets each row from one band.
    if (workers <= 0)
        workers = int64_t{picture.colours.width} * height >= kWorkersFrom ? WorkersAvailable() : 1;
    struct Worker {
        PixelIndexer source;
        std::vector<uint8_t> taken;
    };
    const Worker first{source, std::vector<uint8_t>(static_cast<size_t>(kBand) * width)};
    std::vector<Worker> own{first};
    try {
        while (own.size() < static_cast<size_t>(workers)) own.push_back(first);
    } catch (const std::bad_alloc&) {
        // Fewer workers.
    }
    ShareOut(bandTiles.size(), static_cast<int>(own.size()), [&](size_t band, int worker) {
        std::vector<uint8_t>& taken = own[static_cast<size_t>(worker)].taken;
        PixelIndexer& reader = own[static_cast<size_t>(worker)].source;
        const int bandTop = static_cast<int>(band) * kBand, bandEnd = std::min(height, bandTop + kBand);
        const uint32_t* bandPixels = picture.colours.pixels.data() + static_cast<size_t>(bandTop) * width;
        for (size_t i = 0; i < static_cast<size_t>(bandEnd - bandTop) * width; i += 16)
            __builtin_prefetch(bandPixels + i);
        std::fill(taken.begin(), taken.end(), 0);
        for (uint32_t t : bandTiles[band]) {
            TileRecord& tile = tiles[t];
            const int64_t left = int64_t{tile.x} - cellW / 2 - bounds.minX;
            const int first = static_cast<int>(std::max<int64_t>(0, bandTop - tops[t]));
            const int last = static_cast<int>(std::min<int64_t>(cellH, bandEnd - tops[t]));
            for (int r = first; r < last; ++r) {
                const size_t row = static_cast<size_t>(tops[t] + r);
                const size_t x = static_cast<size_t>(left + DiamondRowStart(r, cellW, cellH));
                const int count = DiamondRowWidth(r, cellH);
                uint8_t* mark = taken.data() + (row - static_cast<size_t>(bandTop)) * width + x;
                uint8_t* out = tile.diamond.data() + rowStart[static_cast<size_t>(r)];
                reader.ReadRun(row * width + x, count, out);
                for (int i = 0; i < count; ++i) {
                    out[i] = mark[i] ? 0 : out[i];
                    mark[i] = 1;
                }
            }
        }
    });
    return true;
}

NormalImageFit FitOfNormalImage(int width, int height, int cellW, int cellH) {
    if (width < cellW || height < cellH) return NormalImageFit::kTooSmall;
    if (width == cellW && height == cellH) return NormalImageFit::kExact;
    return NormalImageFit::kNeedsCrop;
}

namespace {

// The snapshot first, so that the window state shown after the refresh already offers the undo.
void EndEdit() {
    MarkEdited();
    RequestRefresh(kRefreshAll);
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
    return Ui().Text("MSG:IMPORTALL1") + " " + std::to_string(bounds.Width()) + "x" +
           std::to_string(bounds.Height());
}

}  // namespace zelt
