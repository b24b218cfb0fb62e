#include "editor/views/MainView_win.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

#include "common/WinHandles.h"
#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentUi.h"
#include "editor/document/ViewFlags.h"
#include "editor/render/DibCanvas.h"
#include "editor/render/DibCanvas_win.h"
#include "editor/render/TemplateRender.h"
#include "editor/strings/StringTable.h"
#include "editor/views/HotButtonLayout.h"
#include "editor/views/HotButtons_win.h"
#include "editor/views/ViewGeometry.h"
#include "editor/winui/DisplayScale_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/CommandIds.h"

namespace zelt {

namespace {

constexpr const char* kMainViewClass = "MainViewClass";

double g_zoom = kMinZoom;
DpiFont g_viewFont;

// The label's font at the view's density.
HFONT ViewFont(int dpi) { return g_viewFont.At(15, FW_NORMAL, "Arial", dpi); }

int ZoomedSide(int64_t side) {
    return static_cast<int>(std::min(static_cast<double>(side) * g_zoom, static_cast<double>(INT_MAX)));
}

// "GUI:TRNSPCLR" with the components of palette colour 0, over the top-left corner.
void DrawTransparentLabel(HWND view, HDC dc) {
    const TemplateDocument& doc = Doc();
    if (!doc.palette) return;
    const uint32_t colour = (*doc.palette)[0];
    char text[1100];
    std::snprintf(text, sizeof text, "%s %d, %d, %d", Lookup("GUI:TRNSPCLR"),
                  static_cast<int>((colour >> 16) & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>(colour & 0xFF));
    const int dpi = WindowDpi(view);
    SelectScope font(dc, ViewFont(dpi) ? static_cast<HGDIOBJ>(ViewFont(dpi)) : GetStockObject(SYSTEM_FONT));
    TextOutA(dc, ScaleForDpi(5, dpi), ScaleForDpi(5, dpi), text, static_cast<int>(std::strlen(text)));
}

// The paint's canvas, kept between paints only for its memory (ComposeMainView draws all of it).
DibCanvas g_viewCanvas;

void PaintView(HWND view, HDC dc) {
    RECT client{};
    GetClientRect(view, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    TemplateBounds bounds;
    DibCanvas& canvas = g_viewCanvas;
    if (!Doc().open || !ComposeMainView(canvas, bounds)) {
        canvas.Destroy();  // no picture to keep memory for
        return;
    }
    const ViewOffset offset =
        ImageOffset(client.right, client.bottom, bounds.Width(), bounds.Height(), g_zoom);
    StretchCanvas(dc, canvas, offset.x, offset.y, ZoomedSide(bounds.Width()), ZoomedSide(bounds.Height()));
    DrawTransparentLabel(view, dc);
}

void SelectAt(HWND view, int x, int y) {
    TemplateBounds bounds;
    if (!ComputeTemplateBounds(bounds)) return;
    RECT client{};
    GetClientRect(view, &client);
    const TemplateDocument& doc = Doc();
    const ViewOffset offset =
        ImageOffset(client.right, client.bottom, bounds.Width(), bounds.Height(), g_zoom);
    const std::optional<int> hit =
        HitTileAt(ViewTiles{doc.tiles, doc.cellW, doc.cellH, bounds}, offset, g_zoom, x, y);
    if (!hit) return;
    Doc().selected = *hit;
    Views().stripCurrentTile = *hit;
    RequestRefresh(kRefreshWindowState | kRefreshPanel | kRefreshMainView | kRefreshStrip |
                   kRefreshHotButtons);
}

LRESULT CALLBACK MainViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateHotButtons(window);
            return 0;
        case WM_DESTROY:
            DestroyHotButtons();
            return 0;
        case WM_SIZE:
            PlaceHotButtons();
            return 0;
        case WM_MOVE:
            // The undocked View window moves on its own; the buttons stay with the tile.
            if (Doc().open) PlaceHotButtons();
            return 0;
        case WM_MOUSEWHEEL:
            // Docked, the wheel reaches the main window through the parent chain; the undocked
            // View window is a window of its own and passes it on.
            if (Shell().undocked && Shell().main) return SendMessageA(Shell().main, message, wParam, lParam);
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_PAINT: {
            PaintScope paint(window);
            PaintView(window, paint.Get());
            return 0;
        }
        case kDpiChangedMessage:  // undocked, the view is a window of its own
            TakeSuggestedRect(window, lParam);
            [[fallthrough]];
        case kDpiChangedAfterParentMessage:
            // The label's font and the hot buttons follow the new density; template pixels do not.
            RescaleHotButtons(window);
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_PRINTCLIENT:
            PaintView(window, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_COMMAND: {
            const int command = LOWORD(wParam);
            if (command >= IDM_HOT_UP && command <= IDM_HOT_HEIGHT_DOWN) RunHotButton(command);
            return 0;
        }
        case WM_LBUTTONDOWN:
            if (Doc().open) SelectAt(window, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_RBUTTONUP:
            return 0;
        case WM_CLOSE:
            // The undocked "View" window only hides; the main window owns its life.
            ShowWindow(window, SW_HIDE);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

void ShowZoom() {
    RepaintMainView();
    PlaceHotButtons();
    SetStatusText(2, ZoomText(g_zoom).c_str());
}

}  // namespace

bool RegisterMainViewClasses(HINSTANCE instance) {
    WNDCLASSEXA view = {};
    view.cbSize = sizeof view;
    view.style = CS_HREDRAW | CS_VREDRAW;
    view.lpfnWndProc = MainViewProc;
    view.hInstance = instance;
    view.hCursor = LoadCursor(nullptr, IDC_ARROW);
    view.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    view.lpszClassName = kMainViewClass;
    if (!RegisterClassExA(&view) || !RegisterHotButtonClass(instance)) return false;
    return true;
}

void FreeMainViewResources() {
    g_viewFont.Reset();
    g_viewCanvas.Destroy();
}

void RepaintMainView() {
    // Painted at the next WM_PAINT (PaintView fills the whole client itself): a window DC drawn on
    // outside it bypasses the composited main window's buffer and flashes.
    if (const HWND view = Shell().view) InvalidateRect(view, nullptr, FALSE);
}

void ZoomIn() {
    g_zoom = ZoomedIn(g_zoom);
    ShowZoom();
}

void ZoomOut() {
    g_zoom = ZoomedOut(g_zoom);
    ShowZoom();
}

double ViewZoom() {
    return g_zoom;
}

}  // namespace zelt
