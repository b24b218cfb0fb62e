// The tile access rule and the undo history.
#include "editor/editing/TileCommands.h"
#include "editor/editing/TileProperties.h"
#include "editor/template/DocumentFlows.h"
#include "tests/document/DocumentFixture.h"

namespace zelt::test {
namespace {

using AccessRule = DocumentFixture;

TEST_F(AccessRule, RefusesWithoutDocumentSelectionOrValidIndex) {
    EXPECT_EQ(TileAt(0), nullptr);  // nothing open
    OpenThreeTiles();
    EXPECT_EQ(TileAt(-1), &Doc().tiles[0]);
    EXPECT_EQ(TileAt(3), nullptr);
    EXPECT_EQ(TileAt(-2), nullptr);
    Unselect();
    EXPECT_EQ(TileAt(-1), nullptr);
    EXPECT_EQ(TileAt(2), &Doc().tiles[2]);
    // Operations on the selected tile do nothing; those naming a tile work.
    EXPECT_FALSE(SetTileX(99));
    EXPECT_FALSE(AutoColour(-1));
    EXPECT_FALSE(DeleteTile());
    EXPECT_TRUE(AutoColour(1));
    EXPECT_TRUE(SetDamagedArt(2, true));
    EXPECT_TRUE(Doc().tiles[2].damagedArt);
    EXPECT_EQ(Doc().tiles.size(), 3u);
}

using UndoHistoryTest = DocumentFixture;

TEST_F(UndoHistoryTest, KeepsOnlyTheLastTwentySteps) {
    OpenThreeTiles();
    for (int i = 1; i <= 25; ++i) ASSERT_TRUE(SetTileX(i));
    int steps = 0;
    while (UndoCommand()) ++steps;
    EXPECT_EQ(steps, 20);
    EXPECT_EQ(Doc().tiles[0].x, 5);  // the states before edit 5 are gone
    EXPECT_FALSE(CanUndo());
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(RedoCommand());
    EXPECT_EQ(Doc().tiles[0].x, 25);
    EXPECT_FALSE(CanRedo());
}

TEST_F(UndoHistoryTest, NewEditAfterUndoDropsTheRedoBranch) {
    OpenThreeTiles();
    SetTileX(10);
    SetTileX(20);
    ASSERT_TRUE(UndoCommand());
    EXPECT_TRUE(ComputeWindowState().enabled["GUI:REDO"]);
    SetTileY(7);
    EXPECT_FALSE(CanRedo());
    EXPECT_FALSE(ComputeWindowState().enabled["GUI:REDO"]);
    EXPECT_TRUE(ComputeWindowState().enabled["GUI:UNDO"]);
    ASSERT_TRUE(UndoCommand());
    EXPECT_EQ(Doc().tiles[0].x, 10);
    EXPECT_EQ(Doc().tiles[0].y, 0);
}

TEST_F(UndoHistoryTest, UndoRestoresImagesAndKeepsTheSelection) {
    OpenThreeTiles();
    const std::vector<TileRecord> before = Doc().tiles;
    Doc().selected = 2;
    ASSERT_TRUE(DeleteTile());
    ASSERT_TRUE(DeleteTile());
    EXPECT_EQ(Doc().tiles.size(), 1u);
    const int selected = Doc().selected;
    ASSERT_TRUE(UndoCommand());
    ASSERT_TRUE(UndoCommand());
    EXPECT_EQ(Doc().tiles, before);
    EXPECT_EQ(Doc().selected, selected);
}

TEST_F(UndoHistoryTest, UndoAfterSaveMakesTheDocumentModifiedSoClosingAsks) {
    const std::string path = OpenThreeTiles();
    SetTileY(24);
    ASSERT_TRUE(Save(false));
    EXPECT_FALSE(Doc().modified);
    ASSERT_TRUE(UndoCommand());
    EXPECT_TRUE(Doc().modified);
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(CloseFlow());
    EXPECT_EQ(Doc().tiles[0].y, 0);
}

TEST_F(UndoHistoryTest, SelectedIndexPastTheListAfterUndoIsNoTile) {
    OpenThreeTiles();
    ASSERT_TRUE(AddTile());
    EXPECT_EQ(Doc().selected, 3);
    ASSERT_TRUE(UndoCommand());
    EXPECT_EQ(TileAt(-1), nullptr);
    EXPECT_FALSE(SetTileX(5));
    EXPECT_TRUE(NextTile());
    EXPECT_EQ(Doc().selected, 0);
}

TEST_F(UndoHistoryTest, NoHistoryWithoutDocument) {
    RecordSnapshot();
    EXPECT_FALSE(CanUndo());
    EXPECT_FALSE(UndoCommand());
    EXPECT_FALSE(RedoCommand());
    OpenThreeTiles();
    SetTileX(3);
    ui.answers = {Answer::No};
    ASSERT_TRUE(CloseFlow());
    EXPECT_FALSE(CanUndo());
}

}  // namespace
}  // namespace zelt::test
