// The main window in-process with the program's own resources: dropped files, the recent-files
// submenu and the menu hints in the status bar.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>

#include "editor/app/Hotkeys_win.h"
#include "editor/app/MainWindow_win.h"
#include "editor/app/ShellUi_win.h"
#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFiles.h"
#include "editor/settings/ProgramFolder.h"
#include "editor/settings/Settings.h"
#include "editor/settings/SettingsValues.h"
#include "editor/strings/StringTable.h"
#include "editor/template/FileBytes.h"
#include "editor/template/Utf8Text.h"
#include "editor/template/WideText_win.h"
#include "editor/views/MainView_win.h"
#include "editor/views/TileStrip_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/CommandIds.h"
#include "tests/mainwindow/InProcessMainWindow_win.h"
#include "tests/support/Program_win.h"
#include "tests/support/TestSupport.h"

namespace zelt {
namespace {

using test::DialogOfThread;
using test::StaticTexts;

// A drop of one file as the shell hands it over.
HDROP MakeDrop(const std::string& path) {
    const size_t size = sizeof(DROPFILES) + path.size() + 2;
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), path.c_str(), path.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// The same as Explorer hands it over: in UTF-16, whatever the code page.
HDROP MakeWideDrop(const std::string& path) {
    const std::wstring wide = WideFromText(path);
    const size_t size = sizeof(DROPFILES) + (wide.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), wide.c_str(), wide.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// Closes the first message box that comes up on this thread and keeps its text.
class MessageBoxWatch {
public:
    MessageBoxWatch()
        : thread_([this, owner = GetCurrentThreadId()] {
              for (int waited = 0; waited < 200 && !stop_; ++waited) {
                  if (HWND box = DialogOfThread(owner)) {
                      text_ = StaticTexts(box);
                      PostMessageA(box, WM_COMMAND, IDOK, 0);
                      return;
                  }
                  Sleep(50);
              }
          }) {}
    ~MessageBoxWatch() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    std::string Text() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        return text_;
    }

private:
    std::atomic<bool> stop_{false};
    std::string text_;
    std::thread thread_;
};

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::string dist = test::HostToWindowsPath(ZELT_DIST_DIR) + "\\";
        ASSERT_TRUE(test::PrepareInProcessMainWindow(dist));
    }
    static void TearDownTestSuite() { FreeStringTable(); }

    void SetUp() override {
        g_settingsPath = settings_.File("Zelt_Builder.ini");
        g_settings = DefaultSettings();
        InstallShellUi();
        window_ = CreateMainWindow(GetModuleHandleA(nullptr));
        ASSERT_TRUE(window_);
        ShowWindow(window_, SW_SHOWNORMAL);
    }
    void TearDown() override {
        Doc().modified = false;
        if (IsWindow(window_)) DestroyWindow(window_);
        // The main window ends the message loop as it goes; no later test may see that.
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        RemoveShellUi();
        ReleaseDocumentContents();
    }

    std::string Sample(const char* name) {
        return test::HostToWindowsPath(ZELT_DIST_DIR) + "\\samples\\" + name;
    }
    // Item i of the recent-files submenu: its command and its text.
    std::pair<UINT, std::string> RecentItem(int i) {
        HMENU recent = GetSubMenu(GetSubMenu(GetMenu(window_), 0), 7);
        char text[300] = {};
        GetMenuStringA(recent, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        return {GetMenuItemID(recent, i), text};
    }
    int RecentCount() { return GetMenuItemCount(GetSubMenu(GetSubMenu(GetMenu(window_), 0), 7)); }
    std::string Status(int part) {
        char text[512] = {};
        SendMessageA(Shell().status, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text));
        return text;
    }

    test::ScratchFolder settings_;
    HWND window_ = nullptr;
};

TEST_F(MainWindowTest, ADroppedFileOpensAndATooLongPathIsRefusedWhole) {
    SendMessageA(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(Sample("Meadow.tem"))), 0);
    ASSERT_TRUE(Doc().open);
    EXPECT_EQ(Doc().fileName, Sample("Meadow.tem"));
    EXPECT_EQ(test::WindowText(window_), std::string(Lookup("TXT_NAME")) + " - [" + Sample("Meadow.tem") + "]");

    // 300 characters: not cut to a shorter path that might name another file, but refused.
    const std::string tooLong = Sample("") + std::string(300, 'a') + ".tem";
    MessageBoxWatch watch;
    SendMessageA(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(tooLong)), 0);
    EXPECT_EQ(watch.Text(), Lookup("ERROR:LOADFAILED"));
    EXPECT_EQ(Doc().fileName, Sample("Meadow.tem"));  // the document was not closed for it
}

TEST_F(MainWindowTest, ADropOpensATemplateInAFolderOfAnyLetters) {
    EXPECT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));  // as the program's manifest asks
    test::ScratchFolder maps;
    // "Карта 地図", and two folders of 100 Cyrillic letters: past the path limit in UTF-8 bytes, not in
    // characters.
    std::string letters;
    for (int i = 0; i < 100; ++i) letters += "\xD0\x96";
    for (const std::string& name : {std::string("\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0 \xE5\x9C\xB0\xE5\x9B\xB3"),
                                    letters + "\\" + letters}) {
        const std::string path = maps.File(name + "\\Meadow.tem");
        ASSERT_LT(Utf16Length(path), kMaxPathLength);
        if (name.size() > 100) {
            ASSERT_GT(path.size(), kMaxPathLength);
        }
        ASSERT_TRUE(std::filesystem::create_directories(FileSystemPath(maps.File(name))));
        test::CopyTree(Sample("Meadow.tem"), path);
        SendMessageA(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeWideDrop(path)), 0);
        ASSERT_TRUE(Doc().open);
        EXPECT_EQ(Doc().fileName, path);
        EXPECT_EQ(test::WindowText(window_), std::string(Lookup("TXT_NAME")) + " - [" + path + "]");
    }
}

TEST_F(MainWindowTest, RecentFilesShowNewestFirstWithTheirCommands) {
    g_settings.maxRecent = 6;
    for (const char* name : {"Meadow.tem", "Ridge.sno", "Plaza.urb"}) AddRecentPath(Sample(name));
    ASSERT_EQ(RecentCount(), 3);
    EXPECT_EQ(RecentItem(0), (std::pair<UINT, std::string>{IDM_RECENT_FIRST + 2, Sample("Plaza.urb")}));
    EXPECT_EQ(RecentItem(2), (std::pair<UINT, std::string>{IDM_RECENT_FIRST, Sample("Meadow.tem")}));

    // Opening the oldest moves it to the top.
    SendMessageA(window_, WM_COMMAND, IDM_RECENT_FIRST, 0);
    ASSERT_TRUE(Doc().open);
    EXPECT_EQ(Doc().fileName, Sample("Meadow.tem"));
    ASSERT_EQ(RecentCount(), 3);
    EXPECT_EQ(RecentItem(0).second, Sample("Meadow.tem"));

    g_settings.maxRecent = 0;
    AddRecentPath(Sample("Mesa.des"));
    EXPECT_EQ(RecentCount(), 0);
}

TEST_F(MainWindowTest, MenuHintsAndTheFamilyInTheStatusBar) {
    SendMessageA(window_, WM_MENUSELECT, MAKEWPARAM(IDM_NEW, MF_STRING), reinterpret_cast<LPARAM>(GetMenu(window_)));
    EXPECT_EQ(Status(0), Lookup("GUI:MENUNEWHINT"));
    SendMessageA(window_, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(Status(0), "");
    ASSERT_TRUE(LoadTemplateFile(Sample("Mesa.des")));
    ApplyWindowState();
    EXPECT_EQ(Status(1), Lookup(Doc().gameKind == kRa2Yr ? "TXT_SHORTRA2YR" : "TXT_SHORTTSFS"));
}

TEST_F(MainWindowTest, SignOutAsksTheCloseQuestionAndCancelRefusesTheEnd) {
    SendMessageA(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(Sample("Meadow.tem"))), 0);
    ASSERT_TRUE(Doc().open);
    Doc().modified = true;
    std::string asked;
    test::DialogDriver cancel([&](HWND box) {
        asked = StaticTexts(box);
        PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(SendMessageA(window_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), FALSE);
    ASSERT_TRUE(cancel.Acted());
    EXPECT_EQ(asked, Lookup("MSG:CLOSEQUESTION"));
    EXPECT_TRUE(Doc().open);
    EXPECT_TRUE(Doc().modified);

    // No: the end goes ahead without saving; an unchanged document lets it go without a question.
    test::DialogDriver no([&](HWND box) { PostMessageA(box, WM_COMMAND, IDNO, 0); });
    EXPECT_EQ(SendMessageA(window_, WM_QUERYENDSESSION, 0, 0), TRUE);
    ASSERT_TRUE(no.Acted());
    EXPECT_FALSE(Doc().open);
    EXPECT_EQ(SendMessageA(window_, WM_QUERYENDSESSION, 0, 0), TRUE);

    // The session ends: the settings and the hotkeys are written now, as the process may not get further.
    const std::string environment = ProgramFolder() + "Environment.dat";
    DeleteFileA(environment.c_str());
    DeleteFileA(g_settingsPath.c_str());
    SendMessageA(window_, WM_ENDSESSION, FALSE, 0);  // another program refused: nothing happens
    EXPECT_EQ(GetFileAttributesA(g_settingsPath.c_str()), INVALID_FILE_ATTRIBUTES);
    SendMessageA(window_, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_NE(GetFileAttributesA(g_settingsPath.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA(environment.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(environment.c_str());
    EXPECT_TRUE(IsWindow(window_));
}

TEST_F(MainWindowTest, ACloseRequestUnderAModalDialogLeavesTheDocumentAndTheDialog) {
    SendMessageA(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(Sample("Meadow.tem"))), 0);
    ASSERT_TRUE(Doc().open);
    Doc().modified = true;
    const DWORD self = GetCurrentThreadId();
    bool dialogStayed = false, docStayed = false;
    HWND other = nullptr;
    test::DialogDriver driver([&](HWND dialog) {
        SendMessageA(window_, WM_CLOSE, 0, 0);  // the taskbar's Close, say
        Sleep(300);
        dialogStayed = IsWindow(dialog) && IsWindowVisible(dialog);
        docStayed = Doc().open && Doc().modified;
        other = test::DialogOfThread(self, dialog);  // no close question under the dialog
        if (other) PostMessageA(other, WM_COMMAND, IDCANCEL, 0);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    SendMessageA(window_, WM_COMMAND, IDM_SAVE_OPTIONS, 0);
    ASSERT_TRUE(driver.Acted());
    EXPECT_TRUE(dialogStayed);
    EXPECT_TRUE(docStayed);
    EXPECT_EQ(other, nullptr);
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_TRUE(Doc().open);
}

}  // namespace
}  // namespace zelt
