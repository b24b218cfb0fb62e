// The editor's commands that exchange tile images with image files, the clipboard and the paint
// program: export and copy of a tile's images, Export all, Export tiles, import with cropping, paste,
// Import all, and Edit in paint program.
#pragma once
#include <windows.h>

#include <string>

#include "editor/template/ColourImage.h"

namespace zelt {

// Runs one of the commands above; false for any other command identifier.
bool RunTileImageCommand(UINT command);

// What the imports do once they have their picture (file, clipboard or paint program), named by
// name in the crop dialog: the size rules, the crop dialog, then the import into the selected tile.
void ImportNormalPicture(const ColourImage& picture, const std::string& name);
// The question whether to crop, the crop dialog, then the import into the selected tile.
void ImportExtraPicture(const ColourImage& picture, const std::string& name);
// Import all of a picture of the whole template; the size message when it does not fit.
void ImportAllPicture(const ColourImage& picture);

// The selected tile's normal image through the paint program: it is started on the temporary picture
// and waited for (the editor's windows disabled, every message delivered), and a cell-sized picture
// comes back into the tile. When the program ended without changing the picture, the user is asked
// whether the editing goes on elsewhere; the question waits for the next change or a Cancel. False
// when anything on the way failed or was cancelled (the tile is then unchanged).
bool EditInPaintProgram();

}  // namespace zelt
