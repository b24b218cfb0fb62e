// The pixel editor without its windows: the magnified image and the palette grid with their hit
// tests, the drawing tools with their drag previews, and the way the image goes in and out of a tile.
#pragma once
#include <optional>

#include "editor/render/DibCanvas.h"
#include "editor/render/IndexedCanvas.h"
#include "editor/template/Palette.h"
#include "editor/template/TileRecord.h"

namespace zelt {

enum PixelTool : int {
    kToolPencil = 0,
    kToolLine = 1,
    kToolFrame = 2,
    kToolRect = 3,
    kToolErase = 4,
    kToolSelect = 5
};

struct PixelPoint {
    int x = 0;
    int y = 0;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The magnified image in the canvas area: scale and the offset of its top-left corner.
struct ImageView {
    int scale = 1;
    int offX = 0;
    int offY = 0;
};

// The 32 x 8 palette grid in the palette area: cell size and offset.
struct PaletteGridView {
    int cellWidth = 0;
    int cellHeight = 0;
    int offX = 0;
    int offY = 0;
};

// The largest whole scale that fits the area (at least 1), centred.
ImageView ComputeImageView(int areaWidth, int areaHeight, int cellW, int cellH);
// The image pixel under an area point; none outside. The far column and row are outside.
std::optional<PixelPoint> ImagePixelAt(const ImageView& view, int cellW, int cellH, int x, int y);

PaletteGridView ComputePaletteGridView(int areaWidth, int areaHeight);
// The palette index under an area point; none outside the grid or when the grid has no cells.
std::optional<int> PaletteIndexAt(const PaletteGridView& view, int x, int y);

// The rectangle with corners a and b, both included.
PixelRect SpannedRect(PixelPoint a, PixelPoint b);
// The part of r inside a width x height image (width or height 0 when none is).
PixelRect ClipRect(const PixelRect& r, int width, int height);

// The tile's diamond bytes in image order and back; bytes beyond the diamond, and pixels outside
// it, are left alone. Both take only as many bytes as the block has.
void UnpackDiamond(const TileBytes& diamond, int cellW, int cellH, IndexedCanvas& image);
void PackDiamond(const IndexedCanvas& image, int cellW, int cellH, TileBytes& diamond);

// One editing session; the colour and the selection carry over to the next.
struct PixelEditorState {
    IndexedCanvas image;
    IndexedCanvas backup;  // the image under the shape being previewed; valid while there is one
    PixelPoint backupAt;
    int colour = 0;
    int tool = kToolPencil;
    bool dragging = false;
    PixelPoint start;
    bool selectionVisible = false;
    PixelRect selection;
};

// A fresh image of the tile's diamond, the pencil and no drag. False without diamond bytes.
bool BeginPixelEditing(PixelEditorState& state, const TileRecord& tile, int cellW, int cellH);

// The mouse on the image, at image pixels from ImagePixelAt. Each answers whether the canvas
// needs repainting.
bool PressAt(PixelEditorState& state, PixelPoint p);
bool DragTo(PixelEditorState& state, PixelPoint p);
// While dragging outside the image the previewed shape is taken away.
bool DragOutside(PixelEditorState& state);
// Keeps the previewed shape (a selection only marks its rectangle) and ends the drag.
bool ReleaseAt(PixelEditorState& state, PixelPoint p);
// Ends a drag that did not finish on the image: the previewed shape is taken away.
bool AbandonDrag(PixelEditorState& state);

// The image magnified by scale on the background colour, index 0 left as background, with the
// dotted selection frame. Colours come from the image's palette copy.
bool RenderMagnifiedImage(const PixelEditorState& state, int scale, uint32_t background, DibCanvas& canvas);
// The 256 colours as a 32 x 8 grid with an inverted cross on the current colour. False (nothing
// made) when the grid has no cells.
bool RenderPaletteGrid(const PaletteTable& palette, int current, const PaletteGridView& view,
                       DibCanvas& canvas);

// Writes the image back into the selected tile, as every edit ends: modified, an undo step, all
// views refreshed. False without an open document or a selected tile.
bool ApplyPixelEdit(const IndexedCanvas& image);

}  // namespace zelt
