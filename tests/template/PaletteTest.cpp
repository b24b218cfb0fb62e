#include <gtest/gtest.h>

#include "editor/template/Palette.h"

#include <memory>
#include <random>
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

TEST(Palette, TheFastSearchAgreesWithThePlainScanEverywhere) {
    std::mt19937 rng(99);
    auto search = std::make_unique<PaletteSearch>();
    for (int round = 0; round < 6; ++round) {
        PaletteTable table{};
        for (uint32_t& entry : table) entry = rng() & 0x00FCFCFC;  // 6-bit components, as files give them
        if (round % 2) {
            for (int i = 0; i < 64; ++i) table[static_cast<size_t>(200 + i % 56)] = table[static_cast<size_t>(i)];
        }
        if (round == 5) table.fill(0x00808080);  // every entry ties: index 0
        PreparePaletteSearch(table, *search);
        for (int i = 0; i < 20000; ++i) {
            const uint32_t colour = rng() & (i % 3 ? 0x00FFFFFF : 0xFFFFFFFF);
            ASSERT_EQ(NearestPaletteIndexFast(colour, *search), NearestPaletteIndex(colour, table))
                << "round " << round << " colour " << colour;
        }
        // A cube already filled answers the same again.
        for (uint32_t colour : {0x000000u, 0xFFFFFFu, 0x808080u, 0x808080u}) {
            EXPECT_EQ(NearestPaletteIndexFast(colour, *search), NearestPaletteIndex(colour, table));
        }
    }
}
