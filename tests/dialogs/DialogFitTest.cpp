// Every dialog of the editor and the viewer opened in-process over a real main window, with the
// program's own resources and string tables, as a user would open it: every text of its controls
// must fit in the dialog's font, every tool bar must hold its buttons, every list column its caption.
// With ZELT_DIALOG_CAPTURES naming a folder, each dialog is also written there as a PNG picture.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "editor/app/ClassicAbout_win.h"
#include "editor/app/CustomizeSheet_win.h"
#include "editor/app/Hotkeys_win.h"
#include "editor/app/MainWindow_win.h"
#include "editor/app/OptionsDialog_win.h"
#include "editor/app/ShellUi_win.h"
#include "editor/app/TileNumberDialog_win.h"
#include "editor/app/TipDialog_win.h"
#include "editor/app/Tips.h"
#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFiles.h"
#include "editor/document/NewTemplateDialog_win.h"
#include "editor/document/SaveOptionsDialog_win.h"
#include "editor/editing/PaletteDialogs_win.h"
#include "editor/editing/PixelEditor_win.h"
#include "editor/interchange/BatchDialog_win.h"
#include "editor/interchange/CropDialogs_win.h"
#include "editor/interchange/ExportTilesDialog_win.h"
#include "editor/interchange/ImageLibrary_win.h"
#include "editor/interchange/OverviewDialog_win.h"
#include "editor/settings/Settings.h"
#include "editor/strings/StringTable.h"
#include "editor/viewer/ViewerWindow_win.h"
#include "editor/views/MainView_win.h"
#include "editor/views/TileStrip_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/PanelIds.h"
#include "tests/dialogs/DialogFit_win.h"
#include "tests/mainwindow/InProcessMainWindow_win.h"
#include "tests/support/Program_win.h"
#include "tests/support/TestSupport.h"

namespace zelt {
namespace {

std::string Dist() {
    return test::HostToWindowsPath(ZELT_DIST_DIR) + "\\";
}

void PostCommand(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, id, 0);
}

// Runs open, which shows a modal dialog and returns when it is closed. Meanwhile the dialog is
// measured (and captured when asked), look measures more of it, and close ends it.
std::vector<std::string> CutOffIn(const std::string& name, const std::function<void()>& open,
                                  const std::function<void(HWND, std::vector<std::string>&)>& look = {},
                                  const std::function<void(HWND)>& close = [](HWND d) { PostCommand(d, IDCANCEL); }) {
    std::vector<std::string> cut;
    test::DialogDriver driver([&](HWND dialog) {
        Sleep(300);  // let it paint before it is captured
        if (const char* folder = std::getenv("ZELT_DIALOG_CAPTURES"))
            test::CaptureClientPng(dialog, std::string(folder) + "\\" + name + ".png");
        cut = test::TextsCutOff(dialog, name);
        if (look) look(dialog, cut);
        close(dialog);
    });
    open();
    if (!driver.Acted()) cut.push_back(name + ": the dialog did not show");
    // A control measured again (a tip, a second page) is named once.
    const std::set<std::string> once(cut.begin(), cut.end());
    return {once.begin(), once.end()};
}

std::string Lines(const std::vector<std::string>& cut) {
    std::string text;
    for (const std::string& line : cut) text += "\n  " + line;
    return text;
}

#define EXPECT_WHOLE(cut)                                    \
    do {                                                     \
        const std::vector<std::string> found = (cut);        \
        EXPECT_TRUE(found.empty()) << Lines(found);          \
    } while (false)

TileRecord Tile(int x, int y) {
    TileRecord tile;
    tile.x = x;
    tile.y = y;
    tile.diamond.assign(576, 3);
    return tile;
}

class DialogFit : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        SetDllDirectoryA(Dist().c_str());
        ASSERT_TRUE(BindImageLibrary());
        ASSERT_TRUE(test::PrepareInProcessMainWindow(Dist()));
    }
    static void TearDownTestSuite() {
        FreeStringTable();
        UnbindImageLibrary();
    }

    void SetUp() override {
        g_settingsPath = settings_.File("Zelt_Builder.ini");
        g_settings = DefaultSettings();
        InstallShellUi();
        main_ = CreateMainWindow(GetModuleHandleA(nullptr));
        ASSERT_TRUE(main_);
        ShowWindow(main_, SW_SHOWNORMAL);
        OpenDocument();
    }
    void TearDown() override {
        if (IsWindow(main_)) DestroyWindow(main_);
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        RemoveShellUi();
        ReleaseDocumentContents();
    }

    // A TS/FS template of three tiles, one with an extra image, with its palette; tile 0 selected.
    static void OpenDocument() {
        TemplateDocument& doc = Doc();
        doc.tiles = {Tile(0, 0), Tile(24, 12), Tile(48, 24)};
        doc.tiles[1].hasExtra = true;
        doc.tiles[1].extraX = -10;
        doc.tiles[1].extraY = -20;
        doc.tiles[1].extraWidth = 20;
        doc.tiles[1].extraHeight = 30;
        doc.tiles[1].extraImage.assign(600, 5);
        doc.open = true;
        doc.gameKind = kTsFs;
        doc.cellW = 48;
        doc.cellH = 24;
        doc.selected = 0;
        doc.fileName = "C:\\maps\\three.tem";
        ASSERT_TRUE(SetDocumentPalette(Dist() + "Palettes\\TS_FS\\IsoTem.Pal"));
        ResetUndo();
    }

    test::ScratchFolder settings_;
    HWND main_ = nullptr;
};

TEST_F(DialogFit, TipOfTheDayHoldsEveryTip) {
    CountTips();
    ASSERT_GT(TipCount(), 0);
    EXPECT_WHOLE(CutOffIn("tip-of-the-day", [&] { ShowTipDialog(main_); },
                          [](HWND dialog, std::vector<std::string>& cut) {
                              for (int tip = 1; tip < TipCount(); ++tip) {
                                  SendDlgItemMessageA(dialog, IDC_TIP_NEXT, BM_CLICK, 0, 0);
                                  const auto more = test::TextsCutOff(dialog, "tip of the day");
                                  cut.insert(cut.end(), more.begin(), more.end());
                              }
                          }));
}

TEST_F(DialogFit, TemplateDialogs) {
    EXPECT_WHOLE(CutOffIn("new-template", [&] { NewTemplateDialog(main_); }));
    EXPECT_WHOLE(CutOffIn("save-options", [&] { SaveOptionsDialog(main_); }));
    int number = 1;
    EXPECT_WHOLE(CutOffIn("tile-number", [&] { AskTileNumber(main_, number); }));
    EXPECT_WHOLE(CutOffIn("classic-about", [&] { ShowClassicAbout(main_); }, {},
                          [](HWND d) { PostCommand(d, IDOK); }));
}

TEST_F(DialogFit, OptionsAndCustomisation) {
    EXPECT_WHOLE(CutOffIn("options", [&] { ShowOptionsDialog(main_); }));
    EXPECT_WHOLE(CutOffIn(
        "customise", [&] { ShowCustomizeSheet(main_); },
        [](HWND sheet, std::vector<std::string>& cut) {
            for (int page = 0; page < 2; ++page) {
                SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
                Sleep(100);
                const auto more = test::TextsCutOff(sheet, "customise page " + std::to_string(page + 1));
                cut.insert(cut.end(), more.begin(), more.end());
            }
            if (const char* folder = std::getenv("ZELT_DIALOG_CAPTURES"))
                test::CaptureClientPng(sheet, std::string(folder) + "\\customise-page-2.png");
        },
        [](HWND sheet) { PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0); }));
    EXPECT_WHOLE(CutOffIn("icon-picker", [&] { PickIcon(main_, 0); }));
}

TEST_F(DialogFit, PaletteDialogs) {
    EXPECT_WHOLE(CutOffIn("select-palette-list", [&] { SelectPaletteDialog(main_, true); }));
    EXPECT_WHOLE(CutOffIn("select-palette-tree", [&] { SelectPaletteDialog(main_, false); }));
    EXPECT_WHOLE(CutOffIn("palette-preview", [&] { PalettePreviewDialog(main_); }));
}

TEST_F(DialogFit, InterchangeDialogs) {
    EXPECT_WHOLE(CutOffIn("overview", [&] { ShowOverviewDialog(main_); }));
    EXPECT_WHOLE(CutOffIn("batch-import", [&] { ShowBatchImportDialog(main_); }));
    EXPECT_WHOLE(CutOffIn("export-tiles", [&] { ShowExportTilesDialog(main_); }));
    ColourImage picture(200, 120);
    int x = 0, y = 0;
    EXPECT_WHOLE(CutOffIn("crop-normal", [&] {
        ShowNormalImageCrop(main_, "C:\\pictures\\wide.bmp", picture, 48, 24, x, y);
    }));
    CropRect rect{};
    EXPECT_WHOLE(CutOffIn("crop-extra", [&] {
        ShowExtraImageCrop(main_, "C:\\pictures\\wide.bmp", picture, 48, 24, rect);
    }));
}

TEST_F(DialogFit, PixelEditorShowsEveryTool) {
    EXPECT_WHOLE(CutOffIn("pixel-editor", [&] { OpenPixelEditor(main_); }));
}

TEST_F(DialogFit, ViewerSettingsInTheViewersTexts) {
    FreeStringTable();
    ASSERT_TRUE(LoadStringTable(Dist() + "Zelt_Viewer.csf"));
    ViewerSettings settings;
    const auto cut = CutOffIn("viewer-settings", [&] { ShowViewerSettingsDialog(main_, settings); });
    FreeStringTable();
    ASSERT_TRUE(LoadStringTable(Dist() + "Zelt_Builder.csf"));
    EXPECT_WHOLE(cut);
}

}  // namespace
}  // namespace zelt
