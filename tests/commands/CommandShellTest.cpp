// The command table over the real menu bar, the hotkey dispatcher, the toolbar, the command states,
// "Environment.dat" messages, the customisation sheet and the icon picker, in-process with the
// program's own resources. Modal windows are driven from a second thread.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

#include "common/WinHandles.h"
#include "editor/app/CommandTable.h"
#include "editor/app/CustomizeSheet_win.h"
#include "editor/app/Hotkeys_win.h"
#include "editor/app/Toolbar_win.h"
#include "editor/settings/Settings.h"
#include "editor/strings/StringTable.h"
#include "editor/winui/Message_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/CommandIds.h"
#include "resources/CustomizeIds.h"
#include "tests/support/Program_win.h"
#include "tests/support/TestSupport.h"

using namespace zelt;

namespace {

std::vector<UINT> g_received;  // commands the test main window got

LRESULT CALLBACK TestMainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        g_received.push_back(LOWORD(wParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(LoadStringTable(test::HostToWindowsPath(ZELT_DIST_DIR) + "\\Zelt_Builder.csf"));
        INITCOMMONCONTROLSEX controls{sizeof controls,
                                      ICC_BAR_CLASSES | ICC_HOTKEY_CLASS | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        Shell() = ShellWindows{};
        Shell().instance = GetModuleHandleA(nullptr);
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = TestMainProc;
        windowClass.hInstance = Shell().instance;
        windowClass.lpszClassName = "CommandsTestMain";
        RegisterClassA(&windowClass);
        main_ = CreateWindowExA(0, "CommandsTestMain", "main", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr,
                                LoadMenuA(Shell().instance, MAKEINTRESOURCEA(IDR_MAIN_MENU)),
                                Shell().instance, nullptr);
        ASSERT_NE(main_, nullptr);
        Shell().main = main_;
        Shell().applyWindowState = [this] { ++applied_; };
        Shell().reloadMenu = [this] { ++reloaded_; };
        g_settings.toolbarText = true;
        g_settings.toolbarRightText = true;
        g_received.clear();
        BuildCommandTable();
        SetDefaultToolbar();
        BYTE keys[256] = {};
        SetKeyboardState(keys);
    }
    void TearDown() override {
        DestroyWindow(main_);  // its menu and toolbar go with it
        DestroyToolbarImages();
        FreeCommandTable();
        Shell() = ShellWindows{};
        FreeStringTable();
    }

    HWND main_ = nullptr;
    int applied_ = 0;
    int reloaded_ = 0;
};

void PressModifiers(bool ctrl, bool shift) {
    BYTE keys[256] = {};
    if (ctrl) keys[VK_CONTROL] = 0x80;
    if (shift) keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
}

MSG KeyDown(UINT key, UINT message = WM_KEYDOWN) {
    MSG msg{};
    msg.message = message;
    msg.wParam = key;
    msg.lParam = 1;
    return msg;
}

int CountMenuCommands(HMENU menu) {
    int count = 0;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (HMENU sub = GetSubMenu(menu, i))
            count += CountMenuCommands(sub);
        else if (GetMenuItemID(menu, i) != 0 && GetMenuItemID(menu, i) != kNoCommandId &&
                 GetMenuItemID(menu, i) != static_cast<UINT>(-1))
            ++count;
    }
    return count;
}

std::vector<int> ToolbarCommands() {
    std::vector<int> commands;
    const int count = static_cast<int>(SendMessageA(Shell().toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        SendMessageA(Shell().toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        commands.push_back(button.idCommand);
    }
    return commands;
}

// Waits for a visible top-level window of this process that `match` accepts, then lets `drive` work on it.
// The last step is posted: a modal loop checks whether it has ended only after a posted message.
std::thread Drive(std::function<bool(HWND)> match, std::function<void(HWND)> drive) {
    return std::thread([match, drive] {
        for (int tries = 0; tries < 200; ++tries) {
            struct Search {
                std::function<bool(HWND)> match;
                HWND found = nullptr;
            } search{match};
            EnumWindows(
                [](HWND w, LPARAM p) -> BOOL {
                    auto* s = reinterpret_cast<Search*>(p);
                    DWORD owner = 0;
                    GetWindowThreadProcessId(w, &owner);
                    if (owner == GetCurrentProcessId() && IsWindowVisible(w) && s->match(w)) {
                        s->found = w;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&search));
            if (search.found) {
                drive(search.found);
                return;
            }
            Sleep(50);
        }
        ADD_FAILURE() << "no window to drive";
    });
}

bool IsCustomizeSheet(HWND window) {
    return test::WindowText(window) == "Customize";
}
bool IsPicker(HWND window) {
    return GetDlgItem(window, IDC_ICON_SELECT) != nullptr;
}
bool IsMessageBox(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::string(name) == "#32770" && test::WindowText(window) == Lookup("TXT_NAME");
}

void Click(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void SelectListItem(HWND dialog, int id, int item) {
    SendDlgItemMessageA(dialog, id, LB_SETCURSEL, static_cast<WPARAM>(item), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

HWND CurrentPage(HWND sheet) {
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

int IndexOf(uint32_t command) {
    for (size_t i = 0; i < g_commands.records.size(); ++i)
        if (g_commands.records[i].command == command) return static_cast<int>(i);
    return -1;
}

}  // namespace

TEST_F(Commands, TableComesFromTheRealMenuWithPrefixesHintsAndHotButtons) {
    UniqueMenu menu(LoadMenuA(Shell().instance, MAKEINTRESOURCEA(IDR_MAIN_MENU)));
    const std::vector<CommandRecord>& records = g_commands.records;
    ASSERT_EQ(static_cast<int>(records.size()), CountMenuCommands(menu.Get()) + 8);
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].sequence, i);
        EXPECT_NE(records[i].command, kNoCommandId);
    }
    EXPECT_EQ(records[0].command, static_cast<uint32_t>(IDM_NEW));
    EXPECT_EQ(records[0].name, std::string(Lookup("GUI:FILE")) + "-" + Lookup("GUI:MENUNEW"));
    EXPECT_STREQ(CommandHint(IDM_NEW), Lookup("GUI:MENUNEWHINT"));
    EXPECT_EQ(FindCommand(g_commands, IDM_CUSTOMIZE)->name,
              std::string(Lookup("GUI:TOOLS")) + "-" + Lookup("GUI:MENUCUSTOMIZE"));
    const uint32_t hot[] = {IDM_HOT_UP,     IDM_HOT_DOWN,      IDM_HOT_RIGHT,      IDM_HOT_LEFT,
                            IDM_HOT_SWITCH, IDM_HOT_HEIGHT_UP, IDM_HOT_HEIGHT_DOWN};
    for (size_t i = 0; i < 7; ++i) EXPECT_EQ(records[records.size() - 8 + i].command, hot[i]);
    EXPECT_EQ(records[records.size() - 2].name, Lookup("TXT_QM_HBOTTOM"));
    EXPECT_EQ(records.back().command, static_cast<uint32_t>(IDM_STRIP_PAINT_PROGRAM));
    EXPECT_EQ(records.back().name, Lookup("GUI:STPPAINTPROGRAM"));
    EXPECT_STREQ(CommandHint(IDM_HOT_UP), Lookup("TXT_QM_TOPHINT"));
    EXPECT_EQ(CommandHint(IDM_RECENT_FIRST), nullptr);

    // Hotkey texts end in the key's name; a command without a hotkey has none.
    const std::string text = HotkeyText(IDM_NEW);
    ASSERT_GT(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "+N");
    EXPECT_EQ(HotkeyText(IDM_OPEN_FOLDER), "");
    EXPECT_EQ(HotkeyText(IDM_FULL_SCREEN).find('+'), std::string::npos);
    EXPECT_EQ(HotkeyText(4711), "");
}

TEST_F(Commands, DispatchSendsTheEnabledCommandAndStatesReachMenuToolbarAndHotkey) {
    ASSERT_TRUE(CreateToolbar(main_));
    ASSERT_EQ(ToolbarCommands(), (std::vector<int>{IDM_NEW, IDM_OPEN, IDM_SAVE, IDM_QUICK_EDIT, IDM_ABOUT}));
    ASSERT_NE(ToolbarImages(), nullptr);
    EXPECT_GE(ImageList_GetImageCount(ToolbarImages()), 10);
    auto disabled =
        reinterpret_cast<HIMAGELIST>(SendMessageA(Shell().toolbar, TB_GETDISABLEDIMAGELIST, 0, 0));
    ASSERT_NE(disabled, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(disabled), ImageList_GetImageCount(ToolbarImages()));

    PressModifiers(true, false);
    EXPECT_TRUE(DispatchHotkey(KeyDown('S')));
    EXPECT_EQ(g_received, std::vector<UINT>{IDM_SAVE});
    EXPECT_FALSE(DispatchHotkey(KeyDown('S', WM_SYSKEYDOWN)));
    EXPECT_FALSE(DispatchHotkey(KeyDown('S', WM_KEYUP)));
    PressModifiers(true, true);  // Ctrl+Shift+S belongs to nobody
    EXPECT_FALSE(DispatchHotkey(KeyDown('S')));
    PressModifiers(false, false);
    EXPECT_FALSE(DispatchHotkey(KeyDown('S')));
    EXPECT_TRUE(DispatchHotkey(KeyDown(VK_F9)));
    EXPECT_EQ(g_received.back(), static_cast<UINT>(IDM_FULL_SCREEN));

    // Disabled: greyed in the menu and on the toolbar, and its hotkey does nothing.
    g_received.clear();
    SetCommandEnabled(IDM_SAVE, false);
    EXPECT_TRUE(GetMenuState(GetMenu(main_), IDM_SAVE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(SendMessageA(Shell().toolbar, TB_ISBUTTONENABLED, IDM_SAVE, 0));
    PressModifiers(true, false);
    EXPECT_FALSE(DispatchHotkey(KeyDown('S')));
    EXPECT_TRUE(g_received.empty());
    SetCommandEnabled(IDM_SAVE, true);
    EXPECT_FALSE(GetMenuState(GetMenu(main_), IDM_SAVE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(SendMessageA(Shell().toolbar, TB_ISBUTTONENABLED, IDM_SAVE, 0));
    EXPECT_TRUE(DispatchHotkey(KeyDown('S')));

    SetCommandChecked(IDM_QUICK_EDIT, true);
    EXPECT_TRUE(GetMenuState(GetMenu(main_), IDM_QUICK_EDIT, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(SendMessageA(Shell().toolbar, TB_ISBUTTONCHECKED, IDM_QUICK_EDIT, 0));
    SetCommandChecked(IDM_QUICK_EDIT, false);
    EXPECT_FALSE(GetMenuState(GetMenu(main_), IDM_QUICK_EDIT, MF_BYCOMMAND) & MF_CHECKED);

    // A rebuild takes the layout and the settings as they are now, and applies the states again.
    AddToolbarButton(g_toolbarLayout, IDM_SAVE, 2, "again");
    g_settings.toolbarText = false;
    SetCommandEnabled(IDM_SAVE, false);
    const int before = applied_;
    RebuildToolbar();
    EXPECT_EQ(applied_, before + 1);
    EXPECT_EQ(ToolbarCommands().size(), 6u);
    // Both buttons of a command follow its state.
    SetCommandEnabled(IDM_SAVE, false);
    TBBUTTON last{};
    SendMessageA(Shell().toolbar, TB_GETBUTTON, 5, reinterpret_cast<LPARAM>(&last));
    EXPECT_FALSE(last.fsState & TBSTATE_ENABLED);
    char text[64] = {};
    SendMessageA(Shell().toolbar, TB_GETBUTTONTEXTA, IDM_NEW, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "");
}

TEST_F(Commands, DamagedEnvironmentShowsTheMessageAndKeepsTheDefaults) {
    test::ScratchFolder folder;
    const std::string path = test::HostToWindowsPath(folder.Path()) + "Environment.dat";
    LoadEnvironment(path + ".missing");  // no file: no message (a box would block here)

    AssignHotkey(g_commands, static_cast<size_t>(IndexOf(IDM_OPEN_FOLDER)),
                 KeyCombination{'F', false, false, true});
    SaveEnvironment(path);
    BuildCommandTable();
    SetDefaultToolbar();
    LoadEnvironment(path);
    EXPECT_EQ(MatchHotkey(g_commands, KeyCombination{'F', false, false, true})->command,
              static_cast<uint32_t>(IDM_OPEN_FOLDER));

    std::vector<uint8_t> bytes = test::ReadFile(folder.File("Environment.dat"));
    bytes.resize(bytes.size() - 3);
    test::WriteFile(folder.File("Environment.dat"), bytes);
    BuildCommandTable();
    std::string shown;
    std::thread driver = Drive(IsMessageBox, [&](HWND box) {
        shown = test::WindowText(GetDlgItem(box, 0xFFFF));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    LoadEnvironment(path);
    driver.join();
    EXPECT_EQ(shown, Lookup("ERROR:HOTKEYLOAD1"));
    EXPECT_EQ(MatchHotkey(g_commands, KeyCombination{'F', false, false, true}), nullptr);
    EXPECT_EQ(g_toolbarLayout.buttons.size(), 5u);

    // Saving at exit into a folder that does not exist: the message, owned by nobody once the main
    // window that owned messages is gone.
    HWND gone = CreateWindowExA(0, "CommandsTestMain", "gone", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr,
                                nullptr, Shell().instance, nullptr);
    SetMessageOwner(gone);
    DestroyWindow(gone);
    HWND owner = main_;
    driver = Drive(IsMessageBox, [&](HWND box) {
        shown = test::WindowText(GetDlgItem(box, 0xFFFF));
        owner = GetWindow(box, GW_OWNER);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    SaveEnvironment(path + ".missing\\Environment.dat");
    driver.join();
    EXPECT_EQ(shown, Lookup("ERROR:HOTKEYSAVE1"));
    EXPECT_EQ(owner, nullptr);
    SetMessageOwner(nullptr);
}

TEST_F(Commands, ToolbarTextsFollowTheSettings) {
    g_settings.toolbarRightText = false;
    ASSERT_TRUE(CreateToolbar(main_));
    EXPECT_FALSE(GetWindowLongPtrA(Shell().toolbar, GWL_STYLE) & TBSTYLE_LIST);
    char text[64] = {};
    SendMessageA(Shell().toolbar, TB_GETBUTTONTEXTA, IDM_OPEN, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, Lookup("GUI:OPEN"));
    g_settings.toolbarRightText = true;
    RebuildToolbar();
    EXPECT_TRUE(GetWindowLongPtrA(Shell().toolbar, GWL_STYLE) & TBSTYLE_LIST);
    EXPECT_EQ(ToolbarCommands(), (std::vector<int>{IDM_NEW, IDM_OPEN, IDM_SAVE, IDM_QUICK_EDIT, IDM_ABOUT}));
}

TEST_F(Commands, HotkeyPageAssignsOnOkAndRestoresOnCancel) {
    ASSERT_TRUE(CreateToolbar(main_));
    const int open = IndexOf(IDM_OPEN);
    std::string conflict;
    size_t listed = 0;
    std::thread driver = Drive(IsCustomizeSheet, [&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        listed = static_cast<size_t>(SendDlgItemMessageA(page, IDC_CUST_COMMANDS, LB_GETCOUNT, 0, 0));
        SelectListItem(page, IDC_CUST_COMMANDS, open);
        SendDlgItemMessageA(page, IDC_CUST_HOTKEY, HKM_SETHOTKEY, MAKEWORD('N', HOTKEYF_CONTROL), 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_CUST_HOTKEY, EN_CHANGE), 0);
        conflict = test::WindowText(GetDlgItem(page, IDC_CUST_CONFLICT));
        Click(page, IDC_CUST_ASSIGN);
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    });
    ShowCustomizeSheet(main_);
    driver.join();
    EXPECT_EQ(listed, g_commands.records.size());
    EXPECT_EQ(conflict, FindCommand(g_commands, IDM_NEW)->name);
    EXPECT_TRUE(HasCombination(*FindCommand(g_commands, IDM_OPEN), KeyCombination{'N', false, false, true}));
    EXPECT_EQ(FindCommand(g_commands, IDM_NEW)->key, 0u);
    EXPECT_EQ(reloaded_, 1);
    EXPECT_GE(applied_, 1);

    // Reset all, then Cancel: the table is the customised one again, complete with its names.
    const CommandTable before = g_commands;
    const int appliedBefore = applied_;
    driver = Drive(IsCustomizeSheet, [&](HWND sheet) {
        Click(CurrentPage(sheet), IDC_CUST_RESET);
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    ShowCustomizeSheet(main_);
    driver.join();
    ASSERT_EQ(g_commands.records.size(), before.records.size());
    for (size_t i = 0; i < before.records.size(); ++i) {
        EXPECT_EQ(g_commands.records[i].name, before.records[i].name);
        EXPECT_TRUE(HasCombination(g_commands.records[i], CombinationOf(before.records[i])));
    }
    EXPECT_EQ(reloaded_, 1);
    EXPECT_GT(applied_, appliedBefore);  // states and checks are applied again after Cancel too
}

TEST_F(Commands, ToolbarPageEditsLiveAndCancelRestoresTheToolbar) {
    ASSERT_TRUE(CreateToolbar(main_));
    const std::vector<int> original = ToolbarCommands();
    int whileOpen = 0, afterDelete = -1, selectedAfterDelete = -2;
    std::thread driver = Drive(IsCustomizeSheet, [&](HWND sheet) {
        SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
        HWND page = CurrentPage(sheet);
        Click(page, IDC_TB_NEW);
        whileOpen = static_cast<int>(SendMessageA(Shell().toolbar, TB_BUTTONCOUNT, 0, 0));
        SelectListItem(page, IDC_TB_BUTTONS, 4);  // the last default button, about
        Click(page, IDC_TB_UP);
        Click(page, IDC_TB_DOWN);
        Click(page, IDC_TB_DOWN);  // now the very last: down does nothing
        SelectListItem(page, IDC_TB_BUTTONS, 1);
        Click(page, IDC_TB_DELETE);
        afterDelete = static_cast<int>(SendMessageA(Shell().toolbar, TB_BUTTONCOUNT, 0, 0));
        selectedAfterDelete = static_cast<int>(SendDlgItemMessageA(page, IDC_TB_BUTTONS, LB_GETCURSEL, 0, 0));
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    });
    ShowCustomizeSheet(main_);
    driver.join();
    EXPECT_EQ(whileOpen, 6);
    EXPECT_EQ(afterDelete, 5);
    EXPECT_EQ(selectedAfterDelete, 1);
    EXPECT_EQ(ToolbarCommands(), original);
    ASSERT_EQ(g_toolbarLayout.buttons.size(), 5u);

    // Opens on the toolbar page now. Emptying the list leaves nothing selected, and a further Delete,
    // rename or action change has nothing to act on. OK keeps the edits.
    bool toolbarPageFirst = false;
    driver = Drive(IsCustomizeSheet, [&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        toolbarPageFirst = GetDlgItem(page, IDC_TB_NEW) != nullptr;
        for (int i = 0; i < 6; ++i) Click(page, IDC_TB_DELETE);
        SetDlgItemTextA(page, IDC_TB_NAME, "x");
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_TB_NAME, EN_CHANGE), 0);
        Click(page, IDC_TB_NEW);
        SetDlgItemTextA(page, IDC_TB_NAME, "Folder");
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_TB_NAME, EN_CHANGE), 0);
        const int items = static_cast<int>(SendDlgItemMessageA(page, IDC_TB_ACTION, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < items; ++i)
            if (SendDlgItemMessageA(page, IDC_TB_ACTION, CB_GETITEMDATA, i, 0) == IDM_OPEN_FOLDER)
                SendDlgItemMessageA(page, IDC_TB_ACTION, CB_SETCURSEL, i, 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_TB_ACTION, CBN_SELCHANGE), 0);
        PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    });
    ShowCustomizeSheet(main_);
    driver.join();
    EXPECT_TRUE(toolbarPageFirst);
    ASSERT_EQ(g_toolbarLayout.buttons.size(), 1u);
    EXPECT_STREQ(g_toolbarLayout.buttons[0].text, "Folder");
    EXPECT_EQ(g_toolbarLayout.buttons[0].command, IDM_OPEN_FOLDER);
    EXPECT_EQ(g_toolbarLayout.buttons[0].image, kNoImage);
    EXPECT_EQ(ToolbarCommands(), std::vector<int>{IDM_OPEN_FOLDER});
    EXPECT_EQ(reloaded_, 0);  // the hotkey page was never opened
}

TEST_F(Commands, IconPickerReturnsTheClickedCellOrTheCurrentImage) {
    ASSERT_TRUE(CreateToolbar(main_));
    const int images = ImageList_GetImageCount(ToolbarImages());
    auto pick = [&](int current, std::function<void(HWND control)> drive, int button) {
        std::thread driver = Drive(IsPicker, [&](HWND dialog) {
            drive(GetDlgItem(dialog, IDC_ICON_SELECT));
            PostMessageA(dialog, WM_COMMAND, button, 0);
        });
        const int result = PickIcon(main_, current);
        driver.join();
        return result;
    };
    auto click = [](HWND control, int x) { SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(x, 10)); };
    EXPECT_EQ(pick(
                  3, [&](HWND c) { click(c, 2 * 48 + 5); }, IDOK),
              1);
    EXPECT_EQ(pick(
                  3, [&](HWND c) { click(c, 5); }, IDOK),
              kNoImage);
    EXPECT_EQ(pick(
                  3, [&](HWND c) { click(c, 5); }, IDCANCEL),
              3);
    // Scrolled to the end (the thumb past it is held at the last page), the last cell is the last image.
    EXPECT_EQ(pick(
                  kNoImage,
                  [&](HWND c) {
                      SendMessageA(c, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 500), 0);
                      RECT client{};
                      GetClientRect(c, &client);
                      const int visible = client.right / 48;
                      click(c, (visible - 1) * 48 + 5);
                  },
                  IDOK),
              images - 1);
    // One page right moves two cells.
    EXPECT_EQ(pick(
                  kNoImage,
                  [&](HWND c) {
                      SendMessageA(c, WM_HSCROLL, SB_PAGERIGHT, 0);
                      click(c, 5);
                  },
                  IDOK),
              1);
    EXPECT_EQ(ClampFirstCell(-3, 13, 7), 0);
    EXPECT_EQ(ClampFirstCell(9, 13, 7), 6);
    EXPECT_EQ(ClampFirstCell(2, 3, 7), 0);
}
