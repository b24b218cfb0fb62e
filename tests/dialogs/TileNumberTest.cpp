// The number of the tile number dialog.
#include <gtest/gtest.h>

#include "editor/app/TileNumber.h"

namespace zelt {
namespace {

TEST(TileNumber, OnlyNumbersOfExistingTilesAreTaken) {
    EXPECT_EQ(ParseTileNumber("1", 3), 1);
    EXPECT_EQ(ParseTileNumber(" 3 ", 3), 3);
    EXPECT_EQ(ParseTileNumber("003", 3), 3);
    for (const char* wrong : {"", " ", "0", "4", "-1", "+2", "2a", "a2", "1 2", "abc"})
        EXPECT_EQ(ParseTileNumber(wrong, 3), std::nullopt) << wrong;
    // Overflowing numbers are wrong, not wrapped onto an existing tile.
    EXPECT_EQ(ParseTileNumber("4294967297", 3), std::nullopt);
    EXPECT_EQ(ParseTileNumber("99999999999999999999999999", 2147483647), std::nullopt);
    EXPECT_EQ(ParseTileNumber("2147483647", 2147483647), 2147483647);
    EXPECT_EQ(ParseTileNumber("1", 0), std::nullopt);
}

}  // namespace
}  // namespace zelt
