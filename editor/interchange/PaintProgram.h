// The round trip of a tile's normal image through the platform's paint program: the picture handed
// over, the command line that starts the program, and what comes back.
#pragma once
#include <string>
#include <string_view>

#include "editor/interchange/Picture.h"
#include "editor/template/Palette.h"
#include "editor/template/TileRecord.h"

namespace zelt {

inline constexpr char kPaintFileName[] = "ImgTmp.bmp";

// The temporary picture's full name in the temporary folder (which ends in a separator).
std::string PaintFileName(std::string_view temporaryFolder);
// "mspaint.exe" and the temporary picture's name in quotes, so a folder with blanks arrives whole.
std::string PaintCommandLine(std::string_view temporaryFolder);
// The normal image on the colour of palette entry 0, so pixels nobody painted come back as index 0
// (on black they would come back opaque wherever entry 0 is not black).
Picture PaintPicture(const TileRecord& tile, int cellW, int cellH, const PaletteTable& palette);

}  // namespace zelt
