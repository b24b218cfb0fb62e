// The property setters, terrain names, damaged art, auto colour and the document's palette.
#include "editor/editing/TileCommands.h"
#include "editor/editing/TileProperties.h"
#include "editor/template/DocumentFlows.h"
#include "tests/document/DocumentFixture.h"

namespace zelt::test {
namespace {

using TileProperties = DocumentFixture;

TEST_F(TileProperties, MovingSettersIgnoreEqualValuesAndRefreshOnChange) {
    OpenThreeTiles();
    Doc().selected = 1;
    EXPECT_TRUE(SetTileX(24));  // unchanged
    EXPECT_FALSE(Doc().modified);
    EXPECT_FALSE(CanUndo());
    EXPECT_TRUE(ui.refreshes.empty());

    using Setter = bool (*)(int32_t);
    const Setter setters[] = {SetTileX, SetTileY, SetTileExtraX, SetTileExtraY, SetTileHeight};
    for (Setter set : setters) {
        ui.refreshes.clear();
        const int before = Doc().undo.position;
        ASSERT_TRUE(set(-300));
        EXPECT_EQ(Doc().undo.position, before + 1);
        EXPECT_EQ(ui.AllRefreshed() & kRefreshAll, kRefreshAll);
    }
    const TileRecord& t = Doc().tiles[1];
    EXPECT_EQ(t.x, -300);
    EXPECT_EQ(t.y, -300);
    EXPECT_EQ(t.extraX, -300);
    EXPECT_EQ(t.extraY, -300);
    EXPECT_EQ(t.height, -300);  // no clamping
    EXPECT_TRUE(Doc().modified);
    // The snapshot holds the state after the change.
    EXPECT_EQ(Doc().undo.states.back()[1].height, -300);
}

TEST_F(TileProperties, OtherSettersAlwaysStoreWithoutRefreshing) {
    OpenThreeTiles();
    EXPECT_TRUE(SetLeftRadarColour(0x0000FF));
    EXPECT_TRUE(SetRightRadarColour(0x00FF00));
    EXPECT_TRUE(SetRampType(20));
    EXPECT_TRUE(SetRampType(20));
    EXPECT_EQ(Doc().undo.position, 4);
    EXPECT_TRUE(ui.refreshes.empty());
    EXPECT_EQ(Doc().tiles[0].leftRadar, 0x0000FFu);
    EXPECT_EQ(Doc().tiles[0].rightRadar, 0x00FF00u);
    EXPECT_EQ(Doc().tiles[0].rampType, 20);
}

TEST_F(TileProperties, TerrainNamesStoreTheirCodesAndUnsupportedOnesAreRefused) {
    OpenThreeTiles();
    Doc().tiles[0].terrainCode = 3;
    for (int refused : {4, 5, 11, 12, -1}) {
        EXPECT_FALSE(SetTerrainByName(refused));
        EXPECT_EQ(Doc().tiles[0].terrainCode, 3);
    }
    EXPECT_FALSE(Doc().modified);
    ASSERT_TRUE(SetTerrainByName(8));  // Ice
    EXPECT_EQ(Doc().tiles[0].terrainCode, 1);
    ASSERT_TRUE(SetTerrainByName(1));  // Road
    EXPECT_EQ(Doc().tiles[0].terrainCode, 11);
}

TEST_F(TileProperties, DamagedArtOfAllTilesIsOneUndoStep) {
    OpenThreeTiles();
    for (int i = 0; i < 5; ++i) SetTileX(i + 1);
    ASSERT_TRUE(SetDamagedArtForAllTiles(true));
    for (const TileRecord& t : Doc().tiles) EXPECT_TRUE(t.damagedArt);
    ASSERT_TRUE(UndoCommand());
    for (const TileRecord& t : Doc().tiles) EXPECT_FALSE(t.damagedArt);
    EXPECT_EQ(Doc().tiles[0].x, 5);  // the earlier steps are still there
    EXPECT_TRUE(CanUndo());
}

TEST_F(TileProperties, AutoColourAveragesTheVisiblePixels) {
    OpenThreeTiles();
    Doc().palette->fill(0);
    (*Doc().palette)[1] = 0x00FF0000;  // red
    (*Doc().palette)[2] = 0x000000FF;  // blue
    std::vector<uint8_t>& diamond = Doc().tiles[0].diamond;
    std::fill(diamond.begin(), diamond.end(), 0);
    diamond[0] = 1;
    diamond[1] = 2;
    diamond[575] = 2;  // every byte is a diamond pixel
    ASSERT_TRUE(AutoColour(-1));
    // red 255/3 = 85, blue 510/3 = 170; stored with red in the low byte
    EXPECT_EQ(Doc().tiles[0].leftRadar, 0x00AA0055u);
    EXPECT_EQ(Doc().tiles[0].rightRadar, 0x00AA0055u);
    EXPECT_TRUE(Doc().modified);
    std::fill(diamond.begin(), diamond.end(), 0);
    ASSERT_TRUE(AutoColour(0));
    EXPECT_EQ(Doc().tiles[0].leftRadar, 0u);  // nothing visible: black
}

TEST_F(TileProperties, AutoColourNeedsAPaletteAndATile) {
    OpenThreeTiles();
    Doc().palette.reset();
    EXPECT_FALSE(AutoColour(-1));
    EXPECT_FALSE(AutoColour(7));
    EXPECT_FALSE(Doc().modified);
}

TEST_F(TileProperties, AutoColourOfAllTilesIsOneUndoStep) {
    OpenThreeTiles();
    AutoColourAllTiles();
    EXPECT_EQ(Doc().undo.position, 1);
    const PaletteTable& p = *Doc().palette;
    const uint32_t c = p[3];
    EXPECT_EQ(Doc().tiles[2].leftRadar, (c >> 16 & 0xFF) | (c & 0xFF00) | (c & 0xFF) << 16);
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
    ui.paletteNames.clear();
    ASSERT_TRUE(SetDocumentPalette(At("mine.pal")));
    EXPECT_EQ((*Doc().palette)[1], 0x00FC0080u);
    EXPECT_EQ(ui.paletteNames, std::vector<std::string>{"mine.pal"});
}

}  // namespace
}  // namespace zelt::test
