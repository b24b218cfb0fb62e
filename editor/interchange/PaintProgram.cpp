#include "editor/interchange/PaintProgram.h"

#include "editor/interchange/TileBitmaps.h"

namespace zelt {

std::string PaintFileName(std::string_view temporaryFolder) {
    return std::string(temporaryFolder) + kPaintFileName;
}

std::string PaintCommandLine(std::string_view temporaryFolder) {
    return "mspaint.exe \"" + PaintFileName(temporaryFolder) + "\"";
}

Picture PaintPicture(const TileRecord& tile, int cellW, int cellH, const PaletteTable& palette) {
    Picture picture = NormalImagePicture(tile, cellW, cellH, palette, palette[0]);
    picture.indexes.clear();  // the paint program gets and gives colours only
    picture.palette.clear();
    return picture;
}

}  // namespace zelt
