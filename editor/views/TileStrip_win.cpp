#include "editor/views/TileStrip_win.h"

#include <windowsx.h>

#include <algorithm>
#include <memory>
#include <string>

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentUi.h"
#include "editor/document/ViewFlags.h"
#include "editor/editing/PixelEditor_win.h"
#include "editor/editing/TileCommands.h"
#include "editor/editing/TileProperties.h"
#include "editor/interchange/TileImageCommands_win.h"
#include "editor/render/DibCanvas.h"
#include "editor/render/DibCanvas_win.h"
#include "editor/render/TemplateRender.h"
#include "editor/settings/Settings.h"
#include "editor/strings/Translate_win.h"
#include "editor/views/StripGeometry.h"
#include "editor/winui/DisplayScale_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/CommandIds.h"

namespace zelt {

namespace {

constexpr const char* kStripClass = "StripSelectClass";
constexpr int kToolbarButtonPart = 1;  // TP_BUTTON
constexpr int kPressedState = 3;       // TS_PRESSED

struct StripState {
    int first = 0;
    int visible = 0;
};

// The theme functions, looked up by name so that a system without them draws unstyled slots.
using ThemeHandle = HANDLE;
struct ThemeApi {
    UniqueModule library;
    ThemeHandle(WINAPI* open)(HWND, LPCWSTR) = nullptr;
    HRESULT(WINAPI* close)(ThemeHandle) = nullptr;
    HRESULT(WINAPI* drawBackground)(ThemeHandle, HDC, int, int, const RECT*, const RECT*) = nullptr;
    BOOL(WINAPI* isActive)() = nullptr;
    bool active = false;
};

ThemeApi g_theme;
UniqueBrush g_backBrush;

template <typename Function>
void LookUp(Function& function, const char* name) {
    function =
        reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(g_theme.library.Get(), name)));
}

void LoadThemeApi() {
    g_theme = ThemeApi{};
    g_theme.library.Reset(LoadLibraryA("UxTheme.dll"));
    if (!g_theme.library) return;
    LookUp(g_theme.open, "OpenThemeData");
    LookUp(g_theme.close, "CloseThemeData");
    LookUp(g_theme.drawBackground, "DrawThemeBackground");
    LookUp(g_theme.isActive, "IsThemeActive");
    g_theme.active =
        g_theme.open && g_theme.close && g_theme.drawBackground && g_theme.isActive && g_theme.isActive();
}

StripState* StateOf(HWND strip) {
    return reinterpret_cast<StripState*>(GetWindowLongPtrA(strip, GWLP_USERDATA));
}

int StripTileCount() {
    return Doc().open ? TileCount() : 0;
}

RECT ClientOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

void SetupScroll(HWND strip, StripState& state) {
    const int count = StripTileCount();
    state.visible = VisibleSlotCount(ClientOf(strip).right, WindowDpi(strip));
    const StripScroll scroll = SetupStripScroll(count, state.visible, Views().stripCurrentTile);
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    if (scroll.showBar) {
        info.nMax = scroll.rangeMax;
        info.nPage = static_cast<UINT>(scroll.page);
    }
    SetScrollInfo(strip, SB_HORZ, &info, FALSE);
    ShowScrollBar(strip, SB_HORZ, scroll.showBar);
    state.first = scroll.first;
    SetScrollPos(strip, SB_HORZ, scroll.first, TRUE);
}

// The canvas gets the pixels already on screen, so the tile's transparent pixels keep the slot's
// background.
template <typename Render>
void DrawOverScreen(HDC dc, int x, int y, int width, int height, Render render) {
    DibCanvas canvas;
    if (!canvas.Create(width, height) || !CaptureCanvas(dc, x, y, canvas)) return;
    if (render(canvas)) DrawCanvas(dc, canvas, x, y);
}

DpiFont g_slotFont;

// The slot text's font at the strip's density.
HFONT SlotFont(int dpi) { return g_slotFont.At(14, FW_NORMAL, "Arial", dpi); }

// Tile pictures keep one template pixel per screen pixel; only the slot's own offsets scale.
void DrawSlotContent(HDC dc, const RECT& r, int index, int dpi) {
    const TemplateDocument& doc = Doc();
    const TileRecord* tile = TileAt(index);
    if (!tile || !doc.palette || doc.cellW <= 0 || doc.cellH <= 0) return;
    if (!tile->diamond.empty())
        DrawOverScreen(dc, r.left, r.top + ScaleForDpi(20, dpi), doc.cellW, doc.cellH,
                       [index](Canvas& canvas) { return RenderTileDiamond(index, canvas); });
    if (tile->hasExtra && tile->extraWidth > 0 && tile->extraHeight > 0)
        DrawOverScreen(dc, (r.left + r.right) / 2, (r.top + r.bottom) / 2, tile->extraWidth,
                       tile->extraHeight, [index](Canvas& canvas) { return RenderTileExtra(index, canvas); });
    SelectScope selected(dc, SlotFont(dpi));
    SetBkMode(dc, TRANSPARENT);
    const std::string number = std::to_string(index + 1);
    const int margin = ScaleForDpi(2, dpi);
    TextOutA(dc, r.left + margin, r.top + margin, number.c_str(), static_cast<int>(number.size()));
    const std::string text = StripSlotText(*tile);
    RECT textRect{(r.left + r.right) / 2, r.top, r.right, r.bottom};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_LEFT | DT_TOP | DT_NOPREFIX);
}

void PaintStrip(HWND strip, HDC dc) {
    const StripState* state = StateOf(strip);
    const int count = StripTileCount();
    if (!state || count == 0) return;
    const RECT client = ClientOf(strip);
    ThemeHandle theme = g_theme.active ? g_theme.open(strip, L"TOOLBAR") : nullptr;
    const UniqueBrush foreBrush(CreateSolidBrush(g_settings.stripForeColour));
    const int dpi = WindowDpi(strip);
    const HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (int k = 0; state->first + k < count; ++k) {
        const SlotRect slot = StripSlotRect(k, client.bottom, dpi);
        // Slots beyond the window's right edge would only be clipped away.
        if (slot.left >= client.right || slot.right <= slot.left) break;
        RECT r{slot.left, slot.top, slot.right, slot.bottom};
        const int index = state->first + k;
        if (theme) {
            if (index == Views().stripCurrentTile)
                g_theme.drawBackground(theme, dc, kToolbarButtonPart, kPressedState, &r, nullptr);
        } else {
            if (index == Views().stripCurrentTile) FillRect(dc, &r, foreBrush.Get());
            FrameRect(dc, &r, black);
        }
        InflateRect(&r, -ScaleForDpi(2, dpi), -ScaleForDpi(2, dpi));
        DrawSlotContent(dc, r, index, dpi);
    }
    if (theme) g_theme.close(theme);
}

// The selection of a strip click: the panel, the view and the hot buttons follow; the strip only
// repaints, so the clicked slot stays where it is.
void SelectTileFromStrip(HWND strip, int index) {
    Doc().selected = index;
    Views().stripCurrentTile = index;
    RequestRefresh(kRefreshWindowState | kRefreshPanel | kRefreshMainView | kRefreshHotButtons);
    InvalidateRect(strip, nullptr, TRUE);
}

std::optional<int> TileAtPoint(HWND strip, LPARAM point) {
    const StripState* state = StateOf(strip);
    if (!state) return std::nullopt;
    return StripTileAt(GET_X_LPARAM(point), GET_Y_LPARAM(point), state->first, StripTileCount(),
                       ClientOf(strip).bottom, WindowDpi(strip));
}

void ShowContextMenu(HWND strip, LPARAM point) {
    const std::optional<int> index = TileAtPoint(strip, point);
    if (!index) return;
    SelectTileFromStrip(strip, *index);
    const UniqueMenu menu = MakeStripContextMenu(*index);
    if (!menu) return;
    POINT screen{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    ClientToScreen(strip, &screen);
    TrackPopupMenu(GetSubMenu(menu.Get(), 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, strip,
                   nullptr);
}

void Scroll(HWND strip, WPARAM request) {
    StripState* state = StateOf(strip);
    if (!state) return;
    StripScrollRequest kind;
    switch (LOWORD(request)) {
        case SB_LINELEFT:
            kind = StripScrollRequest::kLineLeft;
            break;
        case SB_LINERIGHT:
            kind = StripScrollRequest::kLineRight;
            break;
        case SB_PAGELEFT:
            kind = StripScrollRequest::kPageLeft;
            break;
        case SB_PAGERIGHT:
            kind = StripScrollRequest::kPageRight;
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            kind = StripScrollRequest::kThumb;
            break;
        case SB_LEFT:
            kind = StripScrollRequest::kFarLeft;
            break;
        case SB_RIGHT:
            kind = StripScrollRequest::kFarRight;
            break;
        default:
            return;
    }
    // The 32-bit track position rather than the message's 16 bits.
    SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(strip, SB_HORZ, &info);
    state->first = ScrollStrip(state->first, kind, info.nTrackPos, StripTileCount(), state->visible);
    SetScrollPos(strip, SB_HORZ, state->first, TRUE);
    InvalidateRect(strip, nullptr, TRUE);
}

void RunStripCommand(int command) {
    switch (command) {
        case IDM_AUTO_COLOUR:
            AutoColour(-1);
            return;
        case IDM_STRIP_DELETE_EXTRA:
            DeleteExtraImage();
            return;
        case IDM_DELETE_TILE:
            DeleteTile();
            return;
        case IDM_STRIP_EDIT_IMAGE:
            OpenPixelEditor(Shell().main);
            return;
        case IDM_STRIP_SAVE_NORMAL:
        case IDM_STRIP_SAVE_EXTRA:
        case IDM_STRIP_IMPORT_NORMAL:
        case IDM_STRIP_IMPORT_EXTRA:
        case IDM_STRIP_PAINT_PROGRAM:
            RunTileImageCommand(static_cast<UINT>(command));
            return;
        default:
            OutputDebugStringA("StripSelect_OnCommand: command unknown!\n");
            return;
    }
}

LRESULT CALLBACK StripProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new StripState));
            Views().stripCurrentTile = 0;
            return 0;
        case WM_DESTROY:
            delete StateOf(window);
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            return 0;
        case WM_SIZE:
            if (StripState* state = StateOf(window)) SetupScroll(window, *state);
            return 0;
        case kDpiChangedMessage:  // undocked, the strip is a window of its own
            TakeSuggestedRect(window, lParam);
            [[fallthrough]];
        case kDpiChangedAfterParentMessage:
            if (StripState* state = StateOf(window)) SetupScroll(window, *state);
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_PAINT: {
            PaintScope paint(window);
            PaintStrip(window, paint.Get());
            return 0;
        }
        case WM_PRINTCLIENT: {
            const RECT client = ClientOf(window);
            FillRect(reinterpret_cast<HDC>(wParam), &client, g_backBrush.Get());
            PaintStrip(window, reinterpret_cast<HDC>(wParam));
            return 0;
        }
        case WM_HSCROLL:
            Scroll(window, wParam);
            return 0;
        case WM_LBUTTONUP:
            if (const std::optional<int> index = TileAtPoint(window, lParam))
                SelectTileFromStrip(window, *index);
            return 0;
        case WM_RBUTTONUP:
            ShowContextMenu(window, lParam);
            return 0;
        case WM_COMMAND:
            RunStripCommand(LOWORD(wParam));
            return 0;
        case WM_CLOSE:
            // The undocked "Tile select" window only hides; the main window owns its life.
            ShowWindow(window, SW_HIDE);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterStripClass(HINSTANCE instance) {
    LoadStripColours();
    LoadThemeApi();
    g_backBrush.Reset(CreateSolidBrush(g_settings.stripBackColour));
    WNDCLASSEXA strip = {};
    strip.cbSize = sizeof strip;
    strip.style = CS_HREDRAW | CS_VREDRAW;
    strip.lpfnWndProc = StripProc;
    strip.cbWndExtra = 4;
    strip.hInstance = instance;
    strip.hCursor = LoadCursor(nullptr, IDC_ARROW);
    strip.hbrBackground = g_backBrush.Get();
    strip.lpszClassName = kStripClass;
    return RegisterClassExA(&strip) != 0;
}

void FreeStripResources() {
    g_backBrush.Reset();
    g_theme = ThemeApi{};
}

bool StripThemed() { return g_theme.active; }

void SetStripBackColour(COLORREF colour) {
    UniqueBrush fresh(CreateSolidBrush(colour));
    if (!fresh) return;
    // The class keeps the brush too; it must never point at the deleted one.
    if (Shell().strip) SetClassLongPtrA(Shell().strip, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(fresh.Get()));
    g_backBrush = std::move(fresh);
    if (Shell().strip) InvalidateRect(Shell().strip, nullptr, TRUE);
}

void RedrawStrip() {
    const HWND strip = Shell().strip;
    StripState* state = strip ? StateOf(strip) : nullptr;
    if (!state) return;
    SetupScroll(strip, *state);
    // Painted at the next WM_PAINT: a window DC drawn on outside it bypasses the composited main
    // window's buffer and flashes.
    InvalidateRect(strip, nullptr, TRUE);
}

UniqueMenu MakeStripContextMenu(int tileIndex) {
    UniqueMenu menu(LoadMenuA(Shell().instance ? Shell().instance : GetModuleHandleA(nullptr),
                              MAKEINTRESOURCEA(IDR_STRIP_MENU)));
    const HMENU popup = menu ? GetSubMenu(menu.Get(), 0) : nullptr;
    if (!popup) return UniqueMenu{};
    TranslatePopupMenu(popup);
    const TileRecord* tile = TileAt(tileIndex);
    if (!tile || !tile->hasExtra) EnableMenuItem(popup, IDM_STRIP_SAVE_EXTRA, MF_BYCOMMAND | MF_GRAYED);
    if (!tile || tile->diamond.empty())
        EnableMenuItem(popup, IDM_STRIP_SAVE_NORMAL, MF_BYCOMMAND | MF_GRAYED);
    return menu;
}

}  // namespace zelt
