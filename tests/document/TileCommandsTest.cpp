// New templates and the quick tile commands: their effect on the tiles, the selection, the strip's
// current tile, the modified flag, the history and the refresh requests.
#include "editor/editing/TileCommands.h"
#include "editor/editing/TileProperties.h"
#include "editor/template/DocumentCreate.h"
#include "editor/template/DocumentFlows.h"
#include "editor/template/TileLayout.h"
#include "tests/document/DocumentFixture.h"

namespace zelt::test {
namespace {

using NewTemplate = DocumentFixture;

TEST_F(NewTemplate, LaysTilesOutRowByRowOnTheGrid) {
    ASSERT_TRUE(CreateTemplate(kTsFs, 2, 3, 1));  // "Road"
    ASSERT_EQ(Doc().tiles.size(), 6u);
    const int expected[6][2] = {{0, 0}, {24, 12}, {48, 24}, {-24, 12}, {0, 24}, {24, 36}};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(Doc().tiles[i].x, expected[i][0]) << i;
        EXPECT_EQ(Doc().tiles[i].y, expected[i][1]) << i;
        EXPECT_EQ(Doc().tiles[i].terrainCode, 11);
        EXPECT_TRUE(Doc().tiles[i].hasZ);
        EXPECT_EQ(Doc().tiles[i].diamond, std::vector<uint8_t>(576, 0));
    }
    EXPECT_TRUE(Doc().open);
    EXPECT_TRUE(Doc().modified);
    EXPECT_TRUE(Doc().fileName.empty());
    EXPECT_EQ(Doc().cellW, 48);
    EXPECT_FALSE(CanUndo());
    std::vector<uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(EncodeTemplate(Doc().tiles, 48, 24, SaveOptions{}, bytes, error));
    TemplateHeader header;
    ReadTemplateHeader(bytes, header);
    EXPECT_EQ(header.gridWidth, 3);
    EXPECT_EQ(header.gridHeight, 2);
}

TEST_F(NewTemplate, ModifiedDocumentIsReplacedOnlyWithConsent) {
    OpenThreeTiles();
    SetTileX(24);
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(CreateTemplate(kRa2Yr, 2, 2, 0));
    EXPECT_EQ(Doc().tiles.size(), 3u);
    EXPECT_EQ(Doc().tiles[0].x, 24);
    ui.answers = {Answer::No};
    ASSERT_TRUE(CreateTemplate(kRa2Yr, 2, 2, 0));
    EXPECT_EQ(Doc().tiles.size(), 4u);
    EXPECT_EQ(Doc().tiles[0].diamond.size(), 900u);
}

TEST_F(NewTemplate, RefusesWhatCouldNeverBeSaved) {
    EXPECT_FALSE(CreateTemplate(kNoGame, 1, 1, 0));
    EXPECT_FALSE(CreateTemplate(kTsFs, 1, 1, 4));  // "Wall" has no stored code
    EXPECT_FALSE(CreateTemplate(kTsFs, 101, 100, 0));
    EXPECT_FALSE(CreateTemplate(kTsFs, -1, 3, 0));
    EXPECT_FALSE(Doc().open);
    EXPECT_TRUE(CreateTemplate(kTsFs, 100, 100, 0));
}

using TileCommands = DocumentFixture;

TEST_F(TileCommands, AddAndDeleteOnAnEmptyTemplate) {
    ASSERT_TRUE(CreateTemplate(kTsFs, 0, 0, 0));
    EXPECT_FALSE(ComputeWindowState().enabled["GUI:DELETE"]);
    ASSERT_TRUE(AddTile());
    ASSERT_EQ(Doc().tiles.size(), 1u);
    const TileRecord& t = Doc().tiles[0];
    EXPECT_EQ(t.x, 0);
    EXPECT_EQ(t.y, 0);
    EXPECT_TRUE(t.hasZ);
    EXPECT_EQ(Doc().selected, 0);
    EXPECT_EQ(Views().stripCurrentTile, 0);
    EXPECT_TRUE(ComputeWindowState().enabled["GUI:DELETE"]);
    EXPECT_TRUE(ComputeWindowState().enabled["GUI:CLONETILE"]);
    ASSERT_TRUE(DeleteTile());
    EXPECT_TRUE(Doc().tiles.empty());
    EXPECT_FALSE(ComputeWindowState().enabled["GUI:DELETE"]);
    EXPECT_FALSE(ComputeWindowState().enabled["GUI:CLONETILE"]);
    EXPECT_FALSE(DeleteTile());
    EXPECT_EQ(Doc().undo.position, 2);
}

TEST_F(TileCommands, AddGivesOnlyTheNewTileDefaultDepth) {
    OpenThreeTiles();
    Doc().tiles[0].zData.assign(576, 77);
    Doc().tiles[0].hasZ = true;
    ASSERT_TRUE(AddTile());
    EXPECT_EQ(Doc().tiles[0].zData, std::vector<uint8_t>(576, 77));
    TileRecord expected;
    GenerateZData(expected, 48, 24);
    EXPECT_EQ(Doc().tiles[3].zData, expected.zData);
    Unselect();
    ASSERT_TRUE(AddTile());
    EXPECT_TRUE(Doc().tiles[4].hasZ);
    EXPECT_EQ(Doc().selected, 4);
}

TEST_F(TileCommands, DeleteMovesTheSelectionBack) {
    OpenThreeTiles();
    ASSERT_TRUE(DeleteTile());
    EXPECT_EQ(Doc().selected, 0);
    EXPECT_EQ(Doc().tiles[0].diamond[0], 2);
    OpenThreeTiles();
    Doc().selected = 2;
    ASSERT_TRUE(DeleteTile());
    EXPECT_EQ(Doc().selected, 1);
    EXPECT_EQ(Views().stripCurrentTile, 1);
    EXPECT_TRUE(Doc().modified);
    EXPECT_TRUE(CanUndo());
}

TEST_F(TileCommands, CloneOwnsItsImagesAndGetsFreshDepth) {
    std::vector<TileRecord> tiles = ThreeTiles();
    tiles[1].hasExtra = true;
    tiles[1].extraX = 24;
    tiles[1].extraY = -10;
    tiles[1].extraWidth = 3;
    tiles[1].extraHeight = 2;
    tiles[1].extraImage = {1, 2, 3, 4, 5, 6};
    tiles[1].zData.assign(576, 9);
    tiles[1].extraZData = {7, 7, 7, 7, 7, 7};
    tiles[1].hasZ = true;
    ASSERT_TRUE(LoadTemplateFile(WriteTemplate("x.tem", tiles)));
    Doc().selected = 1;
    ASSERT_TRUE(CloneTile());
    EXPECT_EQ(Doc().selected, 3);
    EXPECT_EQ(Views().stripCurrentTile, 3);
    ASSERT_TRUE(SelectTile(1));
    ASSERT_TRUE(DeleteTile());
    const TileRecord& clone = Doc().tiles[2];
    EXPECT_EQ(clone.x, 24);
    EXPECT_EQ(clone.diamond, std::vector<uint8_t>(576, 2));
    EXPECT_EQ(clone.extraImage, tiles[1].extraImage);
    EXPECT_EQ(clone.extraZData, tiles[1].extraZData);
    EXPECT_EQ(clone.zData[0], 23);  // generated, not copied
}

TEST_F(TileCommands, SwapExchangesWhatIsDrawnKeepingThePlaces) {
    OpenThreeTiles();
    ui.numbers = {1};
    EXPECT_FALSE(SwapTile());  // its own number
    ui.numbers = {std::nullopt};
    EXPECT_FALSE(SwapTile());
    ui.numbers = {4};
    EXPECT_FALSE(SwapTile());
    EXPECT_FALSE(Doc().modified);
    ui.numbers = {3};
    ASSERT_TRUE(SwapTile());
    EXPECT_EQ(Doc().tiles[0].x, 0);
    EXPECT_EQ(Doc().tiles[0].y, 0);
    EXPECT_EQ(Doc().tiles[0].diamond[0], 3);
    EXPECT_EQ(Doc().tiles[2].x, -24);
    EXPECT_EQ(Doc().tiles[2].y, 12);
    EXPECT_EQ(Doc().tiles[2].diamond[0], 1);
    EXPECT_TRUE(Doc().modified);
    EXPECT_TRUE(CanUndo());
}

TEST_F(TileCommands, NextAndPreviousWrapAround) {
    OpenThreeTiles();
    Doc().selected = 2;
    ASSERT_TRUE(NextTile());
    EXPECT_EQ(Doc().selected, 0);
    ASSERT_TRUE(PreviousTile());
    EXPECT_EQ(Doc().selected, 2);
    EXPECT_EQ(Views().stripCurrentTile, 2);
    Unselect();
    EXPECT_EQ(Views().stripCurrentTile, -1);
    ASSERT_TRUE(NextTile());
    EXPECT_EQ(Doc().selected, 0);
    Unselect();
    ASSERT_TRUE(PreviousTile());
    EXPECT_EQ(Doc().selected, 2);
    EXPECT_FALSE(Doc().modified);
    EXPECT_FALSE(CanUndo());
}

TEST_F(TileCommands, SelectTileNeedsASelectionAndAnotherValidTile) {
    OpenThreeTiles();
    EXPECT_FALSE(SelectTile(0));
    EXPECT_FALSE(SelectTile(3));
    ASSERT_TRUE(SelectTile(2));
    EXPECT_EQ(Views().stripCurrentTile, 2);
    Unselect();
    EXPECT_FALSE(SelectTile(1));
}

TEST_F(TileCommands, DeleteExtraImageKeepsTheBox) {
    std::vector<TileRecord> tiles = ThreeTiles();
    tiles[0].hasExtra = true;
    tiles[0].extraX = 5;
    tiles[0].extraY = -20;
    tiles[0].extraWidth = 2;
    tiles[0].extraHeight = 2;
    tiles[0].extraImage = {1, 1, 1, 1};
    ASSERT_TRUE(LoadTemplateFile(WriteTemplate("e.tem", tiles)));
    ASSERT_TRUE(DeleteExtraImage());
    const TileRecord& t = Doc().tiles[0];
    EXPECT_FALSE(t.hasExtra);
    EXPECT_TRUE(t.extraImage.empty());
    EXPECT_EQ(t.extraX, 5);
    EXPECT_EQ(t.extraWidth, 2);
    EXPECT_TRUE(Doc().modified);
    EXPECT_FALSE(DeleteExtraImage());  // nothing left to delete
    ASSERT_TRUE(UndoCommand());
    EXPECT_TRUE(Doc().tiles[0].hasExtra);
}

TEST_F(TileCommands, ShowFlagsToggleTheirCheckMarks) {
    OpenThreeTiles();
    ToggleShowExtraImages();
    EXPECT_FALSE(Views().showExtraImages);
    EXPECT_FALSE(ComputeWindowState().checked["GUI:SHOWEIMAGE"]);
    EXPECT_TRUE(ComputeWindowState().checked["GUI:SHOWNIMAGE"]);
    ToggleShowNormalImages();
    ToggleShowNormalImages();
    EXPECT_TRUE(Views().showNormalImages);
    EXPECT_TRUE(ui.AllRefreshed() & kRefreshMainView);
    EXPECT_FALSE(Doc().modified);
}

TEST_F(TileCommands, NoRefreshWhileInterfaceUpdatesAreSuspended) {
    OpenThreeTiles();
    SuspendInterfaceUpdates(true);
    AddTile();
    CloneTile();
    DeleteTile();
    AutoColourAllTiles();
    SetTileX(96);
    NextTile();
    EXPECT_TRUE(ui.refreshes.empty());
    SuspendInterfaceUpdates(false);
    RefreshAll();
    EXPECT_EQ(ui.refreshes, std::vector<unsigned>{kRefreshAll});
}

TEST_F(TileCommands, CommandsDoNothingWithoutADocument) {
    EXPECT_FALSE(AddTile());
    EXPECT_FALSE(CloneTile());
    EXPECT_FALSE(NextTile());
    EXPECT_FALSE(PreviousTile());
    EXPECT_FALSE(DeleteExtraImage());
    EXPECT_FALSE(SwapTiles(0, 1));
    EXPECT_TRUE(Doc().tiles.empty());
}

}  // namespace
}  // namespace zelt::test
