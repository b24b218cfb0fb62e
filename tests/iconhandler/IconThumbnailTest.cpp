// The thumbnail's and the preview pane's picture: the viewer's composition pixel for pixel, its
// box-filtered reduction, the sizes, the pane's layout and every refusal.
#include <gtest/gtest.h>

#include <random>

#include "editor/template/TemplateFile.h"
#include "iconhandler/IconThumbnail.h"
#include "iconhandler/PreviewLayout.h"
#include "tests/iconhandler/IconTestFiles.h"
#include "tests/support/TestSupport.h"

namespace zelt::icon {
namespace {

using test::PlainTile;
using test::TemplateBytes;

bool Thumbnail(const std::vector<uint8_t>& file, int maxSide, ArgbPicture& out, const std::string& name = "x.tem") {
    std::string asked;
    return RenderTemplateThumbnail(file, name, test::RecordingReader(asked), maxSide, out);
}

void ExpectSamePicture(const ArgbPicture& got, const ArgbPicture& expected, const std::string& what) {
    ASSERT_EQ(got.width, expected.width) << what;
    ASSERT_EQ(got.height, expected.height) << what;
    size_t differing = 0;
    for (size_t i = 0; i < got.pixels.size(); ++i) differing += got.pixels[i] != expected.pixels[i];
    EXPECT_EQ(differing, 0u) << what;
}

// Templates of both families with raised tiles, extra images, index 0 inside the images and
// cells left of and above the origin.
std::vector<std::vector<uint8_t>> Samples() {
    std::vector<std::vector<uint8_t>> files;
    std::mt19937 rng(22);
    for (int cellW : {48, 60}) {
        const int cellH = cellW / 2;
        files.push_back(TemplateBytes({PlainTile(cellW, cellH, cellW / 2, cellH / 2, 7)}, cellW, cellH));
        for (int count : {3, 12, 40}) files.push_back(TemplateBytes(zelt::test::RandomTiles(rng, cellW, cellH, count), cellW, cellH));
        TileRecord left = PlainTile(cellW, cellH, 0, 0, 0);
        for (size_t i = 0; i < left.diamond.size(); ++i) left.diamond[i] = static_cast<uint8_t>(i % 5);
        left.hasExtra = true;
        left.extraX = -320, left.extraY = -90, left.extraWidth = 5, left.extraHeight = 3;
        left.extraImage = {1, 0, 2, 0, 3, 0, 4, 5, 6, 0, 7, 0, 0, 0, 8};
        std::vector<uint8_t> file = TemplateBytes({left, PlainTile(cellW, cellH, cellW / 2, cellH / 2, 9)}, cellW, cellH);
        // The editor keeps tiles on its grid; a file may place them anywhere.
        test::PatchI32(file, test::CellOffset(file, 0), -300);
        test::PatchI32(file, test::CellOffset(file, 0) + 4, -40);
        files.push_back(file);
    }
    return files;
}

TEST(IconThumbnail, AtItsOwnSizeItIsTheViewersCompositionPixelForPixel) {
    const IconPalette palette = test::TestPalette();
    for (const std::vector<uint8_t>& file : Samples()) {
        const ArgbPicture viewer = test::ViewerComposition(file, palette);
        ASSERT_GT(viewer.width, 0);
        ArgbPicture got;
        ASSERT_TRUE(Thumbnail(file, std::max(viewer.width, viewer.height), got));
        ExpectSamePicture(got, viewer, "own size");
        // A larger box never enlarges it.
        ASSERT_TRUE(Thumbnail(file, 100000, got));
        ExpectSamePicture(got, viewer, "larger box");
    }
}

TEST(IconThumbnail, LargerTemplatesAreTheBoxFilteredReductionOfTheComposition) {
    const IconPalette palette = test::TestPalette();
    for (const std::vector<uint8_t>& file : Samples()) {
        const ArgbPicture viewer = test::ViewerComposition(file, palette);
        const int longer = std::max(viewer.width, viewer.height);
        for (int side : {longer - 1, longer / 2, 97, 32, 1}) {
            if (side <= 0 || side >= longer) continue;
            ArgbPicture got;
            ASSERT_TRUE(Thumbnail(file, side, got));
            EXPECT_EQ(std::max(got.width, got.height), side);
            const PictureSize size = FitWithin(viewer.width, viewer.height, side, side);
            ExpectSamePicture(got, test::BoxReduction(viewer, size.width, size.height), std::to_string(side));
        }
    }
}

TEST(IconThumbnail, EdgesFadeOutInsteadOfDarkening) {
    // One TS/FS diamond of colour 7 halved: at its widest rows a 2x2 block is fully drawn, at the
    // tips partly; a partly drawn block keeps colour 7 with less alpha.
    const IconPalette palette = test::TestPalette();
    ArgbPicture got;
    ASSERT_TRUE(Thumbnail(TemplateBytes({PlainTile(48, 24, 24, 12, 7)}, 48, 24), 24, got));
    ASSERT_EQ(got.width, 24);
    ASSERT_EQ(got.height, 18);  // 48 x 36 halved
    const uint32_t colour = palette[7];
    EXPECT_EQ(got.pixels[static_cast<size_t>(11 * 24 + 12)], 0xFF000000u | colour);  // inside
    EXPECT_EQ(got.pixels[0], 0u);                                                    // above the diamond
    // The diamond's top rows are 12 (columns 22..25) and 13 (20..27): the block of columns 20, 21
    // has two of its four pixels drawn.
    EXPECT_EQ(got.pixels[static_cast<size_t>(6 * 24 + 10)], 128u << 24 | colour);
    EXPECT_EQ(got.pixels[static_cast<size_t>(6 * 24 + 11)], 0xFF000000u | colour);
}

TEST(IconThumbnail, SizesKeepTheProportionsAndNeverGrow) {
    EXPECT_EQ(FitWithin(100, 50, 256, 256).width, 100);
    EXPECT_EQ(FitWithin(100, 50, 256, 256).height, 50);
    EXPECT_EQ(FitWithin(1000, 500, 256, 256).width, 256);
    EXPECT_EQ(FitWithin(1000, 500, 256, 256).height, 128);
    EXPECT_EQ(FitWithin(333, 1000, 100, 100).width, 33);  // 33.3 rounds down
    EXPECT_EQ(FitWithin(335, 1000, 100, 100).width, 34);  // 33.5 rounds up
    EXPECT_EQ(FitWithin(1000, 3, 10, 10).height, 1);      // never below one pixel
    EXPECT_EQ(FitWithin(400, 100, 300, 50).width, 200);   // the height limits
    EXPECT_EQ(FitWithin(400, 100, 300, 50).height, 50);
    EXPECT_EQ(FitWithin(400, 100, 0, 50).width, 0);
    EXPECT_EQ(FitWithin(400, 100, 300, -5).height, 0);
}

TEST(IconThumbnail, RefusedFilesGiveNoPicture) {
    const std::vector<uint8_t> good = TemplateBytes({PlainTile(60, 30, 0, 0, 7)}, 60, 30);
    ArgbPicture out;
    EXPECT_FALSE(Thumbnail(good, 256, out, "x.abc"));  // RA2/YR with an unknown extension: no palette
    EXPECT_FALSE(Thumbnail(good, 0, out));
    std::vector<uint8_t> cut = good;
    cut.resize(100);
    EXPECT_FALSE(Thumbnail(cut, 256, out));
    EXPECT_FALSE(Thumbnail(TemplateBytes({}, 48, 24), 256, out));  // no cells
    // Two cells far apart would need a picture of gigabytes.
    std::vector<uint8_t> far = TemplateBytes({PlainTile(48, 24, 0, 0, 7), PlainTile(48, 24, 24, 12, 7)}, 48, 24);
    test::PatchI32(far, test::CellOffset(far, 1), 2000000000);
    test::PatchI32(far, test::CellOffset(far, 1) + 4, 100000);
    EXPECT_FALSE(Thumbnail(far, 256, out));
    EXPECT_TRUE(out.pixels.empty());
    std::string asked;
    auto missing = [](const std::string&, std::vector<uint8_t>&) { return false; };
    EXPECT_FALSE(RenderTemplateThumbnail(good, "x.tem", missing, 256, out));
}

TEST(IconThumbnail, PaletteIsChosenAsForTheIcon) {
    const std::vector<uint8_t> ra2 = TemplateBytes({PlainTile(60, 30, 0, 0, 7)}, 60, 30);
    const std::vector<uint8_t> ts = TemplateBytes({PlainTile(48, 24, 0, 0, 7)}, 48, 24);
    for (const auto& [file, name, expected] :
         {std::tuple{ra2, "a.UBN", "RA2_YR\\IsoUbn.pal"}, std::tuple{ts, "a.ubn", "TS_FS\\IsoTem.pal"},
          std::tuple{ts, "dir.sno\\noext", "TS_FS\\IsoTem.pal"}, std::tuple{ra2, "", "RA2_YR\\IsoTem.pal"}}) {
        std::string asked;
        ArgbPicture out;
        ASSERT_TRUE(RenderTemplateThumbnail(file, name, test::RecordingReader(asked), 64, out)) << name;
        EXPECT_EQ(asked, expected) << name;
    }
}

TEST(IconThumbnail, OverBackgroundMixesByAlpha) {
    ArgbPicture picture;
    picture.width = 3;
    picture.height = 1;
    picture.pixels = {0xFF102030u, 0x00FFFFFFu, 0x80FF0000u};
    const std::vector<uint32_t> shown = OverBackground(picture, 0x0000FF00u);
    EXPECT_EQ(shown[0], 0x00102030u);
    EXPECT_EQ(shown[1], 0x0000FF00u);
    EXPECT_EQ(shown[2], 0x00807F00u);  // 128/255 red over green, rounded
}

TEST(PreviewLayout, PictureFitsAboveItsLineAndBothAreCentred) {
    // Room enough: the picture at its own size, the block centred.
    PaneLayout l = LayOutPane(400, 300, 16, 120, 60);
    EXPECT_EQ(l.picture.width, 120);
    EXPECT_EQ(l.picture.height, 60);
    EXPECT_EQ(l.pictureX, 140);
    EXPECT_EQ(l.pictureY, (300 - (60 + kTextGap + 16)) / 2);
    EXPECT_EQ(l.textTop, l.pictureY + 60 + kTextGap);
    // A tall picture is scaled to the height left after the margins and the line.
    l = LayOutPane(400, 300, 16, 100, 1000);
    EXPECT_EQ(l.picture.height, 300 - 2 * kPaneMargin - kTextGap - 16);
    EXPECT_EQ(l.pictureY, kPaneMargin);
    EXPECT_EQ(l.textTop + 16, 300 - kPaneMargin);
    // A wide one to the width.
    l = LayOutPane(200, 600, 16, 2000, 100);
    EXPECT_EQ(l.picture.width, 200 - 2 * kPaneMargin);
    EXPECT_EQ(l.pictureX, kPaneMargin);
    // A pane too small for any picture shows the line alone.
    l = LayOutPane(10, 20, 16, 100, 100);
    EXPECT_EQ(l.picture.width, 0);
    EXPECT_EQ(l.picture.height, 0);
    EXPECT_GE(l.pictureY, 0);
}

TEST(IconThumbnail, HeaderGridAndCellsAreRead) {
    std::vector<TileRecord> tiles = {PlainTile(48, 24, 0, 0, 7), PlainTile(48, 24, 24, 12, 7)};
    const std::vector<uint8_t> file = TemplateBytes(tiles, 48, 24);
    IconTemplate tmpl;
    ASSERT_TRUE(ReadIconTemplate(file, tmpl));
    TemplateHeader header;
    ASSERT_TRUE(ReadTemplateHeader(file, header));
    EXPECT_EQ(tmpl.gridWidth, header.gridWidth);
    EXPECT_EQ(tmpl.gridHeight, header.gridHeight);
    EXPECT_EQ(tmpl.cells.size(), 2u);
}

}  // namespace
}  // namespace zelt::icon
