// The panel and the small dialogs in-process, with the program's own resources and string table.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "editor/app/ClassicAbout_win.h"
#include "editor/app/TileNumberDialog_win.h"
#include "editor/app/TipDialog_win.h"
#include "editor/app/Tips.h"
#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentUi.h"
#include "editor/document/NewTemplateDialog_win.h"
#include "editor/document/SaveOptionsDialog_win.h"
#include "editor/editing/PropertiesPanel_win.h"
#include "editor/settings/IniFile.h"
#include "editor/settings/Settings.h"
#include "editor/settings/SettingsValues.h"
#include "editor/strings/StringTable.h"
#include "editor/winui/ColourButton_win.h"
#include "editor/winui/Message_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/PanelIds.h"
#include "tests/support/Program_win.h"
#include "tests/support/TestSupport.h"

using namespace zelt;

namespace {

// Records what the document asks; a panel refresh goes to the panel as the main window's would.
class RecordingUi final : public DocumentUi {
public:
    std::vector<std::string> questions, messages;
    int panelRefreshes = 0;
    Answer Ask(const char* key, MessageIcon, bool) override {
        questions.push_back(key);
        return Answer::Cancel;
    }
    void ShowMessage(const char* key, MessageIcon) override { messages.push_back(key); }
    std::optional<std::string> AskSavePath() override { return std::nullopt; }
    std::optional<int> AskNumber(const char*) override { return std::nullopt; }
    std::string Text(const char* key) override { return Lookup(key); }
    void AddRecentFile(const std::string&) override {}
    void RemoveRecentFile(const std::string&) override {}
    void ExploreFolder(const std::string&) override {}
    void ShowPaletteName(const std::string& name) override { ShowPanelPaletteName(name); }
    void Refresh(unsigned parts) override {
        if (!(parts & kRefreshPanel)) return;
        ++panelRefreshes;
        RefreshPanel(-1);
    }
};

std::string ItemText(HWND dialog, int id) {
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// A visible dialog-class window of this process other than `except`, waited for.
HWND WaitForDialog(HWND except = nullptr) {
    struct Search {
        DWORD process;
        HWND except, found;
    };
    for (int tries = 0; tries < 200; ++tries) {
        Search search{GetCurrentProcessId(), except, nullptr};
        EnumWindows(
            [](HWND w, LPARAM p) -> BOOL {
                auto* s = reinterpret_cast<Search*>(p);
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                char name[32] = {};
                GetClassNameA(w, name, sizeof name);
                if (owner == s->process && w != s->except && std::string(name) == "#32770" && IsWindowVisible(w)) {
                    s->found = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(50);
    }
    return nullptr;
}

// The text of a message box (its static with id 0xFFFF), closed with OK.
std::string AnswerMessageBox(HWND except) {
    HWND box = WaitForDialog(except);
    if (!box) return "<no message box>";
    const std::string text = ItemText(box, 0xFFFF);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    for (int tries = 0; tries < 100 && IsWindow(box); ++tries) Sleep(20);
    return text;
}

template <typename Drive>
std::thread DriveDialog(Drive drive) {
    return std::thread([drive] {
        if (HWND dialog = WaitForDialog()) drive(dialog);
    });
}

void Command(HWND window, int id, int code) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

TileRecord Tile(int x, int y) {
    TileRecord tile;
    tile.x = x;
    tile.y = y;
    tile.diamond.assign(576, 0);
    return tile;
}

class Dialogs : public ::testing::Test {
protected:
    test::ScratchFolder folder;
    RecordingUi ui;
    HWND parent = nullptr;

    void SetUp() override {
        ASSERT_TRUE(LoadStringTable(test::HostToWindowsPath(ZELT_DIST_DIR) + "\\Zelt_Builder.csf"));
        g_settings = DefaultSettings();
        g_settingsPath = folder.File("Zelt_Builder.ini");
        Doc() = TemplateDocument{};
        SetDocumentUi(&ui);
        Shell().instance = GetModuleHandleA(nullptr);
        InitCommonControls();
        parent = CreateWindowExA(0, "STATIC", "parent", WS_OVERLAPPEDWINDOW, 0, 0, 400, 700, nullptr, nullptr,
                                 nullptr, nullptr);
        SetMessageOwner(parent);
    }
    void TearDown() override {
        if (Shell().panel) DestroyWindow(Shell().panel);
        DestroyWindow(parent);
        SetDocumentUi(nullptr);
        Doc() = TemplateDocument{};
        FreeStringTable();
    }

    // A TS/FS document of tiles, open and unmodified, tile 0 selected.
    static void OpenDocument(std::vector<TileRecord> tiles) {
        TemplateDocument& doc = Doc();
        doc.tiles = std::move(tiles);
        doc.open = true;
        doc.gameKind = kTsFs;
        doc.cellW = 48;
        doc.cellH = 24;
        doc.selected = 0;
        ResetUndo();
    }
    std::string Ini(const char* section, const char* key) const {
        return ReadIniString(g_settingsPath, section, key, "<none>", 259);
    }
};

TEST_F(Dialogs, PanelShowsHalfCellsAndTypedHalfCellsMoveTheTile) {
    OpenDocument({Tile(48, 36), Tile(30, 12)});
    HWND panel = CreatePropertiesPanel(parent, false);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(Shell().panel, panel);
    EXPECT_TRUE(GetWindowLongPtrA(panel, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(ItemText(panel, IDC_PANEL_X), "2");
    EXPECT_EQ(ItemText(panel, IDC_PANEL_Y), "3");
    // Filling the fields is no edit.
    EXPECT_FALSE(Doc().modified);
    EXPECT_EQ(Doc().undo.position, 0);

    SetDlgItemTextA(panel, IDC_PANEL_X, "5");
    EXPECT_EQ(Doc().tiles[0].x, 120);
    EXPECT_TRUE(Doc().modified);
    EXPECT_EQ(Doc().undo.position, 1);
    EXPECT_EQ(ItemText(panel, IDC_PANEL_X), "5");
    // Beyond 32 bits of pixels: refused, not wrapped.
    SetDlgItemTextA(panel, IDC_PANEL_X, "99999999999");
    EXPECT_EQ(Doc().tiles[0].x, 120);
    SetDlgItemTextA(panel, IDC_PANEL_HEIGHT, "300");
    EXPECT_EQ(Doc().tiles[0].height, 0);
    EXPECT_EQ(Doc().undo.position, 1);

    int low = 0, high = 0;
    SendDlgItemMessageA(panel, IDC_PANEL_X_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, -10);
    EXPECT_EQ(high, 10);
    SendDlgItemMessageA(panel, IDC_PANEL_HEIGHT_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 10);

    // A tile off the half-cell grid shows truncated half cells and keeps its pixels.
    Doc().selected = 1;
    const int before = ui.panelRefreshes;
    RefreshPanel(-1);
    EXPECT_EQ(ItemText(panel, IDC_PANEL_X), "1");
    EXPECT_EQ(Doc().tiles[1].x, 30);
    EXPECT_EQ(ui.panelRefreshes, before);  // no feedback from filling
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, IDC_PANEL_EXTRA_X)));
}

TEST_F(Dialogs, PanelListsTerrainsAndRampsAndRefusesUnsupportedTerrain) {
    std::vector<TileRecord> tiles{Tile(0, 0), Tile(24, 12), Tile(48, 24)};
    tiles[0].terrainCode = 3;
    tiles[0].rampType = 20;
    tiles[1].rampType = 25;
    OpenDocument(tiles);
    HWND panel = CreatePropertiesPanel(parent, false);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(SendDlgItemMessageA(panel, IDC_PANEL_TERRAIN, CB_GETCOUNT, 0, 0), 12);
    EXPECT_EQ(SendDlgItemMessageA(panel, IDC_PANEL_TERRAIN, CB_GETCURSEL, 0, 0), 8);  // code 3 is Ice
    EXPECT_EQ(SendDlgItemMessageA(panel, IDC_PANEL_RAMP, CB_GETCOUNT, 0, 0), 21);
    EXPECT_EQ(SendDlgItemMessageA(panel, IDC_PANEL_RAMP, CB_GETITEMDATA, 20, 0), 20);
    EXPECT_EQ(SendDlgItemMessageA(panel, IDC_PANEL_RAMP, CB_GETCURSEL, 0, 0), 20);
    EXPECT_EQ(SendDlgItemMessageA(panel, IDC_PANEL_RAMP, CB_GETITEMHEIGHT, 0, 0), 60);

    // Wall: the message, and the code stays.
    SendDlgItemMessageA(panel, IDC_PANEL_TERRAIN, CB_SETCURSEL, 4, 0);
    std::string text;
    std::thread answer([&] { text = AnswerMessageBox(nullptr); });
    Command(panel, IDC_PANEL_TERRAIN, CBN_SELCHANGE);
    answer.join();
    EXPECT_EQ(text, Lookup("MSG:UNSUPPORTED1"));
    EXPECT_EQ(Doc().tiles[0].terrainCode, 3);
    EXPECT_FALSE(Doc().modified);
    SendDlgItemMessageA(panel, IDC_PANEL_TERRAIN, CB_SETCURSEL, 8, 0);
    Command(panel, IDC_PANEL_TERRAIN, CBN_SELCHANGE);
    EXPECT_EQ(Doc().tiles[0].terrainCode, 1);

    SendDlgItemMessageA(panel, IDC_PANEL_RAMP, CB_SETCURSEL, 7, 0);
    Command(panel, IDC_PANEL_RAMP, CBN_SELCHANGE);
    EXPECT_EQ(Doc().tiles[0].rampType, 7);
    Doc().selected = 1;
    RefreshPanel(-1);
    EXPECT_EQ(SendDlgItemMessageA(panel, IDC_PANEL_RAMP, CB_GETCURSEL, 0, 0), CB_ERR);

    // The colour button tells the panel, the damaged-art box reaches every tile.
    SetColourButtonColour(GetDlgItem(panel, IDC_PANEL_LEFT_COLOUR), RGB(10, 20, 30));
    Command(panel, IDC_PANEL_LEFT_COLOUR, kColourButtonChanged);
    EXPECT_EQ(Doc().tiles[1].leftRadar, RGB(10, 20, 30));
    EXPECT_EQ(ColourButtonColour(GetDlgItem(panel, IDC_PANEL_RIGHT_COLOUR)), 0u);
    CheckDlgButton(panel, IDC_PANEL_DAMAGED_ART, BST_CHECKED);
    Command(panel, IDC_PANEL_DAMAGED_ART, BN_CLICKED);
    for (const TileRecord& tile : Doc().tiles) EXPECT_TRUE(tile.damagedArt);
    EXPECT_TRUE(CanUndo());
}

TEST_F(Dialogs, RampItemsDrawTheirPictures) {
    OpenDocument({Tile(0, 0)});
    HWND panel = CreatePropertiesPanel(parent, false);
    ASSERT_NE(panel, nullptr);
    for (int ramp = 0; ramp <= 20; ++ramp) {
        HANDLE picture = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_RAMP_FIRST + ramp), IMAGE_BITMAP, 0, 0, 0);
        EXPECT_NE(picture, nullptr) << ramp;
        DeleteObject(picture);
    }
    // Item 5 drawn into a memory bitmap: the raised corner's face sits above the middle.
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, 120, 60);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(dc, target);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_COMBOBOX;
    item.CtlID = IDC_PANEL_RAMP;
    item.itemID = 5;
    item.itemData = 5;
    item.hwndItem = GetDlgItem(panel, IDC_PANEL_RAMP);
    item.hDC = dc;
    item.rcItem = {0, 0, 120, 60};
    SendMessageA(panel, WM_DRAWITEM, IDC_PANEL_RAMP, reinterpret_cast<LPARAM>(&item));
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    int drawn = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x) drawn += GetPixel(dc, x, y) != window;
    EXPECT_GT(drawn, 500);
    SelectObject(dc, previous);
    DeleteObject(target);
    DeleteDC(dc);
}

// A docked panel lower than its fields scrolls them with its own bar and the wheel, not with the
// arrows of its up-down controls, and shows them all again once it is tall enough.
TEST_F(Dialogs, ALowPanelScrollsToItsLowestField) {
    OpenDocument({Tile(0, 0)});
    HWND panel = CreatePropertiesPanel(parent, false);
    ASSERT_NE(panel, nullptr);
    HWND first = GetDlgItem(panel, IDC_PANEL_X), lowest = GetDlgItem(panel, IDC_PANEL_PALETTE);
    const auto rectOf = [&](HWND control) {
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    const auto shownWhole = [&](HWND control) {
        RECT client{};
        GetClientRect(panel, &client);
        const RECT r = rectOf(control);
        return r.top >= 0 && r.bottom <= client.bottom;
    };
    RECT full{};
    GetWindowRect(panel, &full);
    const int fullHeight = full.bottom - full.top, firstTop = rectOf(first).top;
    SetWindowPos(panel, nullptr, 0, 0, 200, fullHeight / 2, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(GetWindowLongPtrA(panel, GWL_STYLE) & WS_VSCROLL);
    EXPECT_FALSE(shownWhole(lowest));

    SendMessageA(panel, WM_VSCROLL, SB_THUMBPOSITION,
                 reinterpret_cast<LPARAM>(GetDlgItem(panel, IDC_PANEL_X_SPIN)));
    EXPECT_EQ(rectOf(first).top, firstTop) << "an up-down control's notice scrolled the panel";
    SendMessageA(panel, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_LT(rectOf(first).top, firstTop);
    SendMessageA(panel, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_TRUE(shownWhole(lowest));
    SendMessageA(panel, WM_VSCROLL, SB_PAGEDOWN, 0);  // already at the end
    EXPECT_TRUE(shownWhole(lowest));

    // Tall enough again: everything where the template put it, and no bar.
    SetWindowPos(panel, nullptr, 0, 0, 200, fullHeight, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(rectOf(first).top, firstTop);
    EXPECT_TRUE(shownWhole(lowest));
    EXPECT_FALSE(GetWindowLongPtrA(panel, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(Dialogs, UndockedPanelIsATopLevelWindowWithCaption) {
    OpenDocument({Tile(0, 0)});
    HWND panel = CreatePropertiesPanel(nullptr, true);
    ASSERT_NE(panel, nullptr);
    const LONG_PTR style = GetWindowLongPtrA(panel, GWL_STYLE);
    EXPECT_FALSE(style & WS_CHILD);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_EQ(test::WindowText(panel), Lookup("GUI:PROPERTIES"));
    EXPECT_FALSE(style & WS_VSCROLL) << "as tall as its fields, the panel shows no scroll bar";
    EnablePanel(false);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, IDC_PANEL_X)));
    EnablePanel(true);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(panel, IDC_PANEL_X)));
    ShowPanelPaletteName("IsoTem.Pal");
    EXPECT_EQ(ItemText(panel, IDC_PANEL_PALETTE), "IsoTem.Pal");
}

TEST_F(Dialogs, TileNumberDialogAsksAgainForWrongNumbers) {
    OpenDocument({Tile(0, 0), Tile(24, 12), Tile(48, 24)});
    std::vector<std::string> boxes;
    std::string title, initial;
    bool ownerWasDialog = false;
    std::thread driver = DriveDialog([&](HWND dialog) {
        title = test::WindowText(dialog);
        initial = ItemText(dialog, IDC_TN_NUMBER);
        ownerWasDialog = MessageOwner() == dialog;
        for (const char* wrong : {"abc", "4294967298", "4", ""}) {
            SetDlgItemTextA(dialog, IDC_TN_NUMBER, wrong);
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            boxes.push_back(AnswerMessageBox(dialog));
        }
        SetDlgItemTextA(dialog, IDC_TN_NUMBER, "3");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    int number = 1;
    EXPECT_TRUE(AskTileNumber(parent, number));
    driver.join();
    EXPECT_EQ(title, Lookup("GUI:ENTERTILENUM"));
    EXPECT_EQ(initial, "1");
    EXPECT_TRUE(ownerWasDialog);
    EXPECT_EQ(MessageOwner(), parent);
    ASSERT_EQ(boxes.size(), 4u);
    for (const std::string& box : boxes) EXPECT_EQ(box, Lookup("MSG:NUMBERISWRONG"));
    EXPECT_EQ(number, 3);

    std::thread cancel = DriveDialog([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_FALSE(AskTileNumber(parent, number));
    cancel.join();
    EXPECT_EQ(number, 3);
}

TEST_F(Dialogs, NewTemplateDialogCreatesTheGridAndRemembersTheChoices) {
    std::vector<std::string> games, tooMany;
    int theatersTsFs = 0, theatersRa2 = 0;
    std::thread driver = DriveDialog([&](HWND dialog) {
        char text[64];
        for (int i = 0; i < 2; ++i) {
            SendDlgItemMessageA(dialog, IDC_NEW_GAME, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            games.push_back(text);
        }
        theatersTsFs = static_cast<int>(SendDlgItemMessageA(dialog, IDC_NEW_THEATER, CB_GETCOUNT, 0, 0));
        SendDlgItemMessageA(dialog, IDC_NEW_GAME, CB_SETCURSEL, 1, 0);
        Command(dialog, IDC_NEW_GAME, CBN_SELCHANGE);
        theatersRa2 = static_cast<int>(SendDlgItemMessageA(dialog, IDC_NEW_THEATER, CB_GETCOUNT, 0, 0));
        SendDlgItemMessageA(dialog, IDC_NEW_GAME, CB_SETCURSEL, 0, 0);
        Command(dialog, IDC_NEW_GAME, CBN_SELCHANGE);
        // Too many cells: refused with the dialog still open.
        SetDlgItemTextA(dialog, IDC_NEW_WIDTH, "101");
        SetDlgItemTextA(dialog, IDC_NEW_HEIGHT, "100");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        tooMany.push_back(AnswerMessageBox(dialog));
        SetDlgItemTextA(dialog, IDC_NEW_WIDTH, "3");
        SetDlgItemTextA(dialog, IDC_NEW_HEIGHT, "2");
        SendDlgItemMessageA(dialog, IDC_NEW_TERRAIN, CB_SETCURSEL, 1, 0);  // Road
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    NewTemplateDialog(parent);
    driver.join();
    EXPECT_EQ(games, (std::vector<std::string>{Lookup("TXT_SHORTTSFS"), Lookup("TXT_SHORTRA2YR")}));
    EXPECT_EQ(theatersTsFs, 2);
    EXPECT_EQ(theatersRa2, 6);
    EXPECT_EQ(tooMany, std::vector<std::string>{Lookup("MSG:TOOMANYCELLS")});
    ASSERT_TRUE(Doc().open);
    ASSERT_EQ(Doc().tiles.size(), 6u);
    EXPECT_EQ(Doc().cellW, 48);
    EXPECT_EQ(Doc().tiles[2].x, 48);
    EXPECT_EQ(Doc().tiles[2].y, 24);
    EXPECT_EQ(Doc().tiles[3].x, -24);
    EXPECT_EQ(Doc().tiles[3].terrainCode, 11);
    EXPECT_EQ(Ini("NewDialog", "Width"), "3");
    EXPECT_EQ(Ini("NewDialog", "Height"), "2");
    EXPECT_EQ(Ini("NewDialog", "TerrainType"), "1");
    EXPECT_EQ(Ini("NewDialog", "Game"), "0");

    // A modified document and a grid too large: refused before the close question is asked.
    // Then an empty height counts as one row, and the close question's Cancel creates nothing.
    std::thread second = DriveDialog([&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_NEW_WIDTH, "20000");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        tooMany.push_back(AnswerMessageBox(dialog));
        SetDlgItemTextA(dialog, IDC_NEW_WIDTH, "4");
        SetDlgItemTextA(dialog, IDC_NEW_HEIGHT, "");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    NewTemplateDialog(parent);
    second.join();
    EXPECT_EQ(tooMany.size(), 2u);
    EXPECT_EQ(ui.questions, std::vector<std::string>{"MSG:CLOSEQUESTION"});
    EXPECT_EQ(Doc().tiles.size(), 6u);  // cancelled: the old document stays
    EXPECT_EQ(Ini("NewDialog", "Height"), "1");

    Doc().modified = false;
    std::thread third = DriveDialog([](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_NEW_HEIGHT, "0");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    NewTemplateDialog(parent);
    third.join();
    EXPECT_EQ(Doc().tiles.size(), 4u);  // width 4 remembered, height 0 counts as 1
}

TEST_F(Dialogs, SaveOptionsDialogStoresTheOptionsAndResets) {
    OpenDocument({Tile(0, 0)});
    Doc().signature = "old";
    bool editEnabledAtStart = true, editEnabledAfterTick = false;
    std::thread driver = DriveDialog([&](HWND dialog) {
        editEnabledAtStart = IsWindowEnabled(GetDlgItem(dialog, IDC_SO_SIGNATURE));
        SendDlgItemMessageA(dialog, IDC_SO_INCLUDE_SIGNATURE, BM_CLICK, 0, 0);
        editEnabledAfterTick = IsWindowEnabled(GetDlgItem(dialog, IDC_SO_SIGNATURE));
        SendDlgItemMessageA(dialog, IDC_SO_LEAVE_Z_OUT, BM_CLICK, 0, 0);
        SetDlgItemTextA(dialog, IDC_SO_SIGNATURE, "made by us");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    SaveOptionsDialog(parent);
    driver.join();
    EXPECT_FALSE(editEnabledAtStart);
    EXPECT_TRUE(editEnabledAfterTick);
    EXPECT_TRUE(Doc().includeSignature);
    EXPECT_TRUE(Doc().leaveZOut);
    EXPECT_EQ(Doc().signature, "made by us");

    std::string afterReset = "?";
    bool editEnabledAfterReset = true;
    std::thread reset = DriveDialog([&](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_SO_RESET, BM_CLICK, 0, 0);
        afterReset = ItemText(dialog, IDC_SO_SIGNATURE);
        editEnabledAfterReset = IsWindowEnabled(GetDlgItem(dialog, IDC_SO_SIGNATURE));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    SaveOptionsDialog(parent);
    reset.join();
    EXPECT_EQ(afterReset, "");
    EXPECT_FALSE(editEnabledAfterReset);
    EXPECT_FALSE(Doc().includeSignature);
    EXPECT_FALSE(Doc().leaveZOut);
    EXPECT_EQ(Doc().signature, "");
}

// The edit takes 126 characters; in letters of two and three bytes all of them are kept.
TEST_F(Dialogs, SaveOptionsDialogKeepsASignatureOfLettersOutsideAscii) {
    ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));  // as the program's manifest asks
    OpenDocument({Tile(0, 0)});
    std::wstring typed;
    for (int i = 0; i < 63; ++i) typed += L"\u0416\u5730";
    std::thread driver = DriveDialog([&](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_SO_INCLUDE_SIGNATURE, BM_CLICK, 0, 0);
        SetDlgItemTextW(dialog, IDC_SO_SIGNATURE, typed.c_str());
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    SaveOptionsDialog(parent);
    driver.join();
    std::string expected;
    for (int i = 0; i < 63; ++i) expected += "\xD0\x96\xE5\x9C\xB0";
    EXPECT_EQ(Doc().signature, expected);
}

TEST_F(Dialogs, TipDialogContinuesAfterTheStoredTipAndSavesOnClose) {
    CountTips();
    ASSERT_GE(TipCount(), 12);
    ASSERT_TRUE(WriteIniString(g_settingsPath, "TipOfTheDay", "Current", "7"));
    std::string first, second;
    bool checked = false;
    std::thread driver = DriveDialog([&](HWND dialog) {
        first = ItemText(dialog, IDC_TIP_TEXT);
        checked = IsDlgButtonChecked(dialog, IDC_TIP_SHOW_AT_START) == BST_CHECKED;
        SendDlgItemMessageA(dialog, IDC_TIP_NEXT, BM_CLICK, 0, 0);
        second = ItemText(dialog, IDC_TIP_TEXT);
        CheckDlgButton(dialog, IDC_TIP_SHOW_AT_START, BST_UNCHECKED);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    ShowTipDialog(parent);
    driver.join();
    EXPECT_EQ(first, Lookup("TIP:TIPOFDAY008"));
    EXPECT_EQ(second, Lookup("TIP:TIPOFDAY009"));
    EXPECT_TRUE(checked);
    EXPECT_EQ(Ini("TipOfTheDay", "Current"), "9");
    EXPECT_EQ(Ini("TipOfTheDay", "ShowAtStart"), "no");

    // Switched off: no dialog at start (a dialog would block this call).
    ShowTipAtStart(parent);
    EXPECT_FALSE(g_settings.tipShowAtStart);

    // A stored tip beyond the count starts again at the first.
    ASSERT_TRUE(WriteIniString(g_settingsPath, "TipOfTheDay", "Current", "500"));
    std::thread again = DriveDialog([&](HWND dialog) {
        first = ItemText(dialog, IDC_TIP_TEXT);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    ShowTipDialog(parent);
    again.join();
    EXPECT_EQ(first, Lookup("TIP:TIPOFDAY000"));
}

TEST_F(Dialogs, ClassicAboutShowsTheVersion) {
    std::string title, version;
    std::thread driver = DriveDialog([&](HWND dialog) {
        title = test::WindowText(dialog);
        version = ItemText(dialog, IDC_ABOUT_VERSION);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    ShowClassicAbout(parent);
    driver.join();
    EXPECT_EQ(title, Lookup("GUI:ABOUT"));
    EXPECT_EQ(version, std::string(Lookup("GUI:VERSION")) + " 1.000");
}

}  // namespace
