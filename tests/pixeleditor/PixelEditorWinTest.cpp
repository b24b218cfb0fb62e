// The pixel editor dialog in-process with the program's own resources: its controls, drawing with
// the mouse, the palette, OK and Cancel against the document, and a cursor that is never left
// confined whichever way a drag ends.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <thread>

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFiles.h"
#include "editor/editing/PixelEditorRules.h"
#include "editor/editing/PixelEditor_win.h"
#include "editor/render/DibCanvas.h"
#include "editor/strings/StringTable.h"
#include "editor/template/TileLayout.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/PixelEditorIds.h"
#include "tests/pixeleditor/PixelEditorWindow_win.h"
#include "tests/support/Program_win.h"

namespace zelt {
namespace {

std::string Dist() {
    return test::HostToWindowsPath(ZELT_DIST_DIR);
}

// Runs the editor on the test's thread while drive works its dialog from another thread.
bool RunEditor(const std::function<void(HWND)>& drive) {
    std::thread driver([&] {
        HWND dialog = test::WaitForPixelEditor();
        if (!dialog) {
            ADD_FAILURE() << "no pixel editor";
            return;
        }
        drive(dialog);
    });
    const bool applied = OpenPixelEditor(Shell().main);
    driver.join();
    return applied;
}

RECT ClipRectNow() {
    RECT r{};
    GetClipCursor(&r);
    return r;
}
bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A client point of the canvas area over image pixel (x, y).
LPARAM PointOver(HWND area, int x, int y) {
    RECT client{};
    GetClientRect(area, &client);
    const ImageView view = ComputeImageView(client.right, client.bottom, Doc().cellW, Doc().cellH);
    return MAKELPARAM(view.offX + view.scale * x + view.scale / 2,
                      view.offY + view.scale * y + view.scale / 2);
}

// The byte of the diamond that holds cell-box pixel (x, y).
size_t DiamondByte(int x, int y) {
    size_t k = 0;
    for (int r = 0; r < y; ++r) k += static_cast<size_t>(DiamondRowWidth(r, Doc().cellH));
    return k + static_cast<size_t>(x - DiamondRowStart(y, Doc().cellW, Doc().cellH));
}

class PixelEditorDialog : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        InitCommonControls();
        ASSERT_TRUE(LoadStringTable(Dist() + "\\Zelt_Builder.csf"));
        SetDocumentProgramFolder(Dist() + "\\");
        ASSERT_TRUE(test::OpenStandInMain());
    }
    static void TearDownTestSuite() {
        test::CloseStandInMain();
        FreeStringTable();
        Doc() = TemplateDocument{};
    }
    void SetUp() override {
        ASSERT_TRUE(LoadTemplateFile(Dist() + "\\samples\\Ridge.sno"));
        Doc().selected = 1;
        original = Doc().tiles[1].diamond;
        free = ClipRectNow();
    }
    TileBytes original;
    RECT free{};
};

TEST_F(PixelEditorDialog, NothingWithoutASelectedTileWithDiamondBytes) {
    Doc().selected = -1;
    EXPECT_FALSE(OpenPixelEditor(Shell().main));
    Doc().selected = 1;
    Doc().tiles[1].diamond.clear();
    EXPECT_FALSE(OpenPixelEditor(Shell().main));
    Doc() = TemplateDocument{};
    EXPECT_FALSE(OpenPixelEditor(Shell().main));
}

TEST_F(PixelEditorDialog, DrawsWithThePickedColourAndOkIsOneUndoStep) {
    const int cx = Doc().cellW / 2, cy = Doc().cellH / 2;
    const bool applied = RunEditor([&](HWND dialog) {
        EXPECT_EQ(test::WindowText(dialog), Lookup("GUI:NEDITOR"));
        HWND toolbar = GetDlgItem(dialog, IDC_PE_TOOLBAR);
        ASSERT_TRUE(toolbar);
        EXPECT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 5);
        EXPECT_TRUE(SendMessageA(toolbar, TB_ISBUTTONCHECKED, IDC_PE_PENCIL, 0));
        EXPECT_FALSE(SendMessageA(toolbar, TB_ISBUTTONCHECKED, IDC_PE_RECT, 0));
        // The tool bar lies between the two areas, as wide as the dialog less 60 from the start and
        // after every resize.
        const auto rectOf = [&](HWND control) {
            RECT r{};
            GetWindowRect(control, &r);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
            return r;
        };
        const RECT bar = rectOf(toolbar);
        RECT opened{};
        GetClientRect(dialog, &opened);
        EXPECT_EQ(bar.left, 10);
        EXPECT_EQ(bar.top, 300);
        EXPECT_EQ(bar.right - bar.left, opened.right - 60);  // already at creation
        EXPECT_GE(bar.top, rectOf(GetDlgItem(dialog, IDC_PE_CANVAS)).bottom);
        EXPECT_LE(bar.bottom, rectOf(GetDlgItem(dialog, IDC_PE_PALETTE)).top);
        RECT frame{};
        GetWindowRect(dialog, &frame);
        SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left + 40, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER);
        RECT client{};
        GetClientRect(dialog, &client);
        EXPECT_EQ(rectOf(toolbar).right - rectOf(toolbar).left, client.right - 60);
        MINMAXINFO limits{};
        SendMessageA(dialog, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        EXPECT_EQ(limits.ptMinTrackSize.x, 200);
        EXPECT_EQ(limits.ptMinTrackSize.y, 200);

        // Colour 200 from the palette grid, then a pencil dot in the middle of the image.
        HWND palette = GetDlgItem(dialog, IDC_PE_PALETTE);
        RECT grid{};
        GetClientRect(palette, &grid);
        const PaletteGridView view = ComputePaletteGridView(grid.right, grid.bottom);
        SendMessageA(palette, WM_LBUTTONUP, 0,
                     MAKELPARAM(view.offX + 8 * view.cellWidth + 1, view.offY + 6 * view.cellHeight + 1));
        HWND canvas = GetDlgItem(dialog, IDC_PE_CANVAS);
        SendMessageA(canvas, WM_LBUTTONDOWN, MK_LBUTTON, PointOver(canvas, cx, cy));
        SendMessageA(canvas, WM_LBUTTONUP, 0, PointOver(canvas, cx, cy));
        DibCanvas shown;
        ASSERT_TRUE(test::PrintClient(canvas, shown));
        const LPARAM at = PointOver(canvas, cx, cy);
        EXPECT_EQ(shown.GetPixel(LOWORD(at), HIWORD(at)), (*Doc().palette)[200]);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    ASSERT_TRUE(applied);
    EXPECT_TRUE(Doc().modified);
    EXPECT_EQ(Doc().tiles[1].diamond[DiamondByte(cx, cy)], 200);
    ASSERT_TRUE(Undo());
    EXPECT_EQ(Doc().tiles[1].diamond, original);

    // The colour is kept for the next opening; Cancel changes nothing.
    Doc().modified = false;
    const bool cancelled = RunEditor([&](HWND dialog) {
        HWND canvas = GetDlgItem(dialog, IDC_PE_CANVAS);
        SendMessageA(canvas, WM_LBUTTONDOWN, MK_LBUTTON, PointOver(canvas, cx, cy));
        SendMessageA(canvas, WM_LBUTTONUP, 0, PointOver(canvas, cx, cy));
        DibCanvas shown;
        ASSERT_TRUE(test::PrintClient(canvas, shown));
        const LPARAM at = PointOver(canvas, cx, cy);
        EXPECT_EQ(shown.GetPixel(LOWORD(at), HIWORD(at)), (*Doc().palette)[200]);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(cancelled);
    EXPECT_FALSE(Doc().modified);
    EXPECT_EQ(Doc().tiles[1].diamond, original);
}

// Enter and Escape reach the dialog as the commands of its OK and Cancel buttons; the dialog is
// expected to close. (Wine hands cursor confinement to the foreground thread, which may belong to
// another program on the display, so this can take a while.)
void EndWith(HWND dialog, int command) {
    PostMessageA(dialog, WM_COMMAND, command, 0);
    for (int tries = 0; tries < 500 && IsWindow(dialog); ++tries) Sleep(20);
    EXPECT_FALSE(IsWindow(dialog)) << command;
}

TEST_F(PixelEditorDialog, TheCursorIsFreedWheneverADragEnds) {
    const auto press = [&](HWND canvas) {
        RECT area{};
        GetWindowRect(canvas, &area);
        SendMessageA(canvas, WM_LBUTTONDOWN, MK_LBUTTON, PointOver(canvas, 2, 2));
        SendMessageA(canvas, WM_MOUSEMOVE, MK_LBUTTON, PointOver(canvas, 9, 6));
        EXPECT_TRUE(SameRect(ClipRectNow(), area));
    };
    // A release outside the image, a lost capture, a deactivation and Enter each end the drag, and
    // the rectangles they were drawing are not left in the image.
    const bool applied = RunEditor([&](HWND dialog) {
        HWND canvas = GetDlgItem(dialog, IDC_PE_CANVAS);
        SendMessageA(dialog, WM_COMMAND, IDC_PE_RECT, 0);
        press(canvas);
        SendMessageA(canvas, WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
        EXPECT_TRUE(SameRect(ClipRectNow(), free));
        press(canvas);
        SendMessageA(canvas, WM_CAPTURECHANGED, 0, 0);
        EXPECT_TRUE(SameRect(ClipRectNow(), free));
        press(canvas);
        SendMessageA(dialog, WM_ACTIVATE, WA_INACTIVE, 0);
        EXPECT_TRUE(SameRect(ClipRectNow(), free));
        press(canvas);
        SendMessageA(dialog, WM_ACTIVATEAPP, FALSE, 0);
        EXPECT_TRUE(SameRect(ClipRectNow(), free));
        press(canvas);
        EndWith(dialog, IDOK);
    });
    EXPECT_TRUE(applied);
    EXPECT_TRUE(SameRect(ClipRectNow(), free));
    EXPECT_EQ(Doc().tiles[1].diamond, original);

    // Escape in mid-drag cancels, and the cursor is free again.
    const bool cancelled = RunEditor([&](HWND dialog) {
        press(GetDlgItem(dialog, IDC_PE_CANVAS));
        EndWith(dialog, IDCANCEL);
    });
    EXPECT_FALSE(cancelled);
    EXPECT_TRUE(SameRect(ClipRectNow(), free));
}

}  // namespace
}  // namespace zelt
