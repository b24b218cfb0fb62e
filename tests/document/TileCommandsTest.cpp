// New templates and the quick tile commands: their effect on the tiles, the selection, the strip's
// current tile, the modified flag, the history and the refresh requests.
#include "editor/editing/TileCommands.h"

#include <functional>
#include "editor/editing/TileProperties.h"
#include "editor/document/DocumentCreate.h"
#include "editor/document/DocumentFlows.h"
#include "tests/document/DocumentFixture.h"

namespace zelt::test {
namespace {

using TileCommands = DocumentFixture;

TEST_F(TileCommands, NewTemplateLaysTilesOutRowByRow) {
    ASSERT_TRUE(CreateTemplate(kTsFs, 2, 3, 1));  // "Road"
    ASSERT_EQ(Doc().tiles.size(), 6u);
    const int expected[6][2] = {{0, 0}, {24, 12}, {48, 24}, {-24, 12}, {0, 24}, {24, 36}};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(Doc().tiles[i].x, expected[i][0]) << i;
        EXPECT_EQ(Doc().tiles[i].y, expected[i][1]) << i;
        EXPECT_EQ(Doc().tiles[i].terrainCode, 11);
        EXPECT_TRUE(Doc().tiles[i].hasZ);
    }
    EXPECT_TRUE(Doc().modified);
    EXPECT_TRUE(Doc().fileName.empty());
}

TEST_F(TileCommands, NewTemplateReplacesAModifiedDocumentOnlyWithConsent) {
    OpenThreeTiles();
    SetTileX(24);
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(CreateTemplate(kRa2Yr, 2, 2, 0));
    EXPECT_EQ(Doc().tiles[0].x, 24);
    EXPECT_FALSE(CreateTemplate(kNoGame, 1, 1, 0));
    EXPECT_FALSE(CreateTemplate(kTsFs, 1, 1, 4));  // "Wall" has no stored code
    EXPECT_FALSE(CreateTemplate(kTsFs, 101, 100, 0));  // more cells than a file holds
    EXPECT_EQ(Doc().tiles.size(), 3u);
    ui.answers = {Answer::No};
    ASSERT_TRUE(CreateTemplate(kRa2Yr, 2, 2, 0));
    EXPECT_EQ(Doc().tiles[0].diamond.size(), 900u);
}

TEST_F(TileCommands, AddAndDeleteOnAnEmptyTemplate) {
    ASSERT_TRUE(CreateTemplate(kTsFs, 0, 0, 0));
    ASSERT_TRUE(AddTile());
    EXPECT_EQ(Doc().tiles[0].x, 0);
    EXPECT_TRUE(Doc().tiles[0].hasZ);  // even with no tile selected before
    EXPECT_EQ(Views().stripCurrentTile, 0);
    EXPECT_TRUE(ComputeWindowState().enabled["GUI:CLONETILE"]);
    ASSERT_TRUE(DeleteTile());
    EXPECT_TRUE(Doc().tiles.empty());
    EXPECT_FALSE(ComputeWindowState().enabled["GUI:DELETE"]);
    EXPECT_FALSE(ComputeWindowState().enabled["GUI:CLONETILE"]);
    EXPECT_EQ(Doc().undo.position, 2);
}

TEST_F(TileCommands, AddLeavesTheSelectedTilesDepthAlone) {
    OpenThreeTiles();
    Doc().tiles[0].zData.assign(576, 77);
    Doc().tiles[0].hasZ = true;
    ASSERT_TRUE(AddTile());
    EXPECT_EQ(Doc().tiles[0].zData, std::vector<uint8_t>(576, 77));
    EXPECT_EQ(Doc().tiles[3].zData[0], 23);
    EXPECT_EQ(Doc().selected, 3);
}

TEST_F(TileCommands, DeleteMovesTheSelectionBack) {
    OpenThreeTiles();
    ASSERT_TRUE(DeleteTile());
    EXPECT_EQ(Doc().selected, 0);
    EXPECT_EQ(Doc().tiles[0].diamond[0], 2);
    Doc().selected = 1;
    ASSERT_TRUE(DeleteTile());
    EXPECT_EQ(Doc().selected, 0);
    EXPECT_EQ(Views().stripCurrentTile, 0);
}

TEST_F(TileCommands, TheSelectionStaysOnATileWhenTheListShrinks) {
    OpenThreeTiles();
    Doc().selected = 0;
    ASSERT_TRUE(DeleteTile());
    ASSERT_TRUE(DeleteTile());
    ASSERT_TRUE(DeleteTile());
    EXPECT_EQ(Doc().selected, -1);  // no tile is left to be selected
    EXPECT_EQ(Views().stripCurrentTile, -1);
    EXPECT_FALSE(DeleteTile());
    EXPECT_FALSE(SetTileX(24));

    ASSERT_TRUE(UndoCommand());  // one tile again
    EXPECT_EQ(Doc().selected, -1);
    ASSERT_TRUE(AddTile());
    ASSERT_TRUE(AddTile());
    EXPECT_EQ(Doc().selected, 2);
    ASSERT_TRUE(UndoCommand());  // the third tile is gone again
    EXPECT_EQ(Doc().selected, 1);
    EXPECT_EQ(Views().stripCurrentTile, 1);
    ASSERT_TRUE(RedoCommand());
    EXPECT_EQ(Doc().selected, 1);
}

TEST_F(TileCommands, EveryEditCanBeUndoneWhenTheWindowShowsIt) {
    OpenThreeTiles();
    Doc().tiles[1].hasExtra = true;
    Doc().tiles[1].extraImage.assign(4, 9);
    const std::function<bool()> edits[] = {AddTile, CloneTile, DeleteExtraImage, [] { return SwapTiles(-1, 0); },
                                           DeleteTile};
    for (size_t i = 0; i < std::size(edits); ++i) {
        ResetUndo();
        Doc().selected = 1;
        ui.undoAtRefresh.clear();
        ui.refreshes.clear();
        ASSERT_TRUE(edits[i]()) << i;
        ASSERT_FALSE(ui.undoAtRefresh.empty()) << i;
        EXPECT_TRUE(ui.undoAtRefresh.front()) << i;
        EXPECT_TRUE(ui.AllRefreshed() & kRefreshPanel) << i;
    }
}

TEST_F(TileCommands, CloneOwnsItsImagesAndGetsFreshDepth) {
    std::vector<TileRecord> tiles = ThreeTiles();
    TileRecord& s = tiles[1];
    s.hasExtra = true;
    s.extraWidth = 3;
    s.extraHeight = 2;
    s.extraImage = {1, 2, 3, 4, 5, 6};
    s.zData.assign(576, 9);
    s.extraZData = {7, 7, 7, 7, 7, 7};
    s.hasZ = true;
    ASSERT_TRUE(LoadTemplateFile(WriteTemplate("x.tem", tiles)));
    Doc().selected = 1;
    ASSERT_TRUE(CloneTile());
    EXPECT_EQ(Views().stripCurrentTile, 3);
    ASSERT_TRUE(SelectTile(1));
    ASSERT_TRUE(DeleteTile());
    const TileRecord& clone = Doc().tiles[2];
    EXPECT_EQ(clone.x, 24);
    EXPECT_EQ(clone.diamond, std::vector<uint8_t>(576, 2));
    EXPECT_EQ(clone.extraImage, s.extraImage);
    EXPECT_EQ(clone.extraZData, s.extraZData);
    EXPECT_EQ(clone.zData[0], 23);  // generated, not copied
}

TEST_F(TileCommands, SwapExchangesWhatIsDrawnKeepingThePlaces) {
    OpenThreeTiles();
    ui.numbers = {1, std::nullopt, 4};
    EXPECT_FALSE(SwapTile());  // its own number
    EXPECT_FALSE(SwapTile());  // cancelled
    EXPECT_FALSE(SwapTile());  // no such tile
    EXPECT_FALSE(Doc().modified);
    ui.numbers = {3};
    ASSERT_TRUE(SwapTile());
    EXPECT_EQ(Doc().tiles[0].x, 0);
    EXPECT_EQ(Doc().tiles[0].diamond[0], 3);
    EXPECT_EQ(Doc().tiles[2].x, -24);
    EXPECT_EQ(Doc().tiles[2].y, 12);
    EXPECT_EQ(Doc().tiles[2].diamond[0], 1);
    EXPECT_TRUE(CanUndo());
}

TEST_F(TileCommands, NextAndPreviousWrapAround) {
    OpenThreeTiles();
    Doc().selected = 2;
    ASSERT_TRUE(NextTile());
    EXPECT_EQ(Doc().selected, 0);
    ASSERT_TRUE(PreviousTile());
    EXPECT_EQ(Views().stripCurrentTile, 2);
    Unselect();
    EXPECT_EQ(Views().stripCurrentTile, -1);
    EXPECT_FALSE(SelectTile(1));
    ASSERT_TRUE(PreviousTile());
    EXPECT_EQ(Doc().selected, 2);
    EXPECT_FALSE(Doc().modified);
}

TEST_F(TileCommands, DeleteExtraImageKeepsTheBox) {
    std::vector<TileRecord> tiles = ThreeTiles();
    tiles[0].hasExtra = true;
    tiles[0].extraX = 5;
    tiles[0].extraWidth = 2;
    tiles[0].extraHeight = 2;
    tiles[0].extraImage = {1, 1, 1, 1};
    ASSERT_TRUE(LoadTemplateFile(WriteTemplate("e.tem", tiles)));
    ASSERT_TRUE(DeleteExtraImage());
    EXPECT_FALSE(Doc().tiles[0].hasExtra);
    EXPECT_TRUE(Doc().tiles[0].extraImage.empty());
    EXPECT_EQ(Doc().tiles[0].extraX, 5);
    ASSERT_TRUE(UndoCommand());
    EXPECT_TRUE(Doc().tiles[0].hasExtra);
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
    ToggleShowExtraImages();
    EXPECT_TRUE(ui.refreshes.empty());
    SuspendInterfaceUpdates(false);
    EXPECT_FALSE(ComputeWindowState().checked["GUI:SHOWEIMAGE"]);
}

}  // namespace
}  // namespace zelt::test
