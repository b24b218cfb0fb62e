#include "editor/views/FullScreenView_win.h"

#include "common/WinHandles.h"
#include "editor/document/DocumentClass.h"
#include "editor/render/DibCanvas_win.h"
#include "editor/views/FullScreenPattern.h"
#include "editor/winui/Message_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/ResourceIds.h"

namespace zelt {

namespace {

constexpr const char* kFullScreenClass = "FullScreenViewClass";
bool g_registered = false;

void Paint(HWND window, HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    DibCanvas canvas;
    if (!RenderFullScreenPattern(canvas, client.right, client.bottom)) {
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        return;
    }
    // Half a cell of the pattern lies beyond the left and top edges.
    DrawCanvas(dc, canvas, -Doc().cellW / 2, -Doc().cellH / 2);
}

LRESULT CALLBACK FullScreenProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PaintScope paint(window);
            Paint(window, paint.Get());
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(window, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers the whole client area
        case WM_LBUTTONUP:
            DestroyWindow(window);
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) {
                DestroyWindow(window);
                return 0;
            }
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterFullScreenViewClass(HINSTANCE instance) {
    if (g_registered) return true;
    WNDCLASSEXA view = {};
    view.cbSize = sizeof view;
    view.style = CS_HREDRAW | CS_VREDRAW;
    view.lpfnWndProc = FullScreenProc;
    view.hInstance = instance;
    view.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APPLICATION_ICON));
    view.hIconSm = view.hIcon;
    view.hCursor = LoadCursor(nullptr, IDC_ARROW);
    view.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    view.lpszClassName = kFullScreenClass;
    g_registered = RegisterClassExA(&view) != 0;
    return g_registered;
}

HWND OpenFullScreenView() {
    const TemplateDocument& doc = Doc();
    if (!doc.open || doc.tiles.empty()) return nullptr;
    if (!TilesShareOneHeight(doc.tiles)) {
        ShowMessageKey(MB_ICONSTOP | MB_OK, "MSG:ONLY1X1SUPPORTED");
        return nullptr;
    }
    HINSTANCE instance = Shell().instance ? Shell().instance : GetModuleHandleA(nullptr);
    if (!RegisterFullScreenViewClass(instance)) return nullptr;
    HWND window = CreateWindowExA(WS_EX_TOPMOST, kFullScreenClass, "FullScreenView", WS_POPUP, 0, 0, 0, 0,
                                  Shell().main, nullptr, instance, nullptr);
    if (window) ShowWindow(window, SW_SHOWMAXIMIZED);
    return window;
}

}  // namespace zelt
