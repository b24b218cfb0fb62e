// The pixel editor's rules: placement and hit tests, the tools with their previews and edges, the
// way the image goes in and out of the tile, and the two pictures it paints.
#include <gtest/gtest.h>

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentUi.h"
#include "editor/editing/PixelEditorRules.h"
#include "editor/template/TileLayout.h"
#include "tests/support/TestSupport.h"

namespace zelt::test {
namespace {

int CountOf(const IndexedCanvas& image, uint32_t value) {
    int n = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) n += image.GetPixel(x, y) == value;
    }
    return n;
}

TEST(PixelEditorView, ScaleFitsTheAreaAndTheFarEdgeIsOutside) {
    const ImageView v = ComputeImageView(530, 275, 60, 30);
    EXPECT_EQ(v.scale, 8);
    EXPECT_EQ(v.offX, 25);
    EXPECT_EQ(v.offY, 17);
    EXPECT_EQ(ComputeImageView(20, 10, 48, 24).scale, 1);  // smaller than one cell: still 1

    const auto first = ImagePixelAt(v, 60, 30, 25, 17);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->x, 0);
    EXPECT_EQ(first->y, 0);
    const auto last = ImagePixelAt(v, 60, 30, 25 + 480 - 1, 17 + 240 - 1);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->x, 59);
    EXPECT_EQ(last->y, 29);
    EXPECT_FALSE(ImagePixelAt(v, 60, 30, 25 + 480, 20));  // the far column
    EXPECT_FALSE(ImagePixelAt(v, 60, 30, 30, 17 + 240));  // the far row
    EXPECT_FALSE(ImagePixelAt(v, 60, 30, 24, 20));
    EXPECT_FALSE(ImagePixelAt(v, 60, 30, 30, 16));
}

TEST(PixelEditorView, PaletteGridCellsAndMisses) {
    const PaletteGridView v = ComputePaletteGridView(330, 85);
    EXPECT_EQ(v.cellWidth, 10);
    EXPECT_EQ(v.cellHeight, 10);
    EXPECT_EQ(v.offX, 5);
    EXPECT_EQ(v.offY, 2);
    EXPECT_EQ(PaletteIndexAt(v, 5, 2), 0);
    EXPECT_EQ(PaletteIndexAt(v, 5 + 15, 2 + 25), 65);
    EXPECT_EQ(PaletteIndexAt(v, 5 + 319, 2 + 79), 255);
    EXPECT_FALSE(PaletteIndexAt(v, 5 + 320, 10));
    EXPECT_FALSE(PaletteIndexAt(v, 10, 2 + 80));
    EXPECT_FALSE(PaletteIndexAt(v, 4, 10));
    // An area too small for one pixel per colour has no cells and no hits.
    EXPECT_FALSE(PaletteIndexAt(ComputePaletteGridView(31, 80), 3, 3));
    DibCanvas canvas;
    EXPECT_FALSE(RenderPaletteGrid(PaletteTable{}, 0, ComputePaletteGridView(31, 80), canvas));
}

TEST(PixelEditorView, RectanglesSpanBothCornersAndClipToTheImage) {
    const PixelRect r = SpannedRect({5, 1}, {2, 4});
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 1);
    EXPECT_EQ(r.width, 4);
    EXPECT_EQ(r.height, 4);
    const PixelRect c = ClipRect({-2, 20, 10, 10}, 48, 24);
    EXPECT_EQ(c.left, 0);
    EXPECT_EQ(c.top, 20);
    EXPECT_EQ(c.width, 8);
    EXPECT_EQ(c.height, 4);
    EXPECT_EQ(ClipRect({50, 0, 5, 5}, 48, 24).width, 0);
}

TEST(PixelEditorImage, DiamondRoundTripDropsPixelsOutsideIt) {
    TileRecord tile = GridTile(48, 24, 0, 0, 0);
    for (size_t k = 0; k < tile.diamond.size(); ++k) tile.diamond[k] = static_cast<uint8_t>(k % 250 + 1);
    PixelEditorState state;
    ASSERT_TRUE(BeginPixelEditing(state, tile, 48, 24));
    EXPECT_EQ(state.image.GetPixel(22, 0), 1u);  // row 0: 4 pixels from column 22
    EXPECT_EQ(state.image.GetPixel(21, 0), 0u);
    EXPECT_EQ(state.image.GetPixel(0, 11), static_cast<uint32_t>(264 % 250 + 1));
    EXPECT_EQ(CountOf(state.image, 0), 48 * 24 - 576);

    state.image.SetPixel(0, 0, 9);  // a corner of the cell box: not part of the diamond
    state.image.SetPixel(22, 0, 200);
    TileBytes packed = tile.diamond;
    PackDiamond(state.image, 48, 24, packed);
    TileRecord expected = tile;
    expected.diamond[0] = 200;
    EXPECT_EQ(packed, expected.diamond);

    // A short block fills what it has and takes back only as many bytes.
    TileBytes shortBlock(10, 4);
    IndexedCanvas image;
    ASSERT_TRUE(image.Create(48, 24));
    UnpackDiamond(shortBlock, 48, 24, image);
    EXPECT_EQ(CountOf(image, 4), 10);
    PackDiamond(image, 48, 24, shortBlock);
    EXPECT_EQ(shortBlock.size(), 10u);

    TileRecord empty;
    EXPECT_FALSE(BeginPixelEditing(state, empty, 48, 24));
}

class PixelTools : public ::testing::Test {
  protected:
    PixelEditorState state;
    void SetUp() override {
        ASSERT_TRUE(state.image.Create(48, 24));
        state.colour = 5;
    }
    void Drag(int tool, PixelPoint from, PixelPoint to) {
        state.tool = tool;
        PressAt(state, from);
        DragTo(state, to);
        ReleaseAt(state, to);
    }
};

TEST_F(PixelTools, PencilAndLine) {
    Drag(kToolPencil, {3, 3}, {7, 3});
    EXPECT_EQ(CountOf(state.image, 5), 2);  // each event sets the pixel under it; no line between
    state.image.Clear(0);
    Drag(kToolLine, {3, 3}, {3, 3});
    EXPECT_EQ(CountOf(state.image, 5), 1);
    EXPECT_EQ(state.image.GetPixel(3, 3), 5u);
    state.image.Clear(0);
    Drag(kToolLine, {0, 0}, {4, 2});
    EXPECT_EQ(state.image.GetPixel(0, 0), 5u);
    EXPECT_EQ(state.image.GetPixel(4, 2), 5u);
    EXPECT_EQ(CountOf(state.image, 5), 5);
}

TEST_F(PixelTools, FrameRectAndEraseNearTheEdges) {
    Drag(kToolFrame, {2, 2}, {5, 4});
    EXPECT_EQ(CountOf(state.image, 5), 10);
    EXPECT_EQ(state.image.GetPixel(3, 3), 0u);
    Drag(kToolRect, {47, 23}, {44, 20});
    EXPECT_EQ(CountOf(state.image, 5), 10 + 16);
    state.image.Clear(5);
    Drag(kToolErase, {1, 5}, {1, 5});  // the 4 x 4 block would start left of the image
    EXPECT_EQ(CountOf(state.image, 0), 0);
    Drag(kToolErase, {2, 2}, {2, 2});
    EXPECT_EQ(CountOf(state.image, 0), 16);
    EXPECT_EQ(state.image.GetPixel(3, 3), 0u);
    EXPECT_EQ(state.image.GetPixel(4, 4), 5u);
}

TEST_F(PixelTools, PreviewIsTakenBackWhileDragging) {
    state.image.SetPixel(10, 10, 9);
    state.tool = kToolRect;
    PressAt(state, {8, 8});
    EXPECT_EQ(CountOf(state.image, 5), 0);  // a shape appears only when the mouse moves
    DragTo(state, {12, 12});
    EXPECT_EQ(CountOf(state.image, 5), 25);
    DragTo(state, {9, 9});  // smaller again: the larger preview is gone, the pixel under it back
    EXPECT_EQ(CountOf(state.image, 5), 4);
    EXPECT_EQ(state.image.GetPixel(10, 10), 9u);
    EXPECT_TRUE(DragOutside(state));
    EXPECT_EQ(CountOf(state.image, 5), 0);
    EXPECT_TRUE(state.dragging);
    DragTo(state, {10, 10});  // back inside: the preview is made again
    EXPECT_EQ(CountOf(state.image, 5), 9);
    EXPECT_TRUE(ReleaseAt(state, {10, 10}));
    EXPECT_FALSE(state.dragging);
    EXPECT_FALSE(state.backup.Valid());
    EXPECT_EQ(CountOf(state.image, 5), 9);  // the last preview is the result
    EXPECT_FALSE(DragTo(state, {20, 20}));  // no drag, no drawing
    EXPECT_EQ(CountOf(state.image, 5), 9);
}

TEST_F(PixelTools, AbandonedDragLeavesNoShape) {
    state.tool = kToolLine;
    PressAt(state, {0, 0});
    DragTo(state, {20, 10});
    EXPECT_GT(CountOf(state.image, 5), 0);
    EXPECT_TRUE(AbandonDrag(state));
    EXPECT_FALSE(state.dragging);
    EXPECT_EQ(CountOf(state.image, 5), 0);
    EXPECT_FALSE(AbandonDrag(state));
}

TEST_F(PixelTools, SelectMarksARectangleAndChangesNoPixel) {
    state.tool = kToolSelect;
    PressAt(state, {6, 2});
    DragTo(state, {3, 5});
    EXPECT_TRUE(state.selectionVisible);
    ReleaseAt(state, {2, 6});
    EXPECT_EQ(state.selection.left, 2);
    EXPECT_EQ(state.selection.top, 2);
    EXPECT_EQ(state.selection.width, 5);
    EXPECT_EQ(state.selection.height, 5);
    EXPECT_EQ(CountOf(state.image, 0), 48 * 24);
}

TEST_F(PixelTools, MagnifiedPictureWithSelectionFrame) {
    state.image.palette[5] = 0x112233;
    state.image.SetPixel(1, 0, 5);
    state.selection = {2, 1, 2, 2};
    state.selectionVisible = true;
    DibCanvas canvas;
    ASSERT_TRUE(RenderMagnifiedImage(state, 3, 0xC0C0C0, canvas));
    EXPECT_EQ(canvas.Width(), 144);
    EXPECT_EQ(canvas.Height(), 72);
    EXPECT_EQ(canvas.GetPixel(2, 2), 0xC0C0C0u);  // index 0 shows the background
    EXPECT_EQ(canvas.GetPixel(3, 0), 0x112233u);
    EXPECT_EQ(canvas.GetPixel(5, 2), 0x112233u);
    EXPECT_EQ(canvas.GetPixel(6, 0), 0xC0C0C0u);
    // The frame around (6, 3, 6, 6): every second pixel of its rows and columns.
    EXPECT_EQ(canvas.GetPixel(6, 3), 0u);
    EXPECT_EQ(canvas.GetPixel(7, 3), 0xC0C0C0u);
    EXPECT_EQ(canvas.GetPixel(10, 8), 0u);
    EXPECT_EQ(canvas.GetPixel(11, 5), 0u);
    EXPECT_EQ(canvas.GetPixel(11, 6), 0xC0C0C0u);
}

TEST(PixelEditorPalette, GridColoursAndTheCrossOnTheCurrentColour) {
    PaletteTable palette{};
    for (size_t i = 0; i < palette.size(); ++i) palette[i] = static_cast<uint32_t>(i * 0x010101);
    DibCanvas canvas;
    ASSERT_TRUE(RenderPaletteGrid(palette, 33, ComputePaletteGridView(320, 80), canvas));
    EXPECT_EQ(canvas.Width(), 320);
    EXPECT_EQ(canvas.Height(), 80);
    EXPECT_EQ(canvas.GetPixel(25, 5), palette[2]);
    EXPECT_EQ(canvas.GetPixel(319, 79), palette[255]);
    // Cell 33 is (10, 10, 10, 10); its cross runs from 2 pixels inside each edge.
    EXPECT_EQ(canvas.GetPixel(12, 15), ~palette[33] & 0xFFFFFF);
    EXPECT_EQ(canvas.GetPixel(11, 15), palette[33]);
    EXPECT_EQ(canvas.GetPixel(18, 15), palette[33]);
    EXPECT_EQ(canvas.GetPixel(15, 12), ~palette[33] & 0xFFFFFF);
}

TEST(PixelEditorDocument, AnEditIsOneUndoStep) {
    Doc() = TemplateDocument{};
    IndexedCanvas image;
    ASSERT_TRUE(image.Create(48, 24));
    EXPECT_FALSE(ApplyPixelEdit(image));
    Doc().open = true;
    Doc().cellW = 48;
    Doc().cellH = 24;
    Doc().tiles = {GridTile(48, 24, 0, 0, 1), GridTile(48, 24, 1, 0, 2)};
    Doc().selected = 1;
    ResetUndo();
    PixelEditorState state;
    ASSERT_TRUE(BeginPixelEditing(state, *TileAt(-1), 48, 24));
    state.image.SetPixel(24, 12, 77);
    ASSERT_TRUE(ApplyPixelEdit(state.image));
    EXPECT_TRUE(Doc().modified);
    const int at = 312 + DiamondRowWidth(12, 24) / 2;  // row 12 starts at byte 312
    EXPECT_EQ(Doc().tiles[1].diamond[static_cast<size_t>(at)], 77);
    EXPECT_EQ(Doc().tiles[0].diamond[static_cast<size_t>(at)], 1);
    ASSERT_TRUE(CanUndo());
    ASSERT_TRUE(Undo());
    EXPECT_EQ(Doc().tiles[1].diamond[static_cast<size_t>(at)], 2);
    Doc().selected = -1;
    EXPECT_FALSE(ApplyPixelEdit(state.image));
    Doc() = TemplateDocument{};
}

}  // namespace
}  // namespace zelt::test
