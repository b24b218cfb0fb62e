#include <gtest/gtest.h>

#include "editor/template/Palette.h"
#include "tests/support/TestSupport.h"

using namespace zelt;

TEST(Palette, ComponentsAreTimesFourInTheirLowByte) {
    std::vector<uint8_t> bytes(768, 0);
    bytes[3] = 63;
    bytes[4] = 0;
    bytes[5] = 32;
    bytes[6] = 64;  // out of range: wraps to 0
    bytes[7] = 1;
    auto table = DecodePalette(bytes);
    ASSERT_TRUE(table);
    EXPECT_EQ((*table)[1], 0x00FC0080u);
    EXPECT_EQ((*table)[2], 0x00000400u);
}

TEST(Palette, OnlyExactly768BytesArePalettes) {
    EXPECT_FALSE(DecodePalette(std::vector<uint8_t>(767)));
    EXPECT_FALSE(DecodePalette(std::vector<uint8_t>(769)));
    EXPECT_FALSE(DecodePalette({}));
    zelt::test::ScratchFolder dir;
    zelt::test::WriteFile(dir.File("good.pal"), zelt::test::SamplePaletteBytes());
    zelt::test::WriteFile(dir.File("long.pal"), std::vector<uint8_t>(1024));
    EXPECT_TRUE(LoadPaletteFile(dir.File("good.pal")));
    EXPECT_FALSE(LoadPaletteFile(dir.File("long.pal")));
    EXPECT_FALSE(LoadPaletteFile(dir.File("missing.pal")));
}

TEST(Palette, NearestIndexUsesTheWeightedDistanceAndTheLowerTie) {
    PaletteTable table{};
    table.fill(0x00FFFFFF);
    table[0] = 0x00000000;
    table[7] = 0x00102030;
    table[9] = 0x00102030;
    EXPECT_EQ(NearestPaletteIndex(0x00102030, table), 7);
    EXPECT_EQ(NearestPaletteIndex(0x00000000, table), 0);  // index 0 takes part
    // Green weighs most: one step of green is further than one of blue.
    table[20] = 0x00800081;  // blue off by one
    table[21] = 0x00800180;  // green off by one
    EXPECT_EQ(NearestPaletteIndex(0x00800080, table), 20);
    table[20] = 0x00810080;  // red off by one (30) against green (59)
    EXPECT_EQ(NearestPaletteIndex(0x00800080, table), 20);
    // Far from everything, an index is still returned.
    PaletteTable white{};
    white.fill(0x00FFFFFF);
    EXPECT_EQ(NearestPaletteIndex(0x00000000, white), 0);
}
