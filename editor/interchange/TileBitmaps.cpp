#include "editor/interchange/TileBitmaps.h"

#include <algorithm>

#include "editor/document/DocumentClass.h"
#include "editor/render/DibCanvas.h"
#include "editor/render/TemplateRender.h"
#include "editor/template/TileLayout.h"

namespace zelt {

namespace {

// Colours from the indexes: the palette colour, or the fill where the index is 0.
Picture Coloured(int width, int height, std::vector<uint8_t> indexes, const PaletteTable& palette,
                 uint32_t fill) {
    Picture picture;
    picture.colours = ColourImage(width, height);
    for (size_t i = 0; i < indexes.size(); ++i)
        picture.colours.pixels[i] = indexes[i] ? palette[indexes[i]] : fill;
    picture.indexes = std::move(indexes);
    picture.palette.assign(palette.begin(), palette.end());
    return picture;
}

}  // namespace

Picture NormalImagePicture(const TileRecord& tile, int cellW, int cellH, const PaletteTable& palette,
                           uint32_t fill) {
    std::vector<uint8_t> indexes(static_cast<size_t>(cellW) * static_cast<size_t>(cellH), 0);
    // A diamond shorter than the cell's layout is drawn as far as it goes.
    size_t at = 0;
    for (int r = 0; r < cellH && at < tile.diamond.size(); ++r) {
        const size_t width = std::min<size_t>(DiamondRowWidth(r, cellH), tile.diamond.size() - at);
        std::copy_n(tile.diamond.begin() + static_cast<ptrdiff_t>(at), width,
                    indexes.begin() + static_cast<ptrdiff_t>(static_cast<size_t>(r) * cellW +
                                                             DiamondRowStart(r, cellW, cellH)));
        at += width;
    }
    return Coloured(cellW, cellH, std::move(indexes), palette, fill);
}

bool ExtraImagePicture(const TileRecord& tile, const PaletteTable& palette, uint32_t fill, Picture& out) {
    out = Picture{};
    if (!tile.hasExtra || tile.extraWidth <= 0 || tile.extraHeight <= 0) return false;
    std::vector<uint8_t> indexes(static_cast<size_t>(tile.extraWidth) * static_cast<size_t>(tile.extraHeight),
                                 0);
    std::copy_n(tile.extraImage.begin(), std::min(indexes.size(), tile.extraImage.size()), indexes.begin());
    out = Coloured(tile.extraWidth, tile.extraHeight, std::move(indexes), palette, fill);
    return true;
}

bool RenderWholeTemplate(DibCanvas& canvas) {
    TemplateBounds bounds;
    if (!ComputeTemplateBounds(bounds) || !Doc().palette || bounds.Width() <= 0 || bounds.Height() <= 0 ||
        bounds.Width() > kMaxPictureSide || bounds.Height() > kMaxPictureSide)
        return false;
    if (!canvas.Create(static_cast<int>(bounds.Width()), static_cast<int>(bounds.Height()))) return false;
    canvas.Clear(0xFFFFFF);
    return RenderTemplate(canvas, 0, 0, false);
}

std::string ExportTileFileName(std::string_view folder, int position, bool extra, std::string_view format) {
    return std::string(folder) + "tile" + std::to_string(position) + (extra ? "E." : "N.") +
           std::string(format);
}

std::string ExportFolderOfField(std::string_view field) {
    std::string folder(field);
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

bool ExportTiles(const std::vector<TileRecord>& tiles, int cellW, int cellH, const PaletteTable& palette,
                 std::string_view folder, std::string_view format, const PictureWriter& write) {
    bool allWritten = true;
    for (size_t i = 0; i < tiles.size(); ++i) {
        const int position = static_cast<int>(i);
        const Picture normal = NormalImagePicture(tiles[i], cellW, cellH, palette, kExportNormalFill);
        allWritten = write(ExportTileFileName(folder, position, false, format), normal) && allWritten;
        Picture extra;
        if (ExtraImagePicture(tiles[i], palette, ExportExtraFill(palette), extra))
            allWritten = write(ExportTileFileName(folder, position, true, format), extra) && allWritten;
    }
    return allWritten;
}

}  // namespace zelt
