#include "editor/editing/PropertiesPanel_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "common/WinHandles.h"
#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentUi.h"
#include "editor/document/NewTemplateRules.h"
#include "editor/editing/PanelFields.h"
#include "editor/editing/TileProperties.h"
#include "editor/settings/Settings.h"
#include "editor/strings/StringTable.h"
#include "editor/strings/Translate_win.h"
#include "editor/template/GameTables.h"
#include "editor/winui/ColourButton_win.h"
#include "editor/winui/DialogStyle_win.h"
#include "editor/winui/DisplayScale_win.h"
#include "editor/winui/Message_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/PanelIds.h"

namespace zelt {

namespace {

constexpr int kRampItemHeight = 60;  // at 96 dots per inch, as the ramp pictures are drawn
// When the panel scrolls: a line of the scroll bar, and the room kept below the lowest field.
constexpr int kScrollLine = 16;
constexpr int kContentMargin = 6;

struct PanelState {
    bool ready = false;          // set once the panel has filled its lists
    int filling = 0;             // > 0 while the panel writes its own fields
    int typing = 0;              // the field whose change is being applied; its text is the user's
    bool rangeChanging = false;  // showing or hiding the scroll bar resizes the panel meanwhile
    int wheel = 0;               // wheel movement short of a notch, kept for the next message
};
PanelState g_panel;

HWND Panel() { return Shell().panel; }

std::string FieldText(int id) {
    char text[64] = {};
    GetDlgItemTextA(Panel(), id, text, sizeof text);
    return text;
}

// Writes a number unless the field shows it already or the user is typing in it, so the caret stays.
void ShowNumber(int id, int64_t value) {
    if (id == g_panel.typing) return;
    const std::string text = std::to_string(value);
    if (FieldText(id) != text) SetDlgItemTextA(Panel(), id, text.c_str());
}

void EnableField(int id, bool enabled) { EnableWindow(GetDlgItem(Panel(), id), enabled); }

// The user's number in a field, as the value its setter takes.
void ApplyField(int id) {
    const std::optional<int64_t> number = ReadFieldNumber(FieldText(id));
    if (!number) return;
    const TemplateDocument& doc = Doc();
    g_panel.typing = id;
    switch (id) {
        case IDC_PANEL_X:
            if (auto pixels = PixelsOfHalfCells(*number, doc.cellW)) SetTileX(*pixels);
            break;
        case IDC_PANEL_Y:
            if (auto pixels = PixelsOfHalfCells(*number, doc.cellH)) SetTileY(*pixels);
            break;
        case IDC_PANEL_EXTRA_X:
            if (auto value = FitInt32(*number)) SetTileExtraX(*value);
            break;
        case IDC_PANEL_EXTRA_Y:
            if (auto value = FitInt32(*number)) SetTileExtraY(*value);
            break;
        case IDC_PANEL_HEIGHT:
            if (auto value = FitInt32(*number)) SetTileHeight(*value);
            break;
        default: break;
    }
    g_panel.typing = 0;
}

void OnTerrainChosen() {
    const int position = static_cast<int>(SendDlgItemMessageA(Panel(), IDC_PANEL_TERRAIN, CB_GETCURSEL, 0, 0));
    if (position == CB_ERR) return;
    if (IsUnsupportedTerrain(position)) {
        // The tile keeps its code; the list shows the refused name until the next refresh.
        ShowMessageKey(MB_ICONEXCLAMATION | MB_OK, "MSG:UNSUPPORTED1");
        return;
    }
    if (SetTerrainByName(position)) RequestRefresh(kRefreshWindowState);
}

void OnRampChosen() {
    const LRESULT position = SendDlgItemMessageA(Panel(), IDC_PANEL_RAMP, CB_GETCURSEL, 0, 0);
    if (position == CB_ERR) return;
    const auto ramp = static_cast<int32_t>(SendDlgItemMessageA(Panel(), IDC_PANEL_RAMP, CB_GETITEMDATA, position, 0));
    if (SetRampType(ramp)) RequestRefresh(kRefreshWindowState);
}

void OnColourChosen(int id) {
    const COLORREF colour = ColourButtonColour(GetDlgItem(Panel(), id));
    const bool stored = id == IDC_PANEL_LEFT_COLOUR ? SetLeftRadarColour(colour) : SetRightRadarColour(colour);
    if (stored) RequestRefresh(kRefreshWindowState);
}

void OnDamagedArtClicked() {
    const bool damaged = IsDlgButtonChecked(Panel(), IDC_PANEL_DAMAGED_ART) == BST_CHECKED;
    if (SetDamagedArtForAllTiles(damaged)) RequestRefresh(kRefreshWindowState | kRefreshPanel);
}

void DrawRampItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    const int ramp = static_cast<int>(item.itemData);
    if (ramp < 0 || ramp > kMaxRampType) return;
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    FillRect(dc, &box, GetSysColorBrush((item.itemState & ODS_SELECTED) ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemState & ODS_FOCUS) {
        RECT focus = box;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
    UniqueBitmap picture(static_cast<HBITMAP>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDB_RAMP_FIRST + ramp),
                                                         IMAGE_BITMAP, 0, 0, LR_LOADTRANSPARENT)));
    if (UniqueBitmap scaled = ScaleBitmapForDpi(picture.Get(), WindowDpi(item.hwndItem))) picture = std::move(scaled);
    BITMAP size{};
    if (picture && GetObjectA(picture.Get(), sizeof size, &size)) {
        UniqueMemoryDc source(CreateCompatibleDC(dc));
        SelectScope selected(source.Get(), picture.Get());
        const int x = (box.left + box.right - size.bmWidth) / 2;
        const int y = (box.top + box.bottom - size.bmHeight) / 2;
        BitBlt(dc, x, y, size.bmWidth, size.bmHeight, source.Get(), 0, 0, SRCCOPY);
        return;
    }
    char text[32] = {};
    std::snprintf(text, sizeof text, "Type: %02d", ramp);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor((item.itemState & ODS_SELECTED) ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextA(dc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// The panel scrolls when it is shorter than its fields, as a docked panel is on a low screen at a
// high density. Its content reaches to the lowest control, measured as if not scrolled, and a
// margin below it.
int ContentHeight(HWND panel) {
    int bottom = 0;
    for (HWND child = GetWindow(panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
        bottom = std::max(bottom, static_cast<int>(r.bottom));
    }
    return bottom + GetScrollPos(panel, SB_VERT) + ScaleForWindow(panel, kContentMargin);
}

// Moves every control by dy. The system's scrolling would leave the controls of a hidden panel
// where they were while its scroll bar moved on.
void MoveContent(HWND panel, int dy) {
    HDWP moves = BeginDeferWindowPos(32);
    for (HWND child = GetWindow(panel, GW_CHILD); child && moves; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
        moves = DeferWindowPos(moves, child, nullptr, r.left, r.top + dy, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves) EndDeferWindowPos(moves);
    // Painted at once, fields and all, so no stale copy of a field stays behind while scrolling.
    RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// The scroll bar takes the position it can (never past the end) and the content follows it.
void SetScrollPosition(HWND panel, SCROLLINFO& info) {
    const int before = GetScrollPos(panel, SB_VERT);
    info.cbSize = sizeof info;
    info.fMask |= SIF_POS;
    SetScrollInfo(panel, SB_VERT, &info, TRUE);
    const int after = GetScrollPos(panel, SB_VERT);
    if (after != before) MoveContent(panel, before - after);
}

void ScrollPanelTo(HWND panel, int position) {
    SCROLLINFO info{};
    info.nPos = position;
    SetScrollPosition(panel, info);
}

// After a resize: the range is the content, the page the panel's height. The bar shows only while
// the content is taller; a panel that grows brings back what it no longer needs to hide.
void UpdatePanelScroll(HWND panel) {
    if (g_panel.rangeChanging) return;
    g_panel.rangeChanging = true;
    RECT client{};
    GetClientRect(panel, &client);
    SCROLLINFO info{};
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = 0;
    info.nMax = ContentHeight(panel) - 1;
    info.nPage = static_cast<UINT>(std::max(0L, client.bottom));
    info.nPos = GetScrollPos(panel, SB_VERT);
    SetScrollPosition(panel, info);
    g_panel.rangeChanging = false;
}

void OnScrollBar(HWND panel, int request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(panel, SB_VERT, &info)) return;
    const int line = ScaleForWindow(panel, kScrollLine), page = static_cast<int>(info.nPage);
    int position = info.nPos;
    switch (request) {
        case SB_LINEUP: position -= line; break;
        case SB_LINEDOWN: position += line; break;
        case SB_PAGEUP: position -= page; break;
        case SB_PAGEDOWN: position += page; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = info.nTrackPos; break;
        case SB_TOP: position = info.nMin; break;
        case SB_BOTTOM: position = info.nMax; break;
        default: return;
    }
    ScrollPanelTo(panel, position);
}

// Whole notches scroll the user's number of lines each; what is left counts towards the next.
void OnWheel(HWND panel, int delta) {
    g_panel.wheel += delta;
    const int notches = g_panel.wheel / WHEEL_DELTA;
    if (notches == 0) return;
    g_panel.wheel -= notches * WHEEL_DELTA;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_PAGE | SIF_POS;
    if (!GetScrollInfo(panel, SB_VERT, &info)) return;
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int step = lines == WHEEL_PAGESCROLL ? static_cast<int>(info.nPage)
                                               : static_cast<int>(lines) * ScaleForWindow(panel, kScrollLine);
    ScrollPanelTo(panel, info.nPos - notches * step);
}

// The panel's own caption band, as high as a small caption; it scrolls with the fields.
void PaintCaption(HWND panel) {
    PaintScope paint(panel);
    RECT band;
    GetClientRect(panel, &band);
    band.top = -GetScrollPos(panel, SB_VERT);
    band.bottom = band.top + GetSystemMetrics(SM_CYSMCAPTION);
    FillRect(paint.Get(), &band, GetSysColorBrush(COLOR_ACTIVECAPTION));
    SelectScope font(paint.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(panel, WM_GETFONT, 0, 0)));
    SetBkMode(paint.Get(), TRANSPARENT);
    SetTextColor(paint.Get(), GetSysColor(COLOR_CAPTIONTEXT));
    band.left += 5;
    DrawTextA(paint.Get(), Lookup("GUI:PROPERTIES"), -1, &band, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void Initialise(HWND panel) {
    Shell().panel = panel;
    g_panel = PanelState{};
    TranslateDialog(panel);
    MakeColourButton(GetDlgItem(panel, IDC_PANEL_LEFT_COLOUR));
    MakeColourButton(GetDlgItem(panel, IDC_PANEL_RIGHT_COLOUR));
    for (const char* name : kTerrainNames)
        SendDlgItemMessageA(panel, IDC_PANEL_TERRAIN, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendDlgItemMessageA(panel, IDC_PANEL_TERRAIN, CB_SETCURSEL, 0, 0);
    // Owner-drawn without strings: the added value is the item's data, the ramp type.
    for (int ramp = 0; ramp <= kMaxRampType; ++ramp)
        SendDlgItemMessageA(panel, IDC_PANEL_RAMP, CB_ADDSTRING, 0, ramp);
    SendDlgItemMessageA(panel, IDC_PANEL_RAMP, CB_SETCURSEL, 0, 0);
    const struct {
        int spin, low, high;
    } ranges[] = {{IDC_PANEL_X_SPIN, -10, 10},
                  {IDC_PANEL_Y_SPIN, 0, 10},
                  {IDC_PANEL_EXTRA_X_SPIN, -100, 100},
                  {IDC_PANEL_EXTRA_Y_SPIN, -100, 100},
                  {IDC_PANEL_HEIGHT_SPIN, 0, 10}};
    ++g_panel.filling;  // setting a range may write the buddy field
    for (const auto& range : ranges) SendDlgItemMessageA(panel, range.spin, UDM_SETRANGE32, range.low, range.high);
    --g_panel.filling;
    g_panel.ready = true;
    RefreshPanel(-1);
    UpdatePanelScroll(panel);
}

INT_PTR CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: Initialise(panel); return TRUE;
        case WM_PAINT: PaintCaption(panel); return TRUE;
        case WM_SIZE: UpdatePanelScroll(panel); return TRUE;
        case WM_VSCROLL:
            if (lParam) return FALSE;  // an up-down control's, not the panel's own scroll bar
            OnScrollBar(panel, LOWORD(wParam));
            return TRUE;
        case WM_MOUSEWHEEL: OnWheel(panel, GET_WHEEL_DELTA_WPARAM(wParam)); return TRUE;
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (measure->CtlID != IDC_PANEL_RAMP) return FALSE;
            measure->itemHeight = static_cast<UINT>(ScaleForWindow(panel, kRampItemHeight));
            return TRUE;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID != IDC_PANEL_RAMP) return FALSE;
            DrawRampItem(*item);
            return TRUE;
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam), code = HIWORD(wParam);
            if (!g_panel.ready || g_panel.filling > 0) return FALSE;
            switch (id) {
                case IDC_PANEL_X:
                case IDC_PANEL_Y:
                case IDC_PANEL_EXTRA_X:
                case IDC_PANEL_EXTRA_Y:
                case IDC_PANEL_HEIGHT:
                    if (code == EN_CHANGE) ApplyField(id);
                    return TRUE;
                case IDC_PANEL_LEFT_COLOUR:
                case IDC_PANEL_RIGHT_COLOUR:
                    if (code == BN_CLICKED) ChooseButtonColour(GetDlgItem(panel, id));
                    if (code == kColourButtonChanged) OnColourChosen(id);
                    return TRUE;
                case IDC_PANEL_TERRAIN:
                    if (code == CBN_SELCHANGE) OnTerrainChosen();
                    return TRUE;
                case IDC_PANEL_RAMP:
                    if (code == CBN_SELCHANGE) OnRampChosen();
                    return TRUE;
                case IDC_PANEL_DAMAGED_ART:
                    if (code == BN_CLICKED) OnDamagedArtClicked();
                    return TRUE;
                case IDOK:
                case IDCANCEL: return TRUE;  // Enter and Escape do not close the panel
                default: break;
            }
            return FALSE;
        }
        case WM_DESTROY:
            if (Shell().panel == panel) Shell().panel = nullptr;
            g_panel = PanelState{};
            return FALSE;
        default: break;
    }
    return FALSE;
}

}  // namespace

HWND CreatePropertiesPanel(HWND parent, bool undocked) {
    HWND panel = CreateDialogParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_PROPERTIES_PANEL),
                                    undocked ? GetDesktopWindow() : parent, PanelProc, 0);
    if (!panel) return nullptr;
    if (undocked) {
        // A window of its own with a caption: the child style goes, the client keeps its size.
        RECT client;
        GetClientRect(panel, &client);
        const LONG_PTR style = (GetWindowLongPtrA(panel, GWL_STYLE) & ~WS_CHILD) | WS_POPUP | WS_CAPTION;
        SetWindowLongPtrA(panel, GWL_STYLE, style);
        AdjustWindowRectForDpi(client, static_cast<DWORD>(style), false,
                               static_cast<DWORD>(GetWindowLongPtrA(panel, GWL_EXSTYLE)), WindowDpi(panel));
        SetWindowTextA(panel, Lookup("GUI:PROPERTIES"));
        SetWindowPos(panel, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    ShowWindow(panel, SW_SHOWNA);
    return panel;
}

void RefreshPanel(int tileIndex) {
    HWND panel = Panel();
    const TileRecord* tile = TileAt(tileIndex);
    if (!panel || !tile) return;
    const TemplateDocument& doc = Doc();
    ++g_panel.filling;
    EnableField(IDC_PANEL_X, true);
    EnableField(IDC_PANEL_Y, true);
    ShowNumber(IDC_PANEL_X, HalfCellsOfPixels(tile->x, doc.cellW));
    ShowNumber(IDC_PANEL_Y, HalfCellsOfPixels(tile->y, doc.cellH));
    SetColourButtonColour(GetDlgItem(panel, IDC_PANEL_LEFT_COLOUR), tile->leftRadar);
    SetColourButtonColour(GetDlgItem(panel, IDC_PANEL_RIGHT_COLOUR), tile->rightRadar);
    if (g_settings.quickEditMode) RequestRefresh(kRefreshHotButtons);
    for (int id : {IDC_PANEL_EXTRA_X, IDC_PANEL_EXTRA_Y, IDC_PANEL_EXTRA_X_SPIN, IDC_PANEL_EXTRA_Y_SPIN})
        EnableField(id, tile->hasExtra);
    if (tile->hasExtra) {
        ShowNumber(IDC_PANEL_EXTRA_X, tile->extraX);
        ShowNumber(IDC_PANEL_EXTRA_Y, tile->extraY);
    }
    ShowNumber(IDC_PANEL_HEIGHT, tile->height);
    const std::optional<int> terrain = TerrainNameOfCode(tile->terrainCode);
    SendDlgItemMessageA(panel, IDC_PANEL_TERRAIN, CB_SETCURSEL, terrain ? static_cast<WPARAM>(*terrain) : WPARAM(-1), 0);
    const bool rampListed = tile->rampType >= 0 && tile->rampType <= kMaxRampType;
    SendDlgItemMessageA(panel, IDC_PANEL_RAMP, CB_SETCURSEL, rampListed ? static_cast<WPARAM>(tile->rampType) : WPARAM(-1), 0);
    CheckDlgButton(panel, IDC_PANEL_DAMAGED_ART, tile->damagedArt ? BST_CHECKED : BST_UNCHECKED);
    --g_panel.filling;
}

void EnablePanel(bool enabled) {
    if (!Panel()) return;
    for (int id : {IDC_PANEL_X, IDC_PANEL_Y, IDC_PANEL_EXTRA_X, IDC_PANEL_EXTRA_Y, IDC_PANEL_X_SPIN, IDC_PANEL_Y_SPIN,
                   IDC_PANEL_EXTRA_X_SPIN, IDC_PANEL_EXTRA_Y_SPIN, IDC_PANEL_HEIGHT, IDC_PANEL_HEIGHT_SPIN,
                   IDC_PANEL_LEFT_COLOUR, IDC_PANEL_RIGHT_COLOUR, IDC_PANEL_TERRAIN, IDC_PANEL_RAMP,
                   IDC_PANEL_DAMAGED_ART})
        EnableField(id, enabled);
    // The extra image fields follow the tile.
    if (enabled) RefreshPanel(-1);
}

void ShowPanelPaletteName(const std::string& name) {
    if (Panel()) SetDlgItemTextA(Panel(), IDC_PANEL_PALETTE, name.c_str());
}

}  // namespace zelt
