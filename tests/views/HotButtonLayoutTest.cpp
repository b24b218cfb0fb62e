// Where the hot buttons go, which of them show, and what their commands do to the selected tile.
#include <gtest/gtest.h>

#include <climits>

#include "editor/document/DocumentClass.h"
#include "editor/settings/Settings.h"
#include "editor/views/HotButtonLayout.h"

namespace zelt {
namespace {

TileRecord Tile(int x, int y, int height = 0) {
    TileRecord tile;
    tile.x = x;
    tile.y = y;
    tile.height = height;
    tile.diamond.assign(288, 1);
    return tile;
}

TileRecord TileWithExtra(int x, int y) {
    TileRecord tile = Tile(x, y);
    tile.hasExtra = true;
    tile.extraX = x + 4;
    tile.extraY = y - 20;
    tile.extraWidth = 30;
    tile.extraHeight = 20;
    tile.extraImage.assign(600, 2);
    return tile;
}

TEST(HotButtonLayoutTest, SurroundTheCellAtZoomTwo) {
    // One 48 x 24 tile with its cell box at (0, 0) ... (48, 24); a 248 x 124 client shows the
    // 48 x 24 image at zoom 2 from (76, 38), so the cell's centre is at (124, 62).
    const TileRecord tile = Tile(24, 0);
    const TemplateBounds bounds{0, 48, 0, 24};
    const HotButtonAnchor anchor = AnchorOfTile(tile, 48, 24, bounds, 248, 124, 2.0, false);
    EXPECT_EQ(anchor.cx, 124);
    EXPECT_EQ(anchor.cy, 62);
    EXPECT_EQ(anchor.halfWidth, 12);
    EXPECT_EQ(anchor.halfHeight, 12);
    // 12 x 2 + 15 = 39 pixels right of the centre.
    EXPECT_EQ(HotButtonPosition(1, anchor, 20, 16, 2.0, 96).x, 124 + 39);
    EXPECT_EQ(HotButtonPosition(1, anchor, 20, 16, 2.0, 96).y, 62 - 8);
    EXPECT_EQ(HotButtonPosition(0, anchor, 20, 16, 2.0, 96).y, 62 - 16 - 24 - 15);
    EXPECT_EQ(HotButtonPosition(3, anchor, 20, 16, 2.0, 96).x, 124 - 20 - 24 - 15);
    EXPECT_EQ(HotButtonPosition(5, anchor, 20, 16, 2.0, 96).y, 62 - 32 - 24 - 15);
    EXPECT_EQ(HotButtonPosition(6, anchor, 20, 16, 2.0, 96).y, 62 + 16 + 24 + 15);
    // At 150 % the gap is 23 pixels; the tile's extents still follow the zoom alone.
    EXPECT_EQ(HotButtonPosition(1, anchor, 30, 24, 2.0, 144).x, 124 + 24 + 23);
    EXPECT_EQ(HotButtonPosition(0, anchor, 30, 24, 2.0, 144).y, 62 - 24 - 24 - 23);
    // A negative sum is truncated toward zero as one double expression.
    const HotButtonAnchor left{-100, 0, 1, 1};
    EXPECT_EQ(HotButtonPosition(1, left, 20, 16, 1.5, 96).x, -83);
}

TEST(HotButtonLayoutTest, ATileFarOutsideTheWindowGivesPlacesAtTheEndsOfTheRange) {
    const TileRecord far = Tile(2000000000, 2000000000);
    const TemplateBounds bounds{-2000000000, 2000000048, -2000000000, 2000000024};
    const HotButtonAnchor anchor = AnchorOfTile(far, 48, 24, bounds, 400, 300, 10.0, false);
    EXPECT_EQ(anchor.cx, INT_MAX);
    EXPECT_EQ(anchor.cy, INT_MAX);
    EXPECT_EQ(HotButtonPosition(1, anchor, 20, 16, 10.0, 96).x, INT_MAX);
    const HotButtonAnchor before{INT_MIN, INT_MIN, 1000, 1000};
    EXPECT_EQ(HotButtonPosition(3, before, 20, 16, 10.0, 96).x, INT_MIN);
}

TEST(HotButtonLayoutTest, ExtraEditModeSurroundsTheExtraBox) {
    const TileRecord tile = TileWithExtra(24, 40);  // extra box left 4, top 20, 30 x 20
    const TemplateBounds bounds{0, 48, 0, 64};
    const HotButtonAnchor anchor = AnchorOfTile(tile, 48, 24, bounds, 48, 64, 1.0, true);
    EXPECT_EQ(anchor.cx, 4 + 15);
    EXPECT_EQ(anchor.cy, 20 + 10);
    EXPECT_EQ(anchor.halfWidth, 15);
    EXPECT_EQ(anchor.halfHeight, 10);
}

TEST(HotButtonLayoutTest, VisibilityFollowsModeSelectionAndTile) {
    const TileRecord low = Tile(24, 11), high = Tile(24, 12), extra = TileWithExtra(24, 40);
    using Shown = std::array<bool, kHotButtonCount>;
    // Hidden unless quick edit mode, a document and a selection; extra edit mode is switched off.
    for (const auto& v :
         {DecideHotButtons(false, true, &extra, 24, true), DecideHotButtons(true, false, &extra, 24, true),
          DecideHotButtons(true, true, nullptr, 24, true)}) {
        EXPECT_EQ(v.shown, Shown{});
        EXPECT_FALSE(v.extraEditMode);
    }
    // Cell mode: up only from Y >= cellH / 2; no switch without an extra image.
    EXPECT_EQ(DecideHotButtons(true, true, &low, 24, false).shown,
              (Shown{false, true, true, true, false, true, true}));
    EXPECT_EQ(DecideHotButtons(true, true, &high, 24, false).shown,
              (Shown{true, true, true, true, false, true, true}));
    // Extra edit mode: up shows, the height buttons hide.
    const HotButtonVisibility inExtra = DecideHotButtons(true, true, &extra, 24, true);
    EXPECT_TRUE(inExtra.extraEditMode);
    EXPECT_EQ(inExtra.shown, (Shown{true, true, true, true, true, false, false}));
    // A tile without an extra image ends extra edit mode.
    const HotButtonVisibility back = DecideHotButtons(true, true, &high, 24, true);
    EXPECT_FALSE(back.extraEditMode);
    EXPECT_FALSE(back.shown[4]);
    EXPECT_TRUE(back.shown[5]);
}

class HotButtonCommands : public ::testing::Test {
protected:
    void SetUp() override {
        Doc() = TemplateDocument{};
        Doc().open = true;
        Doc().cellW = 48;
        Doc().cellH = 24;
        Doc().tiles = {Tile(24, 12), TileWithExtra(72, 0)};
        Doc().selected = 0;
        ResetUndo();
        SetExtraEditMode(false);
        g_settings.quickEditMode = false;
    }
    void TearDown() override {
        Doc() = TemplateDocument{};
        SetExtraEditMode(false);
    }
};

TEST_F(HotButtonCommands, MoveByHalfCellsAndRefuseUpAboveTheTop) {
    EXPECT_EQ(RunHotButtonCommand(141), HotButtonOutcome::kChanged);
    EXPECT_EQ(Doc().tiles[0].x, 48);
    EXPECT_TRUE(CanUndo());  // the undo step is recorded at once
    EXPECT_EQ(RunHotButtonCommand(142), HotButtonOutcome::kChanged);
    EXPECT_EQ(Doc().tiles[0].y, 24);
    EXPECT_EQ(RunHotButtonCommand(143), HotButtonOutcome::kChanged);
    EXPECT_EQ(Doc().tiles[0].x, 24);
    EXPECT_EQ(RunHotButtonCommand(140), HotButtonOutcome::kChanged);
    EXPECT_EQ(RunHotButtonCommand(140), HotButtonOutcome::kChanged);
    EXPECT_EQ(Doc().tiles[0].y, 0);
    EXPECT_EQ(RunHotButtonCommand(140), HotButtonOutcome::kRefused);
    EXPECT_EQ(Doc().tiles[0].y, 0);
    // Without a selection or a document nothing happens.
    Doc().selected = -1;
    EXPECT_EQ(RunHotButtonCommand(141), HotButtonOutcome::kIgnored);
    Doc().selected = 0;
    Doc().open = false;
    EXPECT_EQ(RunHotButtonCommand(141), HotButtonOutcome::kIgnored);
}

TEST_F(HotButtonCommands, HeightStaysWithinWhatAByteHolds) {
    EXPECT_EQ(RunHotButtonCommand(146), HotButtonOutcome::kRefused);
    EXPECT_EQ(Doc().tiles[0].height, 0);
    EXPECT_FALSE(Doc().modified);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(RunHotButtonCommand(145), HotButtonOutcome::kChanged);
    EXPECT_EQ(Doc().tiles[0].height, 11);  // above the panel's 10
    Doc().tiles[0].height = 255;
    EXPECT_EQ(RunHotButtonCommand(145), HotButtonOutcome::kRefused);
    EXPECT_EQ(Doc().tiles[0].height, 255);
    EXPECT_EQ(RunHotButtonCommand(146), HotButtonOutcome::kChanged);
    EXPECT_EQ(Doc().tiles[0].height, 254);
}

TEST_F(HotButtonCommands, ExtraEditModeMovesTheExtraImagePixelByPixel) {
    // No extra image: the switch does nothing.
    EXPECT_EQ(RunHotButtonCommand(144), HotButtonOutcome::kIgnored);
    EXPECT_FALSE(ExtraEditMode());
    Doc().selected = 1;
    EXPECT_EQ(RunHotButtonCommand(144), HotButtonOutcome::kModeChanged);
    EXPECT_TRUE(ExtraEditMode());
    EXPECT_TRUE(g_settings.quickEditMode);
    EXPECT_EQ(RunHotButtonCommand(140), HotButtonOutcome::kChanged);  // extra Y may go above 0
    EXPECT_EQ(Doc().tiles[1].extraY, -21);
    EXPECT_EQ(RunHotButtonCommand(141), HotButtonOutcome::kChanged);
    EXPECT_EQ(Doc().tiles[1].extraX, 77);
    EXPECT_EQ(Doc().tiles[1].x, 72);
    EXPECT_EQ(RunHotButtonCommand(145), HotButtonOutcome::kIgnored);
    EXPECT_EQ(RunHotButtonCommand(144), HotButtonOutcome::kModeChanged);
    EXPECT_FALSE(ExtraEditMode());
}

}  // namespace
}  // namespace zelt
