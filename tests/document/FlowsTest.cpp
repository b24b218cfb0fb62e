// Open, save, save as and close, driven through the scripted interface for every answer.
#include "editor/document/DocumentCreate.h"
#include "editor/document/DocumentFlows.h"
#include "editor/document/SaveOptionsRules.h"
#include "editor/editing/TileCommands.h"
#include "editor/editing/TileProperties.h"
#include "editor/template/Utf8Text.h"
#include "tests/document/DocumentFixture.h"

namespace zelt::test {
namespace {

using Flows = DocumentFixture;

TEST_F(Flows, OpenShowsTheFileAndItsFolder) {
    const std::string path = WriteTemplate("a.tem", ThreeTiles());
    ASSERT_TRUE(OpenTemplate(path, OpenRoute::RecentFiles));
    EXPECT_EQ(Doc().tiles.size(), 3u);
    EXPECT_FALSE(Doc().modified);
    EXPECT_EQ(ui.paletteNames, std::vector<std::string>{"IsoTem.Pal"});
    EXPECT_EQ(ui.recentRemoved, std::vector<std::string>{path});
    EXPECT_EQ(ui.recentAdded, std::vector<std::string>{path});  // back as the newest
    WindowState state = ComputeWindowState();
    EXPECT_EQ(state.title, "TXT_NAME - [" + path + "]");
    EXPECT_EQ(state.familyText, "TXT_SHORTTSFS");
    EXPECT_TRUE(state.enabled["GUI:OPENFOLDER"]);
    EXPECT_FALSE(state.enabled["GUI:UNDO"]);
    EXPECT_TRUE(ExploreFolder());
    EXPECT_EQ(ui.explored, std::vector<std::string>{root});
}

TEST_F(Flows, FailedLoadLeavesNoDocumentAndReportsOnlyForDialogAndDrop) {
    const std::string good = WriteTemplate("good.tem", ThreeTiles());
    std::vector<uint8_t> bytes = Read(good);
    bytes.resize(bytes.size() - 10);  // the last cell reaches past the end
    const std::string cut = At("cut.tem");
    Write(cut, bytes);

    ASSERT_TRUE(OpenTemplate(good, OpenRoute::CommandLine));
    EXPECT_FALSE(OpenTemplate(cut, OpenRoute::DroppedFile));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"ERROR:LOADFAILED"});
    EXPECT_FALSE(Doc().open);
    EXPECT_TRUE(Doc().tiles.empty());  // no half-read template stays behind
    EXPECT_EQ(ComputeWindowState().title, "TXT_NAME");
    EXPECT_FALSE(OpenTemplate(cut, OpenRoute::RecentFiles));
    EXPECT_FALSE(OpenTemplate(At("missing.tem"), OpenRoute::CommandLine));
    std::filesystem::remove(NativePath(At("Palettes\\TS_FS\\IsoTem.Pal")));
    EXPECT_FALSE(OpenTemplate(good, OpenRoute::CommandLine));
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(Flows, OpeningOverAModifiedDocumentAsksFirst) {
    const std::string first = OpenThreeTiles("first.tem");
    const std::string second = WriteTemplate("second.tem", {GridTile(48, 24, 0, 0, 9)});
    SetTileX(24);
    EXPECT_FALSE(OpenTemplate(std::string(260, 'a'), OpenRoute::OpenDialog));  // refused before asking

    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(OpenTemplate(second, OpenRoute::RecentFiles));
    EXPECT_EQ(Doc().fileName, first);
    EXPECT_EQ(Doc().tiles[0].x, 24);
    EXPECT_TRUE(ui.recentRemoved.empty());  // the entry stays when nothing was opened

    ui.answers = {Answer::Yes};  // saves the old document under its own name
    ASSERT_TRUE(OpenTemplate(second, OpenRoute::OpenDialog));
    EXPECT_EQ(Doc().fileName, second);
    ASSERT_TRUE(OpenTemplate(first, OpenRoute::OpenDialog));  // unmodified: no question
    EXPECT_EQ(Doc().tiles[0].x, 24);

    SetTileX(48);
    ui.answers = {Answer::No};
    ASSERT_TRUE(OpenTemplate(second, OpenRoute::OpenDialog));
    ASSERT_TRUE(OpenTemplate(first, OpenRoute::OpenDialog));
    EXPECT_EQ(Doc().tiles[0].x, 24);  // the change was discarded as agreed
    EXPECT_EQ(ui.questions.size(), 3u);
}

TEST_F(Flows, CloseOfUntitledDocumentWithYesNeedsANameAndASuccessfulSave) {
    ASSERT_TRUE(CreateTemplate(kTsFs, 1, 2, 0));
    ui.answers = {Answer::Yes};
    ui.savePaths = {std::nullopt};  // save-as cancelled: neither saved nor closed
    EXPECT_FALSE(CloseFlow());
    EXPECT_TRUE(Doc().open);

    ui.answers = {Answer::Yes};
    ui.savePaths = {At("no-such-folder\\x.tem")};
    EXPECT_FALSE(CloseFlow());
    EXPECT_EQ(ui.messages, std::vector<std::string>{"ERROR:SAVEFAILED"});
    EXPECT_TRUE(Doc().open);
    EXPECT_TRUE(Doc().fileName.empty());  // the failed path did not become the name
    EXPECT_TRUE(ui.recentAdded.empty());

    ui.answers = {Answer::Yes};
    ui.savePaths = {At("new.tem")};
    ASSERT_TRUE(CloseFlow());
    EXPECT_FALSE(Doc().open);
    EXPECT_TRUE(Exists(At("new.tem")));
    EXPECT_EQ(ui.recentAdded, std::vector<std::string>{At("new.tem")});
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
}

TEST_F(Flows, SaveWritesTheTilesWithZDataAndTheSignatureOnlyWhileTicked) {
    const std::string path = OpenThreeTiles();
    SetTileHeight(3);
    StoreSaveOptions(false, true, "by us");
    ASSERT_TRUE(SaveCommand(false));
    EXPECT_FALSE(Doc().modified);
    std::vector<uint8_t> expected;
    std::string error;
    ASSERT_TRUE(EncodeTemplate(Doc().tiles, 48, 24, SaveOptions{"by us", false}, expected, error));
    EXPECT_EQ(Read(path), expected);

    // Unticked, the text stays in the document but is not written.
    StoreSaveOptions(false, false, "by us");
    SetTileHeight(4);
    ASSERT_TRUE(SaveCommand(false));
    EXPECT_EQ(Doc().signature, "by us");
    ASSERT_TRUE(EncodeTemplate(Doc().tiles, 48, 24, SaveOptions{"", false}, expected, error));
    EXPECT_EQ(Read(path), expected);

    StoreSaveOptions(true, true, std::string(200, 's'));
    EXPECT_EQ(Doc().signature.size(), 126u);
    EXPECT_TRUE(Doc().leaveZOut);
}

// The first 126 characters as the edit counts them: letters of two and three bytes are kept whole, and
// a character of two UTF-16 units that would go past the limit is left out rather than cut in two.
TEST_F(Flows, ALongSignatureIsCutBetweenCharacters) {
    std::string letters;
    for (int i = 0; i < 100; ++i) letters += "\xD0\x96\xE5\x9C\xB0";  // "Ж地": two bytes, three bytes
    StoreSaveOptions(false, true, letters);
    EXPECT_EQ(Doc().signature, letters.substr(0, 63 * 5));
    EXPECT_TRUE(IsValidUtf8(Doc().signature));

    const std::string almost(125, 's');
    StoreSaveOptions(false, true, almost + "\xF0\x9F\x98\x80");  // one character of two units
    EXPECT_EQ(Doc().signature, almost);
    StoreSaveOptions(false, true, almost + "\xD0\x96\xD0\x96");
    EXPECT_EQ(Doc().signature, almost + "\xD0\x96");
}

TEST_F(Flows, SaveAsAndUntitledSave) {
    const std::string path = OpenThreeTiles();
    SetTileX(24);
    ui.savePaths = {std::nullopt};
    EXPECT_TRUE(Save(true));  // cancelled: success, nothing written
    EXPECT_TRUE(Doc().modified);
    EXPECT_EQ(Doc().fileName, path);

    ui.answers = {Answer::No};
    ASSERT_TRUE(CreateTemplate(kRa2Yr, 1, 1, 0));
    EXPECT_EQ(ComputeWindowState().title, "TXT_NAME - [TXT_UNTITLED]");
    EXPECT_FALSE(ComputeWindowState().enabled["GUI:OPENFOLDER"]);
    EXPECT_FALSE(ExploreFolder());
    ui.savePaths = {At("named.urb")};
    ASSERT_TRUE(Save(false));  // untitled: behaves as Save As
    EXPECT_EQ(Doc().fileName, At("named.urb"));
}

TEST_F(Flows, FailedSavesAreReportedAndLeaveTheFileIntact) {
    EXPECT_FALSE(SaveCommand(false));  // nothing open
    const std::string path = OpenThreeTiles();
    const std::vector<uint8_t> before = Read(path);
    SetTileX(-4800);  // outside the grid: the writer refuses
    EXPECT_FALSE(SaveCommand(false));
    EXPECT_EQ(Read(path), before);
    EXPECT_TRUE(Doc().modified);
    ui.answers = {Answer::No};
    ASSERT_TRUE(CreateTemplate(kTsFs, 0, 5, 0));  // no tiles
    EXPECT_FALSE(SaveCommand(false));
    EXPECT_EQ(ui.messages.size(), 3u);
}

TEST_F(Flows, ATemplateWithoutTilesIsNotSavedAndTheUserIsToldWhy) {
    const std::string path = OpenThreeTiles();
    const std::vector<uint8_t> before = Read(path);
    while (!Doc().tiles.empty()) DeleteTile();
    ASSERT_TRUE(Doc().modified);
    EXPECT_FALSE(SaveCommand(false));
    EXPECT_FALSE(SaveCommand(true));  // no save-as dialog either
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"ERROR:SAVENOTILES", "ERROR:SAVENOTILES"}));
    EXPECT_EQ(Read(path), before);

    ui.answers = {Answer::Yes};  // the close question's Yes: told why, and the document stays
    EXPECT_FALSE(CloseFlow());
    EXPECT_EQ(ui.messages.back(), "ERROR:SAVENOTILES");
    EXPECT_TRUE(Doc().open);
    ui.answers = {Answer::No};
    EXPECT_TRUE(CloseFlow());
    EXPECT_EQ(Read(path), before);
}

TEST_F(Flows, AReadOnlyFileGetsItsOwnMessageAndSaveAsStillWorks) {
    const std::string path = OpenThreeTiles();
    namespace fs = std::filesystem;
    const fs::perms before = fs::status(NativePath(path)).permissions();
    fs::permissions(NativePath(path), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    SetTileX(24);
    EXPECT_FALSE(SaveCommand(false));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"ERROR:SAVEREADONLY"});
    EXPECT_TRUE(Doc().modified);

    ui.answers = {Answer::Yes};
    EXPECT_FALSE(CloseFlow());
    EXPECT_EQ(ui.messages.back(), "ERROR:SAVEREADONLY");
    ui.savePaths = {At("copy.tem")};
    ASSERT_TRUE(SaveCommand(true));
    EXPECT_EQ(Doc().fileName, At("copy.tem"));
    SetTileX(48);
    ui.savePaths = {At("missing\\x.tem")};  // after a read-only refusal, the plain failure again
    EXPECT_FALSE(SaveCommand(true));
    EXPECT_EQ(ui.messages.back(), "ERROR:SAVEFAILED");
    fs::permissions(NativePath(path), before);
}

}  // namespace
}  // namespace zelt::test
