// Opening a recent file when the close question saves the document under a new name first.
#include "editor/app/RecentFiles.h"

#include "editor/document/DocumentCreate.h"
#include "editor/settings/Settings.h"
#include "tests/document/DocumentFixture.h"

namespace zelt::test {
namespace {

using RecentFiles = DocumentFixture;

TEST_F(RecentFiles, TheChosenEntryOpensEvenWhenTheSaveBeforeItShiftsTheList) {
    const std::string older = WriteTemplate("older.tem", ThreeTiles());
    const std::string chosen = WriteTemplate("chosen.tem", {GridTile(48, 24, 0, 0, 7)});
    EditorSettings settings;
    settings.maxRecent = 2;
    settings.recentFiles = {chosen, older};
    g_settings = settings;
    ui.recentList = &g_settings;

    ASSERT_TRUE(CreateTemplate(kTsFs, 1, 1, 0));  // modified and untitled
    ui.answers = {Answer::Yes};
    ui.savePaths = {At("new.tem")};
    // The save adds new.tem and pushes the chosen entry out of the two the list keeps.
    ASSERT_TRUE(OpenRecentFile(0));
    EXPECT_EQ(Doc().fileName, chosen);
    ASSERT_EQ(Doc().tiles.size(), 1u);
    EXPECT_EQ(Doc().tiles[0].diamond[0], 7);
    EXPECT_EQ(g_settings.recentFiles, (std::vector<std::string>{At("new.tem"), chosen}));
    EXPECT_TRUE(Exists(At("new.tem")));

    EXPECT_FALSE(OpenRecentFile(2));  // past the end: nothing
    EXPECT_EQ(Doc().fileName, chosen);
    ui.recentList = nullptr;
    g_settings = DefaultSettings();
}

TEST_F(RecentFiles, OfEqualEntriesTheNewestLeaves) {
    EditorSettings settings;
    settings.recentFiles = {"C:\\a.tem", "C:\\b.tem", "C:\\a.tem"};
    RemoveRecentPath(settings, "C:\\a.tem");
    EXPECT_EQ(settings.recentFiles, (std::vector<std::string>{"C:\\a.tem", "C:\\b.tem"}));
    RemoveRecentPath(settings, "C:\\c.tem");
    EXPECT_EQ(settings.recentFiles.size(), 2u);
}

}  // namespace
}  // namespace zelt::test
