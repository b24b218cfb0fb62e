// The pixel editor and the palette preview in-process on a display at 150 % (144 dots per inch):
// the tool pictures grow with the density and follow a move to another density, and the preview's
// Close button fits at the smallest size the user can drag the preview to. Run by dpi_test.sh with
// the editor's test.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <thread>

#include "common/WinHandles.h"
#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFiles.h"
#include "editor/editing/PaletteDialogs_win.h"
#include "editor/editing/PixelEditor_win.h"
#include "editor/strings/StringTable.h"
#include "editor/winui/DisplayScale.h"
#include "editor/winui/DisplayScale_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/PixelEditorIds.h"
#include "tests/pixeleditor/PixelEditorWindow_win.h"
#include "tests/support/Program_win.h"

using namespace zelt;

namespace {

constexpr int kDpi = 144;

std::string Dist() { return test::HostToWindowsPath(ZELT_DIST_DIR); }

RECT RectIn(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

int ImageSide(HWND toolbar) {
    int width = 0, height = 0;
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0));
    if (!images || !ImageList_GetIconSize(images, &width, &height) || width != height) return 0;
    return width;
}

class DialogsAtOneAndAHalf : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SetProcessDPIAware();
        InitCommonControls();
        ASSERT_TRUE(LoadStringTable(Dist() + "\\Zelt_Builder.csf"));
        ASSERT_TRUE(test::OpenStandInMain());
    }
    static void TearDownTestSuite() {
        test::CloseStandInMain();
        FreeStringTable();
    }
    void SetUp() override {
        WindowDc screen(nullptr);
        ASSERT_EQ(GetDeviceCaps(screen.Get(), LOGPIXELSX), kDpi) << "the display is not at 150 %";
        SetDocumentProgramFolder(Dist() + "\\");
        ASSERT_TRUE(LoadTemplateFile(Dist() + "\\samples\\Ridge.sno"));
        Doc().selected = 1;
    }
    void TearDown() override {
        ReleaseDocumentContents();
        Doc() = TemplateDocument{};
    }
};

}  // namespace

TEST_F(DialogsAtOneAndAHalf, PixelEditorToolPicturesFollowTheDensity) {
    int side = 0, sideAfterMove = 0, count = 0;
    bool buttonsFit = false;
    std::thread driver([&] {
        HWND dialog = test::WaitForPixelEditor();
        if (!dialog) {
            ADD_FAILURE() << "no pixel editor";
            return;
        }
        HWND toolbar = GetDlgItem(dialog, IDC_PE_TOOLBAR);
        side = ImageSide(toolbar);
        count = ImageList_GetImageCount(
            reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0)));
        // Every button shows whole in the toolbar, pictures and names.
        RECT bar{};
        GetClientRect(toolbar, &bar);
        buttonsFit = true;
        for (int i = 0; i < static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0)); ++i) {
            RECT button{};
            SendMessageA(toolbar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&button));
            buttonsFit = buttonsFit && button.bottom - button.top >= side && Inside(button, bar);
        }
        // Moved to a monitor at 200 %.
        RECT suggested{};
        GetWindowRect(dialog, &suggested);
        SendMessageA(dialog, kDpiChangedMessage, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
        sideAfterMove = ImageSide(toolbar);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(OpenPixelEditor(Shell().main));
    driver.join();
    EXPECT_EQ(side, ScaleForDpi(16, kDpi));
    EXPECT_EQ(count, 5);
    EXPECT_TRUE(buttonsFit);
    EXPECT_EQ(sideAfterMove, ScaleForDpi(16, 192));
}

TEST_F(DialogsAtOneAndAHalf, PalettePreviewCloseButtonFitsAtTheSmallestSize) {
    RECT button{}, client{};
    {
        test::DialogDriver driver([&](HWND dialog) {
            MINMAXINFO limits{};
            SendMessageA(dialog, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
            SetWindowPos(dialog, nullptr, 0, 0, limits.ptMinTrackSize.x, limits.ptMinTrackSize.y,
                         SWP_NOMOVE | SWP_NOZORDER);
            GetClientRect(dialog, &client);
            button = RectIn(dialog, GetDlgItem(dialog, IDCANCEL));
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        PalettePreviewDialog(nullptr);
    }
    EXPECT_GT(button.right - button.left, 0);
    EXPECT_TRUE(Inside(button, client))
        << "button (" << button.left << "," << button.top << ")-(" << button.right << "," << button.bottom
        << ") client " << client.right << "x" << client.bottom;
}
