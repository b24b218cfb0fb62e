// The round trip of a tile's normal image through the platform's paint program: the picture handed
// over, where the program is found, the command line that starts it, and what comes back.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editor/interchange/Picture.h"
#include "editor/template/Palette.h"
#include "editor/template/TileRecord.h"

namespace zelt {

inline constexpr char kPaintFileName[] = "ImgTmp.bmp";
inline constexpr char kPaintProgramName[] = "mspaint.exe";

// The temporary picture's full name in the temporary folder (which ends in a separator).
std::string PaintFileName(std::string_view temporaryFolder);

// The full names the paint program is looked for at, in order: the system folder first; then the
// search path without the current folder (which the file dialogs move into the user's folders): the
// program's own folder, the Windows folder and every fully qualified folder of the PATH variable
// (";"-separated, quotes removed). A relative PATH entry such as "." would mean the current folder
// and is skipped, and so is any folder already listed.
std::vector<std::string> PaintProgramCandidates(std::string_view systemFolder, std::string_view programFolder,
                                                std::string_view windowsFolder, std::string_view pathVariable);

// The program's full name and the temporary picture's name, each in quotes, so folders with blanks
// arrive whole.
std::string PaintCommandLine(std::string_view program, std::string_view temporaryFolder);

// The normal image on the colour of palette entry 0, so pixels nobody painted come back as index 0
// (on black they would come back opaque wherever entry 0 is not black).
Picture PaintPicture(const TileRecord& tile, int cellW, int cellH, const PaletteTable& palette);

// What tells whether the paint program saved the picture: its last write time and its size.
struct FileStamp {
    uint64_t writeTime = 0;
    uint64_t size = 0;
    bool exists = false;
    bool operator==(const FileStamp&) const = default;
};

}  // namespace zelt
