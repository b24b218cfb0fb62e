#include "editor/views/HotButtons_win.h"

#include <array>
#include <utility>

#include "common/WinHandles.h"
#include "editor/document/DocumentClass.h"
#include "editor/render/TemplateRender.h"
#include "editor/settings/Settings.h"
#include "editor/views/HotButtonLayout.h"
#include "editor/views/MainView_win.h"
#include "editor/winui/DisplayScale_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/ViewsIds.h"

namespace zelt {

namespace {

constexpr const char* kHotButtonClass = "HotButtonClass";
// Messages of a hot button's window.
constexpr UINT kSetCommand = 0x401;  // wParam: command id
constexpr UINT kSetImages = 0x402;   // wParam: normal image, lParam: hovered image
constexpr UINT kGetWidth = 0x403;
constexpr UINT kGetHeight = 0x404;

// A bitmap from the resources, selected into a memory device context of its own.
struct ImageRecord {
    UniqueBitmap bitmap;
    UniqueMemoryDc dc;
    HGDIOBJ previous = nullptr;
    int width = 0;
    int height = 0;

    // The picture drawn at 96 dots per inch, scaled to the view's density.
    void Load(HINSTANCE instance, int id, int dpi) {
        bitmap.Reset(static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0)));
        if (!bitmap) return;
        if (UniqueBitmap scaled = ScaleBitmapForDpi(bitmap.Get(), dpi)) bitmap = std::move(scaled);
        BITMAP info{};
        GetObjectA(bitmap.Get(), sizeof info, &info);
        dc.Reset(CreateCompatibleDC(nullptr));
        if (!dc) return;
        previous = SelectObject(dc.Get(), bitmap.Get());
        width = info.bmWidth;
        height = info.bmHeight;
    }
    void Free() {
        if (previous) SelectObject(dc.Get(), previous);
        previous = nullptr;
        dc.Reset();
        bitmap.Reset();
        width = height = 0;
    }
};

std::array<HWND, kHotButtonCount> g_buttons{};
std::array<ImageRecord, kHotButtonCount> g_normal, g_hovered;
int g_imagesDpi = 0;

ImageRecord* Record(HWND button, const char* property) {
    return static_cast<ImageRecord*>(GetPropA(button, property));
}

void PaintButton(HWND button, HDC dc) {
    const ImageRecord* normal = Record(button, "NImage");
    const ImageRecord* hovered = Record(button, "HImage");
    const ImageRecord* shown = GetPropA(button, "Hovered") && hovered && hovered->dc ? hovered : normal;
    if (shown && shown->dc) {
        BitBlt(dc, 0, 0, shown->width, shown->height, shown->dc.Get(), 0, 0, SRCCOPY);
    } else {
        TextOutA(dc, 0, 0, "z", 1);
    }
}

LRESULT CALLBACK HotButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kSetCommand:
            SetPropA(window, "CmdID", reinterpret_cast<HANDLE>(wParam));
            return 0;
        case kSetImages: {
            const auto* normal = reinterpret_cast<const ImageRecord*>(wParam);
            if (normal)
                SetWindowPos(window, nullptr, 0, 0, normal->width, normal->height,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            SetPropA(window, "NImage", reinterpret_cast<HANDLE>(wParam));
            SetPropA(window, "HImage", reinterpret_cast<HANDLE>(lParam));
            return 0;
        }
        case kGetWidth:
        case kGetHeight: {
            const ImageRecord* normal = Record(window, "NImage");
            if (!normal) return 0;
            return message == kGetWidth ? normal->width : normal->height;
        }
        case WM_PAINT: {
            PaintScope paint(window);
            PaintButton(window, paint.Get());
            return 0;
        }
        case WM_PRINTCLIENT:
            PaintButton(window, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_MOUSEMOVE:
            if (!GetPropA(window, "Hovered")) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
                TrackMouseEvent(&track);
                SetPropA(window, "Hovered", reinterpret_cast<HANDLE>(1));
                InvalidateRect(window, nullptr, FALSE);
            }
            return 0;
        case WM_MOUSELEAVE:
            SetPropA(window, "Hovered", nullptr);
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_LBUTTONUP: {
            const auto command = static_cast<WORD>(reinterpret_cast<UINT_PTR>(GetPropA(window, "CmdID")));
            SendMessageA(GetWindow(window, GW_OWNER), WM_COMMAND, MAKEWPARAM(command, 0),
                         reinterpret_cast<LPARAM>(window));
            return 0;
        }
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_ACTIVATE:
            return 0;
        case WM_NCDESTROY:
            for (const char* property : {"NImage", "HImage", "Hovered", "CmdID"})
                RemovePropA(window, property);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterHotButtonClass(HINSTANCE instance) {
    WNDCLASSEXA button = {};
    button.cbSize = sizeof button;
    button.style = CS_HREDRAW | CS_VREDRAW;
    button.lpfnWndProc = HotButtonProc;
    button.hInstance = instance;
    button.hCursor = LoadCursor(nullptr, IDC_ARROW);
    button.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    button.lpszClassName = kHotButtonClass;
    return RegisterClassExA(&button) != 0;
}

void CreateHotButtons(HWND view) {
    DestroyHotButtons();
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(view, GWLP_HINSTANCE));
    // The buttons float over the main window, which forwards their commands to the view.
    const HWND owner = Shell().main ? Shell().main : GetAncestor(view, GA_ROOT);
    g_imagesDpi = WindowDpi(view);
    for (int i = 0; i < kHotButtonCount; ++i) {
        g_normal[i].Load(instance, IDB_HOT_NORMAL_FIRST + i, g_imagesDpi);
        g_hovered[i].Load(instance, IDB_HOT_HOVER_FIRST + i, g_imagesDpi);
        g_buttons[i] = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kHotButtonClass, "", WS_POPUP, 0,
                                       0, 0, 0, owner, nullptr, instance, nullptr);
        if (!g_buttons[i]) continue;
        SendMessageA(g_buttons[i], kSetCommand, kHotButtonFirstCommand + i, 0);
        SendMessageA(g_buttons[i], kSetImages, reinterpret_cast<WPARAM>(&g_normal[i]),
                     reinterpret_cast<LPARAM>(&g_hovered[i]));
    }
}

void DestroyHotButtons() {
    // The windows go before the pictures they paint.
    for (HWND& button : g_buttons) {
        if (button && IsWindow(button)) DestroyWindow(button);
        button = nullptr;
    }
    for (ImageRecord& record : g_normal) record.Free();
    for (ImageRecord& record : g_hovered) record.Free();
}

void RescaleHotButtons(HWND view) {
    if (!g_buttons[0] || WindowDpi(view) == g_imagesDpi) return;
    CreateHotButtons(view);
    if (!Doc().open) return;
    PlaceHotButtons();
    UpdateHotButtonVisibility();
}

HWND HotButtonWindow(int button) {
    return button >= 0 && button < kHotButtonCount ? g_buttons[button] : nullptr;
}

void PlaceHotButtons() {
    const HWND view = Shell().view;
    const TemplateDocument& doc = Doc();
    const TileRecord* tile = TileAt(-1);
    TemplateBounds bounds;
    if (!view || !g_settings.quickEditMode || !tile || !ComputeTemplateBounds(bounds)) return;
    RECT client{};
    GetClientRect(view, &client);
    const double zoom = ViewZoom();
    HotButtonAnchor anchor =
        AnchorOfTile(*tile, doc.cellW, doc.cellH, bounds, client.right, client.bottom, zoom, ExtraEditMode());
    POINT centre{anchor.cx, anchor.cy};
    ClientToScreen(view, &centre);
    anchor.cx = centre.x;
    anchor.cy = centre.y;
    for (int i = 0; i < kHotButtonCount; ++i) {
        if (!g_buttons[i] || (i == 4 && !tile->hasExtra)) continue;
        const int width = static_cast<int>(SendMessageA(g_buttons[i], kGetWidth, 0, 0));
        const int height = static_cast<int>(SendMessageA(g_buttons[i], kGetHeight, 0, 0));
        const HotButtonPoint at = HotButtonPosition(i, anchor, width, height, zoom, WindowDpi(view));
        SetWindowPos(g_buttons[i], nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void UpdateHotButtonVisibility() {
    const TemplateDocument& doc = Doc();
    const HotButtonVisibility visibility =
        DecideHotButtons(g_settings.quickEditMode, doc.open, TileAt(-1), doc.cellH, ExtraEditMode());
    SetExtraEditMode(visibility.extraEditMode);
    for (int i = 0; i < kHotButtonCount; ++i) {
        if (g_buttons[i]) ShowWindow(g_buttons[i], visibility.shown[i] ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
}

void SetQuickEditMode(bool on) {
    if (!Doc().open) return;
    g_settings.quickEditMode = on;
    if (on) PlaceHotButtons();
    UpdateHotButtonVisibility();
}

void RunHotButton(int command) {
    switch (RunHotButtonCommand(command)) {
        case HotButtonOutcome::kRefused:
            MessageBeep(MB_ICONEXCLAMATION);
            return;
        case HotButtonOutcome::kChanged:
        case HotButtonOutcome::kModeChanged:
            // The tile moved or the mode switched: the buttons follow it.
            PlaceHotButtons();
            UpdateHotButtonVisibility();
            return;
        case HotButtonOutcome::kIgnored:
            return;
    }
}

}  // namespace zelt
