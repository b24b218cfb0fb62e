#include "editor/interchange/PreviewFit.h"

namespace zelt {

namespace {
constexpr int64_t kMaxPreviewSide = 32768;
constexpr int64_t kMaxPreviewPixels = int64_t{64} * 1024 * 1024;
}  // namespace

PreviewPlacement FitImagePreview(int clientW, int clientH, int imageW, int imageH) {
    PreviewPlacement p;
    if (imageW <= 0 || imageH <= 0 || clientW <= 0 || clientH <= 0) return p;
    if (clientW >= imageW && clientH >= imageH) {
        p.width = imageW;
        p.height = imageH;
    } else {
        p.stretched = true;
        p.width = clientW;
        p.height = static_cast<int>(static_cast<double>(imageH) / imageW * clientW);
        if (p.height > clientH) {
            p.height = clientH;
            p.width = static_cast<int>(static_cast<double>(imageW) / imageH * clientH);
        }
    }
    p.x = (clientW - p.width) / 2;
    p.y = (clientH - p.height) / 2;
    return p;
}

PreviewPlacement FitTemplatePreview(int clientW, int clientH, int pictureW, int pictureH,
                                    bool alwaysStretch) {
    PreviewPlacement p;
    if (pictureW <= 0 || pictureH <= 0 || clientW <= 0 || clientH <= 0) return p;
    if (!alwaysStretch && clientW >= pictureW && clientH >= pictureH) {
        p.width = pictureW;
        p.height = pictureH;
        p.x = (clientW - pictureW) / 2;
        p.y = (clientH - pictureH) / 2;
        return p;
    }
    p.stretched = true;
    double fh = static_cast<double>(pictureH) / pictureW * clientW;
    if (clientH < fh) {
        fh = clientH;
        p.width = static_cast<int>(static_cast<double>(pictureW) / pictureH * clientH);
    } else {
        p.width = clientW;
    }
    p.height = static_cast<int>(fh);
    p.x = (clientW - p.width) / 2;
    p.y = static_cast<int>((clientH - fh) * 0.5);
    return p;
}

bool ImagePreviewSizeAllowed(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPreviewSide && height <= kMaxPreviewSide &&
           width * height <= kMaxPreviewPixels;
}

}  // namespace zelt
