#include <gtest/gtest.h>

#include <filesystem>

#include "editor/template/TemplateFile.h"
#include "editor/viewer/FolderScan.h"
#include "editor/viewer/ViewerModel.h"
#include "tests/support/TestSupport.h"

using namespace zelt;
using zelt::test::GridTile;

namespace {

std::string WinPath(std::string path) {
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

// A program folder with palettes whose entry 9 tells them apart, and a folder of templates.
struct ViewerFixture : ::testing::Test {
    zelt::test::ScratchFolder program, maps;
    std::string programFolder = WinPath(program.Path());
    std::string mapsFolder = WinPath(maps.Path());

    void SetUp() override {
        std::filesystem::create_directories(program.File("Palettes/TS_FS"));
        std::filesystem::create_directories(program.File("Palettes/RA2_YR"));
        WritePalette("Palettes/TS_FS/IsoTem.Pal", 10);
        WritePalette("Palettes/TS_FS/IsoSno.Pal", 20);
        WritePalette("Palettes/RA2_YR/IsoLun.Pal", 30);
    }
    void WritePalette(const std::string& name, uint8_t red9) {
        std::vector<uint8_t> bytes(768, 0);
        bytes[27] = red9;
        zelt::test::WriteFile(program.File(name), bytes);
    }
    void WriteTemplate(const std::string& name, int columns = 1) {
        std::vector<TileRecord> tiles;
        for (int c = 0; c < columns; ++c) tiles.push_back(GridTile(48, 24, c, 0, 9));
        PrepareZData(tiles, 48, 24);
        std::vector<uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(EncodeTemplate(tiles, 48, 24, {}, bytes, error));
        zelt::test::WriteFile(maps.File(name), bytes);
    }
    FolderScanner Scan() { return ScanTemplateFolder; }
};

ColourImage Numbered(int w, int h) {
    ColourImage image(w, h);
    for (int i = 0; i < w * h; ++i) image.pixels[static_cast<size_t>(i)] = static_cast<uint32_t>(i + 1);
    return image;
}

}  // namespace

TEST(ViewerPicture, QuarterTurnsLoseNoPixel) {
    const ColourImage source = Numbered(3, 2);
    const ColourImage one = TurnPicture(source, 1);
    ASSERT_EQ(one.width, 2);
    ASSERT_EQ(one.height, 3);
    EXPECT_EQ(one.GetPixel(1, 0), source.GetPixel(0, 1));
    const ColourImage half = TurnPicture(source, 2);
    EXPECT_EQ(half.GetPixel(0, 0), source.GetPixel(2, 1));
    EXPECT_EQ(half.GetPixel(2, 1), source.GetPixel(0, 0));
    const ColourImage three = TurnPicture(source, 3);
    EXPECT_EQ(three.GetPixel(0, 0), source.GetPixel(2, 1));
    std::vector<uint32_t> sorted = half.pixels;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, source.pixels);

    ViewerState state;
    state.source = source;
    state.display = source;
    state.loaded = true;
    TurnForward(state);
    TurnForward(state);
    EXPECT_EQ(state.display.pixels, half.pixels);
    TurnBack(state);
    TurnBack(state);
    TurnBack(state);
    EXPECT_EQ(state.orientation, 3);
    EXPECT_EQ(state.display.pixels, three.pixels);
}

TEST(ViewerPicture, ZoomStepsAndBestSize) {
    ViewerState state;
    for (double expected : {2.0, 4.0, 8.0}) {
        ZoomIn(state);
        EXPECT_EQ(state.zoom, expected);
    }
    EXPECT_FALSE(state.zoomInEnabled);
    ActualSize(state);
    ZoomOut(state);
    EXPECT_EQ(state.zoom, 0.5);
    EXPECT_FALSE(state.zoomOutEnabled);
    EXPECT_TRUE(state.zoomInEnabled);

    state.display = ColourImage(100, 50);
    state.loaded = true;
    BestSize(state, 320, 170);  // 300 / 100 and 150 / 50: the smaller whole quotient
    EXPECT_EQ(state.zoom, 3.0);
    EXPECT_FALSE(state.zoomInEnabled);
    EXPECT_TRUE(state.zoomOutEnabled);
    BestSize(state, 90, 500);  // larger than the window: the smallest zoom, not nothing
    EXPECT_EQ(state.zoom, 0.5);
}

TEST(ViewerPicture, BlackPixelsShowTheBackground) {
    ViewerState state;
    state.display = ColourImage(2, 1);
    state.display.pixels = {0x000000, 0x123456};
    state.zoom = 2;
    auto [w, h] = ZoomedSize(state);
    ColourImage painted(w, h, 0xEEEEEE);
    ComposeViewerPicture(state, 0, 0, w, h, painted);
    EXPECT_EQ(painted.pixels, (std::vector<uint32_t>{0xEEEEEE, 0xEEEEEE, 0x123456, 0x123456, 0xEEEEEE, 0xEEEEEE,
                                                     0x123456, 0x123456}));
    // Only the visible part is drawn: here the right half of the zoomed picture, one row.
    ColourImage part(3, 1, 0x111111);
    ComposeViewerPicture(state, 2, 1, 3, 1, part);
    EXPECT_EQ(part.pixels, (std::vector<uint32_t>{0x123456, 0x123456, 0x111111}));
    EXPECT_EQ(PicturePosition(state, 10, 6), std::make_pair(3, 2));
}

TEST_F(ViewerFixture, PaletteFollowsFamilyAndExtension) {
    WriteTemplate("odd.lun");  // a TS/FS template named like a lunar one
    ViewerState state;
    ViewFile(state, mapsFolder + "odd.lun", Scan(), programFolder);
    ASSERT_TRUE(state.loaded);
    EXPECT_EQ(state.source.width, 48);
    EXPECT_EQ(state.source.GetPixel(24, 11), 40u << 16);  // TS_FS IsoTem entry 9, red 10 * 4
    WriteTemplate("cold.sno");
    ViewFile(state, mapsFolder + "cold.sno", Scan(), programFolder);
    ASSERT_TRUE(state.loaded);
    EXPECT_EQ(state.source.GetPixel(24, 11), 80u << 16);
    // The start file is found in the list whatever the case of its name.
    auto listing = [](const std::string&) { return std::vector<std::string>{"a.tem", "COLD.SNO"}; };
    ViewFile(state, mapsFolder + "cold.sno", listing, programFolder);
    EXPECT_EQ(state.index, 1);
    zelt::test::WriteFile(maps.File("junk.tem"), {1, 2, 3});
    ViewFile(state, mapsFolder + "junk.tem", Scan(), programFolder);
    EXPECT_FALSE(state.loaded);
}

TEST_F(ViewerFixture, NavigationThroughTheFolder) {
    WriteTemplate("only.tem");
    ViewerState state;
    ViewFile(state, mapsFolder + "only.tem", Scan(), programFolder);
    NavigationButtons buttons = NavigationState(state);
    EXPECT_FALSE(buttons.previous || buttons.next);
    ShowNext(state, Scan(), programFolder);
    EXPECT_EQ(state.currentPath, mapsFolder + "only.tem");

    WriteTemplate("second.sno");
    WriteTemplate("third.des");
    ViewFile(state, mapsFolder + "only.tem", Scan(), programFolder);
    ASSERT_EQ(state.files, (std::vector<std::string>{"only.tem", "second.sno", "third.des"}));  // pattern order
    EXPECT_TRUE(NavigationState(state).next);
    EXPECT_FALSE(NavigationState(state).previous);
    ShowNext(state, Scan(), programFolder);
    ShowNext(state, Scan(), programFolder);
    ShowNext(state, Scan(), programFolder);
    EXPECT_EQ(state.index, 2);  // stays on the last
    EXPECT_FALSE(NavigationState(state).next);
    SlideShowStep(state, Scan(), programFolder);
    EXPECT_EQ(state.index, 0);  // the slide show wraps
    ShowPrevious(state, Scan(), programFolder);
    EXPECT_EQ(state.index, 0);

    // Deleting the current file shows the one that followed it.
    ShowNext(state, Scan(), programFolder);
    std::filesystem::remove(maps.File("second.sno"));
    ShowAfterDelete(state, Scan(), programFolder);
    EXPECT_EQ(state.currentPath, mapsFolder + "third.des");
    std::filesystem::remove(maps.File("third.des"));
    ShowAfterDelete(state, Scan(), programFolder);
    EXPECT_EQ(state.currentPath, mapsFolder + "only.tem");
    std::filesystem::remove(maps.File("only.tem"));
    ShowAfterDelete(state, Scan(), programFolder);
    EXPECT_FALSE(state.loaded);
    EXPECT_FALSE(NavigationState(state).next);
}
