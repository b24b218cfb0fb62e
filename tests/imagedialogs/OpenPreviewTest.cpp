#include <gtest/gtest.h>

#include "editor/interchange/OpenPreview.h"
#include "editor/template/TemplatePreview.h"
#include "tests/imagedialogs/PreviewFiles.h"

using namespace zelt;
using namespace zelt::test;

namespace {

struct OpenPreviewFixture : ::testing::Test {
    ScratchFolder program, maps;
    void SetUp() override { WritePreviewPalettes(program.Path()); }
    std::string Map(const std::string& name, const std::vector<uint8_t>& bytes) {
        WriteFile(maps.File(name), bytes);
        return maps.File(name);
    }
};

}  // namespace

TEST_F(OpenPreviewFixture, TakesTemplatesOfBothFamiliesWithTheirPalette) {
    TemplatePreviewState state;
    SelectTemplatePreview(state, Map("a.tem", PreviewTemplateBytes(48, 24, 2, 1)), program.Path());
    ASSERT_TRUE(state.Ready());
    EXPECT_EQ(state.header.gridWidth, 2);
    EXPECT_EQ(state.header.gridHeight, 1);
    EXPECT_EQ(TemplatePreviewLabel(state, "TS/FS"), "Type:TS/FS,CellDX:2,CellDY:1");

    ColourImage picture;
    ASSERT_TRUE(RenderTemplatePreview(state, 0x00ABCDEF, picture));
    TemplateBounds bounds;
    ASSERT_TRUE(ComputeFileBounds(state.bytes, bounds));
    EXPECT_EQ(picture.width, bounds.Width());
    EXPECT_EQ(picture.height, bounds.Height());
    ColourImage expected(picture.width, picture.height, 0x00ABCDEF);
    PreviewTemplate(state.bytes, expected, *DecodePalette(SamplePaletteBytes()));
    EXPECT_EQ(picture.pixels, expected.pixels);
    EXPECT_EQ(picture.GetPixel(0, 0), 0x00ABCDEFu);  // the background shows around the diamonds

    SelectTemplatePreview(state, Map("b.sno", PreviewTemplateBytes(60, 30, 1, 3)), program.Path());
    ASSERT_TRUE(state.Ready());
    EXPECT_EQ(state.header.cellW, 60);
    EXPECT_EQ(TemplatePreviewLabel(state, "RA2/YR"), "Type:RA2/YR,CellDX:1,CellDY:3");
}

TEST_F(OpenPreviewFixture, AnythingElseLeavesNothingToShow) {
    TemplatePreviewState state;
    ColourImage picture;
    const std::string good = Map("a.tem", PreviewTemplateBytes(48, 24, 1, 1));
    auto expectEmptyAfter = [&](const std::string& path) {
        SelectTemplatePreview(state, good, program.Path());
        ASSERT_TRUE(state.Ready());
        SelectTemplatePreview(state, path, program.Path());
        EXPECT_FALSE(state.Ready()) << path;
        EXPECT_TRUE(state.bytes.empty()) << path;
        EXPECT_FALSE(RenderTemplatePreview(state, 0, picture)) << path;
        EXPECT_EQ(picture.width, 0);
    };
    expectEmptyAfter(Map("small.tem", WithCellSize(PreviewTemplateBytes(48, 24, 1, 1), 30, 15)));
    expectEmptyAfter(Map("short.tem", {48, 0, 0}));
    expectEmptyAfter(Map("empty.tem", {}));
    expectEmptyAfter(maps.File("missing.tem"));
    expectEmptyAfter("");

    // A theater whose palette is not there: the bytes are kept, but there is no picture.
    SelectTemplatePreview(state, Map("c.des", PreviewTemplateBytes(60, 30, 1, 1)), program.Path());
    EXPECT_FALSE(state.bytes.empty());
    EXPECT_FALSE(state.Ready());
    EXPECT_FALSE(RenderTemplatePreview(state, 0, picture));
}

TEST_F(OpenPreviewFixture, HostileFilesAreNotReadOrDrawnWhole) {
    // An extra image far from the origin would ask for a picture of millions of pixels a side.
    TemplatePreviewState state;
    std::vector<TileRecord> tiles{GridTile(48, 24, 0, 0, 5)};
    tiles[0].hasExtra = true;
    tiles[0].extraX = 0;
    tiles[0].extraY = -3000000;
    tiles[0].extraWidth = 1;
    tiles[0].extraHeight = 1;
    tiles[0].extraImage = {7};
    PrepareZData(tiles, 48, 24);
    std::vector<uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(EncodeTemplate(tiles, 48, 24, {}, bytes, error)) << error;
    SelectTemplatePreview(state, Map("tall.tem", bytes), program.Path());
    ASSERT_TRUE(state.Ready());
    ColourImage picture;
    EXPECT_FALSE(RenderTemplatePreview(state, 0, picture));
    EXPECT_EQ(picture.pixels.size(), 0u);

    // The size limit of the read itself.
    const std::string path = Map("limit.bin", std::vector<uint8_t>(100, 1));
    EXPECT_EQ(ReadFileUpTo(path, 100)->size(), 100u);
    EXPECT_FALSE(ReadFileUpTo(path, 99).has_value());
    EXPECT_FALSE(ReadFileUpTo(maps.File("none.bin"), 100).has_value());
}
