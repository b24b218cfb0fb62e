// Batch conversion: output names, the theater lists, and runs over the document with failures, a
// stop, and the document restored exactly.
#include "editor/editing/TileProperties.h"
#include "editor/interchange/BatchConvert.h"
#include "editor/interchange/PictureFile.h"
#include "editor/render/TemplateRender.h"
#include "tests/document/DocumentFixture.h"

namespace zelt::test {
namespace {

TEST(BatchNames, OnlyThePicturesExtensionIsReplaced) {
    EXPECT_EQ(BatchOutputPath("D:\\out", "C:\\pics\\a.png", "sno"), "D:\\out\\a.sno");
    EXPECT_EQ(BatchOutputPath("D:\\out\\", "b.bmp", "sno"), "D:\\out\\b.sno");
    EXPECT_EQ(BatchOutputPath("D:\\out", "C:\\pics\\picture", "sno"), "D:\\out\\picture.sno");
    EXPECT_EQ(BatchOutputPath("D:\\my.out", "C:\\my.pics\\picture", "tem"), "D:\\my.out\\picture.tem");
    EXPECT_EQ(BatchOutputPath("/tmp/x.y/", "/a.b/c.d.png", "urb"), "/tmp/x.y/c.d.urb");
    EXPECT_FALSE(BatchOutputPath("", "a.png", "sno"));
    EXPECT_FALSE(BatchOutputPath("D:\\out", "C:\\pics\\", "sno"));
    const std::string folder = "D:\\" + std::string(237, 'f');
    ASSERT_TRUE(BatchOutputPath(folder, std::string(14, 'n') + ".png", "sno"));
    EXPECT_EQ(BatchOutputPath(folder, std::string(14, 'n') + ".png", "sno")->size(), 259u);
    EXPECT_FALSE(BatchOutputPath(folder, std::string(15, 'n') + ".png", "sno"));  // never cut

    const std::vector<int> tsfs = BatchTheaters(kTsFs), ra2 = BatchTheaters(kRa2Yr);
    ASSERT_EQ(tsfs.size(), 2u);
    EXPECT_STREQ(kTheaters[tsfs[0]].extension, "tem");
    EXPECT_STREQ(kTheaters[tsfs[1]].extension, "sno");
    EXPECT_EQ(ra2.size(), 6u);
}

class BatchRun : public DocumentFixture {
  protected:
    std::string outFolder;
    Picture good;
    std::vector<std::string> loaded;

    void SetUp() override {
        DocumentFixture::SetUp();
        OpenThreeTiles();
        outFolder = At("out");
        std::filesystem::create_directories(NativePath(outFolder));
        ColourImage picture;
        ASSERT_TRUE(RenderEditorComposition(Doc().tiles, 48, 24, *Doc().palette, picture));
        picture.pixels.assign(picture.pixels.size(), (*Doc().palette)[40]);
        good.colours = picture;
    }

    BatchHooks Hooks() {
        BatchHooks hooks;
        hooks.loadPicture = [this](const std::string& path, Picture& picture) {
            loaded.push_back(path);
            if (path.find("missing") != std::string::npos) return false;
            picture = good;
            if (path.find("small") != std::string::npos) picture.colours = ColourImage(2, 2);
            return true;
        };
        return hooks;
    }
};

TEST_F(BatchRun, WritesEachPictureAndRestoresTheDocument) {
    SetTileX(24);  // modified, with one undo step
    const std::vector<TileRecord> tiles = Doc().tiles;
    const size_t steps = Doc().undo.states.size();
    const int position = Doc().undo.position;
    BatchJob job{
        {"C:\\p\\a.png", "C:\\p\\missing.bmp", "C:\\p\\small.png", "C:\\p\\b"}, outFolder, "sno", true};
    const BatchOutcome outcome = RunBatchConversion(job, Hooks());
    EXPECT_TRUE(outcome.started);
    EXPECT_EQ(outcome.done, 4);
    ASSERT_EQ(outcome.failures.size(), 2u);
    EXPECT_EQ(outcome.failures[0].picture, "C:\\p\\missing.bmp");
    EXPECT_EQ(outcome.failures[1].picture, "C:\\p\\small.png");
    EXPECT_FALSE(Exists(outFolder + "\\missing.sno"));
    for (const char* name : {"\\a.sno", "\\b.sno"}) {
        LoadedTemplate written;
        std::string error;
        ASSERT_TRUE(DecodeTemplate(Read(outFolder + name), written, error)) << name << error;
        EXPECT_EQ(written.tiles[2].diamond, std::vector<uint8_t>(576, 40));
        EXPECT_NE(written.tiles[2].leftRadar, tiles[2].leftRadar);  // auto colour
    }
    EXPECT_EQ(Doc().tiles, tiles);
    EXPECT_TRUE(Doc().modified);
    EXPECT_EQ(Doc().undo.states.size(), steps);
    EXPECT_EQ(Doc().undo.position, position);
    EXPECT_EQ(Doc().selected, 0);
    EXPECT_FALSE(InterfaceUpdatesSuspended());
}

TEST_F(BatchRun, StopEndsAfterTheCurrentItem) {
    BatchHooks hooks = Hooks();
    std::vector<int> steps;
    hooks.progress = [&](int done) { steps.push_back(done); };
    hooks.stopRequested = [&] { return steps.size() == 2; };
    const BatchOutcome outcome =
        RunBatchConversion(BatchJob{{"a.png", "b.png", "c.png"}, outFolder, "tem", false}, hooks);
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.done, 2);
    EXPECT_EQ(steps, (std::vector<int>{1, 2}));
    EXPECT_EQ(loaded.size(), 2u);
    EXPECT_TRUE(Exists(outFolder + "\\b.tem"));
    EXPECT_FALSE(Exists(outFolder + "\\c.tem"));
    EXPECT_FALSE(Doc().modified);
}

TEST_F(BatchRun, TheOpenTemplatesOwnFileIsNeverAnOutput) {
    const std::string path = Doc().fileName;  // three.tem in the scratch folder
    const std::vector<uint8_t> before = Read(path);
    SetTileX(24);
    // The same file through another spelling of its folder and in other letter cases.
    const BatchJob job{{"C:\\p\\THREE.png", "C:\\p\\a.png"}, outFolder + "\\..", "TEM", false};
    const BatchOutcome outcome = RunBatchConversion(job, Hooks());
    ASSERT_EQ(outcome.failures.size(), 1u);
    EXPECT_EQ(outcome.failures[0].picture, "C:\\p\\THREE.png");
    EXPECT_TRUE(outcome.failures[0].openTemplate);
    EXPECT_NE(outcome.failures[0].reason.find(path), std::string::npos);
    EXPECT_EQ(loaded, std::vector<std::string>{"C:\\p\\a.png"});  // the refused one is not even read
    EXPECT_EQ(Read(path), before);
    EXPECT_TRUE(Exists(At("a.TEM")));
    EXPECT_TRUE(Doc().modified);  // closing still asks

    // An untitled document has no file to protect.
    Doc().fileName.clear();
    EXPECT_TRUE(RunBatchConversion(BatchJob{{"three.png"}, root, "tem", false}, Hooks()).failures.empty());
}

TEST_F(BatchRun, AnEmptyFolderIsRefused) {
    const BatchOutcome outcome = RunBatchConversion(BatchJob{{"a.png"}, "", "tem", false}, Hooks());
    EXPECT_FALSE(outcome.started);
    EXPECT_TRUE(loaded.empty());
}

}  // namespace
}  // namespace zelt::test
