// The numbers of the properties panel's fields and the rules of the New template dialog.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "editor/document/NewTemplateRules.h"
#include "editor/editing/PanelFields.h"

namespace zelt {
namespace {

TEST(PanelFields, FieldTextReadsAsASigned64BitNumber) {
    EXPECT_EQ(ReadFieldNumber("5"), 5);
    EXPECT_EQ(ReadFieldNumber(" -12"), -12);
    EXPECT_EQ(ReadFieldNumber(""), 0);  // cleared while typing
    EXPECT_EQ(ReadFieldNumber("-"), 0);
    EXPECT_EQ(ReadFieldNumber("7x"), 7);
    EXPECT_EQ(ReadFieldNumber("9223372036854775807"), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(ReadFieldNumber("-9223372036854775808"), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(ReadFieldNumber("9223372036854775808"), std::nullopt);
    EXPECT_EQ(ReadFieldNumber("99999999999999999999999"), std::nullopt);
}

TEST(PanelFields, HalfCellsAndPixelsNeverOverflow) {
    EXPECT_EQ(PixelsOfHalfCells(5, 48), 120);
    EXPECT_EQ(PixelsOfHalfCells(-10, 48), -240);
    EXPECT_EQ(PixelsOfHalfCells(3, 30), 45);
    // 100000000 * 48 / 2 does not fit in 32 bits (and its 32-bit product would wrap).
    EXPECT_EQ(PixelsOfHalfCells(100000000, 48), std::nullopt);
    EXPECT_EQ(PixelsOfHalfCells(89478485, 48), 2147483640);
    EXPECT_EQ(PixelsOfHalfCells(std::numeric_limits<int64_t>::max(), 60), std::nullopt);
    EXPECT_EQ(PixelsOfHalfCells(std::numeric_limits<int64_t>::min(), 60), std::nullopt);

    EXPECT_EQ(HalfCellsOfPixels(48, 48), 2);
    EXPECT_EQ(HalfCellsOfPixels(36, 24), 3);
    EXPECT_EQ(HalfCellsOfPixels(30, 48), 1);   // off the half-cell grid: truncated
    EXPECT_EQ(HalfCellsOfPixels(-30, 48), -1);  // towards zero
    EXPECT_EQ(HalfCellsOfPixels(std::numeric_limits<int32_t>::max(), 24), 178956970);
    EXPECT_EQ(HalfCellsOfPixels(5, 0), 0);  // no document: no cell size

    EXPECT_EQ(FitInt32(std::numeric_limits<int32_t>::min()), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(FitInt32(int64_t{1} << 31), std::nullopt);
}

TEST(NewTemplateRules, RememberedChoicesAreReadBackOnlyInTheirRanges) {
    EditorSettings s = DefaultSettings();
    s.newWidth = 0;
    s.newHeight = 101;
    s.newGame = 1;
    s.newTheater = 5;
    s.newTerrainType = 11;
    NewTemplateChoices c = ChoicesOfSettings(s);
    EXPECT_EQ(c.width, 0);
    EXPECT_EQ(c.height, 1);
    EXPECT_EQ(c.game, 1);
    EXPECT_EQ(c.theater, 5);
    EXPECT_EQ(c.terrainType, 11);
    s.newWidth = -1;
    s.newGame = 2;
    s.newTheater = 6;
    s.newTerrainType = -1;
    c = ChoicesOfSettings(s);
    EXPECT_EQ(c.width, 1);
    EXPECT_EQ(c.game, 0);
    EXPECT_EQ(c.theater, 0);
    EXPECT_EQ(c.terrainType, 0);

    StoreChoices(s, {3, 2, 1, 4, 6});
    EXPECT_EQ(s.newWidth, 3);
    EXPECT_EQ(s.newHeight, 2);
    EXPECT_EQ(s.newGame, 1);
    EXPECT_EQ(s.newTheater, 4);
    EXPECT_EQ(s.newTerrainType, 6);
}

TEST(NewTemplateRules, EmptyZeroOrNonNumericSizesCountAsOne) {
    EXPECT_EQ(CellCountOfText("3"), 3);
    EXPECT_EQ(CellCountOfText(" 12 "), 12);
    for (const char* one : {"", "0", "000", "abc", "-4", "2x", " "}) EXPECT_EQ(CellCountOfText(one), 1) << one;
    // Too large for any template, and still refused after the grid check.
    EXPECT_FALSE(GridFitsTemplate(CellCountOfText("99999999999999999999"), 1));
    EXPECT_FALSE(GridFitsTemplate(CellCountOfText("4294967297"), CellCountOfText("4294967297")));
}

TEST(NewTemplateRules, GridsOfAtMostTenThousandCellsFit) {
    EXPECT_TRUE(GridFitsTemplate(100, 100));
    EXPECT_TRUE(GridFitsTemplate(1, 10000));
    EXPECT_FALSE(GridFitsTemplate(101, 100));
    EXPECT_FALSE(GridFitsTemplate(65536, 65536));  // a 32-bit product would wrap to 0
    for (int refused : {4, 5, 11}) EXPECT_TRUE(IsUnsupportedTerrain(refused));
    for (int allowed : {0, 1, 3, 6, 10}) EXPECT_FALSE(IsUnsupportedTerrain(allowed));
}

}  // namespace
}  // namespace zelt
