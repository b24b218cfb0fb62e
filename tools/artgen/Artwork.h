// Every picture of the program's resources, encoded and ready to write.
#pragma once
#include <string>
#include <vector>

#include "tools/artgen/Bytes.h"
#include "tools/artgen/Image.h"

namespace zelt::artgen {

struct ArtworkFile {
    std::string name;           // file name within the output folder
    Bytes bytes;                // the file's contents
    std::vector<Image> images;  // what it shows, for previews
};

// zelt.ico, viewer.ico, splash.bmp, viewer_toolbar.bmp, editor_toolbar.bmp, bbanner.gif, vbanner.gif,
// help.gif, the ramp pictures ramp00.bmp ... ramp20.bmp, tip.bmp and the hot buttons' pictures.
std::vector<ArtworkFile> MakeArtwork();

}  // namespace zelt::artgen
