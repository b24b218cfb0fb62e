// The editor as a user runs it: Zelt_Builder.exe on a sample, its windows found by class, commands
// sent as a menu or a hotkey would send them, its pixels and files compared with what the core makes
// of the same template.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "editor/app/CommandTable.h"
#include "editor/app/Environment.h"
#include "editor/app/MainLayout.h"
#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFiles.h"
#include "editor/render/DibCanvas.h"
#include "editor/render/TemplateRender.h"
#include "editor/strings/StringTable.h"
#include "editor/template/FileBytes.h"
#include "resources/CommandIds.h"
#include "tests/support/Program_win.h"
#include "tests/support/TestSupport.h"
#include "tools/snapshot/Capture_win.h"

using namespace zelt;
using namespace zelt::test;

namespace {

constexpr DWORD kStartTime = 20000;
constexpr UINT kWatchedCommands[] = {IDM_SAVE, IDM_UNDO, IDM_REDO, IDM_ADD_TILE, IDM_FULL_SCREEN, IDM_EXPORT_TILES};

std::string Text(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

class EditorRun : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string dist = InstallEditorCopy(program_.Path());
        for (const char* file : {"Meadow.tem", "Ridge.sno", "Plaza.urb", "Mesa.des"})
            CopyTree(dist + "samples\\" + file, maps_.File(file));
        // A toolbar with a button for each command whose state the tests look at: another process
        // cannot read the editor's menus, but it can ask its toolbar.
        ToolbarLayout layout;
        for (UINT command : kWatchedCommands) AddToolbarButton(layout, static_cast<int32_t>(command), 0, "");
        WriteFile(program_.File("Environment.dat"), EncodeEnvironment(CommandTable{}, layout));
        ASSERT_TRUE(BuildStringTable(ReadFile(program_.File("Zelt_Builder.csf")), strings_));
        SetDocumentProgramFolder(program_.Path());
    }
    void TearDown() override { ReleaseDocumentContents(); }

    std::string Exe() const { return Quoted(program_.File("Zelt_Builder.exe")); }
    static std::string Quoted(const std::string& path) {
        std::string quoted(1, '"');
        quoted += path;
        quoted += '"';
        return quoted;
    }
    std::string Map(const std::string& name) const { return maps_.File(name); }
    std::string Lookup(const char* key) { return LookupIn(strings_, StringRunFlags{}, key); }

    // Starts the editor on a template and waits for its main window; the splash screen is clicked away.
    HWND Start(RunningProgram& editor) {
        HWND window = EditorWindowPastSplash(editor, kStartTime);
        if (!window) return nullptr;
        // Up once its view has a size and the title names the template.
        WaitFor([&] {
            RECT view{};
            GetClientRect(Child(window, "MainViewClass"), &view);
            return view.right > 0 && view.bottom > 0 && WindowText(window).find(" - [") != std::string::npos;
        });
        return window;
    }
    // Hot buttons of the editor that are on screen.
    static int VisibleHotButtons(DWORD processId) {
        struct Count {
            DWORD processId;
            int visible;
        } count{processId, 0};
        EnumWindows(
            [](HWND w, LPARAM param) -> BOOL {
                auto* c = reinterpret_cast<Count*>(param);
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                char name[64] = {};
                GetClassNameA(w, name, sizeof name);
                if (owner == c->processId && IsWindowVisible(w) && std::strcmp(name, "HotButtonClass") == 0)
                    ++c->visible;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&count));
        return count.visible;
    }

    // The editor's visible top-level windows of a class (its hot buttons, its undocked windows).
    static std::vector<HWND> TopWindows(DWORD processId, const char* className) {
        struct Search {
            DWORD processId;
            const char* className;
            std::vector<HWND> found;
        } search{processId, className, {}};
        EnumWindows(
            [](HWND w, LPARAM param) -> BOOL {
                auto* s = reinterpret_cast<Search*>(param);
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                char name[64] = {};
                GetClassNameA(w, name, sizeof name);
                if (owner == s->processId && IsWindowVisible(w) && std::strcmp(name, s->className) == 0)
                    s->found.push_back(w);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    // A dialog box of the editor that was not up before.
    static HWND NewDialog(DWORD processId, const std::vector<HWND>& before) {
        HWND dialog = nullptr;
        WaitFor([&] {
            for (HWND w : TopWindows(processId, "#32770")) {
                if (std::find(before.begin(), before.end(), w) == before.end()) dialog = w;
            }
            return dialog != nullptr;
        });
        return dialog;
    }
    static bool AllEnabled(const std::vector<HWND>& windows, bool enabled) {
        for (HWND w : windows) {
            if ((IsWindowEnabled(w) != FALSE) != enabled) return false;
        }
        return !windows.empty();
    }

    static HWND Child(HWND window, const char* className) { return FindWindowExA(window, nullptr, className, nullptr); }
    static RECT ChildRect(HWND parent, HWND child) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    // A status bar part of another process: its text is copied into memory of that process.
    static std::string StatusText(HWND window, int part) {
        HWND status = Child(window, STATUSCLASSNAMEA);
        DWORD processId = 0;
        GetWindowThreadProcessId(status, &processId);
        HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, processId);
        if (!process) return "<no process>";
        constexpr SIZE_T kSize = 512;
        void* remote = VirtualAllocEx(process, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE);
        std::string text(kSize, '\0');
        if (remote) {
            SendMessageA(status, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(remote));
            ReadProcessMemory(process, remote, text.data(), kSize, nullptr);
            VirtualFreeEx(process, remote, 0, MEM_RELEASE);
        }
        CloseHandle(process);
        text.resize(std::strlen(text.c_str()));
        return text;
    }
    std::string PanelNumber(HWND window, int control) {
        HWND panel = FindWindowExA(window, nullptr, "#32770", nullptr);
        char text[64] = {};
        GetDlgItemTextA(panel, control, text, sizeof text);
        return text;
    }
    // The state of a command as its toolbar button shows it.
    static bool Enabled(HWND window, UINT command) {
        return SendMessageA(Child(window, TOOLBARCLASSNAMEA), TB_ISBUTTONENABLED, command, 0) != 0;
    }
    // A command the editor carries out at once; a test that stalls in a message box fails instead of
    // hanging.
    static void Command(HWND window, UINT command) {
        DWORD_PTR result = 0;
        EXPECT_TRUE(SendMessageTimeoutA(window, WM_COMMAND, command, 0, SMTO_NORMAL, 10000, &result)) << command;
    }

    // A tile's cell box in picture coordinates.
    static std::pair<int, int> CellBoxCorner(const TileRecord& tile, const TemplateBounds& bounds) {
        const int cellW = Doc().cellW, cellH = Doc().cellH;
        return {static_cast<int>(tile.x - cellW / 2 - bounds.minX),
                static_cast<int>(tile.y - tile.height * cellH / 2 - bounds.minY)};
    }
    static std::pair<int, int> DiamondMiddle(const TileRecord& tile, const TemplateBounds& bounds) {
        const auto [left, top] = CellBoxCorner(tile, bounds);
        return {left + Doc().cellW / 2, top + Doc().cellH / 2};
    }
    // The first tile whose diamond holds the picture point, as a click chooses; -1 for none.
    static int FirstTileAt(int px, int py, const TemplateBounds& bounds) {
        const int cellW = Doc().cellW, cellH = Doc().cellH;
        for (int i = 0; i < TileCount(); ++i) {
            const auto [left, top] = CellBoxCorner(Doc().tiles[static_cast<size_t>(i)], bounds);
            const int u = px - left, v = py - top;
            if (v < 0 || v >= cellH) continue;
            const int width = v < cellH / 2 ? 4 * (v + 1) : 4 * (cellH - 1 - v);
            if (u >= (cellW - width) / 2 && u < (cellW - width) / 2 + width) return i;
        }
        return -1;
    }

    // The document as the editor holds it after loading path, in this process.
    void LoadHere(const std::string& path) { ASSERT_TRUE(LoadTemplateFile(path)); }

    ScratchFolder program_, maps_;
    StringTable strings_;
};

}  // namespace

TEST_F(EditorRun, OpensTheTemplateNamedOnTheCommandLine) {
    RunningProgram editor(Exe() + " " + Map("Meadow.tem"), program_.Path());
    ASSERT_TRUE(editor.Started());
    HWND window = Start(editor);
    ASSERT_TRUE(window);
    const std::string title = Lookup("TXT_NAME") + " - [" + Map("Meadow.tem") + "]";
    EXPECT_TRUE(WaitFor([&] { return WindowText(window) == title; })) << WindowText(window);
    LoadHere(Map("Meadow.tem"));
    EXPECT_EQ(PanelNumber(window, 1016), Doc().paletteName);  // the panel names the palette
    EXPECT_FALSE(Doc().paletteName.empty());
    EXPECT_EQ(StatusText(window, 1), Lookup(Doc().gameKind == kRa2Yr ? "TXT_SHORTRA2YR" : "TXT_SHORTTSFS"));

    // A document is open: saving works, undo has nothing to undo, tools of later releases are grey.
    EXPECT_TRUE(Enabled(window, IDM_SAVE));
    EXPECT_TRUE(Enabled(window, IDM_ADD_TILE));
    EXPECT_FALSE(Enabled(window, IDM_UNDO));
    EXPECT_TRUE(Enabled(window, IDM_FULL_SCREEN));
    EXPECT_TRUE(Enabled(window, IDM_EXPORT_TILES));  // the tile image commands are there

    // The children where the layout puts them.
    RECT client{};
    GetClientRect(window, &client);
    HWND toolbar = Child(window, TOOLBARCLASSNAMEA);
    HWND status = Child(window, STATUSCLASSNAMEA);
    RECT toolbarClient{}, statusClient{};
    GetClientRect(toolbar, &toolbarClient);
    GetClientRect(status, &statusClient);
    const DockedLayout layout =
        ComputeDockedLayout(client.right, client.bottom, toolbarClient.bottom, statusClient.bottom, true, 96);
    const RECT view = ChildRect(window, Child(window, "MainViewClass"));
    EXPECT_EQ(view.left, layout.view.x);
    EXPECT_EQ(view.top, layout.view.y);
    EXPECT_EQ(view.right - view.left, layout.view.width);
    EXPECT_EQ(view.bottom - view.top, layout.view.height);
    const RECT strip = ChildRect(window, Child(window, "StripSelectClass"));
    EXPECT_EQ(strip.top, layout.strip.y);
    EXPECT_EQ(strip.bottom - strip.top, kStripHeight);

    // Undo becomes possible with the first edit, and the close question comes before the window goes.
    Command(window, IDM_ADD_TILE);
    EXPECT_TRUE(Enabled(window, IDM_UNDO));
    PostMessageA(window, WM_CLOSE, 0, 0);
    HWND question = editor.FindWindowOfClass("#32770", kStartTime);
    ASSERT_TRUE(question);
    EXPECT_EQ(WindowText(question), Lookup("TXT_NAME"));
    PostMessageA(question, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(question); }));
    EXPECT_EQ(editor.WaitForExit(500), STILL_ACTIVE);
    EXPECT_TRUE(IsWindow(window));

    PostMessageA(window, WM_CLOSE, 0, 0);
    question = editor.FindWindowOfClass("#32770", kStartTime);
    ASSERT_TRUE(question);
    PostMessageA(question, WM_COMMAND, IDNO, 0);
    EXPECT_EQ(editor.WaitForExit(10000), 0u);
    // Not saved: the file is as it was.
    EXPECT_EQ(ReadFile(Map("Meadow.tem")), ReadFile(HostToWindowsPath(ZELT_DIST_DIR) + "\\samples\\Meadow.tem"));

    // At exit the settings and the hotkeys were written.
    const std::string ini = Text(ReadFile(program_.File("Zelt_Builder.ini")));
    EXPECT_NE(ini.find("WindowPos="), std::string::npos) << ini;
    EXPECT_NE(ini.find("DisableVisualStyles=no"), std::string::npos) << ini;
    const std::vector<uint8_t> environment = ReadFile(program_.File("Environment.dat"));
    ASSERT_GE(environment.size(), 12u);
    EXPECT_EQ(Text({environment.begin(), environment.begin() + 4}), "1VNE");
}

TEST_F(EditorRun, TheViewShowsTheTemplateAndAClickSelectsATile) {
    RunningProgram editor(Exe() + " " + Map("Mesa.des"), program_.Path());
    HWND window = Start(editor);
    ASSERT_TRUE(window);
    LoadHere(Map("Mesa.des"));
    HWND viewWindow = Child(window, "MainViewClass");
    ASSERT_TRUE(viewWindow);

    // The label of the transparent colour stands over the top-left corner; below it every pixel of
    // the picture is on screen.
    const ViewMatch match = MatchViewWithComposition(window, viewWindow, 25);
    EXPECT_GT(match.compared, 1000);
    EXPECT_EQ(match.wrong, 0) << "of " << match.compared;
    const int offX = match.offX, offY = match.offY;
    TemplateBounds bounds;
    ASSERT_TRUE(ComputeTemplateBounds(bounds));
    const int w = static_cast<int>(bounds.Width()), h = static_cast<int>(bounds.Height());

    // A click in the middle of a tile's diamond selects the first tile drawn there; the panel shows
    // its position. The tile looked for is the last one that is first at its own middle.
    int target = -1, cx = 0, cy = 0;
    for (int k = TileCount() - 1; k >= 0 && target < 0; --k) {
        const auto [x, y] = DiamondMiddle(Doc().tiles[static_cast<size_t>(k)], bounds);
        if (FirstTileAt(x, y, bounds) == k) {
            target = k;
            cx = offX + x;
            cy = offY + y;
        }
    }
    ASSERT_GT(target, 0);
    const TileRecord& tile = Doc().tiles[static_cast<size_t>(target)];
    SendMessageA(viewWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cx, cy));
    SendMessageA(viewWindow, WM_LBUTTONUP, 0, MAKELPARAM(cx, cy));
    EXPECT_EQ(PanelNumber(window, 1000), std::to_string(tile.x * 2 / Doc().cellW));
    EXPECT_EQ(PanelNumber(window, 1001), std::to_string(tile.y * 2 / Doc().cellH));

    // The clipboard gets the picture without frame and marker.
    Command(window, IDM_COPY_TO_CLIPBOARD);
    DibCanvas plain;
    ASSERT_TRUE(plain.Create(w, h));
    plain.Clear(0xFFFFFF);
    ASSERT_TRUE(RenderTemplate(plain, 0, 0, false));
    ASSERT_TRUE(OpenClipboard(nullptr));
    HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_TRUE(bitmap);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, h, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    CloseClipboard();
    ASSERT_EQ(rows, h);
    int different = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) different += (pixels[static_cast<size_t>(y) * w + x] & 0xFFFFFF) != plain.GetPixel(x, y);
    EXPECT_EQ(different, 0);

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(10000), 0u);
}

TEST_F(EditorRun, SaveWritesWhatResavingWrites) {
    RunningProgram editor(Exe() + " " + Map("Ridge.sno"), program_.Path());
    HWND window = Start(editor);
    ASSERT_TRUE(window);
    // An edit and its undo: the tiles are as loaded, so Save asks whether to save all the same.
    Command(window, IDM_ADD_TILE);
    Command(window, IDM_UNDO);
    EXPECT_TRUE(Enabled(window, IDM_REDO));
    PostMessageA(window, WM_COMMAND, IDM_SAVE, 0);
    HWND question = editor.FindWindowOfClass("#32770", kStartTime);
    ASSERT_TRUE(question);
    PostMessageA(question, WM_COMMAND, IDYES, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(question); }));
    Command(window, 0);  // the save has run once the window answers again

    LoadHere(HostToWindowsPath(ZELT_DIST_DIR) + "\\samples\\Ridge.sno");
    ASSERT_TRUE(SaveTemplateFile(program_.File("resaved.sno")));
    EXPECT_EQ(ReadFile(Map("Ridge.sno")), ReadFile(program_.File("resaved.sno")));

    // Ctrl+Q, typed, turns quick edit mode on: the hot buttons come up around the selected tile.
    EXPECT_EQ(VisibleHotButtons(editor.Id()), 0);
    SetForegroundWindow(window);
    WaitFor([&] { return GetForegroundWindow() == window; }, 2000);
    INPUT keys[4] = {};
    for (INPUT& key : keys) key.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_CONTROL;
    keys[1].ki.wVk = 'Q';
    keys[2].ki.wVk = 'Q';
    keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
    keys[3].ki.wVk = VK_CONTROL;
    keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(4, keys, sizeof(INPUT)), 4u);
    EXPECT_TRUE(WaitFor([&] { return VisibleHotButtons(editor.Id()) >= 4; }, 10000));

    // Nothing changed since the save: closing asks nothing.
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(10000), 0u);
}

TEST_F(EditorRun, YesToTheCloseQuestionSavesAndNoThemeIsKept) {
    RunningProgram editor(Exe() + " -NOTHEME " + Map("Plaza.urb"), program_.Path());
    HWND window = Start(editor);
    ASSERT_TRUE(window);
    Command(window, IDM_DELETE_TILE);
    PostMessageA(window, WM_COMMAND, IDM_EXIT, 0);
    HWND question = editor.FindWindowOfClass("#32770", kStartTime);
    ASSERT_TRUE(question);
    PostMessageA(question, WM_COMMAND, IDYES, 0);
    EXPECT_EQ(editor.WaitForExit(10000), 0u);
    LoadHere(Map("Plaza.urb"));
    std::vector<TileRecord> saved = Doc().tiles;
    LoadHere(HostToWindowsPath(ZELT_DIST_DIR) + "\\samples\\Plaza.urb");
    EXPECT_EQ(saved.size() + 1, Doc().tiles.size());
    EXPECT_NE(Text(ReadFile(program_.File("Zelt_Builder.ini"))).find("DisableVisualStyles=yes"), std::string::npos);
}

TEST_F(EditorRun, ARelativePathOnTheCommandLineBecomesTheFullPath) {
    // Started in the maps folder with the bare file name: the document holds the full path, so the
    // title, "Open folder" and the recent files never see a relative one.
    RunningProgram editor(Exe() + " Ridge.sno", maps_.Path());
    HWND window = Start(editor);
    ASSERT_TRUE(window);
    EXPECT_EQ(WindowText(window), Lookup("TXT_NAME") + " - [" + Map("Ridge.sno") + "]");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(10000), 0u);
}

TEST_F(EditorRun, UndoBackToTheSavedStateAsksNothingAtClose) {
    RunningProgram editor(Exe() + " " + Map("Mesa.des"), program_.Path());
    HWND window = Start(editor);
    ASSERT_TRUE(window);
    // An edit, saved; then an edit and its undo: back at what the file holds.
    Command(window, IDM_DELETE_TILE);
    Command(window, IDM_SAVE);
    Command(window, IDM_ADD_TILE);
    Command(window, IDM_ADD_TILE);
    Command(window, IDM_UNDO);
    Command(window, IDM_UNDO);
    EXPECT_TRUE(Enabled(window, IDM_REDO));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(10000), 0u);
    LoadHere(Map("Mesa.des"));
    const size_t saved = Doc().tiles.size();
    LoadHere(HostToWindowsPath(ZELT_DIST_DIR) + "\\samples\\Mesa.des");
    EXPECT_EQ(saved + 1, Doc().tiles.size());
}

TEST_F(EditorRun, ATemplateOpenedFromTheCommandLineEntersTheRecentList) {
    const std::string ini = "[TipOfTheDay]\r\nShowAtStart=no\r\n[RecentFiles]\r\nMaxNumber=6\r\nRecent0=" +
                            Map("Meadow.tem") + "\r\nRecent1=" + Map("Plaza.urb") + "\r\n";
    WriteFile(program_.File("Zelt_Builder.ini"), std::vector<uint8_t>(ini.begin(), ini.end()));
    {
        RunningProgram editor(Exe() + " " + Map("Mesa.des"), program_.Path());
        ASSERT_TRUE(Start(editor));
        PostMessageA(editor.FindWindowOfClass("Zelt_BuilderClass", kStartTime), WM_CLOSE, 0, 0);
        EXPECT_EQ(editor.WaitForExit(10000), 0u);
    }
    std::string written = Text(ReadFile(program_.File("Zelt_Builder.ini")));
    EXPECT_NE(written.find("Recent0=" + Map("Meadow.tem") + "\r\nRecent1=" + Map("Plaza.urb") + "\r\nRecent2=" +
                           Map("Mesa.des")),
              std::string::npos)
        << written;

    // A file already in the list moves to its newest end, once.
    RunningProgram editor(Exe() + " " + Map("Meadow.tem"), program_.Path());
    ASSERT_TRUE(Start(editor));
    PostMessageA(editor.FindWindowOfClass("Zelt_BuilderClass", kStartTime), WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(10000), 0u);
    written = Text(ReadFile(program_.File("Zelt_Builder.ini")));
    EXPECT_NE(written.find("Recent0=" + Map("Plaza.urb") + "\r\nRecent1=" + Map("Mesa.des") + "\r\nRecent2=" +
                           Map("Meadow.tem")),
              std::string::npos)
        << written;
    EXPECT_EQ(written.find("Recent3="), std::string::npos) << written;
}

// A folder named "Карта 地図": no ANSI code page spells both, so every step needs the whole name.
TEST_F(EditorRun, ATemplateInAFolderOfCyrillicAndCjkLettersOpensSavesAndComesBackFromTheRecentList) {
    const std::string folder = maps_.File("\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0 \xE5\x9C\xB0\xE5\x9B\xB3\\");
    ASSERT_TRUE(std::filesystem::create_directory(FileSystemPath(folder)));
    const std::string map = folder + "Mesa.des";
    CopyTree(Map("Mesa.des"), map);
    LoadHere(map);
    const size_t tiles = Doc().tiles.size();
    {
        RunningProgram editor(Exe() + " " + Quoted(map), program_.Path());
        HWND window = Start(editor);
        ASSERT_TRUE(window);
        EXPECT_EQ(WindowText(window), Lookup("TXT_NAME") + " - [" + map + "]");
        Command(window, IDM_DELETE_TILE);
        Command(window, IDM_SAVE);
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(editor.WaitForExit(10000), 0u);
    }
    LoadHere(map);
    EXPECT_EQ(Doc().tiles.size() + 1, tiles);
    const std::string written = Text(ReadFile(program_.File("Zelt_Builder.ini")));
    EXPECT_NE(written.find("Recent0=" + map + "\r\n"), std::string::npos) << written;

    // Back from the recent list, by a run that started on another template.
    RunningProgram editor(Exe() + " " + Map("Plaza.urb"), program_.Path());
    HWND window = Start(editor);
    ASSERT_TRUE(window);
    Command(window, IDM_RECENT_FIRST);
    EXPECT_TRUE(WaitFor([&] { return WindowText(window) == Lookup("TXT_NAME") + " - [" + map + "]"; }))
        << WindowText(window);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(10000), 0u);
}

TEST_F(EditorRun, TheHotButtonsRestWhileADialogIsUp) {
    RunningProgram editor(Exe() + " " + Map("Meadow.tem"), program_.Path());
    HWND window = Start(editor);
    ASSERT_TRUE(window);
    Command(window, IDM_QUICK_EDIT);
    ASSERT_TRUE(WaitFor([&] { return VisibleHotButtons(editor.Id()) >= 4; }, 10000));
    const std::vector<HWND> buttons = TopWindows(editor.Id(), "HotButtonClass");
    EXPECT_TRUE(AllEnabled(buttons, true));

    // A click on a hot button under the dialog would change the template behind it.
    PostMessageA(window, WM_COMMAND, IDM_OPTIONS, 0);
    HWND dialog = NewDialog(editor.Id(), {});
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(WaitFor([&] { return AllEnabled(buttons, false); }));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(WaitFor([&] { return AllEnabled(buttons, true); }));

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(10000), 0u);
}

TEST_F(EditorRun, UndockedTheViewZoomsWithTheWheelTakesTheButtonsAlongAndRestsUnderADialog) {
    RunningProgram editor(Exe() + " -UNDOCK " + Map("Meadow.tem"), program_.Path());
    ASSERT_TRUE(editor.Started());
    HWND window = EditorWindowPastSplash(editor, kStartTime);
    ASSERT_TRUE(window);
    HWND view = editor.FindWindowOfClass("MainViewClass", kStartTime);
    HWND strip = editor.FindWindowOfClass("StripSelectClass", kStartTime);
    ASSERT_TRUE(view && strip);
    ASSERT_TRUE(WaitFor([&] { return WindowText(window).find(" - [") != std::string::npos; }));

    const std::string before = StatusText(window, 2);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(view, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0, SMTO_NORMAL, 10000, &result);
    EXPECT_TRUE(WaitFor([&] { return StatusText(window, 2) == "120%"; })) << before << " " << StatusText(window, 2);
    SendMessageTimeoutA(view, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0, SMTO_NORMAL, 10000, &result);
    EXPECT_TRUE(WaitFor([&] { return StatusText(window, 2) == "100%"; })) << StatusText(window, 2);

    // Moving the View window takes the hot buttons with it.
    Command(window, IDM_QUICK_EDIT);
    ASSERT_TRUE(WaitFor([&] { return VisibleHotButtons(editor.Id()) >= 4; }, 10000));
    const std::vector<HWND> buttons = TopWindows(editor.Id(), "HotButtonClass");
    RECT viewRect{}, buttonRect{};
    GetWindowRect(view, &viewRect);
    GetWindowRect(buttons.front(), &buttonRect);
    SetWindowPos(view, nullptr, viewRect.left + 37, viewRect.top + 23, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT movedButton{};
    EXPECT_TRUE(WaitFor([&] {
        GetWindowRect(buttons.front(), &movedButton);
        return movedButton.left == buttonRect.left + 37 && movedButton.top == buttonRect.top + 23;
    })) << movedButton.left - buttonRect.left << ", " << movedButton.top - buttonRect.top;

    // Under a dialog the View, the strip, the panel and the buttons take no clicks.
    const std::vector<HWND> panels = TopWindows(editor.Id(), "#32770");
    PostMessageA(window, WM_COMMAND, IDM_OPTIONS, 0);
    HWND dialog = NewDialog(editor.Id(), panels);
    ASSERT_TRUE(dialog);
    std::vector<HWND> floating = buttons;
    floating.push_back(view);
    floating.push_back(strip);
    floating.insert(floating.end(), panels.begin(), panels.end());
    EXPECT_TRUE(WaitFor([&] { return AllEnabled(floating, false); }));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(WaitFor([&] { return AllEnabled(floating, true); }));

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(10000), 0u);
}
