// The viewer as a user runs it: Zelt_Builder.exe -PREVIEW, its window found by class, its pixels
// compared with the template decoded by the core.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <tuple>

#include "editor/strings/StringTable.h"
#include "editor/template/FileBytes.h"
#include "editor/template/GameTables.h"
#include "editor/template/TemplateFile.h"
#include "editor/template/TemplatePreview.h"
#include "editor/viewer/ViewerModel.h"
#include "resources/ResourceIds.h"
#include "tests/support/Program_win.h"
#include "tests/support/TestSupport.h"

using namespace zelt;
using namespace zelt::test;
using zelt::CaptureClient;

namespace {

constexpr DWORD kStartTime = 20000;

class ViewerRun : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string dist = HostToWindowsPath(ZELT_DIST_DIR) + "\\";
        for (const char* file : {"Zelt_Builder.exe", "Zelt_Viewer.csf", "Zelt_Builder.csf"})
            CopyTree(dist + file, program_.File(file));
        CopyTree(dist + "Palettes", program_.File("Palettes"));
        for (const char* file : {"Meadow.tem", "Ridge.sno", "Plaza.urb", "Mesa.des"})
            CopyTree(dist + "samples\\" + file, maps_.File(file));
        ASSERT_TRUE(BuildStringTable(ReadFile(program_.File("Zelt_Viewer.csf")), strings_));
    }

    std::string Exe() const { return "\"" + program_.File("Zelt_Builder.exe") + "\""; }
    std::string Map(const std::string& name) const { return maps_.File(name); }
    std::string ProgramName() { return LookupIn(strings_, StringRunFlags{}, "TXT_NAME"); }

    // The template's preview picture as the viewer decodes it, turned and zoomed as asked.
    ViewerState Expected(const std::string& path, int turns = 0, double zoom = 1.0) {
        ViewerState state;
        state.currentPath = path;
        EXPECT_TRUE(LoadViewerPicture(state, program_.Path()));
        state.display = TurnPicture(state.source, turns);
        state.zoom = zoom;
        return state;
    }

    // Every non-black pixel of the expected picture is on screen where the viewer centres it. The
    // viewer paints in its own time, so the screen is looked at again for up to five seconds.
    void ExpectPicture(HWND window, const ViewerState& expected) {
        int compared = 0, wrong = -1;
        for (int attempt = 0; attempt < 50 && wrong != 0; ++attempt) {
            if (attempt) Sleep(100);
            UpdateWindow(window);
            std::tie(compared, wrong) = ComparePicture(window, expected);
        }
        EXPECT_GT(compared, 100);
        EXPECT_EQ(wrong, 0) << "of " << compared << " pixels";
    }

    std::pair<int, int> ComparePicture(HWND window, const ViewerState& expected) {
        const ColourImage screen = CaptureClient(window);
        auto [x0, y0] = PicturePosition(expected, screen.width, screen.height);
        auto [w, h] = ZoomedSize(expected);
        ColourImage wanted(w, h, 0);
        ComposeViewerPicture(expected, 0, 0, w, h, wanted);
        int compared = 0, wrong = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const uint32_t c = wanted.GetPixel(x, y);
                if (c == 0 || x0 + x >= screen.width || y0 + y >= screen.height) continue;
                ++compared;
                wrong += screen.GetPixel(x0 + x, y0 + y) != c;
            }
        }
        return {compared, wrong};
    }

    HWND Toolbar(HWND window) { return FindWindowExA(window, nullptr, "ToolbarWindow32", nullptr); }
    bool Enabled(HWND window, int command) {
        return SendMessageA(Toolbar(window), TB_ISBUTTONENABLED, command, 0) != 0;
    }
    void Command(HWND window, int command) { SendMessageA(window, WM_COMMAND, command, 0); }
    void Key(HWND window, WPARAM key) { SendMessageA(window, WM_KEYDOWN, key, 0); }
    std::string Title(const std::string& path) { return ProgramName() + " - [" + path + "]"; }

    ScratchFolder program_, maps_;
    StringTable strings_;
};

}  // namespace

TEST_F(ViewerRun, ShowsBrowsesTurnsZoomsAndQuits) {
    RunningProgram viewer(Exe() + " -PREVIEW " + Map("Meadow.tem"), program_.Path());
    ASSERT_TRUE(viewer.Started());
    HWND window = viewer.FindWindowOfClass("Zelt_ViewerClass", kStartTime);
    ASSERT_TRUE(window);
    EXPECT_EQ(WindowText(window), Title(Map("Meadow.tem")));
    ExpectPicture(window, Expected(Map("Meadow.tem")));
    EXPECT_FALSE(Enabled(window, IDC_VIEW_PREVIOUS));
    EXPECT_TRUE(Enabled(window, IDC_VIEW_NEXT));

    // The folder in scan order: *.tem, *.sno, *.urb, *.des.
    Command(window, IDC_VIEW_NEXT);
    EXPECT_EQ(WindowText(window), Title(Map("Ridge.sno")));
    Key(window, VK_LEFT);
    EXPECT_EQ(WindowText(window), Title(Map("Plaza.urb")));
    Key(window, VK_RIGHT);
    EXPECT_EQ(WindowText(window), Title(Map("Ridge.sno")));
    EXPECT_TRUE(Enabled(window, IDC_VIEW_PREVIOUS));
    Command(window, IDC_VIEW_NEXT);
    Command(window, IDC_VIEW_NEXT);
    Command(window, IDC_VIEW_NEXT);  // stays on the last
    EXPECT_EQ(WindowText(window), Title(Map("Mesa.des")));
    EXPECT_FALSE(Enabled(window, IDC_VIEW_NEXT));
    ExpectPicture(window, Expected(Map("Mesa.des")));

    Command(window, IDC_VIEW_TURN_FORWARD);
    UpdateWindow(window);
    ExpectPicture(window, Expected(Map("Mesa.des"), 1));
    Command(window, IDC_VIEW_TURN_FORWARD);
    Command(window, IDC_VIEW_TURN_BACK);
    Command(window, IDC_VIEW_TURN_BACK);
    Command(window, IDC_VIEW_ZOOM_IN);
    UpdateWindow(window);
    ExpectPicture(window, Expected(Map("Mesa.des"), 0, 2.0));
    Command(window, IDC_VIEW_ZOOM_IN);
    Command(window, IDC_VIEW_ZOOM_IN);
    EXPECT_FALSE(Enabled(window, IDC_VIEW_ZOOM_IN));
    Command(window, IDC_VIEW_ACTUAL_SIZE);
    EXPECT_TRUE(Enabled(window, IDC_VIEW_ZOOM_IN));
    Command(window, IDC_VIEW_BEST_SIZE);
    UpdateWindow(window);
    RECT client;
    GetClientRect(window, &client);
    ViewerState best = Expected(Map("Mesa.des"));
    BestSize(best, client.right, client.bottom);
    ASSERT_GE(best.zoom, 1.0);
    ExpectPicture(window, best);
    EXPECT_FALSE(Enabled(window, IDC_VIEW_ZOOM_IN));

    Key(window, VK_ESCAPE);
    EXPECT_EQ(viewer.WaitForExit(10000), 0u);
    const std::vector<uint8_t> ini = ReadFile(program_.File("Zelt_Viewer.ini"));
    const std::string text(ini.begin(), ini.end());
    EXPECT_NE(text.find("SlideShowDelay=1000"), std::string::npos) << text;
    EXPECT_NE(text.find("ExtendedUIStyle=yes"), std::string::npos);
    EXPECT_NE(text.find("NoVisualTheme=yes"), std::string::npos);
}

TEST_F(ViewerRun, QuotedPathWithBlanksOpens) {
    std::filesystem::create_directory(maps_.File("My Maps"));
    CopyTree(Map("Ridge.sno"), Map("My Maps\\a b.sno"));
    RunningProgram viewer(Exe() + " -PREVIEW \"" + Map("My Maps\\a b.sno") + "\"", program_.Path());
    HWND window = viewer.FindWindowOfClass("Zelt_ViewerClass", kStartTime);
    ASSERT_TRUE(window);
    EXPECT_EQ(WindowText(window), Title(Map("My Maps\\a b.sno")));
    ExpectPicture(window, Expected(Map("My Maps\\a b.sno")));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(viewer.WaitForExit(10000), 0u);
}

// A relative start path is made full: the title shows it, and browsing and the shell's delete (which
// would skip the recycle bin for a relative path) work on full paths.
TEST_F(ViewerRun, RelativeStartPathIsMadeFull) {
    std::filesystem::create_directory(maps_.File("sub"));
    RunningProgram viewer(Exe() + " -PREVIEW sub\\..\\Ridge.sno", maps_.Path());
    HWND window = viewer.FindWindowOfClass("Zelt_ViewerClass", kStartTime);
    ASSERT_TRUE(window);
    EXPECT_EQ(WindowText(window), Title(Map("Ridge.sno")));
    Command(window, IDC_VIEW_NEXT);
    EXPECT_EQ(WindowText(window), Title(Map("Plaza.urb")));
    Key(window, VK_ESCAPE);
    EXPECT_EQ(viewer.WaitForExit(10000), 0u);
}

TEST_F(ViewerRun, HelpShowsTheHintAndLaunchFileChoosesTheMode) {
    {
        RunningProgram help(Exe() + " -help", program_.Path());
        HWND box = help.FindWindowOfClass("#32770", kStartTime);
        ASSERT_TRUE(box);
        StringTable builder;
        ASSERT_TRUE(BuildStringTable(ReadFile(program_.File("Zelt_Builder.csf")), builder));
        EXPECT_EQ(WindowText(box), LookupIn(builder, StringRunFlags{}, "TXT_NAME"));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(help.WaitForExit(10000), 0u);
    }
    WriteFile(program_.File("launch.dat"), {1, 0, 0, 0});
    {
        // Viewer mode by default and nothing to view: the process ends without a window.
        RunningProgram quiet(Exe(), program_.Path());
        EXPECT_EQ(quiet.WaitForExit(kStartTime), 0u);
    }
    {
        // -EDITOR wins over the launch file: the editor starts and stops at the missing image library.
        RunningProgram editor(Exe() + " -EDITOR", program_.Path());
        HWND box = editor.FindWindowOfClass("#32770", kStartTime);
        ASSERT_TRUE(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(editor.WaitForExit(10000), 0u);
    }
}

TEST_F(ViewerRun, SlideShowWrapsAndAClickEndsIt) {
    WriteFile(program_.File("Zelt_Viewer.ini"), {'[', 'G', 'e', 'n', 'e', 'r', 'a', 'l', ']', '\r', '\n', 'S', 'l', 'i',
                                                 'd', 'e', 'S', 'h', 'o', 'w', 'D', 'e', 'l', 'a', 'y', '=', '3', '0',
                                                 '0', '\r', '\n'});
    RunningProgram viewer(Exe() + " -PREVIEW " + Map("Plaza.urb"), program_.Path());
    HWND window = viewer.FindWindowOfClass("Zelt_ViewerClass", kStartTime);
    ASSERT_TRUE(window);
    Command(window, IDC_VIEW_SLIDE_SHOW);
    EXPECT_FALSE(GetWindowLongPtrA(window, GWL_STYLE) & WS_CAPTION);
    EXPECT_FALSE(IsWindowVisible(Toolbar(window)));
    // Plaza.urb, Mesa.des, then round to Meadow.tem.
    bool wrapped = false;
    for (int waited = 0; waited < 100 && !wrapped; ++waited) {
        Sleep(50);
        wrapped = WindowText(window) == Title(Map("Meadow.tem"));
    }
    EXPECT_TRUE(wrapped);
    SendMessageA(window, WM_LBUTTONDOWN, 0, 0);
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_STYLE) & WS_CAPTION);
    EXPECT_TRUE(IsWindowVisible(Toolbar(window)));
    const std::string stopped = WindowText(window);
    Sleep(800);
    EXPECT_EQ(WindowText(window), stopped);
    Key(window, VK_ESCAPE);
    EXPECT_EQ(viewer.WaitForExit(10000), 0u);
    const std::vector<uint8_t> ini = ReadFile(program_.File("Zelt_Viewer.ini"));
    EXPECT_NE(std::string(ini.begin(), ini.end()).find("SlideShowDelay=300"), std::string::npos);
}

TEST_F(ViewerRun, DeleteMovesOnToTheFollowingFile) {
    RunningProgram viewer(Exe() + " -PREVIEW " + Map("Ridge.sno"), program_.Path());
    HWND window = viewer.FindWindowOfClass("Zelt_ViewerClass", kStartTime);
    ASSERT_TRUE(window);
    PostMessageA(window, WM_COMMAND, IDC_VIEW_DELETE, 0);
    // The shell asks before it deletes; answer yes.
    HWND question = viewer.FindWindowOfClass("#32770", kStartTime);
    ASSERT_TRUE(question);
    PostMessageA(question, WM_COMMAND, IDYES, 0);
    bool moved = false;
    for (int waited = 0; waited < 100 && !moved; ++waited) {
        Sleep(50);
        moved = WindowText(window) == Title(Map("Plaza.urb"));
    }
    EXPECT_TRUE(moved) << WindowText(window);
    EXPECT_FALSE(std::filesystem::exists(Map("Ridge.sno")));
    Key(window, VK_ESCAPE);
    EXPECT_EQ(viewer.WaitForExit(10000), 0u);
}

// Sets or removes the install path a game's setup records, in one view of the test prefix's registry.
void SetInstallPath(const char* key, REGSAM view, const std::string* path, DWORD type = REG_SZ) {
    if (!path) {
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, key, view, 0);
        return;
    }
    HKEY raw = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &raw, nullptr),
        ERROR_SUCCESS);
    RegSetValueExA(raw, "InstallPath", 0, type, reinterpret_cast<const BYTE*>(path->c_str()),
                   static_cast<DWORD>(path->size() + 1));
    RegCloseKey(raw);
}

bool WaitForFile(const std::string& path) {
    for (int waited = 0; waited < 100; ++waited) {
        if (std::filesystem::exists(path)) return true;
        Sleep(50);
    }
    return false;
}

TEST_F(ViewerRun, CopiesIntoAGameFolderEditAndAbout) {
    constexpr const char* kTsKey = "SOFTWARE\\Westwood\\Tiberian Sun";
    constexpr const char* kRa2Key = "SOFTWARE\\Westwood\\Red Alert 2";
    // The games' 32-bit setups write to the 32-bit view only; a path may name an environment variable.
    ScratchFolder tsGame, ra2Game;
    const std::string tsProgram = tsGame.File("Game.exe");
    const std::string ra2Program = "%ZELT_TEST_RA2%\\Ra2.exe";
    SetEnvironmentVariableA("ZELT_TEST_RA2", ra2Game.Path().substr(0, ra2Game.Path().size() - 1).c_str());
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        SetInstallPath(kTsKey, view, nullptr);
        SetInstallPath(kRa2Key, view, nullptr);
    }
    SetInstallPath(kTsKey, KEY_WOW64_32KEY, &tsProgram);
    SetInstallPath(kRa2Key, KEY_WOW64_64KEY, &ra2Program, REG_EXPAND_SZ);
    RunningProgram viewer(Exe() + " -PREVIEW " + Map("Ridge.sno"), program_.Path());
    HWND window = viewer.FindWindowOfClass("Zelt_ViewerClass", kStartTime);
    ASSERT_TRUE(window);

    PostMessageA(window, WM_COMMAND, IDC_VIEW_COPY_TSFS, 0);
    EXPECT_TRUE(WaitForFile(tsGame.File("Ridge.sno")));
    PostMessageA(window, WM_COMMAND, IDC_VIEW_COPY_RA2YR, 0);
    EXPECT_TRUE(WaitForFile(ra2Game.File("Ridge.sno")));
    SetInstallPath(kTsKey, KEY_WOW64_32KEY, nullptr);
    SetInstallPath(kRa2Key, KEY_WOW64_64KEY, nullptr);

    // No RA2/YR folder recorded, and no editor registered for "edit": each says so in a box.
    for (int command : {IDC_VIEW_COPY_RA2YR, IDC_VIEW_EDIT}) {
        PostMessageA(window, WM_COMMAND, command, 0);
        HWND box = viewer.FindWindowOfClass("#32770", kStartTime);
        ASSERT_TRUE(box) << command;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        for (int waited = 0; waited < 100 && IsWindow(box); ++waited) Sleep(50);
    }
    EXPECT_EQ(viewer.WaitForExit(0), STILL_ACTIVE);

    // The about page opens in a dialog of its own and closes with it.
    PostMessageA(window, WM_KEYDOWN, VK_F1, 0);
    HWND about = viewer.FindWindowOfClass("#32770", kStartTime);
    ASSERT_TRUE(about);
    EXPECT_EQ(WindowText(about), LookupIn(strings_, StringRunFlags{}, "GUI:ABOUT"));
    PostMessageA(about, WM_CLOSE, 0, 0);
    for (int waited = 0; waited < 100 && IsWindow(about); ++waited) Sleep(50);
    EXPECT_FALSE(IsWindow(about));
    Key(window, VK_ESCAPE);
    EXPECT_EQ(viewer.WaitForExit(10000), 0u);
}

TEST_F(ViewerRun, NotATemplateShowsTheNoPreviewText) {
    WriteFile(maps_.File("broken.tem"), {1, 2, 3, 4, 5});
    RunningProgram viewer(Exe() + " -PREVIEW " + Map("broken.tem"), program_.Path());
    HWND window = viewer.FindWindowOfClass("Zelt_ViewerClass", kStartTime);
    ASSERT_TRUE(window);
    EXPECT_EQ(WindowText(window), Title(Map("broken.tem")));
    // Browsing goes on to the other file of the pattern, whichever side of it the folder lists it.
    Command(window, IDC_VIEW_NEXT);
    if (WindowText(window) == Title(Map("broken.tem"))) Command(window, IDC_VIEW_PREVIOUS);
    EXPECT_EQ(WindowText(window), Title(Map("Meadow.tem")));
    Key(window, VK_ESCAPE);
    EXPECT_EQ(viewer.WaitForExit(10000), 0u);
}
