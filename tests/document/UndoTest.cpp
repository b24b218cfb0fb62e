// The tile access rule and the undo history.
#include "editor/editing/TileCommands.h"
#include "editor/editing/TileProperties.h"
#include "editor/document/DocumentCreate.h"
#include "editor/document/DocumentFlows.h"
#include "tests/document/DocumentFixture.h"

namespace zelt::test {
namespace {

using UndoHistoryTest = DocumentFixture;

TEST_F(UndoHistoryTest, WithoutSelectionOnlyOperationsNamingATileWork) {
    EXPECT_EQ(TileAt(0), nullptr);  // nothing open
    OpenThreeTiles();
    EXPECT_EQ(TileAt(3), nullptr);
    Unselect();
    EXPECT_FALSE(SetTileX(99));
    EXPECT_FALSE(AutoColour(-1));
    EXPECT_FALSE(DeleteTile());
    EXPECT_TRUE(SetDamagedArt(2, true));
    EXPECT_TRUE(Doc().tiles[2].damagedArt);
    EXPECT_EQ(Doc().tiles.size(), 3u);
}

TEST_F(UndoHistoryTest, KeepsOnlyTheLastTwentySteps) {
    OpenThreeTiles();
    for (int i = 1; i <= 25; ++i) ASSERT_TRUE(SetTileX(i));
    int steps = 0;
    while (UndoCommand()) ++steps;
    EXPECT_EQ(steps, 20);
    EXPECT_EQ(Doc().tiles[0].x, 5);  // the states before edit 5 are gone
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(RedoCommand());
    EXPECT_EQ(Doc().tiles[0].x, 25);
    EXPECT_FALSE(CanRedo());
}

TEST_F(UndoHistoryTest, StatesShareTheTilesThatDidNotChange) {
    OpenThreeTiles();
    SelectTile(0);
    ASSERT_TRUE(SetTileX(77));
    const UndoHistory& undo = Doc().undo;
    ASSERT_EQ(undo.states.size(), 2u);
    EXPECT_NE(undo.states[0][0], undo.states[1][0]);  // the changed tile is a copy of its own
    EXPECT_EQ(undo.states[0][1], undo.states[1][1]);
    EXPECT_EQ(undo.states[0][2], undo.states[1][2]);
    // Removing the first tile still shares the two that follow it.
    SelectTile(0);
    ASSERT_TRUE(DeleteTile());
    ASSERT_EQ(undo.states[2].size(), 2u);
    EXPECT_EQ(undo.states[2][0], undo.states[1][1]);
    EXPECT_EQ(undo.states[2][1], undo.states[1][2]);
    // Undo brings back equal tiles, not shared ones: editing them leaves the history alone.
    ASSERT_TRUE(UndoCommand());
    ASSERT_TRUE(UndoCommand());
    EXPECT_EQ(Doc().tiles.size(), 3u);
    EXPECT_NE(Doc().tiles[0].x, 77);
    Doc().tiles[1].diamond[0] ^= 1;
    EXPECT_NE(*undo.states[0][1], Doc().tiles[1]);
}

TEST_F(UndoHistoryTest, NewEditAfterUndoDropsTheRedoBranch) {
    OpenThreeTiles();
    SetTileX(10);
    SetTileX(20);
    ASSERT_TRUE(UndoCommand());
    EXPECT_TRUE(ComputeWindowState().enabled["GUI:REDO"]);
    SetTileY(7);
    EXPECT_FALSE(ComputeWindowState().enabled["GUI:REDO"]);
    ASSERT_TRUE(UndoCommand());
    EXPECT_EQ(Doc().tiles[0].x, 10);
    EXPECT_EQ(Doc().tiles[0].y, 0);
}

TEST_F(UndoHistoryTest, UndoAfterSaveMakesTheDocumentModifiedSoClosingAsks) {
    OpenThreeTiles();
    SetTileY(24);
    ASSERT_TRUE(Save(false));
    ASSERT_TRUE(UndoCommand());
    EXPECT_TRUE(Doc().modified);
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(CloseFlow());
    EXPECT_EQ(Doc().tiles[0].y, 0);
}

TEST_F(UndoHistoryTest, TheDocumentIsModifiedExactlyWhenItDiffersFromTheFile) {
    OpenThreeTiles();
    const int y = Doc().tiles[0].y;
    ASSERT_TRUE(SetTileY(y + 24));
    EXPECT_TRUE(Doc().modified);
    ASSERT_TRUE(UndoCommand());
    EXPECT_FALSE(Doc().modified);  // back to what was loaded
    EXPECT_TRUE(CloseFlow());  // without a question
    EXPECT_TRUE(ui.questions.empty());

    OpenThreeTiles();
    ASSERT_TRUE(SetTileY(y + 24));
    ASSERT_TRUE(Save(false));
    ASSERT_TRUE(SetTileY(y + 48));
    ASSERT_TRUE(UndoCommand());
    EXPECT_FALSE(Doc().modified);  // back to what was saved
    ASSERT_TRUE(UndoCommand());
    EXPECT_TRUE(Doc().modified);  // the loaded state is no longer in the file
    ASSERT_TRUE(RedoCommand());
    EXPECT_FALSE(Doc().modified);
    // An edit that puts the saved value back leaves nothing to save either.
    ASSERT_TRUE(SetTileY(y + 12));
    ASSERT_TRUE(SetTileY(y + 24));
    EXPECT_FALSE(Doc().modified);
}

TEST_F(UndoHistoryTest, TheSavedStateCountsAfterItsStepIsGoneAndNotAfterItsBranchIsDropped) {
    OpenThreeTiles();
    const int x = Doc().tiles[0].x;
    for (int i = 1; i <= 25; ++i) ASSERT_TRUE(SetTileX(x + i));
    while (UndoCommand()) EXPECT_TRUE(Doc().modified);  // the loaded state dropped out of reach
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(RedoCommand());
    // Setting every step back by hand reaches the file again.
    ASSERT_TRUE(SetTileX(x));
    EXPECT_FALSE(Doc().modified);

    OpenThreeTiles();
    ASSERT_TRUE(SetTileX(x + 5));
    ASSERT_TRUE(Save(false));
    ASSERT_TRUE(UndoCommand());
    ASSERT_TRUE(SetTileY(24));  // drops the saved step from the redo branch
    EXPECT_TRUE(Doc().modified);
    ASSERT_TRUE(UndoCommand());
    EXPECT_TRUE(Doc().modified);  // the loaded state, not the saved one
}

TEST_F(UndoHistoryTest, ANewTemplateStaysModifiedUntilItIsSaved) {
    ASSERT_TRUE(CreateTemplate(kTsFs, 1, 2, 0));
    EXPECT_TRUE(Doc().modified);
    ASSERT_TRUE(SetTileX(9));
    ASSERT_TRUE(UndoCommand());
    EXPECT_TRUE(Doc().modified);
    ui.savePaths = {At("new.tem")};
    ASSERT_TRUE(Save(false));
    EXPECT_FALSE(Doc().modified);
    ASSERT_TRUE(RedoCommand());
    EXPECT_TRUE(Doc().modified);
    ASSERT_TRUE(UndoCommand());
    EXPECT_FALSE(Doc().modified);
}

TEST_F(UndoHistoryTest, SelectionPastTheListAfterUndoMovesToTheLastTile) {
    OpenThreeTiles();
    ASSERT_TRUE(AddTile());
    ASSERT_TRUE(UndoCommand());
    EXPECT_EQ(Doc().selected, 2);
    EXPECT_TRUE(SetTileX(5));
    EXPECT_EQ(Doc().tiles[2].x, 5);
    EXPECT_TRUE(NextTile());
    EXPECT_EQ(Doc().selected, 0);
}

}  // namespace
}  // namespace zelt::test
