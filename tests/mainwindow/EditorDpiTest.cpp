// The editor on a display at 150 % (144 dots per inch): what is laid out in pixels grows by half,
// template pixels stay one screen pixel at zoom 1, and the panel's controls neither overlap nor leave
// the panel. Run by dpi_test.sh in a Wine prefix of its own at that density.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "common/WinHandles.h"
#include "editor/app/MainLayout.h"
#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFiles.h"
#include "editor/interchange/Bmp24.h"
#include "editor/render/DibCanvas.h"
#include "editor/render/TemplateRender.h"
#include "editor/winui/DisplayScale.h"
#include "resources/PanelIds.h"
#include "tests/support/Program_win.h"
#include "tests/support/TestSupport.h"
#include "tools/snapshot/Capture_win.h"

using namespace zelt;
using namespace zelt::test;

namespace {

constexpr int kDpi = 144;

HWND Child(HWND window, const char* className) { return FindWindowExA(window, nullptr, className, nullptr); }

RECT RectIn(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

std::vector<HWND> VisibleChildren(HWND parent) {
    std::vector<HWND> children;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (IsWindowVisible(c)) children.push_back(c);
    return children;
}

class EditorAtOneAndAHalf : public ::testing::Test {
protected:
    void SetUp() override {
        // Aware of the density itself, so that the editor's rectangles and pixels come unscaled.
        SetProcessDPIAware();
        WindowDc screen(nullptr);
        ASSERT_EQ(GetDeviceCaps(screen.Get(), LOGPIXELSX), kDpi) << "the display is not at 150 %";
        InstallEditorCopy(program_.Path());
        CopyTree(HostToWindowsPath(ZELT_DIST_DIR) + "\\samples\\Mesa.des", maps_.File("Mesa.des"));
        SetDocumentProgramFolder(program_.Path());
        ASSERT_TRUE(LoadTemplateFile(maps_.File("Mesa.des")));
    }
    void TearDown() override { ReleaseDocumentContents(); }

    // The editor's main window, restored and as large as the screen (a maximised window is never
    // mapped without a window manager), once its view has a size and the title names the template.
    HWND Start(RunningProgram& editor) {
        HWND window = EditorWindowPastSplash(editor, 20000);
        if (!window) return nullptr;
        ShowWindow(window, SW_RESTORE);
        SetWindowPos(window, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                     SWP_NOZORDER);
        WaitFor([&] {
            RECT view{};
            GetClientRect(Child(window, "MainViewClass"), &view);
            return view.right > 0 && view.bottom > 0 && WindowText(window).find(" - [") != std::string::npos;
        });
        return window;
    }

    ScratchFolder program_, maps_;
};

}  // namespace

TEST_F(EditorAtOneAndAHalf, LaysOutByTheDensityAndKeepsTemplatePixelsExact) {
    RunningProgram editor("\"" + program_.File("Zelt_Builder.exe") + "\" \"" + maps_.File("Mesa.des") + "\"",
                          program_.Path());
    ASSERT_TRUE(editor.Started());
    HWND window = Start(editor);
    ASSERT_TRUE(window);
    HWND view = Child(window, "MainViewClass");
    HWND strip = Child(window, "StripSelectClass");
    HWND panel = Child(window, "#32770");
    ASSERT_TRUE(view && strip && panel);

    // The panel, the dividers and the strip are half as large again as at 100 %.
    RECT client{}, toolbar{}, status{};
    GetClientRect(window, &client);
    GetClientRect(Child(window, TOOLBARCLASSNAMEA), &toolbar);
    GetClientRect(Child(window, STATUSCLASSNAMEA), &status);
    const DockedLayout layout =
        ComputeDockedLayout(client.right, client.bottom, toolbar.bottom, status.bottom, true, kDpi);
    EXPECT_EQ(layout.panel.width, 300);
    EXPECT_EQ(layout.strip.height, 300);
    const RECT panelRect = RectIn(window, panel), viewRect = RectIn(window, view), stripRect = RectIn(window, strip);
    EXPECT_EQ(panelRect.right - panelRect.left, 300);
    EXPECT_EQ(stripRect.bottom - stripRect.top, 300);
    EXPECT_EQ(viewRect.left, layout.view.x);
    EXPECT_EQ(viewRect.top, layout.view.y);
    EXPECT_EQ(viewRect.right - viewRect.left, layout.view.width);
    EXPECT_EQ(viewRect.bottom - viewRect.top, layout.view.height);
    EXPECT_EQ(stripRect.top, layout.strip.y);
    // The toolbar's images grew too: its buttons are higher than the 48 pixels of the images at 100 %.
    EXPECT_GT(toolbar.bottom, ScaleForDpi(48, kDpi));

    // The panel's controls fit its width and none covers another; an up-down control sits on the
    // border of the field it steps, as it does at every density. How much of the panel's height shows
    // depends on the window's height.
    RECT panelClient{};
    GetClientRect(panel, &panelClient);
    const std::vector<HWND> controls = VisibleChildren(panel);
    ASSERT_GT(controls.size(), 20u);
    const auto stepsField = [](HWND upDown, HWND field) {
        char name[32] = {};
        GetClassNameA(upDown, name, sizeof name);
        return std::string(name) == UPDOWN_CLASSA &&
               reinterpret_cast<HWND>(SendMessageA(upDown, UDM_GETBUDDY, 0, 0)) == field;
    };
    const auto buddies = [&](HWND a, HWND b) { return stepsField(a, b) || stepsField(b, a); };
    for (size_t i = 0; i < controls.size(); ++i) {
        const RECT a = RectIn(panel, controls[i]);
        EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= panelClient.right)
            << "control " << GetDlgCtrlID(controls[i]) << " at " << Describe(a) << " leaves the panel "
            << Describe(panelClient);
        for (size_t j = i + 1; j < controls.size(); ++j) {
            const RECT b = RectIn(panel, controls[j]);
            RECT common{};
            if (buddies(controls[i], controls[j])) continue;
            EXPECT_FALSE(IntersectRect(&common, &a, &b))
                << "controls " << GetDlgCtrlID(controls[i]) << " " << Describe(a) << " and "
                << GetDlgCtrlID(controls[j]) << " " << Describe(b) << " overlap";
        }
    }

    // On this screen the panel is shorter than its fields: it scrolls, and at its end the palette
    // name, its lowest field, shows whole.
    HWND paletteName = GetDlgItem(panel, IDC_PANEL_PALETTE);
    ASSERT_TRUE(paletteName);
    const bool hiddenAtFirst = RectIn(panel, paletteName).bottom > panelClient.bottom;
    const LONG firstTop = RectIn(panel, controls.front()).top;
    SendMessageA(panel, WM_VSCROLL, SB_BOTTOM, 0);
    GetClientRect(panel, &panelClient);
    const RECT lowest = RectIn(panel, paletteName);
    EXPECT_TRUE(lowest.top >= 0 && lowest.bottom <= panelClient.bottom)
        << "the palette name at " << Describe(lowest) << " in " << Describe(panelClient)
        << (hiddenAtFirst ? ", hidden before scrolling" : "");
    SendMessageA(panel, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(RectIn(panel, controls.front()).top, firstTop) << "the panel is back at its top";

    // At zoom 1 the view shows the composition pixel for pixel, below the label of the transparent
    // colour in the top-left corner.
    const ViewMatch match = MatchViewWithComposition(window, view, ScaleForDpi(25, kDpi));
    EXPECT_GT(match.compared, 1000);
    EXPECT_EQ(match.wrong, 0) << "of " << match.compared;

    // A picture of the window for a person to look at, where the run asks for one.
    if (const char* capture = std::getenv("ZELT_DPI_CAPTURE"); capture && *capture)
        WriteFile(capture, EncodeBmp24(match.screen));
}
