// A program folder that refuses new files, as Program Files is to a user: the editor's settings, its
// "Environment.dat", the viewer's settings and a crash report go to "%APPDATA%\Zelt\" and are read back
// from there at the next start; defaults an administrator left in the program folder are read first.
// locked_folder_test.sh prepares the folder and names it in ZELT_LOCKED_FOLDER.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "editor/app/CommandTable.h"
#include "editor/app/Environment.h"
#include "editor/settings/IniFile.h"
#include "resources/CommandIds.h"
#include "tests/support/Program_win.h"
#include "tests/support/TestSupport.h"

using namespace zelt;
using namespace zelt::test;

namespace {

constexpr DWORD kStartTime = 20000;

std::string Text(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

class LockedFolder : public ::testing::Test {
protected:
    void SetUp() override {
        const char* folder = std::getenv("ZELT_LOCKED_FOLDER");
        if (!folder || !*folder) GTEST_SKIP() << "run through locked_folder_test.sh";
        program_ = HostToWindowsPath(folder) + "\\";
        // The children take this process's environment: their APPDATA is a scratch folder.
        appData_ = appDataRoot_.Path();
        if (appData_.back() == '\\') appData_.pop_back();
        SetEnvironmentVariableA("APPDATA", appData_.c_str());
        userFolder_ = appData_ + "\\Zelt\\";
    }

    std::string Exe() const { return "\"" + program_ + "Zelt_Builder.exe\""; }
    bool InProgramFolder(const char* name) const { return FileExists(program_ + name); }

    // Closes every dialog of the program (the tip of the day at a first start) and then its window.
    static DWORD Close(RunningProgram& program, HWND window) {
        while (HWND dialog = program.FindWindowOfClass("#32770", 1500)) {
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
        }
        PostMessageA(window, WM_CLOSE, 0, 0);
        return program.WaitForExit(kStartTime);
    }

    std::string program_;
    ScratchFolder appDataRoot_;
    std::string appData_;
    std::string userFolder_;
};

TEST_F(LockedFolder, RefusesNewFiles) {
    HANDLE file = CreateFileA((program_ + "probe.tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    EXPECT_EQ(file, INVALID_HANDLE_VALUE) << "the test would prove nothing";
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

TEST_F(LockedFolder, EditorKeepsItsSettingsInTheUsersFolderAndReadsThemBack) {
    {
        // A first start: nothing of the user's anywhere yet.
        RunningProgram editor(Exe(), program_);
        ASSERT_TRUE(editor.Started());
        HWND window = editor.FindWindowOfClass("Zelt_BuilderClass", kStartTime);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(Close(editor, window), 0u);
    }
    const std::string ini = userFolder_ + "Zelt_Builder.ini";
    EXPECT_NE(Text(ReadFile(ini)).find("IsMaximized="), std::string::npos);
    EXPECT_TRUE(FileExists(userFolder_ + "Environment.dat"));
    EXPECT_FALSE(InProgramFolder("Zelt_Builder.ini"));
    EXPECT_FALSE(InProgramFolder("Environment.dat"));

    // What the user changed is what the next start reads: no tip of the day, a toolbar of two
    // buttons, and a folder it keeps without ever showing.
    ASSERT_TRUE(WriteIniString(ini, "TipOfTheDay", "ShowAtStart", "no"));
    ASSERT_TRUE(WriteIniString(ini, "Open", "BatchImportOutDir", "C:\\read back"));
    ToolbarLayout layout;
    AddToolbarButton(layout, static_cast<int32_t>(IDM_SAVE), 0, "");
    AddToolbarButton(layout, static_cast<int32_t>(IDM_UNDO), 0, "");
    WriteFile(userFolder_ + "Environment.dat", EncodeEnvironment(CommandTable{}, layout));
    {
        RunningProgram editor(Exe(), program_);
        HWND window = editor.FindWindowOfClass("Zelt_BuilderClass", kStartTime);
        ASSERT_NE(window, nullptr);
        HWND toolbar = FindWindowExA(window, nullptr, TOOLBARCLASSNAMEA, nullptr);
        ASSERT_NE(toolbar, nullptr);
        EXPECT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 2);
        EXPECT_EQ(editor.FindWindowOfClass("#32770", 1500), nullptr) << "the tip of the day came up";
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(editor.WaitForExit(kStartTime), 0u);
    }
    EXPECT_NE(Text(ReadFile(ini)).find("BatchImportOutDir=C:\\read back"), std::string::npos);
    EXPECT_FALSE(InProgramFolder("Zelt_Builder.ini"));
}

TEST_F(LockedFolder, ViewerStartsFromTheAdministratorsDefaultsAndKeepsTheUsersOwn) {
    // locked_folder_test.sh left a Zelt_Viewer.ini with SlideShowDelay=4321 in the program folder.
    const std::string defaults = Text(ReadFile(program_ + "Zelt_Viewer.ini"));
    ASSERT_NE(defaults.find("SlideShowDelay=4321"), std::string::npos);
    {
        RunningProgram viewer(Exe() + " -PREVIEW \"" + program_ + "samples\\Meadow.tem\"", program_);
        HWND window = viewer.FindWindowOfClass("Zelt_ViewerClass", kStartTime);
        ASSERT_NE(window, nullptr);
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(viewer.WaitForExit(kStartTime), 0u);
    }
    const std::string user = Text(ReadFile(userFolder_ + "Zelt_Viewer.ini"));
    EXPECT_NE(user.find("SlideShowDelay=4321"), std::string::npos) << user;
    EXPECT_EQ(Text(ReadFile(program_ + "Zelt_Viewer.ini")), defaults);
}

TEST_F(LockedFolder, CrashReportGoesToTheUsersFolder) {
    RunningProgram child("\"" + program_ + "crash_child.exe\" divide", program_);
    ASSERT_TRUE(child.Started());
    HWND dialog = child.FindWindowOfClass("#32770", kStartTime);
    ASSERT_NE(dialog, nullptr) << "no crash dialog";
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(child.WaitForExit(kStartTime), static_cast<DWORD>(EXCEPTION_INT_DIVIDE_BY_ZERO));
    EXPECT_EQ(Text(ReadFile(userFolder_ + "Except.txt")).rfind("Error code: EXCEPTION_INT_DIVIDE_BY_ZERO", 0), 0u);
    EXPECT_FALSE(InProgramFolder("Except.txt"));
}

}  // namespace
