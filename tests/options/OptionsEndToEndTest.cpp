// The editor as a user runs it: the options dialog's choices reach the settings file at exit, and
// choosing a palette from the palette folder changes what the main view shows.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>

#include <filesystem>
#include <string>

#include "editor/strings/StringTable.h"
#include "resources/CommandIds.h"
#include "resources/PaletteIds.h"
#include "tests/support/Program_win.h"
#include "tests/support/TestSupport.h"
#include "tools/snapshot/Capture_win.h"

using namespace zelt;
using namespace zelt::test;

namespace {

constexpr DWORD kStartTime = 20000;

std::string ItemText(HWND dialog, int id) {
    char text[600] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

class EditorOptionsRun : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string dist = InstallEditorCopy(program_.Path());
        CopyTree(dist + "samples\\Meadow.tem", maps_.File("Meadow.tem"));
        ASSERT_TRUE(BuildStringTable(ReadFile(program_.File("Zelt_Builder.csf")), strings_));
    }

    std::string Lookup(const char* key) { return LookupIn(strings_, StringRunFlags{}, key); }
    std::string CommandLine() const {
        return "\"" + program_.File("Zelt_Builder.exe") + "\" " + maps_.File("Meadow.tem");
    }

    HWND Start(RunningProgram& editor) {
        HWND window = EditorWindowPastSplash(editor, kStartTime);
        if (!window) return nullptr;
        WaitFor([&] { return WindowText(window).find(" - [") != std::string::npos; });
        return window;
    }
    // The dialog with the caption of key that the editor shows.
    HWND WaitForDialog(const RunningProgram& editor, const char* key) {
        HWND dialog = nullptr;
        WaitFor([&] {
            dialog = editor.FindWindowOfClass("#32770", 200);
            return dialog && WindowText(dialog) == Lookup(key);
        });
        return dialog && WindowText(dialog) == Lookup(key) ? dialog : nullptr;
    }
    std::string Ini() {
        const auto bytes = ReadFile(program_.File("Zelt_Builder.ini"));
        return std::string(bytes.begin(), bytes.end());
    }

    ScratchFolder program_, maps_;
    StringTable strings_;
};

// The width of a toolbar button of another process: its rectangle is copied into that process's memory.
int ButtonWidth(HWND toolbar, int index) {
    DWORD processId = 0;
    GetWindowThreadProcessId(toolbar, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, processId);
    if (!process) return -1;
    RECT rect{};
    void* remote = VirtualAllocEx(process, nullptr, sizeof rect, MEM_COMMIT, PAGE_READWRITE);
    if (remote) {
        SendMessageA(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, remote, &rect, sizeof rect, nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return rect.right - rect.left;
}

int CountColour(HWND window, uint32_t colour) {
    const ColourImage screen = CaptureClient(window);
    int count = 0;
    for (int y = 0; y < screen.height; ++y)
        for (int x = 0; x < screen.width; ++x) count += screen.GetPixel(x, y) == colour;
    return count;
}

}  // namespace

TEST_F(EditorOptionsRun, TheChoicesReachTheSettingsFileAtExit) {
    RunningProgram editor(CommandLine(), program_.Path());
    HWND window = Start(editor);
    ASSERT_TRUE(window);
    HWND toolbar = FindWindowExA(window, nullptr, TOOLBARCLASSNAMEA, nullptr);
    ASSERT_TRUE(toolbar);
    const int widthBefore = ButtonWidth(toolbar, 0);

    PostMessageA(window, WM_COMMAND, IDM_OPTIONS, 0);
    HWND dialog = WaitForDialog(editor, "GUI:OPTIONS");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_OPT_RIGHT_TEXT), BST_CHECKED);  // the default toolbar style
    EXPECT_FALSE(ItemText(dialog, IDC_OPT_PICTOR).empty());  // the image library says what it is
    CheckRadioButton(dialog, IDC_OPT_WITHOUT_TEXT, IDC_OPT_BOTTOM_TEXT, IDC_OPT_WITHOUT_TEXT);
    CheckDlgButton(dialog, IDC_OPT_DRAW_BOX,
                   IsDlgButtonChecked(dialog, IDC_OPT_DRAW_BOX) ? BST_UNCHECKED : BST_CHECKED);
    const bool frame = IsDlgButtonChecked(dialog, IDC_OPT_DRAW_BOX) == BST_CHECKED;
    SetDlgItemTextA(dialog, IDC_OPT_RECENT, "3");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));

    // Without texts the buttons are only as wide as their pictures.
    EXPECT_TRUE(WaitFor([&] { return ButtonWidth(toolbar, 0) < widthBefore; })) << widthBefore;
    EXPECT_EQ(Ini().find("MaxNumber=3"), std::string::npos);  // not before the exit

    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(editor.WaitForExit(10000), 0u);
    const std::string ini = Ini();
    EXPECT_NE(ini.find("MaxNumber=3"), std::string::npos) << ini;
    EXPECT_NE(ini.find("\nText=no"), std::string::npos) << ini;
    EXPECT_NE(ini.find("RightText=no"), std::string::npos) << ini;
    EXPECT_NE(ini.find(std::string("DrawBlackFrameAround=") + (frame ? "yes" : "no")), std::string::npos)
        << ini;
}

TEST_F(EditorOptionsRun, AChosenPaletteChangesTheMainView) {
    // A palette of one colour, (63, 0, 63) in every entry: the view turns magenta wherever a tile is.
    std::filesystem::create_directories(std::filesystem::path(program_.File("Palettes")) / "Mine");
    std::vector<uint8_t> glow(768, 0);
    for (int i = 0; i < 256; ++i) glow[3 * i] = glow[3 * i + 2] = 63;
    WriteFile(program_.File("Palettes\\Mine\\Glow.pal"), glow);
    constexpr uint32_t kMagenta = 0xFC00FC;

    RunningProgram editor(CommandLine(), program_.Path());
    HWND window = Start(editor);
    ASSERT_TRUE(window);
    HWND view = FindWindowExA(window, nullptr, "MainViewClass", nullptr);
    ASSERT_TRUE(view);
    EXPECT_LT(CountColour(window, kMagenta), 10);

    PostMessageA(window, WM_COMMAND, IDM_SELECT_PALETTE, 0);
    HWND dialog = WaitForDialog(editor, "GUI:SELPAL");
    ASSERT_TRUE(dialog);
    // Each folder node in turn: its first palette is highlighted until it is the one looked for.
    HWND tree = GetDlgItem(dialog, IDC_SELPAL_TREE);
    bool found = false;
    for (auto node = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0); node && !found;
         node = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, node)) {
        const LRESULT child = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, node);
        SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, child);
        found = ItemText(dialog, IDC_SELPAL_PATH).find("\\Mine\\GLOW.PAL") != std::string::npos;
    }
    ASSERT_TRUE(found);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(WaitFor([&] { return CountColour(window, kMagenta) > 500; }));

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(10000), 0u);
}

TEST_F(EditorOptionsRun, ALoadedPaletteFileChangesTheMainViewAndItsFolderIsRemembered) {
    ScratchFolder palettes;
    std::vector<uint8_t> glow(768, 0);
    for (int i = 0; i < 256; ++i) glow[3 * i] = glow[3 * i + 2] = 63;
    WriteFile(palettes.File("Glow.pal"), glow);
    constexpr uint32_t kMagenta = 0xFC00FC;

    RunningProgram editor(CommandLine(), program_.Path());
    HWND window = Start(editor);
    ASSERT_TRUE(window);
    EXPECT_LT(CountColour(window, kMagenta), 10);

    PostMessageA(window, WM_COMMAND, IDM_LOAD_PALETTE, 0);
    HWND dialog = WaitForDialog(editor, "GUI:CHOOSEFILE");
    ASSERT_TRUE(dialog);
    SetDlgItemTextA(dialog, cmb13, palettes.File("Glow.pal").c_str());  // the file name field
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(WaitFor([&] { return CountColour(window, kMagenta) > 500; }));
    EXPECT_NE(Ini().find("PaletteFile=" + palettes.Path()), std::string::npos) << Ini();

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(10000), 0u);
}
