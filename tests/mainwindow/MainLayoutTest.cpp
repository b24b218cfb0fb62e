// Where the main window puts its children, and where a saved window may come back.
#include "editor/app/MainLayout.h"

#include <gtest/gtest.h>

namespace zelt {
namespace {

TEST(MainLayout, DockedChildrenFollowTheClientArea) {
    // 1000 x 800 client, toolbar 60, status bar 20: the view is 800 - 20 - 60 - 208 = 512 high.
    const DockedLayout layout = ComputeDockedLayout(1000, 800, 60, 20, true, 96);
    EXPECT_EQ(layout.panel, (LayoutRect{0, 60, 200, 512}));
    EXPECT_EQ(layout.verticalDivider, (LayoutRect{200, 60, 8, 514}));
    EXPECT_EQ(layout.horizontalDivider, (LayoutRect{0, 572, 1000, 8}));
    EXPECT_EQ(layout.strip, (LayoutRect{0, 580, 1000, 200}));
    EXPECT_EQ(layout.view, (LayoutRect{208, 60, 792, 512}));
    // The strip ends where the status bar begins.
    EXPECT_EQ(layout.strip.y + layout.strip.height, 800 - 20);
}

TEST(MainLayout, AHiddenPanelLeavesTheViewWhereItWas) {
    const DockedLayout layout = ComputeDockedLayout(1000, 800, 0, 20, false, 96);
    EXPECT_EQ(layout.panel, LayoutRect{});
    EXPECT_EQ(layout.verticalDivider, (LayoutRect{0, 0, 8, 574}));
    EXPECT_EQ(layout.view.x, 208);
    EXPECT_EQ(layout.view.width, 792);
}

TEST(MainLayout, AtOneAndAHalfTheFixedLengthsGrowByHalf) {
    // 150 %: panel 300, dividers 12, strip 300; the view is 1200 - 30 - 90 - 312 = 768 high.
    const DockedLayout layout = ComputeDockedLayout(1500, 1200, 90, 30, true, 144);
    EXPECT_EQ(layout.panel, (LayoutRect{0, 90, 300, 768}));
    EXPECT_EQ(layout.verticalDivider, (LayoutRect{300, 90, 12, 771}));
    EXPECT_EQ(layout.horizontalDivider, (LayoutRect{0, 858, 1500, 12}));
    EXPECT_EQ(layout.strip, (LayoutRect{0, 870, 1500, 300}));
    EXPECT_EQ(layout.view, (LayoutRect{312, 90, 1188, 768}));
    EXPECT_EQ(layout.strip.y + layout.strip.height, 1200 - 30);
    // 125 %: 250, 10 and 250.
    const DockedLayout quarter = ComputeDockedLayout(1000, 800, 0, 20, false, 120);
    EXPECT_EQ(quarter.view.x, 260);
    EXPECT_EQ(quarter.strip.height, 250);
}

TEST(MainLayout, UndockedHeightIsBarsAndSixty) {
    EXPECT_EQ(UndockedWindowHeight(52, 22, 96), 134);
    EXPECT_EQ(UndockedWindowHeight(78, 33, 144), 201);
}

TEST(MainLayout, SavedWindowsComeBackOntoTheMonitor) {
    const WindowRect screen{0, 0, 1280, 1024};
    const WindowRect inside{100, 100, 900, 800};
    EXPECT_EQ(KeepRectInArea(inside, screen), inside);
    // Left on a second monitor that is gone: moved back, size kept.
    EXPECT_EQ(KeepRectInArea(WindowRect{2000, 100, 2800, 800}, screen), (WindowRect{480, 100, 1280, 800}));
    EXPECT_EQ(KeepRectInArea(WindowRect{-900, -500, -100, 200}, screen), (WindowRect{0, 0, 800, 700}));
    // Larger than the monitor: cut to it.
    EXPECT_EQ(KeepRectInArea(WindowRect{-10, -10, 3000, 2000}, screen), screen);
    // An empty rectangle is not a placement to move.
    EXPECT_EQ(KeepRectInArea(WindowRect{5000, 5000, 5000, 5000}, screen), (WindowRect{5000, 5000, 5000, 5000}));
}

}  // namespace
}  // namespace zelt
