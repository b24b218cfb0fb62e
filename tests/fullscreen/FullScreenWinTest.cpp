// The full-screen window in-process: the height check with its message, the window itself, what it
// paints, and the click and the key that close it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFiles.h"
#include "editor/render/DibCanvas.h"
#include "editor/strings/StringTable.h"
#include "editor/views/FullScreenPattern.h"
#include "editor/views/FullScreenView_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "tests/support/Program_win.h"
#include "tests/support/TestSupport.h"

namespace zelt {
namespace {

std::string Dist() {
    return test::HostToWindowsPath(ZELT_DIST_DIR);
}

// The text of the first message box of this process, closed with OK.
std::string AnswerMessageBox() {
    for (int tries = 0; tries < 200; ++tries) {
        HWND box = nullptr;
        EnumThreadWindows(
            GetWindowThreadProcessId(Shell().main, nullptr),
            [](HWND w, LPARAM found) -> BOOL {
                char name[16] = {};
                GetClassNameA(w, name, sizeof name);
                if (std::string(name) != "#32770" || !IsWindowVisible(w)) return TRUE;
                *reinterpret_cast<HWND*>(found) = w;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&box));
        if (box) {
            char text[512] = {};
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            return text;
        }
        Sleep(25);
    }
    return "<no message box>";
}

class FullScreenWindow : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(LoadStringTable(Dist() + "\\Zelt_Builder.csf"));
        SetDocumentProgramFolder(Dist() + "\\");
        Shell().instance = GetModuleHandleA(nullptr);
        Shell().main = CreateWindowA("STATIC", "main", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                     nullptr, Shell().instance, nullptr);
        ASSERT_TRUE(Shell().main);
        ASSERT_TRUE(RegisterFullScreenViewClass(Shell().instance));
    }
    static void TearDownTestSuite() {
        DestroyWindow(Shell().main);
        Shell() = ShellWindows{};
        FreeStringTable();
        Doc() = TemplateDocument{};
    }
    void SetUp() override {
        ASSERT_TRUE(LoadTemplateFile(Dist() + "\\samples\\Meadow.tem"));
        std::vector<TileRecord> tiles = {test::GridTile(48, 24, 0, 0, 40), test::GridTile(48, 24, 1, 0, 90),
                                         test::GridTile(48, 24, 0, 1, 140), test::GridTile(48, 24, 1, 1, 0)};
        tiles[3].diamond[100] = 200;
        Doc().tiles = tiles;
        Doc().cellW = 48;
        Doc().cellH = 24;
    }
    static void SetHeights(int first, int others) {
        for (TileRecord& tile : Doc().tiles) tile.height = others;
        Doc().tiles[0].height = first;
    }
};

TEST_F(FullScreenWindow, TilesOfDifferentHeightsAreRefusedWhateverIsSelected) {
    for (int selected : {-1, 0, 2}) {
        Doc().selected = selected;
        SetHeights(0, 1);
        std::string text;
        std::thread answer([&] { text = AnswerMessageBox(); });
        EXPECT_EQ(OpenFullScreenView(), nullptr) << selected;
        answer.join();
        EXPECT_EQ(text, Lookup("MSG:ONLY1X1SUPPORTED")) << selected;
    }
    Doc().tiles.clear();
    EXPECT_EQ(OpenFullScreenView(), nullptr);  // no tiles: nothing, no message
    Doc() = TemplateDocument{};
    EXPECT_EQ(OpenFullScreenView(), nullptr);
}

TEST_F(FullScreenWindow, ShowsThePatternAndClosesOnAClickOrEscape) {
    Doc().selected = -1;
    SetHeights(2, 2);
    HWND window = OpenFullScreenView();
    ASSERT_TRUE(window);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    EXPECT_STREQ(name, "FullScreenViewClass");
    EXPECT_EQ(test::WindowText(window), "FullScreenView");
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(GetWindow(window, GW_OWNER), Shell().main);
    EXPECT_TRUE(IsZoomed(window));

    // A smaller client area shows the same rule: the pattern shifted by half a cell.
    SetWindowPos(window, nullptr, 0, 0, 301, 203, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(window, &client);
    DibCanvas shown;
    ASSERT_TRUE(test::PrintClient(window, shown));
    DibCanvas expected;
    ASSERT_TRUE(RenderFullScreenPattern(expected, client.right, client.bottom));
    int wrong = 0, black = 0;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            wrong += shown.GetPixel(x, y) != expected.GetPixel(x + 24, y + 12);
            black += shown.GetPixel(x, y) == 0;
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(black, 0);  // the fourth tile is transparent but for one pixel
    EXPECT_LT(black, client.right * client.bottom / 2);

    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(IsWindow(window));
    window = OpenFullScreenView();
    ASSERT_TRUE(window);
    SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace zelt
