// Open, save, save as and close, driven through the scripted interface for every answer.
#include "editor/editing/TileProperties.h"
#include "editor/template/DocumentCreate.h"
#include "editor/template/DocumentFlows.h"
#include "tests/document/DocumentFixture.h"

namespace zelt::test {
namespace {

using Flows = DocumentFixture;

TEST_F(Flows, OpenLoadsTheFileAndShowsIt) {
    const std::string path = WriteTemplate("a.tem", ThreeTiles());
    ASSERT_TRUE(OpenTemplate(path, OpenRoute::OpenDialog));
    EXPECT_TRUE(Doc().open);
    EXPECT_FALSE(Doc().modified);
    EXPECT_EQ(Doc().tiles.size(), 3u);
    EXPECT_EQ(Doc().gameKind, kTsFs);
    EXPECT_EQ(Doc().selected, 0);
    EXPECT_TRUE(Doc().palette.has_value());
    EXPECT_EQ(ui.paletteNames, std::vector<std::string>{"IsoTem.Pal"});
    EXPECT_EQ(ui.recentAdded, std::vector<std::string>{path});
    EXPECT_FALSE(CanUndo());
    EXPECT_EQ(ui.AllRefreshed() & kRefreshAll, kRefreshAll);
    WindowState state = ComputeWindowState();
    EXPECT_EQ(state.title, "TXT_NAME - [" + path + "]");
    EXPECT_EQ(state.familyText, "TXT_SHORTTSFS");
    EXPECT_TRUE(state.enabled["GUI:OPENFOLDER"]);
    EXPECT_TRUE(state.enabled["GUI:SAVEAS"]);
    EXPECT_FALSE(state.enabled["GUI:UNDO"]);
    EXPECT_TRUE(ExploreFolder());
    EXPECT_EQ(ui.explored, std::vector<std::string>{root});
}

TEST_F(Flows, FailedLoadLeavesNoDocumentAndReportsOnlyForDialogAndDrop) {
    const std::string good = WriteTemplate("good.tem", ThreeTiles());
    std::vector<uint8_t> bytes = Read(good);
    bytes.resize(bytes.size() - 10);  // the last cell's blocks reach past the end
    const std::string cut = At("cut.tem");
    Write(cut, bytes);

    ASSERT_TRUE(OpenTemplate(good, OpenRoute::CommandLine));
    EXPECT_FALSE(OpenTemplate(cut, OpenRoute::DroppedFile));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"ERROR:LOADFAILED"});
    EXPECT_FALSE(Doc().open);
    EXPECT_TRUE(Doc().tiles.empty());  // no half-read template stays behind
    EXPECT_EQ(ComputeWindowState().title, "TXT_NAME");
    EXPECT_FALSE(ComputeWindowState().enabled["GUI:MENUSAVE"]);

    ui.messages.clear();
    EXPECT_FALSE(OpenTemplate(cut, OpenRoute::RecentFiles));
    EXPECT_FALSE(OpenTemplate(At("missing.tem"), OpenRoute::CommandLine));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.recentRemoved, std::vector<std::string>{cut});
}

TEST_F(Flows, RecentEntryComesBackAsNewestOnSuccess) {
    const std::string path = WriteTemplate("r.tem", ThreeTiles());
    ASSERT_TRUE(OpenTemplate(path, OpenRoute::RecentFiles));
    EXPECT_EQ(ui.recentRemoved, std::vector<std::string>{path});
    EXPECT_EQ(ui.recentAdded, std::vector<std::string>{path});
}

TEST_F(Flows, MissingPaletteFailsTheLoad) {
    std::filesystem::remove(NativePath(At("Palettes\\TS_FS\\IsoTem.Pal")));
    EXPECT_FALSE(OpenTemplate(WriteTemplate("a.tem", ThreeTiles()), OpenRoute::OpenDialog));
    EXPECT_FALSE(Doc().open);
}

TEST_F(Flows, OpeningOverAModifiedDocumentAsksFirst) {
    const std::string first = OpenThreeTiles("first.tem");
    const std::string second = WriteTemplate("second.tem", {GridTile(48, 24, 0, 0, 9)});
    SetTileX(24);

    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(OpenTemplate(second, OpenRoute::OpenDialog));
    EXPECT_EQ(Doc().fileName, first);
    EXPECT_TRUE(Doc().modified);
    EXPECT_EQ(Doc().tiles[0].x, 24);
    EXPECT_TRUE(ui.recentRemoved.empty());

    ui.answers = {Answer::Yes};  // saves the old document under its own name
    ASSERT_TRUE(OpenTemplate(second, OpenRoute::OpenDialog));
    EXPECT_EQ(ui.questions, (std::vector<std::string>{"MSG:CLOSEQUESTION", "MSG:CLOSEQUESTION"}));
    EXPECT_EQ(Doc().fileName, second);
    EXPECT_EQ(Doc().tiles.size(), 1u);
    ASSERT_TRUE(OpenTemplate(first, OpenRoute::OpenDialog));  // unmodified: no question
    EXPECT_EQ(Doc().tiles[0].x, 24);

    SetTileX(48);
    ui.answers = {Answer::No};
    ASSERT_TRUE(OpenTemplate(second, OpenRoute::OpenDialog));
    ASSERT_TRUE(OpenTemplate(first, OpenRoute::OpenDialog));
    EXPECT_EQ(Doc().tiles[0].x, 24);  // the change was discarded as agreed
}

TEST_F(Flows, OverlongPathIsRefusedBeforeAnythingCloses) {
    OpenThreeTiles();
    EXPECT_FALSE(OpenTemplate(std::string(260, 'a'), OpenRoute::OpenDialog));
    EXPECT_TRUE(Doc().open);
    EXPECT_EQ(Doc().tiles.size(), 3u);
}

TEST_F(Flows, CloseOfUntitledDocumentWithYesAsksForAName) {
    ASSERT_TRUE(CreateTemplate(kTsFs, 1, 2, 0));
    ui.answers = {Answer::Yes};
    ui.savePaths = {std::nullopt};  // the save-as dialog cancelled: nothing is lost
    EXPECT_FALSE(CloseFlow());
    EXPECT_TRUE(Doc().open);
    EXPECT_TRUE(Doc().modified);

    const std::string target = At("new.tem");
    ui.answers = {Answer::Yes};
    ui.savePaths = {target};
    ASSERT_TRUE(CloseFlow());
    EXPECT_FALSE(Doc().open);
    EXPECT_TRUE(Exists(target));
    EXPECT_EQ(ui.recentAdded, std::vector<std::string>{target});
}

TEST_F(Flows, FailedSaveInsideCloseIsReportedAndKeepsTheDocument) {
    ASSERT_TRUE(CreateTemplate(kTsFs, 1, 1, 0));
    ui.answers = {Answer::Yes};
    ui.savePaths = {At("no-such-folder/x.tem")};
    EXPECT_FALSE(CloseFlow());
    EXPECT_EQ(ui.messages, std::vector<std::string>{"ERROR:SAVEFAILED"});
    EXPECT_TRUE(Doc().open);
    EXPECT_TRUE(Doc().fileName.empty());  // the failed path did not become the name
    EXPECT_TRUE(ui.recentAdded.empty());

    ui.answers = {Answer::No};
    EXPECT_TRUE(CloseFlow());
    EXPECT_FALSE(Doc().open);
    EXPECT_EQ(ComputeWindowState().title, "TXT_NAME");
}

TEST_F(Flows, CloseWithoutChangesAsksNothing) {
    OpenThreeTiles();
    ASSERT_TRUE(CloseFlow());
    EXPECT_FALSE(Doc().open);
    EXPECT_EQ(Doc().selected, 0);
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_TRUE(ui.AllRefreshed() & kRefreshHotButtons);
}

TEST_F(Flows, SaveOfUnchangedDocumentAsksWhetherToSaveAnyway) {
    const std::string path = OpenThreeTiles();
    std::filesystem::remove(NativePath(path));
    ui.answers = {Answer::No};
    EXPECT_TRUE(Save(false));
    EXPECT_FALSE(Exists(path));
    ui.answers = {Answer::Yes};
    EXPECT_TRUE(Save(false));
    EXPECT_TRUE(Exists(path));
    EXPECT_EQ(ui.questions, (std::vector<std::string>{"MSG:NOTCHANGEDSAVE", "MSG:NOTCHANGEDSAVE"}));
}

TEST_F(Flows, SaveWritesTheTilesWithZDataAndClearsModified) {
    const std::string path = OpenThreeTiles();
    SetTileHeight(-1);
    Doc().signature = "by us";
    ASSERT_TRUE(SaveCommand(false));
    EXPECT_FALSE(Doc().modified);
    for (const TileRecord& t : Doc().tiles) EXPECT_TRUE(t.hasZ);
    std::vector<uint8_t> expected;
    std::string error;
    ASSERT_TRUE(EncodeTemplate(Doc().tiles, 48, 24, SaveOptions{"by us", false}, expected, error));
    EXPECT_EQ(Read(path), expected);
    ASSERT_TRUE(OpenTemplate(path, OpenRoute::CommandLine));
    EXPECT_EQ(Doc().tiles[0].height, 255);
}

TEST_F(Flows, SaveAsAndUntitledSave) {
    const std::string path = OpenThreeTiles();
    SetTileX(24);
    ui.savePaths = {std::nullopt};
    EXPECT_TRUE(Save(true));  // cancelled: success, nothing written, still modified
    EXPECT_TRUE(Doc().modified);
    EXPECT_EQ(Doc().fileName, path);

    const std::string other = At("other.tem");
    ui.savePaths = {other};
    ASSERT_TRUE(Save(true));
    EXPECT_EQ(Doc().fileName, other);
    EXPECT_EQ(ComputeWindowState().title, "TXT_NAME - [" + other + "]");

    ASSERT_TRUE(CreateTemplate(kRa2Yr, 1, 1, 0));
    EXPECT_EQ(ComputeWindowState().title, "TXT_NAME - [TXT_UNTITLED]");
    EXPECT_FALSE(ComputeWindowState().enabled["GUI:OPENFOLDER"]);
    EXPECT_EQ(ComputeWindowState().familyText, "TXT_SHORTRA2YR");
    EXPECT_FALSE(ExploreFolder());
    const std::string named = At("named.urb");
    ui.savePaths = {named};
    ASSERT_TRUE(Save(false));  // untitled: behaves as Save As
    EXPECT_EQ(Doc().fileName, named);
}

TEST_F(Flows, SaveFailuresAreReportedByTheCommand) {
    EXPECT_FALSE(SaveCommand(false));  // nothing open
    ASSERT_TRUE(CreateTemplate(kTsFs, 0, 5, 0));  // no tiles
    EXPECT_TRUE(Doc().open);
    EXPECT_FALSE(SaveCommand(false));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"ERROR:SAVEFAILED", "ERROR:SAVEFAILED"}));
    EXPECT_TRUE(Doc().modified);
}

TEST_F(Flows, RefusedSaveLeavesTheFileOnDiskIntact) {
    const std::string path = OpenThreeTiles();
    const std::vector<uint8_t> before = Read(path);
    SetTileX(-4800);  // column and row out of the grid: the writer refuses
    EXPECT_FALSE(SaveCommand(false));
    EXPECT_EQ(Read(path), before);
    EXPECT_TRUE(Doc().modified);
}

}  // namespace
}  // namespace zelt::test
