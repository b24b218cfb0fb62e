// "GUI:EXPORTTILES": the dialog that asks for a folder and a picture format, and the export of
// every tile's images into that folder through the image library.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace zelt {

struct ExportTilesChoice {
    std::string folder;  // ends in a backslash
    std::string format;  // a save format name of the image library, such as "BMP"
};

// The dialog; remembers the folder as "ExportImgsDir". None when cancelled.
std::optional<ExportTilesChoice> ShowExportTilesDialog(HWND owner);

// Every tile's normal image and, where it has one, its extra image, saved through the image library
// as "tile<i>N.<format>" and "tile<i>E.<format>" in the folder. Reports once at the end: how it went.
// False when any image failed or there is no template.
bool ExportTilesToFolder(const std::string& folder, const std::string& format);

}  // namespace zelt
