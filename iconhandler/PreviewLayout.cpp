#include "iconhandler/PreviewLayout.h"

#include <algorithm>

namespace zelt::icon {

PaneLayout LayOutPane(int paneWidth, int paneHeight, int textHeight, int pictureWidth, int pictureHeight) {
    PaneLayout layout;
    layout.picture = FitWithin(pictureWidth, pictureHeight, paneWidth - 2 * kPaneMargin,
                               paneHeight - 2 * kPaneMargin - kTextGap - textHeight);
    const int block = layout.picture.height + kTextGap + textHeight;
    layout.pictureX = (paneWidth - layout.picture.width) / 2;
    layout.pictureY = std::max(0, (paneHeight - block) / 2);
    layout.textTop = layout.pictureY + layout.picture.height + kTextGap;
    return layout;
}

}  // namespace zelt::icon
