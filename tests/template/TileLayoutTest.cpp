#include <gtest/gtest.h>

#include "editor/template/TileLayout.h"

using namespace zelt;

TEST(TileLayout, DiamondRowsGrowThenShrinkToAnEmptyLastRow) {
    int total = 0;
    for (int r = 0; r < 24; ++r) total += DiamondRowWidth(r, 24);
    EXPECT_EQ(total, 576);
    EXPECT_EQ(DiamondRowWidth(0, 24), 4);
    EXPECT_EQ(DiamondRowWidth(11, 24), 48);
    EXPECT_EQ(DiamondRowWidth(12, 24), 44);
    EXPECT_EQ(DiamondRowWidth(22, 24), 4);
    EXPECT_EQ(DiamondRowWidth(23, 24), 0);
    EXPECT_EQ(DiamondRowStart(0, 48, 24), 22);
    EXPECT_EQ(DiamondRowStart(11, 48, 24), 0);
    int ra2 = 0;
    for (int r = 0; r < 30; ++r) ra2 += DiamondRowWidth(r, 30);
    EXPECT_EQ(ra2, 900);
}

TEST(TileLayout, GeneratedDepthFallsOneStepPerRow) {
    TileRecord tile;
    GenerateZData(tile, 48, 24);
    ASSERT_EQ(tile.zData.size(), 576u);
    EXPECT_TRUE(tile.hasZ);
    EXPECT_EQ(tile.zData.front(), 23);
    EXPECT_EQ(tile.zData.back(), 1);  // row 22, the last row with pixels
    EXPECT_EQ(tile.zData[4], 22);     // first pixel of row 1

    TileRecord big;
    GenerateZData(big, 60, 30);
    EXPECT_EQ(big.zData.size(), 900u);
    EXPECT_EQ(big.zData.front(), 29);
}

TEST(TileLayout, ExtraDepthIsARidgeOnlyForCellWideImages) {
    auto extra = [](int width, int cellW, int cellH) {
        TileRecord t;
        t.hasExtra = true;
        t.extraWidth = width;
        t.extraHeight = 3;
        t.extraImage.assign(static_cast<size_t>(width) * 3, 1);
        GenerateExtraZData(t, cellW, cellH);
        return t;
    };
    TileRecord ridge = extra(48, 48, 24);
    ASSERT_EQ(ridge.extraZData.size(), 144u);
    for (int row = 0; row < 3; ++row) {
        const uint8_t* line = ridge.extraZData.data() + row * 48;
        EXPECT_EQ(line[0], 13);
        EXPECT_EQ(line[23], 36);
        EXPECT_EQ(line[24], 37);
        EXPECT_EQ(line[47], 14);
    }
    TileRecord ra2 = extra(60, 60, 30);
    EXPECT_EQ(ra2.extraZData[0], 16);
    EXPECT_EQ(ra2.extraZData[29], 45);
    EXPECT_EQ(ra2.extraZData[30], 46);
    EXPECT_EQ(ra2.extraZData[59], 17);
    for (int width : {47, 49}) {
        TileRecord flat = extra(width, 48, 24);
        EXPECT_EQ(flat.extraZData, std::vector<uint8_t>(static_cast<size_t>(width) * 3, 16));
    }
    TileRecord none;
    GenerateExtraZData(none, 48, 24);
    EXPECT_TRUE(none.hasZ);
    EXPECT_TRUE(none.extraZData.empty());
}
