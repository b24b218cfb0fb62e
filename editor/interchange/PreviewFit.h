// Where the open dialogs' preview controls put a picture: 1:1 and centred when it fits, otherwise
// shrunk (or, for templates on request, enlarged) with its aspect ratio kept.
#pragma once
#include <cstdint>

namespace zelt {

struct PreviewPlacement {
    int x = 0, y = 0, width = 0, height = 0;
    bool stretched = false;
    bool Empty() const { return width <= 0 || height <= 0; }
};

// The image preview in a client of clientW x clientH: 1:1 when the image fits, else scaled to the
// client's width, or to its height when that would be too tall. An image without pixels gives an
// empty placement.
PreviewPlacement FitImagePreview(int clientW, int clientH, int imageW, int imageH);

// The template preview: like the image preview, but always scaled when alwaysStretch is set, and
// the vertical offset taken from the unrounded scaled height.
PreviewPlacement FitTemplatePreview(int clientW, int clientH, int pictureW, int pictureH, bool alwaysStretch);

// Whether an image of width x height is small enough to be decoded for a preview; a selection in
// a dialog must not make the program allocate gigabytes.
bool ImagePreviewSizeAllowed(int64_t width, int64_t height);

}  // namespace zelt
