// Template bounds and compositions against pictures worked out by hand, and against the preview
// decoder where the two must agree.
#include <gtest/gtest.h>

#include "editor/document/DocumentClass.h"
#include "editor/document/ViewFlags.h"
#include "editor/render/DibCanvas.h"
#include "editor/render/TemplateRender.h"
#include "editor/settings/Settings.h"
#include "editor/template/TemplateFile.h"
#include "editor/template/TemplatePreview.h"
#include "tests/support/TestSupport.h"

namespace zelt::test {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlue = 0x0000FF;

PaletteTable TwoColours() {
    PaletteTable p{};
    p[0] = 0x123456;  // never drawn
    p[1] = kRed;
    p[2] = kBlue;
    return p;
}

TemplateBounds Bounds(const std::vector<TileRecord>& tiles, int cellW = 48, int cellH = 24) {
    return ComputeTileBounds(tiles, cellW, cellH);
}

void ExpectBounds(const TemplateBounds& b, int64_t minX, int64_t minY, int64_t maxX, int64_t maxY) {
    EXPECT_EQ(b.minX, minX);
    EXPECT_EQ(b.minY, minY);
    EXPECT_EQ(b.maxX, maxX);
    EXPECT_EQ(b.maxY, maxY);
}

TEST(TemplateBoundsTest, AlwaysIncludeTheOriginAndFollowHeightAndExtraImages) {
    ExpectBounds(Bounds({}), 0, 0, 0, 0);
    TileRecord t = GridTile(48, 24, 0, 0, 1);
    ExpectBounds(Bounds({t}), -24, 0, 24, 24);
    t.x = 100;
    t.y = 50;
    ExpectBounds(Bounds({t}), 0, 0, 124, 74);  // blank space left of and above the tile
    t = GridTile(48, 24, 0, 0, 1);
    t.height = 1;
    ExpectBounds(Bounds({t}), -24, -12, 24, 12);
    t.height = -1;
    ExpectBounds(Bounds({t}), -24, 0, 24, 36);
    TileRecord r = GridTile(60, 30, 0, 0, 1);
    r.height = 1;
    ExpectBounds(Bounds({r}, 60, 30), -30, -15, 30, 15);
    r.height = -1;
    ExpectBounds(Bounds({r}, 60, 30), -30, 0, 30, 45);
    t = GridTile(48, 24, 0, 0, 1);
    t.hasExtra = true;
    t.extraX = -10;
    t.extraY = -20;
    t.extraWidth = 5;
    t.extraHeight = 3;
    ExpectBounds(Bounds({t}), -34, -20, 24, 24);
}

TEST(TileRenderTest, DiamondRowsSitCentredAndShortImagesStopAtTheirBytes) {
    TileRecord t = GridTile(48, 24, 0, 0, 1);
    t.diamond[1] = 0;  // a hole in the top row
    DibCanvas c;
    ASSERT_TRUE(c.Create(48, 24));
    c.Clear(kWhite);
    DrawTileDiamond(t, 48, 24, TwoColours(), c, 0, 0);
    const uint32_t row0[6] = {kWhite, kRed, kWhite, kRed, kRed, kWhite};  // columns 21 to 26
    for (int i = 0; i < 6; ++i) EXPECT_EQ(c.GetPixel(21 + i, 0), row0[i]) << i;
    EXPECT_EQ(c.GetPixel(0, 11), kRed);  // the widest row fills the box
    EXPECT_EQ(c.GetPixel(1, 12), kWhite);
    EXPECT_EQ(c.GetPixel(2, 12), kRed);
    EXPECT_EQ(c.GetPixel(24, 23), kWhite);  // the last row is empty

    t.diamond.assign(5, 2);
    t.hasExtra = true;
    t.extraWidth = 4;
    t.extraHeight = 4;
    t.extraImage = {1, 1, 1};
    c.Clear(kWhite);
    DrawTileDiamond(t, 48, 24, TwoColours(), c, 0, 0);
    DrawTileExtra(t, TwoColours(), c, 0, 0);
    EXPECT_EQ(c.GetPixel(2, 0), kRed);
    EXPECT_EQ(c.GetPixel(3, 0), kWhite);
    EXPECT_EQ(c.GetPixel(20, 1), kBlue);  // the fifth byte starts row 1, 8 wide
    EXPECT_EQ(c.GetPixel(21, 1), kWhite);
}

class ComposeTest : public ::testing::Test {
protected:
    PaletteTable palette = TwoColours();
    std::vector<TileRecord> tiles;
    RenderStyle style;
    DibCanvas canvas;

    void Compose(int selected, bool decorate) {
        const TemplateBounds b = Bounds(tiles);
        ASSERT_TRUE(canvas.Create(static_cast<int>(b.Width()), static_cast<int>(b.Height())));
        canvas.Clear(kWhite);
        ComposeTemplate(TileSet{tiles, 48, 24, palette}, selected, style, canvas, 0, 0, decorate);
    }
};

TEST_F(ComposeTest, ExtraImageCoversItsDiamondAndLaterTilesCoverEarlierOnes) {
    TileRecord a = GridTile(48, 24, 0, 0, 1);
    a.hasExtra = true;
    a.extraX = 0;  // left edge at -24, like the cell box
    a.extraY = -4;
    a.extraWidth = 48;
    a.extraHeight = 8;
    a.extraImage.assign(48 * 8, 2);
    a.extraImage[0] = 0;
    tiles = {a, GridTile(48, 24, 1, 0, 1)};  // the second cell sits right and below
    Compose(-1, false);
    ASSERT_EQ(canvas.Width(), 72);
    ASSERT_EQ(canvas.Height(), 40);
    EXPECT_EQ(canvas.GetPixel(0, 0), kWhite);  // extra pixel 0 transparent
    EXPECT_EQ(canvas.GetPixel(1, 0), kBlue);
    EXPECT_EQ(canvas.GetPixel(24, 4), kBlue);  // over the diamond's top row
    EXPECT_EQ(canvas.GetPixel(24, 12), kRed);
    TileRecord& b = tiles[1];
    b.diamond.assign(576, 2);
    tiles[0].extraY = 10;  // now under the second tile's diamond
    Compose(-1, false);
    EXPECT_EQ(canvas.GetPixel(47, 16), kBlue);
    style.showExtraImages = false;
    Compose(-1, false);
    EXPECT_EQ(canvas.GetPixel(24, 18), kRed);
}

TEST_F(ComposeTest, DecorationOnlyWithShowFlagsOff) {
    tiles = {GridTile(48, 24, 0, 0, 1)};
    style = RenderStyle{false, false, true, false};
    Compose(0, true);
    int black = 0, white = 0, other = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 48; ++x) {
            const uint32_t p = canvas.GetPixel(x, y);
            (p == 0 ? black : p == kWhite ? white : other)++;
        }
    EXPECT_EQ(other, 0);
    EXPECT_EQ(canvas.GetPixel(47, 23), 0u);  // frame corner
    EXPECT_EQ(canvas.GetPixel(0, 12), kWhite);  // marker's left corner over the frame
    EXPECT_EQ(canvas.GetPixel(1, 12), kWhite);
    EXPECT_EQ(canvas.GetPixel(2, 11), kWhite);
    EXPECT_EQ(canvas.GetPixel(24, 0), kWhite);  // top corner
    EXPECT_EQ(canvas.GetPixel(24, 23), 0u);  // bottom corner is off the canvas; frame stays
    // The 140 frame pixels less the nine the lines cross: (0, 12), (24, 0), (25, 0), (47, 11),
    // (47, 13), and (22, 23), (23, 23), (26, 23), (27, 23) on the bottom row.
    EXPECT_EQ(black, 131);
}

TEST_F(ComposeTest, MarkerLinesAndFrameAreDrawnOnlyWhenDecorated) {
    tiles = {GridTile(48, 24, 0, 0, 1)};
    style.drawBlackFrameAround = true;
    Compose(0, false);
    EXPECT_EQ(canvas.GetPixel(0, 0), kWhite);
    EXPECT_EQ(canvas.GetPixel(24, 0), kRed);
    Compose(0, true);
    EXPECT_EQ(canvas.GetPixel(0, 0), 0u);  // the frame under no tile pixel
    EXPECT_EQ(canvas.GetPixel(24, 0), kWhite);
    EXPECT_EQ(canvas.GetPixel(47, 11), kWhite);  // the last pixel before the right corner
    EXPECT_EQ(canvas.GetPixel(47, 12), 0u);      // the frame beside the corner stays
    EXPECT_EQ(canvas.GetPixel(45, 12), kRed);
    Compose(5, true);  // a selection past the list has no marker
    EXPECT_EQ(canvas.GetPixel(24, 0), kRed);
}

TEST_F(ComposeTest, InvertedMarkerInvertsTheWholeDiamond) {
    tiles = {GridTile(48, 24, 0, 0, 1)};
    style.useInvertTileSelect = true;
    Compose(0, true);
    EXPECT_EQ(canvas.GetPixel(22, 0), 0x00FFFFu);  // complement of red
    EXPECT_EQ(canvas.GetPixel(21, 0), kWhite);
    EXPECT_EQ(canvas.GetPixel(0, 11), 0x00FFFFu);
}

TEST(CompositionAgreement, EditorViewsAndPreviewDrawTheSamePixels) {
    std::mt19937 rng(7);
    for (int round = 0; round < 4; ++round) {
        const int cellW = round % 2 ? 60 : 48, cellH = cellW / 2;
        std::vector<uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(EncodeTemplate(RandomTiles(rng, cellW, cellH, 12), cellW, cellH, SaveOptions{}, bytes, error));
        LoadedTemplate loaded;
        ASSERT_TRUE(DecodeTemplate(bytes, loaded, error)) << error;
        std::mt19937 colours(round);
        PaletteTable palette;
        for (uint32_t& c : palette) c = colours() & 0xFFFFFF;

        ColourImage editor;
        ASSERT_TRUE(RenderEditorComposition(loaded.tiles, cellW, cellH, palette, editor));
        TemplateBounds b;
        ASSERT_TRUE(ComputeFileBounds(bytes, b));
        ASSERT_EQ(editor.width, b.Width());
        ASSERT_EQ(editor.height, b.Height());
        ColourImage preview(editor.width, editor.height, kWhite);
        ASSERT_TRUE(PreviewTemplate(bytes, preview, palette));
        EXPECT_EQ(editor.pixels, preview.pixels) << "round " << round;
    }
}

class DocumentRenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        Doc() = TemplateDocument{};
        Views() = ViewFlags{};
        saved = g_settings;
    }
    void TearDown() override {
        Doc() = TemplateDocument{};
        g_settings = saved;
    }
    EditorSettings saved;
};

TEST_F(DocumentRenderTest, NeedsAnOpenDocumentWithAPalette) {
    DibCanvas c;
    ASSERT_TRUE(c.Create(48, 24));
    TemplateBounds b;
    EXPECT_FALSE(ComputeTemplateBounds(b));
    EXPECT_FALSE(RenderTemplate(c, 0, 0, true));
    Doc().open = true;
    Doc().cellW = 48;
    Doc().cellH = 24;
    Doc().tiles = {GridTile(48, 24, 0, 0, 1)};
    EXPECT_FALSE(RenderTemplate(c, 0, 0, true));
    EXPECT_FALSE(RenderTileDiamond(0, c));
    Doc().palette = TwoColours();
    EXPECT_FALSE(RenderTileDiamond(1, c));
    EXPECT_TRUE(RenderTileExtra(0, c));  // no extra image: nothing to do
    ASSERT_TRUE(RenderTileDiamond(-1, c));
    EXPECT_EQ(c.GetPixel(22, 0), kRed);

    // The view flags and the frame setting take effect; the marker sits on the selected tile.
    g_settings.drawBlackFrameAround = true;
    g_settings.useInvertTileSelect = false;
    Views().showNormalImages = false;
    c.Clear(kWhite);
    ASSERT_TRUE(RenderTemplate(c, 0, 0, true));
    EXPECT_EQ(c.GetPixel(0, 0), 0u);
    EXPECT_EQ(c.GetPixel(24, 0), kWhite);
    EXPECT_EQ(c.GetPixel(23, 1), kWhite);  // no diamond under the marker
    Doc().selected = -1;
    ASSERT_TRUE(RenderTemplate(c, 0, 0, true));
    EXPECT_EQ(c.GetPixel(24, 0), 0u);  // no marker: the frame again
}

}  // namespace
}  // namespace zelt::test
