// The full-screen view and the pixel editor on the running editor: F9 shows the pattern the portable
// renderer draws, and a pixel edit reaches the saved file and is undone.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFiles.h"
#include "editor/editing/PixelEditorRules.h"
#include "editor/render/DibCanvas.h"
#include "editor/template/TemplateFile.h"
#include "editor/views/FullScreenPattern.h"
#include "resources/CommandIds.h"
#include "resources/PixelEditorIds.h"
#include "tests/support/Program_win.h"
#include "tests/support/TestSupport.h"
#include "tools/snapshot/Capture_win.h"

using namespace zelt;
using namespace zelt::test;

namespace {

class EditorTools : public ::testing::Test {
  protected:
    void SetUp() override {
        InstallEditorCopy(program_.Path());
        SetDocumentProgramFolder(program_.Path());
        // A 2 x 2 block of raised tiles with a gap in one of them, so that black shows through.
        std::vector<TileRecord> tiles = {GridTile(48, 24, 0, 0, 30), GridTile(48, 24, 1, 0, 70),
                                         GridTile(48, 24, 0, 1, 110), GridTile(48, 24, 1, 1, 150)};
        for (TileRecord& tile : tiles) tile.height = 1;
        for (size_t k = 200; k < 260; ++k) tiles[3].diamond[k] = 0;
        std::vector<uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(EncodeTemplate(tiles, 48, 24, SaveOptions{}, bytes, error)) << error;
        path_ = maps_.File("Block.tem");
        WriteFile(path_, bytes);
    }
    void TearDown() override { ReleaseDocumentContents(); }

    HWND Start(RunningProgram& editor) {
        HWND window = EditorWindowPastSplash(editor, 20000);
        if (!window) return nullptr;
        WaitFor([&] { return WindowText(window).find(" - [") != std::string::npos; });
        return window;
    }
    static void Command(HWND window, UINT command) {
        DWORD_PTR result = 0;
        EXPECT_TRUE(SendMessageTimeoutA(window, WM_COMMAND, command, 0, SMTO_NORMAL, 10000, &result))
            << command;
    }
    std::string Exe() const { return "\"" + program_.File("Zelt_Builder.exe") + "\" \"" + path_ + "\""; }

    ScratchFolder program_, maps_;
    std::string path_;
};

}  // namespace

TEST_F(EditorTools, F9ShowsThePatternOnTheScreenAndAClickClosesIt) {
    RunningProgram editor(Exe(), program_.Path());
    HWND window = Start(editor);
    ASSERT_TRUE(window);
    HWND view = FindWindowExA(window, nullptr, "MainViewClass", nullptr);
    ASSERT_TRUE(view);
    PostMessageA(view, WM_KEYDOWN, VK_F9, 0);
    HWND full = editor.FindWindowOfClass("FullScreenViewClass", 10000);
    ASSERT_TRUE(full);
    EXPECT_EQ(WindowText(full), "FullScreenView");

    // A maximised window is not mapped on this display: shown at a normal size it can be captured.
    constexpr int kWidth = 640, kHeight = 480;
    ShowWindow(full, SW_RESTORE);
    SetWindowPos(full, HWND_TOPMOST, 0, 0, kWidth, kHeight, SWP_SHOWWINDOW);
    ASSERT_TRUE(LoadTemplateFile(path_));
    DibCanvas expected;
    ASSERT_TRUE(RenderFullScreenPattern(expected, kWidth, kHeight));
    int wrong = 0, black = 0;
    WaitFor([&] {
        const ColourImage screen = CaptureClient(full);
        if (screen.width != kWidth || screen.height != kHeight) return false;
        wrong = black = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const uint32_t shown = screen.GetPixel(x, y);
                wrong += shown != expected.GetPixel(x + 24, y + 12);
                black += shown == 0;
            }
        }
        return wrong == 0;
    });
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(black, 0);

    PostMessageA(full, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(full); }));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(10000), 0u);
}

TEST_F(EditorTools, APixelEditReachesTheSavedFileAndIsUndone) {
    ASSERT_TRUE(LoadTemplateFile(path_));
    const TileBytes before = Doc().tiles[0].diamond;
    RunningProgram editor(Exe(), program_.Path());
    HWND window = Start(editor);
    ASSERT_TRUE(window);
    HWND strip = FindWindowExA(window, nullptr, "StripSelectClass", nullptr);
    ASSERT_TRUE(strip);
    PostMessageA(strip, WM_COMMAND, IDM_STRIP_EDIT_IMAGE, 0);
    HWND dialog = editor.FindWindowOfClass("#32770", 10000);
    ASSERT_TRUE(dialog);
    HWND palette = GetDlgItem(dialog, IDC_PE_PALETTE), canvas = GetDlgItem(dialog, IDC_PE_CANVAS);
    ASSERT_TRUE(palette && canvas);

    // Colour 77 from the grid, one pencil dot on pixel (24, 12) of the first tile, OK.
    RECT area{};
    GetClientRect(palette, &area);
    const PaletteGridView grid = ComputePaletteGridView(area.right, area.bottom);
    PostMessageA(palette, WM_LBUTTONUP, 0,
                 MAKELPARAM(grid.offX + 13 * grid.cellWidth + 1, grid.offY + 2 * grid.cellHeight + 1));
    GetClientRect(canvas, &area);
    const ImageView image = ComputeImageView(area.right, area.bottom, 48, 24);
    const LPARAM dot = MAKELPARAM(image.offX + 24 * image.scale + image.scale / 2,
                                  image.offY + 12 * image.scale + image.scale / 2);
    PostMessageA(canvas, WM_LBUTTONDOWN, MK_LBUTTON, dot);
    PostMessageA(canvas, WM_LBUTTONUP, 0, dot);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));

    // Row 12 of the diamond starts at byte 312 and column 2.
    constexpr size_t kDot = 312 + 22;
    Command(window, IDM_SAVE);
    ASSERT_TRUE(LoadTemplateFile(path_));
    EXPECT_EQ(Doc().tiles[0].diamond[kDot], 77);
    TileBytes edited = before;
    edited[kDot] = 77;
    EXPECT_EQ(Doc().tiles[0].diamond, edited);

    Command(window, IDM_UNDO);
    Command(window, IDM_SAVE);
    ASSERT_TRUE(LoadTemplateFile(path_));
    EXPECT_EQ(Doc().tiles[0].diamond, before);

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(10000), 0u);
}
