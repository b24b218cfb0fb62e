// The palette dialogs in-process with the program's own resources: selection in tree and list form,
// the message when no built-in palette exists, and the preview's grid and sizes.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFiles.h"
#include "editor/editing/PaletteDialogs_win.h"
#include "editor/strings/StringTable.h"
#include "editor/template/PaletteGrid.h"
#include "resources/PaletteIds.h"
#include "tests/support/Program_win.h"
#include "tests/support/TestSupport.h"

using namespace zelt;
using zelt::test::DialogDriver;
using zelt::test::DialogOfThread;
using zelt::test::StaticTexts;

namespace {

std::string ItemText(HWND dialog, int id) {
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::string TreeText(HWND tree, HTREEITEM item) {
    char text[260] = {};
    TVITEMA data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return text;
}

HTREEITEM Next(HWND tree, HTREEITEM item, UINT how) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
}

class PaletteDialogs : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(LoadStringTable(test::HostToWindowsPath(ZELT_DIST_DIR) + "\\Zelt_Builder.csf"));
    }
    static void TearDownTestSuite() { FreeStringTable(); }

    void SetUp() override {
        folder_ = test::HostToWindowsPath(program_.Path());
        if (folder_.back() != '\\') folder_ += '\\';
        SetDocumentProgramFolder(folder_);
        ReleaseDocumentContents();
        Doc().palette.reset();
    }
    void TearDown() override {
        ReleaseDocumentContents();
        Doc().palette.reset();
    }

    // A palette whose every entry is (red, 0, 0) in 6-bit steps, so the table holds red * 4.
    void WritePalette(const std::string& relative, uint8_t red) {
        std::filesystem::create_directories(std::filesystem::path(program_.File(relative)).parent_path());
        std::vector<uint8_t> bytes(768, 0);
        for (int i = 0; i < 256; ++i) bytes[3 * i] = red;
        test::WriteFile(program_.File(relative), bytes);
    }

    test::ScratchFolder program_;
    std::string folder_;
};

}  // namespace

TEST_F(PaletteDialogs, TreeFormListsFoldersAndLoadsTheChosenPalette) {
    WritePalette("Palettes/TS_FS/IsoTem.Pal", 10);
    WritePalette("Palettes/Mine/dusk.pal", 33);
    std::string title, folderNode, child, pathShown;
    bool listHidden = false;
    INT_PTR result = 0;
    {
        DialogDriver driver([&](HWND dialog) {
            title = test::WindowText(dialog);
            listHidden = !IsWindowVisible(GetDlgItem(dialog, IDC_SELPAL_LIST));
            HWND tree = GetDlgItem(dialog, IDC_SELPAL_TREE);
            HTREEITEM mine = Next(tree, nullptr, TVGN_ROOT);
            while (mine && TreeText(tree, mine) != "Mine") mine = Next(tree, mine, TVGN_NEXT);
            if (!mine) {
                PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                return;
            }
            folderNode = TreeText(tree, mine);
            HTREEITEM palette = Next(tree, mine, TVGN_CHILD);
            child = TreeText(tree, palette);
            SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(palette));
            pathShown = ItemText(dialog, IDC_SELPAL_PATH);
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        result = SelectPaletteDialog(nullptr, false);
    }
    EXPECT_EQ(title, Lookup("GUI:SELPAL"));
    EXPECT_TRUE(listHidden);
    EXPECT_EQ(folderNode, "Mine");
    EXPECT_EQ(child, "DUSK.PAL");
    EXPECT_EQ(pathShown, folder_ + "Palettes\\Mine\\DUSK.PAL");
    EXPECT_EQ(result, 1);
    ASSERT_TRUE(Doc().palette);
    EXPECT_EQ((*Doc().palette)[200], 33u * 4 << 16);
}

TEST_F(PaletteDialogs, TreeFolderNodeAndCancelChangeNothing) {
    WritePalette("Palettes/TS_FS/IsoTem.Pal", 10);
    INT_PTR result = -1;
    bool stillOpen = false;
    {
        DialogDriver driver([&](HWND dialog) {
            HWND tree = GetDlgItem(dialog, IDC_SELPAL_TREE);
            SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET,
                         reinterpret_cast<LPARAM>(Next(tree, nullptr, TVGN_ROOT)));
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);  // a folder node carries no palette
            stillOpen = IsWindowVisible(dialog) != FALSE;
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        result = SelectPaletteDialog(nullptr, false);
    }
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(Doc().palette);
}

TEST_F(PaletteDialogs, ListFormShowsNewestFirstAndLoadsTheChoice) {
    WritePalette("Palettes/TS_FS/IsoTem.Pal", 10);
    WritePalette("Palettes/RA2_YR/IsoUbn.Pal", 20);
    WritePalette("Palettes/Mine/a.pal", 40);
    std::string top, second, pathShown;
    LRESULT count = 0;
    INT_PTR result = 0;
    {
        DialogDriver driver([&](HWND dialog) {
            HWND list = GetDlgItem(dialog, IDC_SELPAL_LIST);
            count = SendMessageA(list, LB_GETCOUNT, 0, 0);
            char text[260] = {};
            SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
            top = text;
            SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
            second = text;
            SendMessageA(list, LB_SETCURSEL, 1, 0);
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SELPAL_LIST, LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list));
            pathShown = ItemText(dialog, IDC_SELPAL_PATH);
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        result = SelectPaletteDialog(nullptr, true);
    }
    EXPECT_EQ(count, 3);
    EXPECT_EQ(top, "Mine      a.pal     ");
    EXPECT_EQ(second, "YR     IsoUbn.Pal");
    EXPECT_EQ(pathShown, folder_ + "Palettes\\RA2_YR\\IsoUbn.Pal");
    EXPECT_EQ(result, 1);
    ASSERT_TRUE(Doc().palette);
    EXPECT_EQ((*Doc().palette)[0], 80u << 16);
}

TEST_F(PaletteDialogs, ListFormWithoutBuiltInsSaysSoAndCloses) {
    WritePalette("Palettes/Mine/a.pal", 40);
    std::string message;
    INT_PTR result = -1;
    {
        DialogDriver driver([&](HWND box) {
            message = StaticTexts(box);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        });
        result = SelectPaletteDialog(nullptr, true);
    }
    EXPECT_EQ(result, 0);
    EXPECT_NE(message.find(Lookup("ERROR:NOPAL")), std::string::npos);
    EXPECT_NE(message.find(folder_), std::string::npos);
    EXPECT_FALSE(Doc().palette);
}

TEST_F(PaletteDialogs, PreviewDrawsTheGridAndKeepsASensibleMinimumSize) {
    Doc().open = true;
    Doc().palette = PaletteTable{};
    for (int i = 0; i < 256; ++i) (*Doc().palette)[i] = static_cast<uint32_t>(i) << 8 | 0x40;  // green i
    std::string title;
    COLORREF entry17 = 0, background = 0;
    RECT closeButton{};
    bool minimumDrawable = false;
    {
        DialogDriver driver([&](HWND dialog) {
            title = test::WindowText(dialog);
            SetWindowPos(dialog, nullptr, 0, 0, 400, 400, SWP_NOMOVE | SWP_NOZORDER);
            RECT client;
            GetClientRect(dialog, &client);
            const auto grid = PaletteGridFor(client.right, client.bottom, PaletteGridFrame{});
            UpdateWindow(dialog);
            Sleep(100);
            if (grid) {
                const GridCell cell = PaletteGridCell(*grid, 1, 1);
                HDC dc = GetDC(dialog);
                entry17 =
                    GetPixel(dc, PaletteGridFrame{}.left + cell.x + 1, PaletteGridFrame{}.top + cell.y + 1);
                background = GetPixel(dc, client.right - 2, 2);
                ReleaseDC(dialog, dc);
            }
            GetWindowRect(GetDlgItem(dialog, IDCANCEL), &closeButton);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&closeButton), 2);
            PaletteGridFrame frame;
            frame.buttonWidth = closeButton.right - closeButton.left;  // centred as large as it is
            const GridButton expected = PaletteCloseButtonPosition(client.right, client.bottom, frame);
            closeButton.left -= expected.x;
            closeButton.top -= expected.y;
            // At the smallest size the user can drag it to, every entry still gets its pixels.
            MINMAXINFO limits{};
            SendMessageA(dialog, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
            SetWindowPos(dialog, nullptr, 0, 0, limits.ptMinTrackSize.x, limits.ptMinTrackSize.y,
                         SWP_NOMOVE | SWP_NOZORDER);
            GetClientRect(dialog, &client);
            minimumDrawable = limits.ptMinTrackSize.x > 0 &&
                              PaletteGridFor(client.right, client.bottom, PaletteGridFrame{}).has_value();
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        PalettePreviewDialog(nullptr);
    }
    EXPECT_EQ(title, Lookup("GUI:PALPREVIEW"));
    EXPECT_EQ(entry17, RGB(0, 17, 0x40));
    EXPECT_NE(background, entry17);
    EXPECT_EQ(closeButton.left, 0);
    EXPECT_EQ(closeButton.top, 0);
    EXPECT_TRUE(minimumDrawable);
}
