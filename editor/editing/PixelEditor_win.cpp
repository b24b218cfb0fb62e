#include "editor/editing/PixelEditor_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "common/WinHandles.h"
#include "editor/document/DocumentClass.h"
#include "editor/editing/PixelEditorRules.h"
#include "editor/render/DibCanvas_win.h"
#include "editor/strings/Translate_win.h"
#include "editor/winui/DialogStyle_win.h"
#include "editor/winui/DisplayScale_win.h"
#include "editor/winui/Message_win.h"
#include "resources/PixelEditorIds.h"

namespace zelt {

namespace {

// The editor is modal, so there is one state; its colour and selection outlive each opening.
PixelEditorState g_editor;
// The toolbar's pictures at the dialog's density; the toolbar shows them but does not own them.
UniqueImageList g_toolImages;

// Lengths at 96 dots per inch, scaled to the dialog's density as its template's controls are.
constexpr int kToolbarX = 10;
constexpr int kToolbarY = 300;
constexpr int kToolbarMaxHeight = 50;
// Room the tool bar leaves right of it in the dialog's client area.
constexpr int kToolbarRightMargin = 60;
constexpr int kMinimumSide = 200;
// The tool pictures: squares of 16 pixels at 96 dots per inch on a light grey the toolbar shows as
// its own face.
constexpr int kToolImageSide = 16;
constexpr COLORREF kToolImageKey = RGB(192, 192, 192);

struct ToolButton {
    int command;
    const char* text;
    int image;
    int tool;
};
constexpr ToolButton kToolButtons[] = {
    {IDC_PE_PENCIL, "Pencil", 0, kToolPencil}, {IDC_PE_LINE, "Line", 1, kToolLine},
    {IDC_PE_FRAME, "Frame", 2, kToolFrame},    {IDC_PE_RECT, "Rect", 3, kToolRect},
    {IDC_PE_ERASE, "Erase", 4, kToolErase},
};

uint32_t ButtonFaceColour() {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return (uint32_t{GetRValue(face)} << 16) | (uint32_t{GetGValue(face)} << 8) | GetBValue(face);
}

SIZE ClientSize(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return SIZE{r.right, r.bottom};
}

ImageView ViewOf(HWND area) {
    const SIZE size = ClientSize(area);
    return ComputeImageView(size.cx, size.cy, Doc().cellW, Doc().cellH);
}

std::optional<PixelPoint> PixelAt(HWND area, LPARAM point) {
    return ImagePixelAt(ViewOf(area), Doc().cellW, Doc().cellH, GET_X_LPARAM(point), GET_Y_LPARAM(point));
}

void Repaint(HWND area) {
    InvalidateRect(area, nullptr, FALSE);
}

// Frees the mouse: the cursor may leave the area again and the area lets go of the capture.
void FreeMouse() {
    ClipCursor(nullptr);
    if (GetCapture()) ReleaseCapture();
}

// A drag that cannot finish on the image (the mouse lost, the dialog deactivated or closing)
// leaves neither a half-drawn shape nor a trapped cursor.
void EndDragAbruptly(HWND dialog) {
    FreeMouse();
    if (AbandonDrag(g_editor)) Repaint(GetDlgItem(dialog, IDC_PE_CANVAS));
}

void PaintCanvasArea(HWND area, HDC dc) {
    const SIZE size = ClientSize(area);
    RECT all{0, 0, size.cx, size.cy};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    const ImageView view = ViewOf(area);
    if (Doc().palette) g_editor.image.palette = *Doc().palette;
    DibCanvas canvas;
    if (RenderMagnifiedImage(g_editor, view.scale, ButtonFaceColour(), canvas))
        DrawCanvas(dc, canvas, view.offX, view.offY);
}

LRESULT CALLBACK CanvasAreaProc(HWND area, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PaintScope paint(area);
            PaintCanvasArea(area, paint.Get());
            return 0;
        }
        case WM_PRINTCLIENT:
            PaintCanvasArea(area, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONDOWN: {
            const std::optional<PixelPoint> p = PixelAt(area, lParam);
            if (!p) return 0;
            SetCapture(area);
            RECT confine{};
            GetWindowRect(area, &confine);
            ClipCursor(&confine);
            if (PressAt(g_editor, *p)) Repaint(area);
            return 0;
        }
        case WM_MOUSEMOVE: {
            if (!g_editor.dragging) return 0;
            const std::optional<PixelPoint> p = PixelAt(area, lParam);
            if (p ? DragTo(g_editor, *p) : DragOutside(g_editor)) Repaint(area);
            return 0;
        }
        case WM_LBUTTONUP: {
            // A release outside the image ends the drag as well: the cursor is never left confined
            // to an area whose button is no longer down.
            const std::optional<PixelPoint> p = PixelAt(area, lParam);
            const bool changed = p ? ReleaseAt(g_editor, *p) : AbandonDrag(g_editor);
            FreeMouse();
            if (changed) Repaint(area);
            return 0;
        }
        case WM_CAPTURECHANGED:
        case WM_CANCELMODE:
            ClipCursor(nullptr);
            if (AbandonDrag(g_editor)) Repaint(area);
            return 0;
        default:
            return DefWindowProcA(area, message, wParam, lParam);
    }
}

void PaintPaletteArea(HWND area, HDC dc) {
    const SIZE size = ClientSize(area);
    RECT all{0, 0, size.cx, size.cy};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    const PaletteGridView view = ComputePaletteGridView(size.cx, size.cy);
    const PaletteTable palette = Doc().palette ? *Doc().palette : PaletteTable{};
    DibCanvas canvas;
    if (RenderPaletteGrid(palette, g_editor.colour, view, canvas))
        DrawCanvas(dc, canvas, view.offX, view.offY);
}

LRESULT CALLBACK PaletteAreaProc(HWND area, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PaintScope paint(area);
            PaintPaletteArea(area, paint.Get());
            return 0;
        }
        case WM_PRINTCLIENT:
            PaintPaletteArea(area, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONUP: {
            const SIZE size = ClientSize(area);
            const std::optional<int> index = PaletteIndexAt(ComputePaletteGridView(size.cx, size.cy),
                                                            GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            if (index) {
                g_editor.colour = *index;
                Repaint(area);
            }
            return 0;
        }
        default:
            return DefWindowProcA(area, message, wParam, lParam);
    }
}

// The tool bar's height: at most 50 pixels, and never over the palette area below it, whose top
// rows it would hide.
int ToolbarHeight(HWND dialog) {
    RECT palette{};
    GetWindowRect(GetDlgItem(dialog, IDC_PE_PALETTE), &palette);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&palette), 2);
    return std::max(0, std::min(ScaleForWindow(dialog, kToolbarMaxHeight),
                                static_cast<int>(palette.top) - ScaleForWindow(dialog, kToolbarY)));
}

// As wide as the client area less the margin, at creation as on every resize, so that every tool
// can be reached as soon as the dialog opens.
int ToolbarWidth(HWND dialog, int clientWidth) {
    return std::max(0, clientWidth - ScaleForWindow(dialog, kToolbarRightMargin));
}

// Scaled with each pixel repeated rather than blended, so the key colour stays exact and the edges
// hard. The old pictures go only once the toolbar shows the new ones.
void SetToolImages(HWND toolbar, int dpi) {
    UniqueBitmap strip(static_cast<HBITMAP>(
        LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDB_PIXEL_TOOLS), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (UniqueBitmap scaled = ScaleBitmapForDpi(strip.Get(), dpi)) strip = std::move(scaled);
    const int side = ScaleForDpi(kToolImageSide, dpi);
    UniqueImageList images(
        ImageList_Create(side, side, ILC_COLOR24 | ILC_MASK, static_cast<int>(std::size(kToolButtons)), 0));
    if (!strip || !images || ImageList_AddMasked(images.Get(), strip.Get(), kToolImageKey) < 0) return;
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.Get()));
    SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
    g_toolImages = std::move(images);
    InvalidateRect(toolbar, nullptr, TRUE);
}

HWND CreateToolbar(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                   WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NODIVIDER |
                                       CCS_NOPARENTALIGN | CCS_NORESIZE,
                                   ScaleForWindow(dialog, kToolbarX), ScaleForWindow(dialog, kToolbarY),
                                   ToolbarWidth(dialog, client.right), ToolbarHeight(dialog), dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PE_TOOLBAR)),
                                   ResourceModule(), nullptr);
    if (!toolbar) return nullptr;
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SetToolImages(toolbar, WindowDpi(dialog));
    TBBUTTON buttons[std::size(kToolButtons)] = {};
    for (size_t i = 0; i < std::size(kToolButtons); ++i) {
        buttons[i].iBitmap = kToolButtons[i].image;
        buttons[i].idCommand = kToolButtons[i].command;
        buttons[i].fsState = TBSTATE_ENABLED | (kToolButtons[i].tool == kToolPencil ? TBSTATE_CHECKED : 0);
        buttons[i].fsStyle = BTNS_CHECKGROUP;
        buttons[i].iString = reinterpret_cast<INT_PTR>(kToolButtons[i].text);
    }
    SendMessageA(toolbar, TB_ADDBUTTONSA, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
    return toolbar;
}

// The tool of a tool command; Select has no button but is taken when asked for.
std::optional<int> ToolOfCommand(int command) {
    if (command == IDC_PE_SELECT) return kToolSelect;
    for (const ToolButton& button : kToolButtons) {
        if (button.command == command) return button.tool;
    }
    return std::nullopt;
}

INT_PTR CALLBACK PixelEditorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    if (HandleDialogLook(dialog, message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_INITDIALOG:
            SetMessageOwner(dialog);
            TranslateDialog(dialog);
            SetWindowLongPtrA(GetDlgItem(dialog, IDC_PE_CANVAS), GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(CanvasAreaProc));
            SetWindowLongPtrA(GetDlgItem(dialog, IDC_PE_PALETTE), GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(PaletteAreaProc));
            CreateToolbar(dialog);
            return TRUE;
        case WM_COMMAND: {
            const int command = LOWORD(wParam);
            if (command == IDOK || command == IDCANCEL) {
                EndDragAbruptly(dialog);
                EndDialog(dialog, command == IDOK ? 1 : 0);
                return TRUE;
            }
            if (const std::optional<int> tool = ToolOfCommand(command)) {
                g_editor.tool = *tool;
                return TRUE;
            }
            break;
        }
        case WM_SIZE:
            if (HWND toolbar = GetDlgItem(dialog, IDC_PE_TOOLBAR))
                MoveWindow(toolbar, ScaleForWindow(dialog, kToolbarX), ScaleForWindow(dialog, kToolbarY),
                           ToolbarWidth(dialog, LOWORD(lParam)), ToolbarHeight(dialog), TRUE);
            return TRUE;
        case kDpiChangedMessage:
            if (HWND toolbar = GetDlgItem(dialog, IDC_PE_TOOLBAR)) SetToolImages(toolbar, HIWORD(wParam));
            TakeSuggestedRect(dialog, lParam);
            return TRUE;
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            const int side = ScaleForWindow(dialog, kMinimumSide);
            limits->ptMinTrackSize = POINT{side, side};
            return TRUE;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) EndDragAbruptly(dialog);
            break;
        case WM_ACTIVATEAPP:
            if (!wParam) EndDragAbruptly(dialog);
            break;
        case WM_DESTROY:
            EndDragAbruptly(dialog);
            break;
        default:
            break;
    }
    return FALSE;
}

}  // namespace

bool OpenPixelEditor(HWND owner) {
    const TemplateDocument& doc = Doc();
    const TileRecord* tile = TileAt(-1);
    if (!tile || !BeginPixelEditing(g_editor, *tile, doc.cellW, doc.cellH)) return false;
    INT_PTR result = 0;
    {
        MessageOwnerScope messageOwner;
        result =
            DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_PIXEL_EDITOR), owner, PixelEditorProc, 0);
    }
    g_toolImages.Reset();  // the toolbar that showed them is gone
    ClipCursor(nullptr);  // whichever way the dialog ended
    const bool applied = result == 1 && ApplyPixelEdit(g_editor.image);
    g_editor.image.Destroy();
    g_editor.backup.Destroy();
    return applied;
}

}  // namespace zelt
