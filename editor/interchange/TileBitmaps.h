// Tile images as pictures for export: the normal image in a cell-sized box, the extra image in its
// own size, on a fill colour where nothing is drawn (index 0 is transparent). The batch export of
// every tile into a folder, with its file names.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/interchange/Picture.h"
#include "editor/template/Palette.h"
#include "editor/template/TileRecord.h"

namespace zelt {

inline constexpr uint32_t kExportNormalFill = 0x000000;  // file exports of normal images
inline constexpr uint32_t kClipboardFill = 0xFFFFFF;     // clipboard copies of either image
// File exports of extra images are filled with the colour of palette entry 0.
inline uint32_t ExportExtraFill(const PaletteTable& palette) {
    return palette[0];
}

// The picture is indexed as well: its indexes are the tile's, 0 where nothing is drawn, and its
// palette is the template's. Dropping the indexes leaves the colour picture.
Picture NormalImagePicture(const TileRecord& tile, int cellW, int cellH, const PaletteTable& palette,
                           uint32_t fill);
// False (and an empty picture) for a tile without an extra image.
bool ExtraImagePicture(const TileRecord& tile, const PaletteTable& palette, uint32_t fill, Picture& out);

class DibCanvas;

// Export all: the document's whole template on white at (0, 0), without frame or selection marker,
// with the view's toggles for normal and extra images. False (canvas untouched) without an open
// document or its palette, for empty bounds, or for a side over kMaxPictureSide.
bool RenderWholeTemplate(DibCanvas& canvas);

// "%stile%dN.%s" and "%stile%dE.%s" with the folder (ending in a separator), position and format name.
std::string ExportTileFileName(std::string_view folder, int position, bool extra, std::string_view format);
// The folder field's text with a backslash appended unless it already ends with one.
std::string ExportFolderOfField(std::string_view field);

// Writes one exported picture; false when it could not be written.
using PictureWriter = std::function<bool(const std::string& path, const Picture& picture)>;

// Every tile's normal image (black fill) and, where it has one, extra image (entry 0 fill), in list
// order. A failed write does not stop the run; the result is false when any failed.
bool ExportTiles(const std::vector<TileRecord>& tiles, int cellW, int cellH, const PaletteTable& palette,
                 std::string_view folder, std::string_view format, const PictureWriter& write);

}  // namespace zelt
