#include "editor/editing/TemplateClipboard_win.h"

#include "common/WinHandles.h"
#include "editor/views/DibCanvas.h"
#include "editor/views/DibCanvas_win.h"
#include "editor/views/TemplateRender.h"

namespace zelt {

namespace {

// Larger pictures are not put on the clipboard: a screen-compatible bitmap of them would take
// gigabytes.
constexpr int64_t kMaxClipboardSide = 16384;

}  // namespace

bool CopyTemplateToClipboard(HWND owner) {
    TemplateBounds bounds;
    if (!ComputeTemplateBounds(bounds)) return false;
    const int64_t width = bounds.Width();
    const int64_t height = bounds.Height();
    if (width < 1 || height < 1 || width > kMaxClipboardSide || height > kMaxClipboardSide) return false;

    DibCanvas canvas;
    if (!canvas.Create(static_cast<int>(width), static_cast<int>(height))) return false;
    canvas.Clear(0xFFFFFF);
    if (!RenderTemplate(canvas, 0, 0, false)) return false;

    WindowDc screen(nullptr);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), canvas.Width(), canvas.Height()));
    UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
    if (!bitmap || !dc) return false;
    {
        SelectScope select(dc.Get(), bitmap.Get());
        if (!DrawCanvas(dc.Get(), canvas, 0, 0)) return false;
    }

    if (!OpenClipboard(owner)) return false;
    bool placed = false;
    if (EmptyClipboard() && SetClipboardData(CF_BITMAP, bitmap.Get())) {
        bitmap.Release();  // the clipboard owns it now
        placed = true;
    }
    CloseClipboard();
    return placed;
}

}  // namespace zelt
