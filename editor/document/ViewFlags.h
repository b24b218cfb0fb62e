// The editor's view switches that the commands toggle and the renderers read. The switches kept in
// the settings file (DrawBlackFrameAround, UseInvertTileSelect, QuickEditMode) live in the
// settings record.
#pragma once

namespace zelt {

struct ViewFlags {
    bool showNormalImages = true;  // ShowNormalImages
    bool showExtraImages = true;   // ShowExtraImages
    int stripCurrentTile = 0;      // the tile strip's current tile; follows the selection
};

ViewFlags& Views();

}  // namespace zelt
