// The options dialog in-process over a real main window, and the file-type registration it starts,
// written into a scratch key that stands in for HKEY_CURRENT_USER.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <thread>
#include <utility>

#include "common/WinHandles.h"
#include "editor/app/Hotkeys_win.h"
#include "editor/app/MainWindow_win.h"
#include "editor/app/OptionsDialog_win.h"
#include "editor/app/ShellUi_win.h"
#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFiles.h"
#include "editor/settings/ProgramFolder.h"
#include "editor/settings/Settings.h"
#include "editor/strings/StringTable.h"
#include "editor/views/MainView_win.h"
#include "editor/views/TileStrip_win.h"
#include "editor/winui/ColourButton_win.h"
#include "editor/winui/FileTypes_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/PaletteIds.h"
#include "tests/mainwindow/InProcessMainWindow_win.h"
#include "tests/support/Program_win.h"
#include "tests/support/TestSupport.h"

namespace zelt {
namespace {

using test::DialogDriver;
using test::DialogOfThread;
using test::StaticTexts;

// Closes the message box that comes up over the dialog and returns its text.
std::string CloseMessageOver(HWND dialog) {
    for (int waited = 0; waited < 200; ++waited) {
        if (HWND box = DialogOfThread(GetWindowThreadProcessId(dialog, nullptr), dialog)) {
            const std::string text = StaticTexts(box);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            return text;
        }
        Sleep(50);
    }
    return "<no message>";
}

std::string ItemText(HWND dialog, int id) {
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

class OptionsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        const std::string dist = test::HostToWindowsPath(ZELT_DIST_DIR) + "\\";
        ASSERT_TRUE(test::PrepareInProcessMainWindow(dist));
    }
    static void TearDownTestSuite() { FreeStringTable(); }

    void SetUp() override {
        g_settingsPath = settings_.File("Zelt_Builder.ini");
        g_settings = DefaultSettings();
        g_settings.maxRecent = 6;
        for (int i = 0; i < 5; ++i)
            g_settings.recentFiles.push_back("C:\\maps\\" + std::to_string(i) + ".tem");
        InstallShellUi();
        window_ = CreateMainWindow(GetModuleHandleA(nullptr));
        ASSERT_TRUE(window_);
        ShowWindow(window_, SW_SHOWNORMAL);
    }
    void TearDown() override {
        if (IsWindow(window_)) DestroyWindow(window_);
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        RemoveShellUi();
        ReleaseDocumentContents();
    }
    int RecentCount() { return GetMenuItemCount(GetSubMenu(GetSubMenu(GetMenu(window_), 0), 7)); }

    test::ScratchFolder settings_;
    HWND window_ = nullptr;
};

// HKEY_CURRENT_USER of this process is a scratch key while the object lives; the key goes with it.
class ScratchUserHive {
  public:
    ScratchUserHive() {
        const std::string name = "Software\\ZeltTest\\Options" + std::to_string(GetCurrentProcessId());
        path_ = name;
        HKEY raw = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &raw,
                        nullptr);
        key_.Reset(raw);
        RegOverridePredefKey(HKEY_CURRENT_USER, raw);
    }
    ~ScratchUserHive() {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        key_.Reset();
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZeltTest");  // only when no other test's key is left
    }
    bool Ready() const { return key_.Get() != nullptr; }
    void Write(const std::string& key, const char* name, const std::string& value, DWORD options = 0) {
        HKEY raw = nullptr;
        ASSERT_EQ(RegCreateKeyExA(key_.Get(), key.c_str(), 0, nullptr, options, KEY_ALL_ACCESS, nullptr, &raw,
                                  nullptr),
                  ERROR_SUCCESS);
        UniqueKey owned(raw);
        RegSetValueExA(raw, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    }
    // A value below the scratch key; "<no key>" or "<no value>" when missing.
    std::string Read(const std::string& key, const char* name = nullptr) const {
        HKEY raw = nullptr;
        if (RegOpenKeyExA(key_.Get(), key.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) return "<no key>";
        UniqueKey owned(raw);
        char value[600] = {};
        DWORD type = 0, size = sizeof value;
        if (RegQueryValueExA(raw, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
            ERROR_SUCCESS)
            return "<no value>";
        return value;
    }

  private:
    std::string path_;
    UniqueKey key_;
};

constexpr const char* kClasses = "Software\\Classes\\";
constexpr const char* kIconHandler = ".TEM\\ShellEx\\{BB2E617C-0920-11d1-9A0B-00C04FC2D6C1}";

}  // namespace

TEST_F(OptionsTest, ShowsTheSettingsAndOkAppliesThemAtOnce) {
    g_settings.drawBlackFrameAround = true;
    g_settings.useEuiStyle = false;
    g_settings.toolbarText = true;
    g_settings.toolbarRightText = true;
    g_settings.stripBackColour = RGB(10, 20, 30);
    const int buttons = static_cast<int>(SendMessageA(Shell().toolbar, TB_BUTTONCOUNT, 0, 0));
    ASSERT_GT(buttons, 0);
    TBBUTTON before{};
    SendMessageA(Shell().toolbar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&before));

    std::string title, recent;
    bool frame = false, extended = true, right = false, bottom = true;
    COLORREF shownBack = 0;
    {
        DialogDriver driver([&](HWND dialog) {
            title = test::WindowText(dialog);
            frame = Checked(dialog, IDC_OPT_DRAW_BOX);
            extended = Checked(dialog, IDC_OPT_EXTENDED_UI);
            right = Checked(dialog, IDC_OPT_RIGHT_TEXT);
            bottom = Checked(dialog, IDC_OPT_BOTTOM_TEXT);
            recent = ItemText(dialog, IDC_OPT_RECENT);
            shownBack = ColourButtonColour(GetDlgItem(dialog, IDC_OPT_BACK_COLOUR));
            CheckRadioButton(dialog, IDC_OPT_WITHOUT_TEXT, IDC_OPT_BOTTOM_TEXT, IDC_OPT_WITHOUT_TEXT);
            CheckDlgButton(dialog, IDC_OPT_DRAW_BOX, BST_UNCHECKED);
            CheckDlgButton(dialog, IDC_OPT_EXTENDED_UI, BST_CHECKED);
            SetColourButtonColour(GetDlgItem(dialog, IDC_OPT_BACK_COLOUR), RGB(200, 100, 50));
            SetDlgItemTextA(dialog, IDC_OPT_RECENT, "2");
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        ShowOptionsDialog(window_);
    }
    EXPECT_EQ(title, Lookup("GUI:OPTIONS"));
    EXPECT_TRUE(frame);
    EXPECT_FALSE(extended);
    EXPECT_TRUE(right);
    EXPECT_FALSE(bottom);
    EXPECT_EQ(recent, "6");
    EXPECT_EQ(shownBack, RGB(10, 20, 30));

    EXPECT_FALSE(g_settings.drawBlackFrameAround);
    EXPECT_TRUE(g_settings.useEuiStyle);
    EXPECT_EQ(g_settings.stripBackColour, RGB(200, 100, 50));
    EXPECT_FALSE(g_settings.toolbarText);
    EXPECT_FALSE(g_settings.toolbarRightText);
    // The toolbar lost its texts at once and kept its pictures.
    ASSERT_EQ(SendMessageA(Shell().toolbar, TB_BUTTONCOUNT, 0, 0), buttons);
    for (int i = 0; i < buttons; ++i) {
        TBBUTTON button{};
        SendMessageA(Shell().toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(button.iString, -1) << i;
    }
    TBBUTTON first{};
    SendMessageA(Shell().toolbar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&first));
    EXPECT_EQ(first.iBitmap, before.iBitmap);
    // The two newest recent files remain, in the list and in the submenu.
    EXPECT_EQ(g_settings.maxRecent, 2);
    EXPECT_EQ(g_settings.recentFiles, (std::vector<std::string>{"C:\\maps\\3.tem", "C:\\maps\\4.tem"}));
    EXPECT_EQ(RecentCount(), 2);
}

TEST_F(OptionsTest, CancelDropsEverythingAndABadNumberGivesFour) {
    {
        DialogDriver driver([&](HWND dialog) {
            CheckRadioButton(dialog, IDC_OPT_WITHOUT_TEXT, IDC_OPT_BOTTOM_TEXT, IDC_OPT_WITHOUT_TEXT);
            SetDlgItemTextA(dialog, IDC_OPT_RECENT, "");
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        ShowOptionsDialog(window_);
    }
    EXPECT_TRUE(g_settings.toolbarText);
    EXPECT_EQ(g_settings.maxRecent, 6);
    EXPECT_EQ(g_settings.recentFiles.size(), 5u);
    {
        DialogDriver driver([&](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_OPT_RECENT, "50");
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        ShowOptionsDialog(window_);
    }
    EXPECT_EQ(g_settings.maxRecent, 20);
    {
        DialogDriver driver([&](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_OPT_RECENT, "");
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        ShowOptionsDialog(window_);
    }
    EXPECT_EQ(g_settings.maxRecent, 4);
    EXPECT_EQ(RecentCount(), 4);
}

TEST_F(OptionsTest, AssociateRegistersTheEditActionAndKeepsEveryoneElsesKeys) {
    ScratchUserHive hive;
    ASSERT_TRUE(hive.Ready());
    const std::string classes = kClasses;
    // What the viewer and the icon handler wrote before, and a value of someone else on an extension.
    hive.Write(classes + "ZeltFileType\\Shell\\Open\\command", nullptr, "viewer");
    hive.Write(classes + "ZeltFileType\\ShellEX\\IconHandler", nullptr, "{handler}");
    hive.Write(classes + kIconHandler, nullptr, "{someone}");
    hive.Write(classes + ".TEM", "Content Type", "application/x-template");
    {
        DialogDriver driver([&](HWND dialog) {
            SendMessageA(dialog, WM_COMMAND, IDC_OPT_ASSOCIATE, 0);
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        ShowOptionsDialog(window_);
    }
    for (const char* ext : {".TEM", ".SNO", ".URB", ".UBN", ".LUN", ".DES"})
        EXPECT_EQ(hive.Read(classes + ext), "ZeltFileType") << ext;
    EXPECT_EQ(hive.Read(classes + "ZeltFileType\\Shell\\Edit"), "Edit");
    std::string command = "\"";
    command += ProgramPath();
    command += "\" -EDITOR \"%1\"";
    EXPECT_EQ(hive.Read(classes + "ZeltFileType\\Shell\\Edit\\command"), command);
    EXPECT_EQ(hive.Read(classes + "ZeltFileType\\Shell\\Open\\command"), "viewer");
    EXPECT_EQ(hive.Read(classes + "ZeltFileType\\ShellEX\\IconHandler"), "{handler}");
    EXPECT_EQ(hive.Read(classes + kIconHandler), "{someone}");
    EXPECT_EQ(hive.Read(classes + ".TEM", "Content Type"), "application/x-template");
}

TEST_F(OptionsTest, AStoppedRegistrationSaysWhichKeyAndLeavesTheExtensionsAlone) {
    ScratchUserHive hive;
    ASSERT_TRUE(hive.Ready());
    // Below a volatile key no lasting key can be made: the Edit action's key fails first.
    hive.Write(std::string(kClasses) + "ZeltFileType", nullptr, "", REG_OPTION_VOLATILE);
    std::string message;
    {
        DialogDriver driver([&](HWND dialog) {
            PostMessageA(dialog, WM_COMMAND, IDC_OPT_ASSOCIATE, 0);
            message = CloseMessageOver(dialog);
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        ShowOptionsDialog(window_);
    }
    EXPECT_NE(message.find(Lookup("ERROR:REGISTERKEY")), std::string::npos) << message;
    EXPECT_NE(message.find("HKEY_CURRENT_USER\\Software\\Classes\\ZeltFileType\\Shell\\Edit"),
              std::string::npos)
        << message;
    EXPECT_EQ(hive.Read(std::string(kClasses) + ".TEM"), "<no key>");
}

TEST_F(OptionsTest, AssociateSaysWhichFilesTheUserGaveToAnotherProgramAndHowToChangeThat) {
    ScratchUserHive hive;
    ASSERT_TRUE(hive.Ready());
    const std::string fileExts = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";
    hive.Write(fileExts + ".TEM\\UserChoice", "ProgId", "Other.Editor");
    hive.Write(fileExts + ".des\\UserChoice", "ProgId", "Other.Viewer");
    hive.Write(fileExts + ".SNO\\UserChoice", "ProgId", "ZeltFileType");  // chosen for us: fine
    std::string message;
    {
        DialogDriver driver([&](HWND dialog) {
            PostMessageA(dialog, WM_COMMAND, IDC_OPT_ASSOCIATE, 0);
            message = CloseMessageOver(dialog);
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        ShowOptionsDialog(window_);
    }
    EXPECT_NE(message.find(Lookup("MSG:USERCHOICE")), std::string::npos) << message;
    EXPECT_NE(message.find(".TEM, .DES"), std::string::npos) << message;
    EXPECT_EQ(message.find(".SNO"), std::string::npos) << message;
    // The choice itself is left alone; the registration is written all the same.
    EXPECT_EQ(hive.Read(fileExts + ".TEM\\UserChoice", "ProgId"), "Other.Editor");
    EXPECT_EQ(hive.Read(std::string(kClasses) + ".TEM"), "ZeltFileType");
}

TEST(RegistryEntries, WritingStopsAtTheFirstKeyThatCannotBeMade) {
    HKEY raw = nullptr;
    const std::string scratch = "Software\\ZeltTest\\Entries" + std::to_string(GetCurrentProcessId());
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratch.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &raw, nullptr),
              ERROR_SUCCESS);
    UniqueKey root(raw);
    const std::string tooLong(300, 'k');  // longer than any key name may be
    const auto failed = WriteRegistryEntries(raw, {{"first", "1"}, {tooLong, "2"}, {"third", "3"}});
    HKEY probe = nullptr;
    const bool firstWritten = RegOpenKeyExA(raw, "first", 0, KEY_READ, &probe) == ERROR_SUCCESS;
    if (probe) RegCloseKey(probe);
    probe = nullptr;
    const bool thirdWritten = RegOpenKeyExA(raw, "third", 0, KEY_READ, &probe) == ERROR_SUCCESS;
    if (probe) RegCloseKey(probe);
    root.Reset();
    RegDeleteTreeA(HKEY_CURRENT_USER, scratch.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZeltTest");
    ASSERT_TRUE(failed);
    EXPECT_EQ(*failed, tooLong);
    EXPECT_TRUE(firstWritten);
    EXPECT_FALSE(thirdWritten);
}

}  // namespace zelt
