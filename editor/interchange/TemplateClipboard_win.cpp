#include "editor/interchange/TemplateClipboard_win.h"

#include "editor/interchange/ImageClipboard_win.h"
#include "editor/interchange/TileBitmaps.h"
#include "editor/render/DibCanvas.h"
#include "editor/render/TemplateRender.h"

namespace zelt {

bool CopyTemplateToClipboard(HWND owner) {
    TemplateBounds bounds;
    if (!ComputeTemplateBounds(bounds)) return false;
    const int64_t width = bounds.Width();
    const int64_t height = bounds.Height();
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide) return false;

    DibCanvas canvas;
    if (!canvas.Create(static_cast<int>(width), static_cast<int>(height))) return false;
    canvas.Clear(0xFFFFFF);
    if (!RenderTemplate(canvas, 0, 0, false)) return false;

    return PutCanvasOnClipboard(owner, canvas);
}

}  // namespace zelt
