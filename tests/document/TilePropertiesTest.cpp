// The property setters, terrain names, damaged art, auto colour and the document's palette.
#include "editor/editing/TileCommands.h"
#include "editor/editing/TileProperties.h"
#include "tests/document/DocumentFixture.h"

namespace zelt::test {
namespace {

using TileProperties = DocumentFixture;

TEST_F(TileProperties, EqualValuesChangeNothingAndChangesAreRecordedAfterTheFact) {
    OpenThreeTiles();
    Doc().selected = 1;
    EXPECT_TRUE(SetTileX(24));  // unchanged
    EXPECT_FALSE(Doc().modified);
    EXPECT_TRUE(ui.refreshes.empty());
    ASSERT_TRUE(SetTileHeight(7));
    EXPECT_EQ(Doc().undo.states.back()[1]->height, 7);
    EXPECT_EQ(ui.AllRefreshed() & kRefreshAll, kRefreshAll);
    ui.refreshes.clear();
    EXPECT_TRUE(SetRampType(20));
    EXPECT_TRUE(SetRampType(20));  // always stored
    EXPECT_EQ(Doc().undo.position, 3);
    EXPECT_TRUE(ui.refreshes.empty());
}

TEST_F(TileProperties, HeightsAByteCannotHoldAreRefused) {
    OpenThreeTiles();
    for (int32_t refused : {-1, 256, -300, INT32_MIN, INT32_MAX}) EXPECT_FALSE(SetTileHeight(refused));
    EXPECT_FALSE(Doc().modified);
    EXPECT_TRUE(SetTileHeight(255));  // above the panel's range, still a byte
    EXPECT_EQ(Doc().tiles[0].height, 255);
    EXPECT_TRUE(SetTileHeight(0));
    EXPECT_EQ(Doc().tiles[0].height, 0);
}

TEST_F(TileProperties, EditsOfferUndoToTheRefreshTheyRequest) {
    OpenThreeTiles();
    ASSERT_TRUE(AutoColour(-1));
    ASSERT_FALSE(ui.undoAtRefresh.empty());
    EXPECT_TRUE(ui.undoAtRefresh.front());
    OpenThreeTiles("again.tem");
    ui.undoAtRefresh.clear();
    AutoColourAllTiles();
    ASSERT_FALSE(ui.undoAtRefresh.empty());
    EXPECT_TRUE(ui.undoAtRefresh.front());
    ui.undoAtRefresh.clear();
    ASSERT_TRUE(SetTileY(36));
    ASSERT_FALSE(ui.undoAtRefresh.empty());
    EXPECT_TRUE(ui.undoAtRefresh.front());
}

TEST_F(TileProperties, UnsupportedTerrainNamesAreRefused) {
    OpenThreeTiles();
    Doc().tiles[0].terrainCode = 3;
    for (int refused : {4, 5, 11, 12, -1}) EXPECT_FALSE(SetTerrainByName(refused));
    EXPECT_EQ(Doc().tiles[0].terrainCode, 3);
    EXPECT_FALSE(Doc().modified);
    ASSERT_TRUE(SetTerrainByName(8));  // Ice
    EXPECT_EQ(Doc().tiles[0].terrainCode, 1);
}

TEST_F(TileProperties, WholeTemplateChangesAreOneUndoStep) {
    OpenThreeTiles();
    SetTileX(5);
    ASSERT_TRUE(SetDamagedArtForAllTiles(true));
    AutoColourAllTiles();
    ASSERT_TRUE(UndoCommand());
    EXPECT_EQ(Doc().tiles[2].leftRadar, 0u);
    EXPECT_TRUE(Doc().tiles[2].damagedArt);
    ASSERT_TRUE(UndoCommand());
    for (const TileRecord& t : Doc().tiles) EXPECT_FALSE(t.damagedArt);
    EXPECT_EQ(Doc().tiles[0].x, 5);
}

TEST_F(TileProperties, AutoColourAveragesTheVisiblePixels) {
    OpenThreeTiles();
    (*Doc().palette)[1] = 0x00FF0000;  // red
    (*Doc().palette)[2] = 0x000000FF;  // blue
    TileBytes& diamond = Doc().tiles[0].diamond;
    std::fill(diamond.begin(), diamond.end(), 0);
    diamond[0] = 1;
    diamond[1] = 2;
    diamond[575] = 2;
    ASSERT_TRUE(AutoColour(-1));
    EXPECT_EQ(Doc().tiles[0].leftRadar, 0x00AA0055u);  // red in the low byte
    EXPECT_EQ(Doc().tiles[0].rightRadar, 0x00AA0055u);
    std::fill(diamond.begin(), diamond.end(), 0);
    ASSERT_TRUE(AutoColour(0));
    EXPECT_EQ(Doc().tiles[0].leftRadar, 0u);  // nothing visible: black
    Doc().palette.reset();
    EXPECT_FALSE(AutoColour(0));
}

TEST_F(TileProperties, DocumentPaletteChangesOnlyOnSuccess) {
    OpenThreeTiles();
    const PaletteTable before = *Doc().palette;
    Write(At("short.pal"), std::vector<uint8_t>(767, 1));
    EXPECT_FALSE(SetDocumentPalette(At("short.pal")));
    EXPECT_FALSE(SetDocumentPalette(std::string(260, 'p')));
    EXPECT_EQ(*Doc().palette, before);
    std::vector<uint8_t> bytes(768, 0);
    bytes[3] = 63;
    bytes[5] = 32;
    Write(At("mine.pal"), bytes);
    ASSERT_TRUE(SetDocumentPalette(At("mine.pal")));
    EXPECT_EQ((*Doc().palette)[1], 0x00FC0080u);
    EXPECT_EQ(ui.paletteNames.back(), "mine.pal");
}

}  // namespace
}  // namespace zelt::test
