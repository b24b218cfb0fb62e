// The Win32 shell in-process: file-type registration, the viewer's settings dialog and the
// translation of dialogs and menus through the string table.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <thread>

#include "common/WinHandles.h"
#include "editor/settings/ProgramFolder.h"
#include "editor/strings/StringTable.h"
#include "editor/strings/Translate_win.h"
#include "editor/viewer/ViewerWindow_win.h"
#include "editor/winui/FileTypes_win.h"
#include "resources/ResourceIds.h"
#include "tests/support/Program_win.h"

using namespace zelt;

namespace {

std::string DefaultValue(const std::string& key) {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ("Software\\Classes\\" + key).c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS)
        return "<no key>";
    UniqueKey owned(raw);
    char value[512] = {};
    DWORD type = 0, size = sizeof value;
    if (RegQueryValueExA(raw, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS)
        return "<no value>";
    return type == REG_SZ ? std::string(value) : "<not a string>";
}

class Shell : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(LoadStringTable(test::HostToWindowsPath(ZELT_DIST_DIR) + "\\Zelt_Viewer.csf"));
    }
    void TearDown() override { FreeStringTable(); }
};

// Finds the dialog this process shows, lets `drive` work on it, and closes it as `drive` says.
template <typename Drive>
std::thread DriveDialog(Drive drive) {
    const DWORD process = GetCurrentProcessId();
    return std::thread([process, drive] {
        for (int tries = 0; tries < 200; ++tries) {
            std::pair<DWORD, HWND> state{process, nullptr};
            EnumWindows(
                [](HWND w, LPARAM p) -> BOOL {
                    auto* s = reinterpret_cast<std::pair<DWORD, HWND>*>(p);
                    DWORD owner = 0;
                    GetWindowThreadProcessId(w, &owner);
                    char name[32] = {};
                    GetClassNameA(w, name, sizeof name);
                    if (owner == s->first && std::string(name) == "#32770" && IsWindowVisible(w)) {
                        s->second = w;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&state));
            if (state.second) {
                drive(state.second);
                return;
            }
            Sleep(50);
        }
    });
}

std::string ItemText(HWND dialog, int id) {
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

}  // namespace

TEST_F(Shell, FileTypesOpenTheViewerWithQuotedPaths) {
    // The user's classes go to a scratch key standing in for HKEY_CURRENT_USER, removed afterwards.
    const std::string scratch = "Software\\ZeltTest\\Shell" + std::to_string(GetCurrentProcessId());
    HKEY raw = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratch.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &raw, nullptr),
              ERROR_SUCCESS);
    UniqueKey hive(raw);
    RegOverridePredefKey(HKEY_CURRENT_USER, raw);
    const bool registered = RegisterFileTypes();
    std::vector<std::string> values;
    for (const char* key : {".TEM", ".SNO", ".URB", ".UBN", ".LUN", ".DES", "ZeltFileType\\Shell\\Open",
                            "ZeltFileType\\Shell\\Open\\command"})
        values.push_back(DefaultValue(key));
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    hive.Reset();
    RegDeleteTreeA(HKEY_CURRENT_USER, scratch.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZeltTest");  // only when no other test's key is left

    ASSERT_TRUE(registered);
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(values[i], "ZeltFileType") << i;
    EXPECT_EQ(values[6], "Open");
    EXPECT_EQ(values[7], "\"" + ProgramPath() + "\" -PREVIEW \"%1\"");
}

// A program installed in "C:\Карта 地図": the command the shell runs names it whole, in UTF-16.
TEST_F(Shell, TheRegisteredCommandNamesAProgramFolderOfAnyLetters) {
    const std::string scratch = "Software\\ZeltTest\\Names" + std::to_string(GetCurrentProcessId());
    HKEY raw = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratch.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &raw, nullptr),
              ERROR_SUCCESS);
    UniqueKey root(raw);
    const std::string program = "C:\\\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0 \xE5\x9C\xB0\xE5\x9B\xB3\\Zelt_Builder.exe";
    const bool written = !WriteRegistryEntries(raw, FileTypeEntries(program, FileVerb::kOpen));
    wchar_t command[512] = {};
    DWORD size = sizeof command - sizeof(wchar_t);
    const LSTATUS read = RegGetValueW(raw, L"ZeltFileType\\Shell\\Open\\command", nullptr, RRF_RT_REG_SZ, nullptr,
                                      command, &size);
    root.Reset();
    RegDeleteTreeA(HKEY_CURRENT_USER, scratch.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZeltTest");  // only when no other test's key is left

    ASSERT_TRUE(written);
    ASSERT_EQ(read, ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(command), L"\"C:\\\u041a\u0430\u0440\u0442\u0430 \u5730\u56f3\\Zelt_Builder.exe\" -PREVIEW \"%1\"");
}

TEST_F(Shell, SettingsDialogShowsTranslatesAndStoresTheChoices) {
    ViewerSettings settings;
    settings.slideShowDelay = 2500;
    std::string title, associate, seconds;
    bool checked = false;
    std::thread driver = DriveDialog([&](HWND dialog) {
        title = test::WindowText(dialog);
        associate = ItemText(dialog, IDC_VS_ASSOCIATE);
        seconds = ItemText(dialog, IDC_VS_SECONDS);
        checked = IsDlgButtonChecked(dialog, IDC_VS_EXTENDED_UI) == BST_CHECKED;
        SetDlgItemTextA(dialog, IDC_VS_SECONDS, "3");
        SendMessageA(GetDlgItem(dialog, IDC_VS_EXTENDED_UI), BM_SETCHECK, BST_UNCHECKED, 0);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(ShowViewerSettingsDialog(nullptr, settings));
    driver.join();
    EXPECT_EQ(title, Lookup("GUI:VIEWSETTINGS"));
    EXPECT_EQ(associate, Lookup("GUI:ASSOCIATE"));
    EXPECT_EQ(seconds, "2");  // whole seconds of the stored milliseconds
    EXPECT_TRUE(checked);
    EXPECT_EQ(settings.slideShowDelay, 3000);
    EXPECT_FALSE(settings.extendedUiStyle);

    // No step of 0 seconds, and Cancel changes nothing.
    std::thread zero = DriveDialog([](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_VS_SECONDS, "0");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    ShowViewerSettingsDialog(nullptr, settings);
    zero.join();
    EXPECT_EQ(settings.slideShowDelay, 3000);
    std::thread cancel = DriveDialog([](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_VS_SECONDS, "9");
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(ShowViewerSettingsDialog(nullptr, settings));
    cancel.join();
    EXPECT_EQ(settings.slideShowDelay, 3000);
}

TEST_F(Shell, MenusTranslateTheirKeys) {
    UniqueMenu bar(CreateMenu());
    HMENU sub = CreatePopupMenu();
    AppendMenuA(sub, MF_STRING, 125, "TIP:INEXT");
    AppendMenuA(sub, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(bar.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "GUI:ABOUT");
    TranslateMenu(bar.Get(), [](UINT command) { return command == 125 ? std::string("Left") : std::string(); });
    char text[128] = {};
    GetMenuStringA(bar.Get(), 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, Lookup("GUI:ABOUT"));
    GetMenuStringA(sub, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_EQ(std::string(text), std::string(Lookup("TIP:INEXT")) + "\tLeft");
    EXPECT_EQ(GetMenuItemID(sub, 0), 125u);

    UniqueMenu popup(CreatePopupMenu());
    AppendMenuA(popup.Get(), MF_STRING, 1, "TIP:ABOUT");
    TranslatePopupMenu(popup.Get());
    GetMenuStringA(popup.Get(), 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, Lookup("TIP:ABOUT"));
}
