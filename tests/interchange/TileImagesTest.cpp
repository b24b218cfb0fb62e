// Export pictures and their names, the nearest-colour import through its windows, Import all, and
// the crop arithmetic.
#include <gtest/gtest.h>

#include "editor/interchange/CropArithmetic.h"
#include "editor/interchange/ImportImage.h"
#include "editor/interchange/PaintProgram.h"
#include "editor/interchange/TileBitmaps.h"
#include "editor/render/DibCanvas.h"
#include "editor/render/TemplateRender.h"
#include "editor/template/TileLayout.h"
#include "tests/document/DocumentFixture.h"

namespace zelt::test {
namespace {

PaletteTable Ramp() {
    PaletteTable table{};
    for (uint32_t i = 0; i < 256; ++i) table[i] = i << 16 | i << 8 | (255 - i);
    return table;
}

Picture ColourPicture(ColourImage image) {
    Picture p;
    p.colours = std::move(image);
    return p;
}

TEST(TileImages, ExportPicturesHaveTheirSizesAndFills) {
    const PaletteTable palette = Ramp();
    TileRecord tile = GridTile(60, 30, 0, 0, 5);
    tile.diamond[0] = 0;  // transparent inside the diamond
    const Picture normal = NormalImagePicture(tile, 60, 30, palette, kExportNormalFill);
    ASSERT_EQ(normal.colours.width, 60);
    ASSERT_EQ(normal.colours.height, 30);
    EXPECT_EQ(normal.colours.GetPixel(0, 0), 0x000000u);  // corner outside the diamond
    EXPECT_EQ(normal.colours.GetPixel(DiamondRowStart(0, 60, 30), 0), 0x000000u);  // index 0
    EXPECT_EQ(normal.colours.GetPixel(30, 15), palette[tile.diamond[DiamondSize(60, 30) / 2 + 28]]);
    // The same as the view's renderer draws on black.
    DibCanvas canvas;
    ASSERT_TRUE(canvas.Create(60, 30));
    DrawTileDiamond(tile, 60, 30, palette, canvas, 0, 0);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(normal.colours.GetPixel(x, y), canvas.GetPixel(x, y)) << x << "," << y;

    Picture extra;
    EXPECT_FALSE(ExtraImagePicture(tile, palette, 0, extra));
    tile.hasExtra = true;
    tile.extraWidth = 3;
    tile.extraHeight = 2;
    tile.extraImage = {0, 0, 0, 0, 0, 0};
    ASSERT_TRUE(ExtraImagePicture(tile, palette, ExportExtraFill(palette), extra));
    EXPECT_EQ(extra.colours.pixels, std::vector<uint32_t>(6, palette[0]));
    EXPECT_EQ(extra.indexes, tile.extraImage);
}

TEST(TileImages, BatchExportWritesEveryImageAndReportsFailures) {
    std::vector<TileRecord> tiles = {GridTile(48, 24, 0, 0, 1), GridTile(48, 24, 1, 0, 2),
                                     GridTile(48, 24, 0, 1, 3)};
    tiles[1].hasExtra = true;
    tiles[1].extraWidth = tiles[1].extraHeight = 2;
    tiles[1].extraImage = {1, 2, 3, 4};
    std::vector<std::string> names;
    EXPECT_TRUE(
        ExportTiles(tiles, 48, 24, Ramp(), "C:\\out\\", "BMP", [&](const std::string& path, const Picture&) {
            names.push_back(path);
            return true;
        }));
    EXPECT_EQ(names, (std::vector<std::string>{"C:\\out\\tile0N.BMP", "C:\\out\\tile1N.BMP",
                                               "C:\\out\\tile1E.BMP", "C:\\out\\tile2N.BMP"}));
    names.clear();
    EXPECT_FALSE(
        ExportTiles(tiles, 48, 24, Ramp(), "x\\", "PNG", [&](const std::string& path, const Picture&) {
            names.push_back(path);
            return path != "x\\tile0N.PNG";
        }));
    EXPECT_EQ(names.size(), 4u);  // the run goes on after a failure
    EXPECT_EQ(ExportFolderOfField(""), "\\");
    EXPECT_EQ(ExportFolderOfField("C:\\out"), "C:\\out\\");
    EXPECT_EQ(ExportFolderOfField("C:\\out\\"), "C:\\out\\");
}

TEST(TileImages, NearestColourPrefersTheLowerIndexAndEntryZero) {
    PaletteTable palette = Ramp();
    palette[0] = 0x102030;
    palette[7] = 0x000010;
    palette[8] = 0x000030;  // as far from 0x000020 as entry 7
    ColourImage image(3, 1);
    image.pixels = {0x102030, 0x000020, 0x102031};
    const Picture picture = ColourPicture(image);
    PixelIndexer indexer(picture, palette);
    EXPECT_EQ(indexer.At(0, 0), 0);  // entry 0's colour is transparent
    EXPECT_EQ(indexer.At(1, 0), 7);
    EXPECT_EQ(indexer.At(1, 0), NearestPaletteIndex(0x000020, palette));
    EXPECT_EQ(indexer.At(2, 0), 0);
    EXPECT_EQ(indexer.At(3, 0), 0);  // outside
}

TEST(TileImages, TheNormalImageIsReadThroughTheWindow) {
    const PaletteTable palette = Ramp();
    // A 49 x 25 picture whose pixel (x, y) has the colour of entry x + y.
    ColourImage image(49, 25);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 49; ++x) image.SetPixel(x, y, palette[static_cast<size_t>(x + y)]);
    const Picture picture = ColourPicture(image);
    PixelIndexer indexer(picture, palette);
    for (int at : {0, 1}) {
        TileRecord tile;
        ApplyNormalImage(tile, 48, 24, indexer, at, 1);
        ASSERT_EQ(tile.diamond.size(), 576u);
        size_t i = 0;
        for (int r = 0; r < 24; ++r)
            for (int k = 0; k < DiamondRowWidth(r, 24); ++k, ++i)
                ASSERT_EQ(tile.diamond[i], at + DiamondRowStart(r, 48, 24) + k + 1 + r) << at << " " << r;
    }
    EXPECT_EQ(FitOfNormalImage(48, 24, 48, 24), NormalImageFit::kExact);
    EXPECT_EQ(FitOfNormalImage(49, 24, 48, 24), NormalImageFit::kNeedsCrop);
    EXPECT_EQ(FitOfNormalImage(47, 30, 48, 24), NormalImageFit::kTooSmall);
}

TEST(TileImages, ImportAllGivesOverlappedPixelsToTheEarlierTile) {
    const PaletteTable palette = Ramp();
    // Two tiles at the same place: the second reads nothing but transparent pixels.
    std::vector<TileRecord> tiles = {GridTile(48, 24, 0, 0, 1), GridTile(48, 24, 0, 0, 2),
                                     GridTile(48, 24, 3, 0, 3)};
    tiles[2].height = 1;  // lifted by 12 pixels
    ColourImage picture;
    ASSERT_TRUE(RenderEditorComposition(tiles, 48, 24, palette, picture));
    std::vector<TileRecord> expected = tiles;
    for (TileRecord& tile : tiles) tile.diamond.assign(tile.diamond.size(), 99);
    ASSERT_TRUE(ImportAllTiles(tiles, 48, 24, palette, ColourPicture(picture)));
    EXPECT_EQ(tiles[0].diamond, expected[1].diamond);  // the picture shows the later tile on top
    EXPECT_EQ(tiles[1].diamond, std::vector<uint8_t>(576, 0));
    EXPECT_EQ(tiles[2].diamond, expected[2].diamond);

    ColourImage wrong(picture.width, picture.height + 1);
    EXPECT_FALSE(ImportAllTiles(tiles, 48, 24, palette, ColourPicture(wrong)));
    EXPECT_EQ(tiles[2].diamond, expected[2].diamond);
}

// Import all as described: each tile reads its window, then its diamond is painted with entry 0's
// colour in the picture, so later tiles read transparent pixels there.
std::vector<TileRecord> ImportAllByPainting(std::vector<TileRecord> tiles, int cellW, int cellH,
                                            const PaletteTable& palette, Picture picture) {
    const TemplateBounds bounds = ComputeTileBounds(tiles, cellW, cellH);
    PixelIndexer indexer(picture, palette);
    for (TileRecord& tile : tiles) {
        const int x = static_cast<int>(tile.x - cellW / 2 - bounds.minX);
        const int y = static_cast<int>(tile.y - HeightLift(tile.height, cellH) - bounds.minY);
        ApplyNormalImage(tile, cellW, cellH, indexer, x, y);
        for (int r = 0; r < cellH; ++r)
            for (int i = 0; i < DiamondRowWidth(r, cellH); ++i)
                picture.colours.SetPixel(x + DiamondRowStart(r, cellW, cellH) + i, y + r, palette[0]);
    }
    return tiles;
}

TEST(TileImages, ImportAllMatchesPaintingTileByTile) {
    std::mt19937 rng(3);
    const PaletteTable palette = Ramp();
    for (int cellW : {48, 60}) {
        const int cellH = cellW / 2;
        std::vector<TileRecord> tiles = RandomTiles(rng, cellW, cellH, 60);
        for (TileRecord& tile : tiles)
            tile.height = static_cast<int>(rng() % 4);  // lifted tiles overlap others
        Picture picture;
        ASSERT_TRUE(RenderEditorComposition(tiles, cellW, cellH, palette, picture.colours));
        const std::vector<TileRecord> expected = ImportAllByPainting(tiles, cellW, cellH, palette, picture);
        // One worker, and bands shared among three as in a large picture.
        for (int workers : {1, 3}) {
            for (TileRecord& tile : tiles) tile.diamond.assign(tile.diamond.size(), 99);
            ASSERT_TRUE(ImportAllTiles(tiles, cellW, cellH, palette, picture, workers));
            for (size_t t = 0; t < tiles.size(); ++t)
                ASSERT_EQ(tiles[t].diamond, expected[t].diamond)
                    << cellW << " " << t << ", " << workers << " workers";
        }
    }
}

TEST(CropArithmetic, AClickCentresTheWindowAndIsClamped) {
    // A 96 x 48 picture shown 192 x 96: its middle gives the window at (24, 12).
    EXPECT_EQ(CropFromClick(96, 192, 96, 48), 24);
    EXPECT_EQ(CropFromClick(48, 96, 48, 24), 12);
    EXPECT_EQ(CropFromClick(190, 192, 96, 48), 96 - 48);
    EXPECT_EQ(CropFromClick(1, 192, 96, 48), 0);
    EXPECT_EQ(CropFromClick(5, 0, 96, 48), 0);  // no preview yet
    // Stretched by 1.5: 100 / 1.5 = 66.67, minus 24, truncated.
    EXPECT_EQ(CropFromClick(100, 144, 96, 48), 42);
    EXPECT_EQ(ClampNormalCrop(-5, 49, 48), 0);
    EXPECT_EQ(ClampNormalCrop(7, 49, 48), 1);
    EXPECT_EQ(CropSpinMaximum(40, 48), 0);
}

TEST(CropArithmetic, TheExtraRectangleStaysInsideAndNeverEmpty) {
    CropRect r = ClampExtraCrop({500, 0, 10, 20}, 100, 50);
    EXPECT_EQ(r.x, 90);  // width 10 lets x go up to W - 10
    r = ClampExtraCrop({20, -3, 200, 0}, 100, 50);
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.y, 0);
    EXPECT_EQ(r.width, 100);
    EXPECT_EQ(r.height, 1);
    r = ClampExtraCrop({99, 49, 0, -4}, 100, 50);
    EXPECT_EQ(r.width, 1);
    EXPECT_EQ(r.height, 1);
    EXPECT_EQ(r.x, 99);

    // The marks at the picture's far corner are clipped, never wrapped onto other rows.
    DibCanvas canvas;
    ASSERT_TRUE(canvas.Create(4, 4));
    DrawExtraCropMarks(canvas, {3, 3, 1, 1});
    std::string drawn;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) drawn += canvas.GetPixel(x, y) ? '#' : '.';
    // The frame of one pixel inverts it four times; the centre once more.
    EXPECT_EQ(drawn,
              "...."
              "...#"
              "...#"
              ".###");
}

using DocumentImport = DocumentFixture;

TEST_F(DocumentImport, ImportAllIsOneUndoStepEvenWithAFullHistory) {
    OpenThreeTiles();
    for (int i = 0; i < kMaxUndoSteps; ++i) MarkEdited();
    const std::vector<TileRecord> before = Doc().tiles;
    ColourImage picture;
    ASSERT_TRUE(RenderEditorComposition(Doc().tiles, 48, 24, *Doc().palette, picture));
    picture.pixels.assign(picture.pixels.size(), (*Doc().palette)[17]);
    ASSERT_TRUE(ImportAll(ColourPicture(picture)));
    EXPECT_EQ(Doc().tiles[0].diamond, std::vector<uint8_t>(576, 17));
    ASSERT_TRUE(Undo());
    EXPECT_EQ(Doc().tiles, before);
    EXPECT_EQ(Doc().undo.states.size(), static_cast<size_t>(kMaxUndoSteps) + 1);

    EXPECT_FALSE(ImportAll(ColourPicture(ColourImage(3, 3))));
    EXPECT_EQ(ImportAllSizeText(),
              "MSG:IMPORTALL1 " + std::to_string(picture.width) + "x" + std::to_string(picture.height));
}

TEST_F(DocumentImport, TheExtraImageTakesTheRectangleAndItsSize) {
    OpenThreeTiles();
    ColourImage image(5, 4);
    for (size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = (*Doc().palette)[i + 1];
    Doc().selected = 1;
    ASSERT_TRUE(ImportExtraImage(-1, ColourPicture(image), {1, 2, 3, 2}));
    const TileRecord& tile = Doc().tiles[1];
    EXPECT_TRUE(tile.hasExtra);
    EXPECT_EQ(tile.extraWidth, 3);
    EXPECT_EQ(tile.extraHeight, 2);
    EXPECT_EQ(tile.extraImage, (std::vector<uint8_t>{12, 13, 14, 17, 18, 19}));
    EXPECT_TRUE(Doc().modified);
    EXPECT_TRUE(CanUndo());
    EXPECT_FALSE(ImportExtraImage(-1, ColourPicture(image), {0, 0, 0, 2}));
    EXPECT_FALSE(ImportNormalImage(7, ColourPicture(image), 0, 0));
}

TEST_F(DocumentImport, ThePaintProgramsPictureComesBackAsTheSameTile) {
    OpenThreeTiles();
    TileRecord& tile = Doc().tiles[0];
    for (size_t i = 0; i < tile.diamond.size(); ++i)
        tile.diamond[i] = static_cast<uint8_t>(i % 5);  // with index 0
    const TileRecord before = tile;
    const Picture picture = PaintPicture(tile, 48, 24, *Doc().palette);
    EXPECT_FALSE(picture.Indexed());
    EXPECT_EQ(picture.colours.GetPixel(0, 0), (*Doc().palette)[0]);
    ASSERT_TRUE(ImportNormalImage(0, picture, 0, 0));
    EXPECT_EQ(Doc().tiles[0].diamond, before.diamond);
    EXPECT_EQ(PaintCommandLine("C:\\Windows\\system32\\mspaint.exe", "C:\\My Temp\\"),
              "\"C:\\Windows\\system32\\mspaint.exe\" \"C:\\My Temp\\ImgTmp.bmp\"");
}

TEST(PaintProgram, FoundInTheSystemFolderFirstAndNeverInTheCurrentFolder) {
    const std::vector<std::string> found = PaintProgramCandidates(
        "C:\\Windows\\system32", "D:\\Zelt\\", "C:\\Windows",
        ".;;C:\\Tools;\"C:\\Program Files\\Paint\";tools\\bin;C:\\WINDOWS\\SYSTEM32\\;\\\\server\\share;C:");
    EXPECT_EQ(found, (std::vector<std::string>{
                         "C:\\Windows\\system32\\mspaint.exe",
                         "D:\\Zelt\\mspaint.exe",
                         "C:\\Windows\\mspaint.exe",
                         "C:\\Tools\\mspaint.exe",
                         "C:\\Program Files\\Paint\\mspaint.exe",
                         "\\\\server\\share\\mspaint.exe",
                     }));
    // Without a system folder (it could not be read) the search path still counts, never ".".
    EXPECT_EQ(PaintProgramCandidates("", "", "", "."), std::vector<std::string>{});
}

TEST_F(DocumentImport, ExportAllDrawsTheWholeTemplateOnWhite) {
    DibCanvas canvas;
    EXPECT_FALSE(RenderWholeTemplate(canvas));
    OpenThreeTiles();
    ASSERT_TRUE(RenderWholeTemplate(canvas));
    TemplateBounds bounds;
    ASSERT_TRUE(ComputeTemplateBounds(bounds));
    EXPECT_EQ(canvas.Width(), bounds.Width());
    EXPECT_EQ(canvas.Height(), bounds.Height());
    EXPECT_EQ(canvas.GetPixel(0, 0), 0xFFFFFFu);
    Views().showNormalImages = false;
    ASSERT_TRUE(RenderWholeTemplate(canvas));
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) ASSERT_EQ(canvas.GetPixel(x, y), 0xFFFFFFu);
}

}  // namespace
}  // namespace zelt::test
