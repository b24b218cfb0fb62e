// The palette folder as the selection dialog lists it, and the preview's grid.
#include <gtest/gtest.h>

#include <filesystem>

#include "editor/template/FileBytes.h"
#include "editor/template/PaletteFolder.h"
#include "editor/template/PaletteGrid.h"
#include "tests/support/TestSupport.h"

using namespace zelt;

namespace {

std::string WinPath(std::string path) {
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

struct PaletteFolderFixture : ::testing::Test {
    test::ScratchFolder program;
    std::string programFolder = WinPath(program.Path());

    void Touch(const std::string& name) {
        test::WriteFile(NativePath(program.File(name)), std::vector<uint8_t>(768, 0));
    }
    void Folder(const std::string& name) { std::filesystem::create_directories(program.File(name)); }
    std::vector<PaletteFolderEntry> Scan() { return ScanPaletteFolder(programFolder + "Palettes\\"); }
    bool Exists(const std::string& path) { return test::FileExists(NativePath(path)); }
    PaletteList List() {
        return ListPaletteChoices(programFolder, Scan(), [this](const std::string& p) { return Exists(p); });
    }
    void AllBuiltIns() {
        Folder("Palettes/TS_FS");
        Folder("Palettes/RA2_YR");
        for (const BuiltInPalette& builtIn : BuiltInPalettes())
            Touch("Palettes/" + std::string(builtIn.relativePath));
    }
};

const PaletteFolderEntry* Find(const std::vector<PaletteFolderEntry>& folders, const std::string& name) {
    for (const PaletteFolderEntry& f : folders) {
        if (f.name == name) return &f;
    }
    return nullptr;
}

}  // namespace

TEST_F(PaletteFolderFixture, ScanFindsFoldersAndOnlyPaletteFilesInThem) {
    Folder("Palettes/Mine/Nested.pal");  // a folder named like a palette is not one
    Touch("Palettes/Mine/b.PAL");
    Touch("Palettes/Mine/a.pal");
    Touch("Palettes/Mine/notes.txt");
    Touch("Palettes/Loose.pal");
    Folder("Palettes/Empty");
    const auto folders = Scan();
    const PaletteFolderEntry* mine = Find(folders, "Mine");
    ASSERT_NE(mine, nullptr);
    EXPECT_EQ(mine->files, (std::vector<std::string>{"a.pal", "b.PAL"}));
    ASSERT_NE(Find(folders, "Empty"), nullptr);
    EXPECT_TRUE(Find(folders, "Empty")->files.empty());
    ASSERT_NE(Find(folders, "."), nullptr);
    EXPECT_EQ(Find(folders, ".")->files, (std::vector<std::string>{"Loose.pal"}));
    EXPECT_EQ(Find(folders, "Loose.pal"), nullptr);
    EXPECT_TRUE(ScanPaletteFolder(programFolder + "Missing\\").empty());
}

TEST_F(PaletteFolderFixture, ListShowsBuiltInsNewestFirstThenUserFolders) {
    AllBuiltIns();
    PaletteList list = List();
    ASSERT_TRUE(list.anyBuiltIn);
    ASSERT_EQ(list.entries.size(), 8u);
    EXPECT_EQ(list.entries.front().text, "YR     IsoUbn.Pal");
    EXPECT_EQ(list.entries.front().path, programFolder + "Palettes\\RA2_YR\\IsoUbn.Pal");
    EXPECT_EQ(list.entries.back().text, "TS/FS  IsoTem.Pal");

    Folder("Palettes/Mine");
    Touch("Palettes/Mine/desert.pal");
    Folder("Palettes/ts_fs");
    Touch("Palettes/ts_fs/extra.pal");  // the family folders are left out whatever their case
    list = List();
    ASSERT_EQ(list.entries.size(), 9u);
    EXPECT_EQ(list.entries.front().text, "Mine      desert.pal");
    EXPECT_EQ(list.entries.front().path, programFolder + "Palettes\\Mine\\desert.pal");
}

TEST_F(PaletteFolderFixture, ListWithoutBuiltInsSaysSoEvenWithUserPalettes) {
    Folder("Palettes/Mine");
    Touch("Palettes/Mine/a.pal");
    Touch("Palettes/Loose.pal");
    const PaletteList list = List();
    EXPECT_FALSE(list.anyBuiltIn);
    ASSERT_EQ(list.entries.size(), 2u);
    bool sawDot = false;
    // Both columns are padded to ten characters.
    for (const PaletteChoice& e : list.entries) sawDot |= e.text == ".         Loose.pal ";
    EXPECT_TRUE(sawDot);
}

TEST_F(PaletteFolderFixture, TreeHasANodePerFolderWithPalettesInCapitals) {
    AllBuiltIns();
    Folder("Palettes/Mine");
    Folder("Palettes/Empty");
    Touch("Palettes/Mine/desert.pal");
    Touch("Palettes/Loose.pal");
    const auto tree = TreePaletteChoices(programFolder, Scan());
    std::vector<std::string> names;
    for (const PaletteTreeFolder& node : tree) names.push_back(node.name);
    ASSERT_EQ(names, (std::vector<std::string>{".", "Mine", "RA2_YR", "TS_FS"}));
    EXPECT_EQ(tree[1].palettes.size(), 1u);
    EXPECT_EQ(tree[1].palettes[0].text, "DESERT.PAL");
    EXPECT_EQ(tree[1].palettes[0].path, programFolder + "Palettes\\Mine\\DESERT.PAL");
    EXPECT_EQ(tree[0].palettes[0].path, programFolder + "Palettes\\.\\LOOSE.PAL");
    EXPECT_EQ(tree[2].palettes.size(), 6u);
}

TEST(PaletteGrid, CellsFollowTheClientAreaAndTooSmallDrawsNothing) {
    const PaletteGridFrame frame;
    const auto grid = PaletteGridFor(20 + 16 * 10, 50 + 16 * 5, frame);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->width, 160);
    EXPECT_EQ(grid->height, 80);
    const GridCell last = PaletteGridCell(*grid, 15, 15);
    EXPECT_EQ(last.x, 150);
    EXPECT_EQ(last.y, 75);
    EXPECT_EQ(last.width, 9);
    EXPECT_EQ(last.height, 4);
    EXPECT_LE(last.x + last.width, grid->width);

    // Fractional cells: positions truncate, so the last cell still ends inside the grid.
    const auto odd = PaletteGridFor(20 + 100, 50 + 100, frame);
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->width, 100);
    const GridCell end = PaletteGridCell(*odd, 15, 15);
    EXPECT_EQ(end.x, 93);
    EXPECT_LE(end.x + end.width, odd->width);

    EXPECT_TRUE(PaletteGridFor(36, 66, frame));  // exactly one pixel per entry
    EXPECT_FALSE(PaletteGridFor(35, 200, frame));
    EXPECT_FALSE(PaletteGridFor(200, 65, frame));
    EXPECT_FALSE(PaletteGridFor(0, 0, frame));
    EXPECT_FALSE(PaletteGridFor(-40, 10, frame));

    // A frame scaled for a denser display leaves its wider margins and centres its wider button.
    PaletteGridFrame wide;
    wide.spareWidth = 30;
    wide.spareHeight = 75;
    wide.buttonWidth = 110;
    wide.buttonFromBottom = 50;
    const auto scaled = PaletteGridFor(30 + 16 * 15, 75 + 16 * 6, wide);
    ASSERT_TRUE(scaled);
    EXPECT_EQ(scaled->width, 240);
    EXPECT_EQ(scaled->height, 96);
    EXPECT_FALSE(PaletteGridFor(45, 200, wide));
    const GridButton button = PaletteCloseButtonPosition(300, 200, wide);
    EXPECT_EQ(button.x, 95);
    EXPECT_EQ(button.y, 150);
}
