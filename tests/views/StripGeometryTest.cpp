// The tile strip's slots, scroll bar and slot text.
#include <gtest/gtest.h>

#include "editor/views/StripGeometry.h"

namespace zelt {
namespace {

TEST(StripGeometryTest, SlotsNarrowByFivePixelsEach) {
    const SlotRect first = StripSlotRect(0, 200, 96);
    EXPECT_EQ(first.left, 5);
    EXPECT_EQ(first.top, 5);
    EXPECT_EQ(first.right, 200);
    EXPECT_EQ(first.bottom, 190);
    EXPECT_EQ(StripSlotRect(1, 200, 96).right - StripSlotRect(1, 200, 96).left, 190);
    EXPECT_EQ(StripSlotRect(2, 200, 96).left, 415);
    EXPECT_EQ(VisibleSlotCount(204, 96), 0);
    EXPECT_EQ(VisibleSlotCount(820, 96), 4);
    EXPECT_EQ(VisibleSlotCount(-3, 96), 0);
}

TEST(StripGeometryTest, SlotsFollowTheDisplayDensity) {
    // At 150 %: slots 300 wide at a pitch of 308, 8 pixels from the edges, 15 above the bottom.
    const SlotRect first = StripSlotRect(0, 300, 144);
    EXPECT_EQ(first.left, 8);
    EXPECT_EQ(first.top, 8);
    EXPECT_EQ(first.right, 300);
    EXPECT_EQ(first.bottom, 284);
    EXPECT_EQ(StripSlotRect(1, 300, 144).left, 316);
    EXPECT_EQ(StripSlotRect(1, 300, 144).right, 600);
    EXPECT_EQ(VisibleSlotCount(1231, 144), 3);
    EXPECT_EQ(VisibleSlotCount(1232, 144), 4);
    EXPECT_EQ(StripTileAt(310, 50, 0, 10, 300, 144), std::nullopt);  // the gap after slot 0
    EXPECT_EQ(StripTileAt(316, 283, 0, 10, 300, 144), 1);
    EXPECT_EQ(StripSlotRect(0, 400, 192).right, 400);
    EXPECT_EQ(StripSlotRect(0, 250, 120).left, 6);
}

TEST(StripGeometryTest, ScrollSetupBringsTheCurrentTileFirstOrShowsTheLastPage) {
    // 10 tiles, room for 4: range 0 ... 7, page 2.
    StripScroll s = SetupStripScroll(10, 4, 0);
    EXPECT_TRUE(s.showBar);
    EXPECT_EQ(s.rangeMax, 7);
    EXPECT_EQ(s.page, 2);
    EXPECT_EQ(s.first, 0);
    EXPECT_EQ(SetupStripScroll(10, 4, 5).first, 5);
    EXPECT_EQ(SetupStripScroll(10, 4, 6).first, 6);
    // Tile 9 (index 8): 10 - 8 < 4, so tiles 7 ... 10 show.
    EXPECT_EQ(SetupStripScroll(10, 4, 8).first, 6);
    // Everything fits: no bar, the first slot is tile 1.
    s = SetupStripScroll(3, 4, 2);
    EXPECT_FALSE(s.showBar);
    EXPECT_EQ(s.first, 0);
    // No selection, no tiles.
    EXPECT_EQ(SetupStripScroll(10, 4, -1).first, 0);
    EXPECT_EQ(SetupStripScroll(0, 4, 0).first, 0);
    EXPECT_FALSE(SetupStripScroll(0, 4, 0).showBar);
    // Narrower than one slot: the current tile stays first.
    EXPECT_EQ(SetupStripScroll(10, 0, 7).first, 7);
    // A current index from a longer list never starts past the end.
    EXPECT_EQ(SetupStripScroll(3, 0, 9).first, 2);
}

TEST(StripGeometryTest, ScrollRequestsStopAtBothEnds) {
    EXPECT_EQ(ScrollStrip(0, StripScrollRequest::kLineLeft, 0, 10, 4), 0);
    EXPECT_EQ(ScrollStrip(0, StripScrollRequest::kLineRight, 0, 10, 4), 1);
    EXPECT_EQ(ScrollStrip(5, StripScrollRequest::kPageRight, 0, 10, 4), 6);
    EXPECT_EQ(ScrollStrip(3, StripScrollRequest::kPageLeft, 0, 10, 4), 1);
    EXPECT_EQ(ScrollStrip(3, StripScrollRequest::kThumb, 7, 10, 4), 6);
    EXPECT_EQ(ScrollStrip(3, StripScrollRequest::kFarRight, 0, 10, 4), 6);
    EXPECT_EQ(ScrollStrip(3, StripScrollRequest::kFarLeft, 0, 10, 4), 0);
    // More room than tiles: always 0.
    EXPECT_EQ(ScrollStrip(0, StripScrollRequest::kFarRight, 0, 3, 4), 0);
}

TEST(StripGeometryTest, PointsInGapsOrBelowTheSlotsSelectNothing) {
    EXPECT_EQ(StripTileAt(5, 5, 3, 10, 200, 96), 3);
    EXPECT_EQ(StripTileAt(199, 189, 3, 10, 200, 96), 3);
    EXPECT_EQ(StripTileAt(202, 50, 3, 10, 200, 96), std::nullopt);  // gap between slots 0 and 1
    EXPECT_EQ(StripTileAt(212, 50, 3, 10, 200, 96), 4);
    EXPECT_EQ(StripTileAt(50, 190, 3, 10, 200, 96), std::nullopt);  // the last 10 rows
    EXPECT_EQ(StripTileAt(2, 50, 0, 10, 200, 96), std::nullopt);
    // Slots past the last tile are not there.
    EXPECT_EQ(StripTileAt(212, 50, 9, 10, 200, 96), std::nullopt);
}

TEST(StripGeometryTest, SlotTextNamesPositionHeightTerrainAndZ) {
    TileRecord tile;
    tile.x = -24;
    tile.y = 36;
    tile.height = 2;
    tile.terrainCode = 13;
    EXPECT_EQ(StripSlotText(tile), "X=-24 Y=36\nHeight=2\nClear");
    tile.hasZ = true;
    tile.terrainCode = 200;
    EXPECT_EQ(StripSlotText(tile), "X=-24 Y=36\nHeight=2\nunknown\nZ");
}

}  // namespace
}  // namespace zelt
