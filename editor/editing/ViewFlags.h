// The editor's view switches that the commands toggle and the renderers read.
#pragma once

namespace zelt {

struct ViewFlags {
    bool showNormalImages = true;   // ShowNormalImages
    bool showExtraImages = true;    // ShowExtraImages
    bool quickEditMode = false;     // QuickEditMode, the check mark of "GUI:QUICK"
    // Copies of the settings DrawBlackFrameAround and UseInvertTileSelect, set by the shell after
    // the settings are read and whenever the options change.
    bool drawBlackFrameAround = false;
    bool useInvertTileSelect = false;
    int stripCurrentTile = 0;       // the tile strip's current tile; follows the selection
};

ViewFlags& Views();

}  // namespace zelt
