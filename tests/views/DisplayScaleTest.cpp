// Lengths laid out at 96 dots per inch, scaled to a display's density.
#include <gtest/gtest.h>

#include <climits>

#include "editor/winui/DisplayScale.h"

namespace zelt {
namespace {

TEST(DisplayScaleTest, CommonScalingsRoundHalfAwayFromZero) {
    struct Case {
        int value, dpi, scaled;
    };
    const Case cases[] = {
        {200, 96, 200},  {200, 120, 250}, {200, 144, 300}, {200, 192, 400},  // 100, 125, 150, 200 %
        {5, 120, 6},     {5, 144, 8},     {15, 120, 19},   {15, 144, 23},    // 6.25, 7.5, 18.75, 22.5
        {205, 144, 308}, {1, 120, 1},     {2, 120, 3},     {3, 144, 5},      // 307.5, 1.25, 2.5, 4.5
        {-5, 144, -8},   {-2, 120, -3},   {-1, 120, -1},   {0, 192, 0},      // negative lengths mirror
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleForDpi(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi;
}

TEST(DisplayScaleTest, AMissingDensityCountsAsStandardAndHugeValuesSaturate) {
    EXPECT_EQ(ScaleForDpi(200, 0), 200);
    EXPECT_EQ(ScaleForDpi(200, -144), 200);
    EXPECT_EQ(ScaleForDpi(INT_MAX, 192), INT_MAX);
    EXPECT_EQ(ScaleForDpi(INT_MIN, 192), INT_MIN);
    EXPECT_EQ(ScaleForDpi(INT_MAX, 96), INT_MAX);
}

}  // namespace
}  // namespace zelt
