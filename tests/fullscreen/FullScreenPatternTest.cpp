// The full-screen pattern: the template's extent, the lattice, the height check and the picture.
#include <gtest/gtest.h>

#include "editor/document/DocumentClass.h"
#include "editor/document/ViewFlags.h"
#include "editor/views/FullScreenPattern.h"
#include "tests/support/TestSupport.h"

namespace zelt::test {
namespace {

constexpr uint32_t kGreen = 0x20C040;

PaletteTable OneColour() {
    PaletteTable palette{};
    palette[7] = kGreen;
    return palette;
}

TEST(FullScreenPattern, ExtentCountsCellsAlongBothAxesTruncatingTowardZero) {
    const std::vector<TileRecord> square = {GridTile(48, 24, 0, 0, 1), GridTile(48, 24, 1, 0, 1),
                                            GridTile(48, 24, 0, 1, 1), GridTile(48, 24, 1, 1, 1)};
    PatternExtent e = ComputePatternExtent(square, 48);
    EXPECT_EQ(e.alongA, 2);
    EXPECT_EQ(e.alongB, 2);
    const std::vector<TileRecord> row = {GridTile(60, 30, 0, 0, 1), GridTile(60, 30, 1, 0, 1),
                                         GridTile(60, 30, 2, 0, 1)};
    e = ComputePatternExtent(row, 60);
    EXPECT_EQ(e.alongA, 1);
    EXPECT_EQ(e.alongB, 3);
    // -30 / 48 truncates to 0, not -1: a tile a little left of the origin adds no cell.
    TileRecord left;
    left.x = -30;
    e = ComputePatternExtent({left}, 48);
    EXPECT_EQ(e.alongA, 1);
    EXPECT_EQ(e.alongB, 1);
}

TEST(FullScreenPattern, LayoutOfOneCellOnAScreen) {
    const PatternLayout l = ComputePatternLayout({GridTile(48, 24, 0, 0, 1)}, 48, 24, 1024, 768);
    EXPECT_EQ(l.canvasWidth, 1072);
    EXPECT_EQ(l.canvasHeight, 792);
    EXPECT_EQ(l.stepX, 48);
    EXPECT_EQ(l.stepY, 24);
    EXPECT_EQ(l.columns, 22);
    EXPECT_EQ(l.rows, 33);
    // Far-apart tiles make steps larger than the canvas: no copy at all, and no overflow.
    TileRecord far = GridTile(48, 24, 0, 0, 1);
    far.x = INT32_MIN;
    far.y = INT32_MAX;
    const PatternLayout huge = ComputePatternLayout({GridTile(48, 24, 0, 0, 1), far}, 48, 24, 1024, 768);
    EXPECT_EQ(huge.columns, 0);
    EXPECT_EQ(huge.rows, 0);
}

TEST(FullScreenPattern, HeightCheckComparesEveryTileWithTheFirst) {
    std::vector<TileRecord> tiles = {GridTile(48, 24, 0, 0, 1), GridTile(48, 24, 1, 0, 1),
                                     GridTile(48, 24, 0, 1, 1)};
    EXPECT_TRUE(TilesShareOneHeight(tiles));
    for (TileRecord& t : tiles) t.height = 3;
    EXPECT_TRUE(TilesShareOneHeight(tiles));
    tiles[2].height = 2;
    EXPECT_FALSE(TilesShareOneHeight(tiles));
    EXPECT_TRUE(TilesShareOneHeight({}));
}

// One full diamond repeated twice per lattice point covers the plane without a gap.
TEST(FullScreenPattern, OneCellTilesTheCanvasWithoutGaps) {
    const std::vector<TileRecord> tiles = {GridTile(48, 24, 0, 0, 7)};
    const PaletteTable palette = OneColour();
    const PatternLayout layout = ComputePatternLayout(tiles, 48, 24, 200, 120);
    DibCanvas canvas;
    ASSERT_TRUE(canvas.Create(layout.canvasWidth, layout.canvasHeight));
    DrawPatternCopies(TileSet{tiles, 48, 24, palette}, RenderStyle{}, layout, canvas);
    // The strip a cell wide along the edges may lack the neighbour copies; inside, nothing is black.
    for (int y = 24; y < layout.rows * 24 - 24; ++y) {
        for (int x = 48; x < layout.columns * 48 - 48; ++x)
            ASSERT_EQ(canvas.GetPixel(x, y), kGreen) << x << "," << y;
    }
    EXPECT_EQ(canvas.GetPixel(0, 0), 0u);  // the top-left corner of the first diamond's box stays black
}

TEST(FullScreenPattern, DocumentPatternIsBlackWhereTilesAreTransparent) {
    Doc() = TemplateDocument{};
    Views() = ViewFlags{};
    DibCanvas canvas;
    EXPECT_FALSE(RenderFullScreenPattern(canvas, 100, 100));
    Doc().open = true;
    Doc().cellW = 48;
    Doc().cellH = 24;
    Doc().palette = OneColour();
    EXPECT_FALSE(RenderFullScreenPattern(canvas, 100, 100));  // no tiles
    TileRecord tile = GridTile(48, 24, 0, 0, 7);
    tile.diamond[300] = 0;  // pixel (36, 11): row 11 starts at byte 264 and column 0
    Doc().tiles = {tile, GridTile(48, 24, 1, 1, 7)};
    ASSERT_TRUE(RenderFullScreenPattern(canvas, 100, 100));
    EXPECT_EQ(canvas.Width(), 148);
    EXPECT_EQ(canvas.Height(), 124);
    EXPECT_EQ(canvas.GetPixel(24, 12), kGreen);
    EXPECT_EQ(canvas.GetPixel(35, 11), kGreen);
    EXPECT_EQ(canvas.GetPixel(36, 11), 0u);
    // With the normal images switched off, nothing but black is left.
    Views().showNormalImages = false;
    ASSERT_TRUE(RenderFullScreenPattern(canvas, 100, 100));
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) ASSERT_EQ(canvas.GetPixel(x, y), 0u);
    }
    Doc() = TemplateDocument{};
    Views() = ViewFlags{};
}

}  // namespace
}  // namespace zelt::test
