// Where the preview pane puts the template's picture and the line of text under it.
#pragma once
#include "iconhandler/IconThumbnail.h"

namespace zelt::icon {

inline constexpr int kPaneMargin = 8;  // on every side of the pane
inline constexpr int kTextGap = 6;     // between the picture and the text

struct PaneLayout {
    int pictureX = 0, pictureY = 0;
    PictureSize picture;  // 0 x 0 when the pane has no room for it
    int textTop = 0;
};

// The picture fits the pane less its margins and the text line, never enlarged; picture and text
// together are centred vertically, each centred horizontally.
PaneLayout LayOutPane(int paneWidth, int paneHeight, int textHeight, int pictureWidth, int pictureHeight);

}  // namespace zelt::icon
