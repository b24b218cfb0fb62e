// The main view, its hot buttons and the tile strip as real windows over a loaded sample template.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFiles.h"
#include "editor/document/DocumentUi.h"
#include "editor/document/ViewFlags.h"
#include "editor/render/DibCanvas.h"
#include "editor/render/TemplateRender.h"
#include "editor/settings/Settings.h"
#include "editor/strings/StringTable.h"
#include "editor/views/HotButtonLayout.h"
#include "editor/views/HotButtons_win.h"
#include "editor/views/MainView_win.h"
#include "editor/views/TileStrip_win.h"
#include "editor/views/ViewGeometry.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/CommandIds.h"
#include "tests/support/Program_win.h"

namespace zelt {
namespace {

constexpr int kViewWidth = 400, kViewHeight = 300, kStripWidth = 820, kStripHeight = 200;

// Refresh requests reach the views as the main window's interface would send them.
class ViewsUi final : public DocumentUi {
public:
    unsigned refreshed = 0;
    Answer Ask(const char*, MessageIcon, bool) override { return Answer::No; }
    void ShowMessage(const char*, MessageIcon) override {}
    std::optional<std::string> AskSavePath() override { return std::nullopt; }
    std::optional<int> AskNumber(const char*) override { return std::nullopt; }
    std::string Text(const char* key) override { return Lookup(key); }
    void AddRecentFile(const std::string&) override {}
    void RemoveRecentFile(const std::string&) override {}
    void ExploreFolder(const std::string&) override {}
    void ShowPaletteName(const std::string&) override {}
    void Refresh(unsigned parts) override {
        refreshed |= parts;
        if (parts & kRefreshMainView) RepaintMainView();
        if (parts & kRefreshStrip) RedrawStrip();
        if (parts & kRefreshHotButtons) {
            PlaceHotButtons();
            UpdateHotButtonVisibility();
        }
    }
};

ViewsUi g_ui;

// The main window's part: hot-button commands go on to the view.
LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) >= IDM_HOT_UP && LOWORD(wParam) <= IDM_HOT_HEIGHT_DOWN)
        return SendMessageA(Shell().view, WM_COMMAND, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string Dist() {
    return test::HostToWindowsPath(ZELT_DIST_DIR);
}

class ViewWindows : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(LoadStringTable(Dist() + "\\Zelt_Builder.csf"));
        SetDocumentProgramFolder(Dist() + "\\");
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        Shell().instance = instance;
        ASSERT_TRUE(RegisterMainViewClasses(instance));
        ASSERT_TRUE(RegisterStripClass(instance));
        WNDCLASSA parent = {};
        parent.lpfnWndProc = ParentProc;
        parent.hInstance = instance;
        parent.lpszClassName = "ViewsTestParent";
        ASSERT_TRUE(RegisterClassA(&parent));
        Shell().main = CreateWindowA("ViewsTestParent", "views", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 900,
                                     600, nullptr, nullptr, instance, nullptr);
        Shell().view = CreateWindowA("MainViewClass", "", WS_CHILD | WS_VISIBLE, 0, 0, kViewWidth,
                                     kViewHeight, Shell().main, nullptr, instance, nullptr);
        Shell().strip = CreateWindowA("StripSelectClass", "", WS_CHILD | WS_VISIBLE, 0, kViewHeight,
                                      kStripWidth, kStripHeight, Shell().main, nullptr, instance, nullptr);
        ASSERT_TRUE(Shell().main && Shell().view && Shell().strip);
        SetDocumentUi(&g_ui);
    }
    static void TearDownTestSuite() {
        SetDocumentUi(nullptr);
        DestroyWindow(Shell().main);  // the view and the strip with it
        Shell() = ShellWindows{};
        FreeMainViewResources();
        FreeStripResources();
        FreeStringTable();
        Doc() = TemplateDocument{};
    }
    void SetUp() override {
        g_settings.quickEditMode = false;
        SetExtraEditMode(false);
        while (ViewZoom() > kMinZoom) ZoomOut();
        g_ui.refreshed = 0;
    }

    static void Open(const char* sample) {
        ASSERT_TRUE(LoadTemplateFile(Dist() + "\\samples\\" + sample)) << sample;
        Views().stripCurrentTile = Doc().selected;
        g_ui.refreshed = 0;
    }


    // Client point of the centre of tile i's diamond, or `below` template pixels under it.
    static POINT TileCentre(int i, int below = 0) {
        TemplateBounds bounds;
        EXPECT_TRUE(ComputeTemplateBounds(bounds));
        const TemplateDocument& doc = Doc();
        const TileRecord& tile = doc.tiles[static_cast<size_t>(i)];
        const ViewOffset offset =
            ImageOffset(kViewWidth, kViewHeight, bounds.Width(), bounds.Height(), ViewZoom());
        const double x = tile.x - bounds.minX;
        const double y = tile.y - tile.height * doc.cellH / 2 + doc.cellH / 2 + below - bounds.minY;
        return {offset.x + static_cast<int>(x * ViewZoom()), offset.y + static_cast<int>(y * ViewZoom())};
    }

    static RECT ScreenRect(HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        return r;
    }
};

TEST_F(ViewWindows, PaintShowsTheRenderedTemplateCentredAndTheTransparentColour) {
    Open("Ridge.sno");
    DibCanvas expected;
    TemplateBounds bounds;
    ASSERT_TRUE(ComposeMainView(expected, bounds));
    DibCanvas shown;
    ASSERT_TRUE(test::PrintClient(Shell().view, shown));
    const ViewOffset offset = ImageOffset(kViewWidth, kViewHeight, bounds.Width(), bounds.Height(), 1.0);
    ASSERT_GT(offset.x, 100);
    ASSERT_GT(offset.y, 30);
    int differences = 0;
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            differences += shown.GetPixel(offset.x + x, offset.y + y) != expected.GetPixel(x, y);
    EXPECT_EQ(differences, 0);
    // White around the image, the label's dark text in the top-left corner.
    EXPECT_EQ(shown.GetPixel(offset.x - 1, offset.y + 5), 0xFFFFFFu);
    EXPECT_EQ(shown.GetPixel(kViewWidth - 1, kViewHeight - 1), 0xFFFFFFu);
    int dark = 0;
    for (int y = 5; y < 20; ++y)
        for (int x = 5; x < 150; ++x) dark += (shown.GetPixel(x, y) & 0xFF) < 0x80;
    EXPECT_GT(dark, 20);

    // Zoomed in, the image grows by the truncated factor, still centred.
    ZoomIn();
    EXPECT_EQ(ZoomText(ViewZoom()), "120%");
    DibCanvas zoomed;
    ASSERT_TRUE(test::PrintClient(Shell().view, zoomed));
    const ViewOffset at = ImageOffset(kViewWidth, kViewHeight, bounds.Width(), bounds.Height(), ViewZoom());
    const int right = at.x + static_cast<int>(bounds.Width() * ViewZoom());
    EXPECT_EQ(zoomed.GetPixel(right, kViewHeight / 2), 0xFFFFFFu);
    int drawn = 0;
    for (int y = at.y; y < kViewHeight - at.y; ++y) drawn += zoomed.GetPixel(right - 1, y) != 0xFFFFFFu;
    for (int y = at.y; y < kViewHeight - at.y; ++y) drawn += zoomed.GetPixel(at.x, y) != 0xFFFFFFu;
    EXPECT_GT(drawn, 0);
}

// 100 x 100 RA2/YR cells, holes in every diamond, an extra image on every seventh tile, the middle
// tile selected: a canvas of thousands of rows, composed in many bands.
void OpenLargeTemplate() {
    TemplateDocument& doc = Doc();
    doc = TemplateDocument{};
    for (int row = 0; row < 100; ++row) {
        for (int column = 0; column < 100; ++column) {
            TileRecord t;
            t.x = (column - row) * 30;
            t.y = (column + row) * 15;
            t.diamond.resize(900);
            for (size_t i = 0; i < t.diamond.size(); ++i) t.diamond[i] = static_cast<uint8_t>((i * 7 + row + column) % 251);
            if ((row * 100 + column) % 7 == 0) {
                t.hasExtra = true;
                t.extraX = t.x + 5;
                t.extraY = t.y - 33;
                t.extraWidth = 47;
                t.extraHeight = 41;
                t.extraImage.assign(47 * 41, static_cast<uint8_t>(column));
            }
            doc.tiles.push_back(std::move(t));
        }
    }
    doc.open = true;
    doc.cellW = 60;
    doc.cellH = 30;
    PaletteTable palette{};
    for (size_t i = 0; i < palette.size(); ++i) palette[i] = static_cast<uint32_t>(i * 0x030507u) & 0xFFFFFFu;
    doc.palette = palette;
    doc.selected = 5050;
}

double PaintMilliseconds() {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    RepaintMainView();
    GdiFlush();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Paints of the large template at a zoom, as "median (min to max) ms" of five.
std::string PaintTimes() {
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) times.push_back(PaintMilliseconds());
    std::sort(times.begin(), times.end());
    char text[100];
    std::snprintf(text, sizeof text, "%.1f ms (%.1f to %.1f)", times[2], times.front(), times.back());
    return text;
}

TEST_F(ViewWindows, ALargeTemplateShowsItsComposedCanvasAtEveryZoom) {
    OpenLargeTemplate();
    DibCanvas expected;
    TemplateBounds bounds;
    ASSERT_TRUE(ComposeMainView(expected, bounds));
    ASSERT_EQ(expected.Width(), 6000);
    DibCanvas shown;
    ASSERT_TRUE(test::PrintClient(Shell().view, shown));
    const ViewOffset offset = ImageOffset(kViewWidth, kViewHeight, bounds.Width(), bounds.Height(), 1.0);
    int differences = 0;
    for (int y = 0; y < kViewHeight; ++y)
        for (int x = 0; x < kViewWidth; ++x)
            if (y > 25 || x > 200)  // below and beside the transparent colour's label
                differences += shown.GetPixel(x, y) != expected.GetPixel(x - offset.x, y - offset.y);
    EXPECT_EQ(differences, 0);

    // The composition is the same at every zoom; the window stretches it.
    const std::string atOne = PaintTimes();
    for (int i = 0; i < 5; ++i) ZoomIn();
    EXPECT_EQ(ZoomText(ViewZoom()), "200%");
    const std::string atTwo = PaintTimes();
    std::printf("main view paint of a %d x %d canvas under Wine: zoom 1 %s, zoom 2 %s\n", expected.Width(),
                expected.Height(), atOne.c_str(), atTwo.c_str());
    DibCanvas zoomed;
    ASSERT_TRUE(test::PrintClient(Shell().view, zoomed));
    const ViewOffset at = ImageOffset(kViewWidth, kViewHeight, bounds.Width(), bounds.Height(), ViewZoom());
    int stretched = 0;
    for (int y = 30; y < kViewHeight; y += 7)
        for (int x = 0; x < kViewWidth; x += 5) {
            const int sx = static_cast<int>((x - at.x) / ViewZoom()), sy = static_cast<int>((y - at.y) / ViewZoom());
            // The stretch may round a source pixel either way.
            bool found = false;
            for (int j = -1; j <= 1; ++j)
                for (int i = -1; i <= 1; ++i) found = found || zoomed.GetPixel(x, y) == expected.GetPixel(sx + i, sy + j);
            stretched += found;
        }
    EXPECT_GT(stretched, (kViewHeight - 30) / 7 * (kViewWidth / 5) * 98 / 100);
    Doc() = TemplateDocument{};
}

TEST_F(ViewWindows, ClickSelectsTheTileUnderTheMouseAndEverythingFollows) {
    Open("Ridge.sno");
    ZoomIn();
    // A little below the centre, clear of the side corners where neighbouring diamonds meet.
    for (int i : {1, 2, 0}) {
        const POINT centre = TileCentre(i, 3);
        SendMessageA(Shell().view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
        EXPECT_EQ(Doc().selected, i);
        EXPECT_EQ(Views().stripCurrentTile, i);
    }
    // Tile 3 stands two levels up on the cell box of tile 0 and is drawn over it; the click goes to
    // the first of them in the document.
    Doc().selected = 1;
    const POINT raised = TileCentre(3, 3);
    SendMessageA(Shell().view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(raised.x, raised.y));
    EXPECT_EQ(Doc().selected, 0);
    EXPECT_EQ(g_ui.refreshed & (kRefreshWindowState | kRefreshPanel | kRefreshMainView | kRefreshStrip |
                                kRefreshHotButtons),
              kRefreshWindowState | kRefreshPanel | kRefreshMainView | kRefreshStrip | kRefreshHotButtons);
    // A miss leaves the selection alone.
    SendMessageA(Shell().view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(Doc().selected, 0);
}

TEST_F(ViewWindows, StripScrollsToTheCurrentTileAndSelectsByClick) {
    Open("Meadow.tem");  // nine tiles, four slots fit
    RedrawStrip();
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(Shell().strip, SB_HORZ, &info));
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 6);
    EXPECT_EQ(info.nPage, 2u);
    EXPECT_EQ(info.nPos, 0);
    Views().stripCurrentTile = 7;
    RedrawStrip();
    EXPECT_EQ(GetScrollPos(Shell().strip, SB_HORZ), 5);  // the last full page: tiles 6 ... 9
    SendMessageA(Shell().strip, WM_HSCROLL, SB_RIGHT, 0);
    EXPECT_EQ(GetScrollPos(Shell().strip, SB_HORZ), 5);
    SendMessageA(Shell().strip, WM_HSCROLL, SB_PAGELEFT, 0);
    EXPECT_EQ(GetScrollPos(Shell().strip, SB_HORZ), 3);
    // The second slot now holds tile index 4.
    SendMessageA(Shell().strip, WM_LBUTTONUP, 0, MAKELPARAM(212, 50));
    EXPECT_EQ(Doc().selected, 4);
    EXPECT_EQ(Views().stripCurrentTile, 4);
    EXPECT_TRUE(g_ui.refreshed & kRefreshPanel);
    // The gap between slots selects nothing.
    SendMessageA(Shell().strip, WM_LBUTTONUP, 0, MAKELPARAM(202, 50));
    EXPECT_EQ(Doc().selected, 4);

    // The current slot is painted in the fore colour or themed; a tile's pixels show in its slot.
    DibCanvas shown;
    ASSERT_TRUE(test::PrintClient(Shell().strip, shown));
    EXPECT_NE(shown.GetPixel(210 + 24, 30 + 12), shown.GetPixel(2, 2));
}

TEST_F(ViewWindows, StripMenuGreysWhatCannotWorkAndRunsItsTileCommands) {
    Open("Ridge.sno");
    const UniqueMenu plain = MakeStripContextMenu(0);  // no extra image
    ASSERT_TRUE(plain);
    const HMENU popup = GetSubMenu(plain.Get(), 0);
    const auto greyed = [&](UINT id) { return (GetMenuState(popup, id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    EXPECT_TRUE(greyed(IDM_STRIP_SAVE_EXTRA));
    for (UINT id : {IDM_STRIP_EDIT_IMAGE, IDM_STRIP_PAINT_PROGRAM, IDM_AUTO_COLOUR, IDM_STRIP_SAVE_NORMAL,
                    IDM_STRIP_IMPORT_NORMAL, IDM_STRIP_IMPORT_EXTRA, IDM_STRIP_DELETE_EXTRA, IDM_DELETE_TILE})
        EXPECT_FALSE(greyed(id)) << id;
    char text[128] = {};
    GetMenuStringA(popup, IDM_DELETE_TILE, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, Lookup("GUI:STPDELETE"));
    EXPECT_EQ(GetMenuItemCount(popup), 13);
    GetMenuStringA(popup, IDM_STRIP_PAINT_PROGRAM, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, Lookup("GUI:STPPAINTPROGRAM"));

    // Delete extra image and delete tile act on the selection.
    Doc().selected = 3;
    SendMessageA(Shell().strip, WM_COMMAND, IDM_STRIP_DELETE_EXTRA, 0);
    EXPECT_FALSE(Doc().tiles[3].hasExtra);
    EXPECT_TRUE(CanUndo());
    SendMessageA(Shell().strip, WM_COMMAND, IDM_DELETE_TILE, 0);
    EXPECT_EQ(TileCount(), 3);
    EXPECT_EQ(Doc().selected, 2);
}

TEST_F(ViewWindows, HotButtonsShowAroundTheSelectedTileAndMoveIt) {
    Open("Ridge.sno");
    const auto shown = [](int i) { return IsWindowVisible(HotButtonWindow(i)) != FALSE; };
    UpdateHotButtonVisibility();
    for (int i = 0; i < kHotButtonCount; ++i) EXPECT_FALSE(shown(i)) << i;

    Doc().selected = 0;  // at Y = 0: no up button, no extra image
    SetQuickEditMode(true);
    EXPECT_TRUE(g_settings.quickEditMode);
    EXPECT_FALSE(shown(0));
    for (int i : {1, 2, 3, 5, 6}) EXPECT_TRUE(shown(i)) << i;
    EXPECT_FALSE(shown(4));
    // Button 1 starts cellH/2 x zoom + 15 pixels right of the cell's centre.
    POINT centre = TileCentre(0);
    ClientToScreen(Shell().view, &centre);
    EXPECT_EQ(ScreenRect(HotButtonWindow(1)).left, centre.x + 12 + 15);
    EXPECT_EQ(ScreenRect(HotButtonWindow(1)).right - ScreenRect(HotButtonWindow(1)).left, 24);
    EXPECT_EQ(GetForegroundWindow() == HotButtonWindow(1), false);

    // The picture changes under the mouse: the hovered one has an orange rim.
    DibCanvas picture;
    ASSERT_TRUE(test::PrintClient(HotButtonWindow(1), picture));
    EXPECT_EQ(picture.GetPixel(0, 0), 0x7D8B9Bu);
    SendMessageA(HotButtonWindow(1), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    ASSERT_TRUE(test::PrintClient(HotButtonWindow(1), picture));
    EXPECT_EQ(picture.GetPixel(0, 0), 0xC97F24u);
    SendMessageA(HotButtonWindow(1), WM_MOUSELEAVE, 0, 0);
    ASSERT_TRUE(test::PrintClient(HotButtonWindow(1), picture));
    EXPECT_EQ(picture.GetPixel(0, 0), 0x7D8B9Bu);
    EXPECT_EQ(SendMessageA(HotButtonWindow(1), WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);

    // A click on "right" moves the tile by half a cell, through the owner and the view.
    const int x = Doc().tiles[0].x;
    SendMessageA(HotButtonWindow(1), WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(Doc().tiles[0].x, x + 24);
    EXPECT_TRUE(CanUndo());
    // Height 0 cannot go lower; up at Y = 0 is refused.
    SendMessageA(Shell().view, WM_COMMAND, IDM_HOT_HEIGHT_DOWN, 0);
    SendMessageA(Shell().view, WM_COMMAND, IDM_HOT_UP, 0);
    EXPECT_EQ(Doc().tiles[0].height, 0);
    EXPECT_EQ(Doc().tiles[0].y, 0);

    // The tile with the extra image: the switch shows and enters extra edit mode.
    Doc().selected = 3;
    UpdateHotButtonVisibility();
    EXPECT_TRUE(shown(4));
    SendMessageA(Shell().view, WM_COMMAND, IDM_HOT_SWITCH, 0);
    EXPECT_TRUE(ExtraEditMode());
    EXPECT_TRUE(shown(0));
    EXPECT_FALSE(shown(5));
    // Selecting a tile without one returns to cell mode.
    Doc().selected = 1;
    UpdateHotButtonVisibility();
    EXPECT_FALSE(ExtraEditMode());
    EXPECT_FALSE(shown(4));

    SetQuickEditMode(false);
    for (int i = 0; i < kHotButtonCount; ++i) EXPECT_FALSE(shown(i)) << i;
    // Without a document the mode does not change.
    Doc().open = false;
    SetQuickEditMode(true);
    EXPECT_FALSE(g_settings.quickEditMode);
    Doc().open = true;
}

TEST_F(ViewWindows, CloseRequestsHideTheViewAndTheStripWithoutDestroyingThem) {
    for (HWND window : {Shell().view, Shell().strip}) {
        SendMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(IsWindow(window));
        EXPECT_FALSE(IsWindowVisible(window));
        ShowWindow(window, SW_SHOW);
    }
}

}  // namespace
}  // namespace zelt
