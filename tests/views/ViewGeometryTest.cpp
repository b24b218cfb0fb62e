// The main view's zoom steps, centring and click hit test.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include <vector>

#include "editor/render/DibCanvas.h"
#include "editor/views/ViewGeometry.h"

namespace zelt {
namespace {

TEST(ViewZoom, StepsInReadWholePercentagesAndStopAtTheLimits) {
    double zoom = 1.0;
    EXPECT_EQ(ZoomText(zoom), "100%");
    for (int step = 1; step <= 10; ++step) {
        zoom = ZoomedIn(zoom);
        EXPECT_EQ(ZoomText(zoom), std::to_string(100 + 20 * step) + "%");
    }
    for (int step = 11; step < 45; ++step) zoom = ZoomedIn(zoom);
    EXPECT_EQ(ZoomText(zoom), "980%");
    zoom = ZoomedIn(zoom);
    EXPECT_EQ(zoom, kMaxZoom);
    EXPECT_EQ(ZoomedIn(kMaxZoom), kMaxZoom);
    EXPECT_EQ(ZoomedOut(kMinZoom), kMinZoom);
    // Down again from 300 %: never 99 % or 119 % on the way.
    zoom = 1.0;
    for (int step = 0; step < 10; ++step) zoom = ZoomedIn(zoom);
    for (int step = 9; step >= 0; --step) {
        zoom = ZoomedOut(zoom);
        EXPECT_EQ(ZoomText(zoom), std::to_string(100 + 20 * step) + "%");
    }
}

TEST(ViewOffsetTest, CentresSmallImagesAndClipsLargeOnesEqually) {
    EXPECT_EQ(ImageOffset(400, 300, 100, 50, 1.0).x, 150);
    EXPECT_EQ(ImageOffset(400, 300, 100, 50, 1.0).y, 125);
    EXPECT_EQ(ImageOffset(400, 300, 100, 50, 2.0).x, 100);
    // Larger than the window: negative, truncated toward zero.
    EXPECT_EQ(ImageOffset(100, 100, 301, 303, 1.0).x, -100);
    EXPECT_EQ(ImageOffset(100, 100, 301, 303, 1.0).y, -101);
    EXPECT_EQ(ImageOffset(100, 100, 101, 100, 1.0).x, 0);
}

TEST(ViewOffsetTest, CoordinatesPastTheRangeOfIntAreHeldAtItsEnds) {
    // A template whose tiles lie billions of pixels apart, at the largest zoom.
    const int64_t huge = int64_t{1} << 40;
    EXPECT_EQ(ImageOffset(100, 100, huge, huge, kMaxZoom).x, INT_MIN);
    EXPECT_EQ(ClampToInt(1e300), INT_MAX);
    EXPECT_EQ(ClampToInt(-1e300), INT_MIN);
    EXPECT_EQ(ClampToInt(std::nan("")), 0);
    EXPECT_EQ(ClampToInt(-2.9), -2);
    EXPECT_EQ(ClampToInt(2147483646.5), 2147483646);
}

TileRecord TileAt(int x, int y, int height = 0) {
    TileRecord tile;
    tile.x = x;
    tile.y = y;
    tile.height = height;
    return tile;
}

TEST(ViewHitTest, TakesTheFirstTileWhoseDiamondHoldsThePoint) {
    // 48 x 24 tiles: tile 0 flat at (24, 24) and tile 1 raised one level (lift 12) at (24, 36) share
    // the cell box of rows 24 ... 47, where tile 1 is drawn on top; tile 2 lies right of them.
    std::vector<TileRecord> tiles = {TileAt(24, 24), TileAt(24, 36, 1), TileAt(72, 24)};
    const ViewTiles view{tiles, 48, 24, {0, 96, 0, 48}};
    const ViewOffset offset{10, 20};
    // The centre of the shared diamond: the first in document order wins.
    EXPECT_EQ(HitTileAt(view, offset, 1.0, 10 + 24, 20 + 36), 0);
    // The third tile, and the gap between the diamonds' side corners.
    EXPECT_EQ(HitTileAt(view, offset, 1.0, 10 + 72, 20 + 36), 2);
    EXPECT_EQ(HitTileAt(view, offset, 1.0, 10 + 48, 20 + 25), std::nullopt);
    // At zoom 2 the same image pixel lies twice as far from the offset.
    EXPECT_EQ(HitTileAt(view, offset, 2.0, 10 + 144, 20 + 72), 2);
    // Outside the image.
    EXPECT_EQ(HitTileAt(view, offset, 1.0, 5, 5), std::nullopt);
}

TEST(ViewHitTest, FirstColumnAndRowOfTheImageNeverReact) {
    // One tile whose diamond starts at the image's left edge (row 11 is 48 wide from column 0).
    std::vector<TileRecord> tiles = {TileAt(24, 0)};
    const ViewTiles view{tiles, 48, 24, {0, 48, 0, 24}};
    EXPECT_EQ(HitTileAt(view, {0, 0}, 1.0, 1, 11), 0);
    EXPECT_EQ(HitTileAt(view, {0, 0}, 1.0, 0, 11), std::nullopt);
    // Diamond row 0 lies on the image's first row; row 1 covers columns 20 ... 27.
    EXPECT_EQ(HitTileAt(view, {0, 0}, 1.0, 23, 1), 0);
    EXPECT_EQ(HitTileAt(view, {0, 0}, 1.0, 23, 0), std::nullopt);
    // The diamond's empty last row and the corners of the cell box are not the tile.
    EXPECT_EQ(HitTileAt(view, {0, 0}, 1.0, 24, 23), std::nullopt);
    EXPECT_EQ(HitTileAt(view, {0, 0}, 1.0, 2, 2), std::nullopt);
    // A template of no size, or a cell size of 0 after a close, takes no click.
    EXPECT_EQ(HitTileAt({tiles, 0, 0, {0, 48, 0, 24}}, {0, 0}, 1.0, 24, 11), std::nullopt);
}

TEST(ViewCanvas, SizeIsComputedIn64BitsAndRefusedWhenNoDibCouldHoldIt) {
    EXPECT_FALSE(ViewCanvasSize({0, 0, 0, 0}));
    EXPECT_FALSE(ViewCanvasSize({0, 10, 0, 0}));
    const auto size = ViewCanvasSize({-30, 30, -15, 15});
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 60);
    EXPECT_EQ(size->height, 30);
    // Sides whose product overflows 32 bits, and a side beyond what int can hold.
    EXPECT_FALSE(ViewCanvasSize({0, 100000, 0, 100000}));
    EXPECT_FALSE(ViewCanvasSize({-3000000000LL, 3000000000LL, 0, 1}));
}

}  // namespace
}  // namespace zelt
