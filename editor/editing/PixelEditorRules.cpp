#include "editor/editing/PixelEditorRules.h"

#include <algorithm>
#include <cstdlib>

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentUi.h"
#include "editor/template/TileLayout.h"

namespace zelt {

namespace {

constexpr int kGridColumns = 32;
constexpr int kGridRows = 8;

// Puts back the image under the previewed shape; the backup stays for the next move.
void RestoreBackup(PixelEditorState& state) {
    if (state.backup.Valid()) state.image.PasteFrom(state.backup, state.backupAt.x, state.backupAt.y);
}

// Keeps the part of the image the shape from start to p may cover.
void SaveBackup(PixelEditorState& state, PixelPoint p) {
    const PixelRect region = ClipRect(SpannedRect(state.start, p), state.image.Width(), state.image.Height());
    state.backup.Destroy();
    if (!state.backup.Create(region.width, region.height)) return;
    state.backupAt = {region.left, region.top};
    state.backup.CopyRegionFrom(state.image, region.left, region.top, region.width, region.height);
}

void Erase(IndexedCanvas& image, PixelPoint p) {
    image.FillRect(p.x - 2, p.y - 2, 4, 4, 0);
}

bool PreviewsShape(int tool) {
    return tool == kToolLine || tool == kToolFrame || tool == kToolRect || tool == kToolSelect;
}

}  // namespace

ImageView ComputeImageView(int areaWidth, int areaHeight, int cellW, int cellH) {
    ImageView view;
    if (cellW <= 0 || cellH <= 0) return view;
    view.scale = std::max(1, std::min(areaWidth / cellW, areaHeight / cellH));
    view.offX = (areaWidth - view.scale * cellW) / 2;
    view.offY = (areaHeight - view.scale * cellH) / 2;
    return view;
}

std::optional<PixelPoint> ImagePixelAt(const ImageView& view, int cellW, int cellH, int x, int y) {
    const int64_t dx = int64_t{x} - view.offX, dy = int64_t{y} - view.offY;
    if (view.scale < 1 || dx < 0 || dy < 0 || dx >= int64_t{view.scale} * cellW ||
        dy >= int64_t{view.scale} * cellH)
        return std::nullopt;
    return PixelPoint{static_cast<int>(dx / view.scale), static_cast<int>(dy / view.scale)};
}

PaletteGridView ComputePaletteGridView(int areaWidth, int areaHeight) {
    PaletteGridView view;
    view.cellWidth = std::max(0, areaWidth / kGridColumns);
    view.cellHeight = std::max(0, areaHeight / kGridRows);
    view.offX = (areaWidth - kGridColumns * view.cellWidth) / 2;
    view.offY = (areaHeight - kGridRows * view.cellHeight) / 2;
    return view;
}

std::optional<int> PaletteIndexAt(const PaletteGridView& view, int x, int y) {
    if (view.cellWidth <= 0 || view.cellHeight <= 0) return std::nullopt;
    const int64_t dx = int64_t{x} - view.offX, dy = int64_t{y} - view.offY;
    if (dx < 0 || dy < 0 || dx >= int64_t{kGridColumns} * view.cellWidth ||
        dy >= int64_t{kGridRows} * view.cellHeight)
        return std::nullopt;
    return static_cast<int>(kGridColumns * (dy / view.cellHeight) + dx / view.cellWidth);
}

PixelRect SpannedRect(PixelPoint a, PixelPoint b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::abs(a.x - b.x) + 1, std::abs(a.y - b.y) + 1};
}

PixelRect ClipRect(const PixelRect& r, int width, int height) {
    const int64_t left = std::max<int64_t>(r.left, 0), top = std::max<int64_t>(r.top, 0);
    const int64_t right = std::min<int64_t>(int64_t{r.left} + r.width, width);
    const int64_t bottom = std::min<int64_t>(int64_t{r.top} + r.height, height);
    if (right <= left || bottom <= top) return {};
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
            static_cast<int>(bottom - top)};
}

void UnpackDiamond(const TileBytes& diamond, int cellW, int cellH, IndexedCanvas& image) {
    size_t k = 0;
    for (int r = 0; r < cellH; ++r) {
        const int start = DiamondRowStart(r, cellW, cellH), width = DiamondRowWidth(r, cellH);
        for (int i = 0; i < width && k < diamond.size(); ++i) image.SetPixel(start + i, r, diamond[k++]);
    }
}

void PackDiamond(const IndexedCanvas& image, int cellW, int cellH, TileBytes& diamond) {
    size_t k = 0;
    for (int r = 0; r < cellH; ++r) {
        const int start = DiamondRowStart(r, cellW, cellH), width = DiamondRowWidth(r, cellH);
        for (int i = 0; i < width && k < diamond.size(); ++i)
            diamond[k++] = static_cast<uint8_t>(image.GetPixel(start + i, r));
    }
}

bool BeginPixelEditing(PixelEditorState& state, const TileRecord& tile, int cellW, int cellH) {
    if (tile.diamond.empty() || !state.image.Create(cellW, cellH)) return false;
    UnpackDiamond(tile.diamond, cellW, cellH, state.image);
    state.backup.Destroy();
    state.tool = kToolPencil;
    state.dragging = false;
    return true;
}

bool PressAt(PixelEditorState& state, PixelPoint p) {
    state.dragging = true;
    state.start = p;
    state.backup.Destroy();
    if (state.tool == kToolPencil) {
        state.image.SetPixel(p.x, p.y, static_cast<uint32_t>(state.colour));
        return true;
    }
    if (state.tool == kToolErase) {
        Erase(state.image, p);
        return true;
    }
    return false;
}

bool DragTo(PixelEditorState& state, PixelPoint p) {
    if (!state.dragging) return false;
    if (PreviewsShape(state.tool)) {
        RestoreBackup(state);
        SaveBackup(state, p);
    }
    const PixelRect r = SpannedRect(state.start, p);
    const auto colour = static_cast<uint32_t>(state.colour);
    IndexedCanvas& image = state.image;
    switch (state.tool) {
        case kToolPencil:
            image.SetPixel(p.x, p.y, colour);
            break;
        case kToolLine:
            image.Line(p.x, p.y, state.start.x, state.start.y, colour);
            image.SetPixel(p.x, p.y, colour);
            image.SetPixel(state.start.x, state.start.y, colour);
            break;
        case kToolFrame:
            image.FrameRect(r.left, r.top, r.width, r.height, colour);
            break;
        case kToolRect:
            image.FillRect(r.left, r.top, r.width, r.height, colour);
            break;
        case kToolSelect:
            state.selection = r;
            state.selectionVisible = true;
            break;
        case kToolErase:
            Erase(image, p);
            break;
        default:
            break;
    }
    return true;
}

bool DragOutside(PixelEditorState& state) {
    if (!state.dragging || !state.backup.Valid()) return false;
    RestoreBackup(state);
    return true;
}

bool ReleaseAt(PixelEditorState& state, PixelPoint p) {
    if (!state.dragging) return false;
    state.dragging = false;
    if (state.tool == kToolSelect) {
        state.selection = ClipRect(SpannedRect(state.start, p), state.image.Width(), state.image.Height());
        state.selectionVisible = true;
        RestoreBackup(state);
    }
    state.backup.Destroy();
    return true;
}

bool AbandonDrag(PixelEditorState& state) {
    if (!state.dragging) return false;
    state.dragging = false;
    RestoreBackup(state);
    state.backup.Destroy();
    return true;
}

bool RenderMagnifiedImage(const PixelEditorState& state, int scale, uint32_t background, DibCanvas& canvas) {
    const IndexedCanvas& image = state.image;
    if (!image.Valid() || scale < 1 || !canvas.Create(scale * image.Width(), scale * image.Height()))
        return false;
    canvas.Clear(background);
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const uint32_t index = image.GetPixel(x, y);
            if (index != 0) canvas.FillRect(scale * x, scale * y, scale, scale, image.palette[index]);
        }
    }
    if (state.selectionVisible) {
        const int x = scale * state.selection.left, y = scale * state.selection.top;
        const int w = scale * state.selection.width, h = scale * state.selection.height;
        for (int i = x; i < x + w; i += 2) {
            canvas.SetPixel(i, y, 0x000000);
            canvas.SetPixel(i, y + h - 1, 0x000000);
        }
        for (int j = y; j < y + h; j += 2) {
            canvas.SetPixel(x, j, 0x000000);
            canvas.SetPixel(x + w - 1, j, 0x000000);
        }
    }
    return true;
}

bool RenderPaletteGrid(const PaletteTable& palette, int current, const PaletteGridView& view,
                       DibCanvas& canvas) {
    const int cw = view.cellWidth, ch = view.cellHeight;
    if (cw <= 0 || ch <= 0 || !canvas.Create(kGridColumns * cw, kGridRows * ch)) return false;
    for (int i = 0; i < kGridColumns * kGridRows; ++i) {
        canvas.FillRect((i % kGridColumns) * cw, (i / kGridColumns) * ch, cw, ch,
                        palette[static_cast<size_t>(i)]);
    }
    if (current >= 0 && current < kGridColumns * kGridRows) {
        const int left = (current % kGridColumns) * cw, top = (current / kGridColumns) * ch;
        canvas.InvertLine(left + 2, top + ch / 2, left + cw - 2, top + ch / 2);
        canvas.InvertLine(left + cw / 2, top + 2, left + cw / 2, top + ch - 2);
    }
    return true;
}

bool ApplyPixelEdit(const IndexedCanvas& image) {
    TileRecord* tile = TileAt(-1);
    if (!tile) return false;
    const TemplateDocument& doc = Doc();
    PackDiamond(image, doc.cellW, doc.cellH, tile->diamond);
    MarkEdited();
    RequestRefresh(kRefreshAll);
    return true;
}

}  // namespace zelt
