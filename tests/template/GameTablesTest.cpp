#include <gtest/gtest.h>

#include "editor/template/GameTables.h"
#include "editor/template/PathText.h"

using namespace zelt;

TEST(GameTables, OnlyTheTwoCellSizesMakeAFamily) {
    EXPECT_EQ(FamilyOfCellSize(60, 30), kRa2Yr);
    EXPECT_EQ(FamilyOfCellSize(48, 24), kTsFs);
    EXPECT_EQ(FamilyOfCellSize(60, 24), kNoGame);
    EXPECT_EQ(FamilyOfCellSize(30, 60), kNoGame);
    EXPECT_EQ(CellSizeOf(kRa2Yr).w, 60);
    EXPECT_EQ(CellSizeOf(kTsFs).h, 24);
}

TEST(GameTables, DefaultPaletteFollowsFamilyAndExtension) {
    const std::string dir = "C:\\Zelt\\";
    EXPECT_EQ(DefaultPaletteFileName(dir, kTsFs, "C:\\maps\\a.urb"), "C:\\Zelt\\Palettes\\TS_FS\\IsoTem.Pal");
    EXPECT_EQ(DefaultPaletteFileName(dir, kRa2Yr, "C:\\maps\\a.urb"), "C:\\Zelt\\Palettes\\RA2_YR\\IsoUrb.Pal");
    EXPECT_EQ(DefaultPaletteFileName(dir, kTsFs, "a.SNO"), DefaultPaletteFileName(dir, kTsFs, "a.sno"));
    EXPECT_EQ(DefaultPaletteFileName(dir, kTsFs, "a.sno"), "C:\\Zelt\\Palettes\\TS_FS\\IsoSno.Pal");
    EXPECT_EQ(DefaultPaletteFileName(dir, kRa2Yr, "x.lun"), "C:\\Zelt\\Palettes\\RA2_YR\\IsoLun.Pal");
    EXPECT_EQ(DefaultPaletteFileName(dir, kRa2Yr, "x.des"), "C:\\Zelt\\Palettes\\RA2_YR\\IsoDes.Pal");
    EXPECT_EQ(DefaultPaletteFileName(dir, kRa2Yr, "x.ubn"), "C:\\Zelt\\Palettes\\RA2_YR\\IsoUbn.Pal");
    EXPECT_EQ(DefaultPaletteFileName(dir, kRa2Yr, "x.abc"), "C:\\Zelt\\Palettes\\RA2_YR\\IsoTem.Pal");
    // Without any dot only the folder is left, which never loads as a palette.
    EXPECT_EQ(DefaultPaletteFileName(dir, kRa2Yr, "C:\\maps\\noext"), "C:\\Zelt\\Palettes\\RA2_YR\\");
    // A dot in a folder name counts when the file name has none.
    EXPECT_EQ(DefaultPaletteFileName(dir, kRa2Yr, "C:\\maps.sno\\noext"), "C:\\Zelt\\Palettes\\RA2_YR\\IsoTem.Pal");
    EXPECT_EQ(DefaultPaletteFileName(dir, kNoGame, "a.tem"), "");
}

TEST(GameTables, DefaultPaletteByTheater) {
    EXPECT_EQ(DefaultPaletteFileNameForTheater("P\\", kTsFs, 3), "P\\Palettes\\TS_FS\\IsoUbn.Pal");
    EXPECT_EQ(DefaultPaletteFileNameForTheater("P\\", kRa2Yr, 6), "P\\Palettes\\RA2_YR\\IsoTem.Pal");
    EXPECT_EQ(DefaultPaletteFileNameForTheater("P\\", kRa2Yr, -1), "P\\Palettes\\RA2_YR\\IsoTem.Pal");
}

TEST(GameTables, TerrainCodesAndNames) {
    EXPECT_EQ(TerrainCodeOfName(6), 10);  // Beach
    EXPECT_EQ(TerrainNameOfCode(13), 0);  // Clear
    EXPECT_EQ(TerrainNameOfCode(15), 3);  // Rock
    EXPECT_EQ(TerrainNameOfCode(16), std::nullopt);
    EXPECT_EQ(TerrainNameOfCode(-1), std::nullopt);
    for (int unselectable : {4, 5, 11, 12, -1}) EXPECT_EQ(TerrainCodeOfName(unselectable), std::nullopt);
    // Picking a name writes a code that reads back as the same name.
    for (int name = 0; name < kTerrainNameCount; ++name) {
        if (auto code = TerrainCodeOfName(name)) {
            EXPECT_EQ(TerrainNameOfCode(*code), name);
        }
    }
}

TEST(PathText, FolderFileAndExtension) {
    EXPECT_EQ(FolderOf("C:\\a\\b.tem"), "C:\\a\\");
    EXPECT_EQ(FolderOf("b.tem"), "");
    EXPECT_EQ(FileNameOf("C:\\a\\b.tem"), "b.tem");
    EXPECT_EQ(FileNameOf("b.tem"), "b.tem");
    EXPECT_EQ(ExtensionOf("C:\\a.b\\c"), "b\\c");
    EXPECT_EQ(ExtensionOf("C:\\a\\c"), std::nullopt);
    EXPECT_EQ(ExtensionOf("x."), "");
}

TEST(PathText, WildcardResultsKeepOnlyTheExactExtension) {
    EXPECT_TRUE(MatchesExtensionPattern("a.tem", "*.tem"));
    EXPECT_TRUE(MatchesExtensionPattern("DESERT.TEM", "*.tem"));
    EXPECT_TRUE(MatchesExtensionPattern("my.map.Pal", "*.PAL"));
    // Names a search finds through their short alias only.
    EXPECT_FALSE(MatchesExtensionPattern("notes.temp", "*.tem"));
    EXPECT_FALSE(MatchesExtensionPattern("x.palx", "*.PAL"));
    EXPECT_FALSE(MatchesExtensionPattern("long name.sno~", "*.sno"));
    EXPECT_FALSE(MatchesExtensionPattern("atem", "*.tem"));
    EXPECT_FALSE(MatchesExtensionPattern(".tem", "*.tem"));
    EXPECT_FALSE(MatchesExtensionPattern("a.tem", ".tem"));  // not a wildcard
}
