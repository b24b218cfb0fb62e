#include "editor/interchange/CropDialogs_win.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "common/WinHandles.h"
#include "editor/interchange/CanvasPicture.h"
#include "editor/interchange/CropArithmetic.h"
#include "editor/render/DibCanvas_win.h"
#include "editor/render/TemplateRender.h"
#include "editor/settings/Settings.h"
#include "editor/strings/Translate_win.h"
#include "editor/winui/DialogStyle_win.h"
#include "editor/winui/Message_win.h"
#include "resources/InterchangeIds.h"
#include "resources/ResourceIds.h"

namespace zelt {

namespace {

struct CropState {
    bool extra = false;
    std::string name;
    const ColourImage* picture = nullptr;
    int cellW = 0;
    int cellH = 0;
    CropRect rect;       // width and height are the cell's for a normal image
    bool ready = false;  // field changes count only once the dialog has opened
    DibCanvas shown;     // the picture with the marks, as the preview stretches it
};

CropState* StateOf(HWND dialog) {
    return reinterpret_cast<CropState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

int PictureWidth(const CropState& s) {
    return s.picture->width;
}
int PictureHeight(const CropState& s) {
    return s.picture->height;
}

void ComposePreview(CropState& s) {
    if (!CanvasFromPixels(*s.picture, s.shown)) return;
    if (s.extra)
        DrawExtraCropMarks(s.shown, s.rect);
    else
        DrawSelectionMarker(s.shown, s.rect.x, s.rect.y, s.cellW, s.cellH, g_settings.useInvertTileSelect);
}

void RepaintPreview(HWND dialog, CropState& s) {
    ComposePreview(s);
    InvalidateRect(GetDlgItem(dialog, IDC_CROP_PREVIEW), nullptr, FALSE);
}

void DrawPreview(const DRAWITEMSTRUCT& item, const CropState& s) {
    const RECT& r = item.rcItem;
    if (!s.shown.Bits()) {
        FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    const int oldMode = SetStretchBltMode(item.hDC, COLORONCOLOR);
    StretchCanvas(item.hDC, s.shown, r.left, r.top, r.right - r.left, r.bottom - r.top);
    SetStretchBltMode(item.hDC, oldMode);
}

int FieldValue(HWND dialog, int id) {
    BOOL read = FALSE;
    const int value = static_cast<int>(GetDlgItemInt(dialog, id, &read, TRUE));
    return read ? std::max(value, 0) : 0;
}

// A field's text changed: the state follows the fields, clamped; the fields keep what was typed.
void ReadFields(HWND dialog, CropState& s) {
    if (s.extra) {
        const CropRect typed{FieldValue(dialog, IDC_CROP_X), FieldValue(dialog, IDC_CROP_Y),
                             FieldValue(dialog, IDC_CROP_WIDTH), FieldValue(dialog, IDC_CROP_HEIGHT)};
        s.rect = ClampExtraCrop(typed, PictureWidth(s), PictureHeight(s));
    } else {
        s.rect.x = ClampNormalCrop(FieldValue(dialog, IDC_CROP_X), PictureWidth(s), s.cellW);
        s.rect.y = ClampNormalCrop(FieldValue(dialog, IDC_CROP_Y), PictureHeight(s), s.cellH);
    }
    RepaintPreview(dialog, s);
}

void SetSpinRange(HWND dialog, int spin, int maximum) {
    SendDlgItemMessageA(dialog, spin, UDM_SETRANGE32, 0, maximum);
}

// Releasing the button over the preview centres the window or rectangle on that point.
void ClickPreview(HWND dialog, CropState& s, LPARAM point) {
    HWND preview = GetDlgItem(dialog, IDC_CROP_PREVIEW);
    RECT r{};
    GetWindowRect(preview, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    const POINT p{static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    if (!PtInRect(&r, p)) return;
    const int x = CropFromClick(p.x - r.left, r.right - r.left, PictureWidth(s), s.rect.width);
    const int y = CropFromClick(p.y - r.top, r.bottom - r.top, PictureHeight(s), s.rect.height);
    const bool ready = s.ready;
    s.ready = false;  // one repaint for both fields
    SetDlgItemInt(dialog, IDC_CROP_X, static_cast<UINT>(x), TRUE);
    SetDlgItemInt(dialog, IDC_CROP_Y, static_cast<UINT>(y), TRUE);
    s.ready = ready;
    ReadFields(dialog, s);
}

void Move(HWND dialog, int id, int x, int y) {
    if (HWND control = GetDlgItem(dialog, id))
        SetWindowPos(control, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Place(HWND dialog, int id, int x, int y, int w, int h) {
    if (HWND control = GetDlgItem(dialog, id))
        SetWindowPos(control, nullptr, x, y, std::max(w, 0), std::max(h, 0), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Layout(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    const int cw = client.right, ch = client.bottom;
    Place(dialog, IDC_CROP_NAME, 12, 30, cw - 24, 23);
    Place(dialog, IDC_CROP_PREVIEW, 12, 64, cw - 24, ch - 172);
    Move(dialog, IDC_CROP_GROUP, 12, ch - 102);
    Move(dialog, IDOK, 87, ch - 33);
    Move(dialog, IDCANCEL, 169, ch - 33);
    struct Field {
        int label, edit, spin, x, spinX;
    };
    const Field fields[] = {{IDC_CROP_X_LABEL, IDC_CROP_X, IDC_CROP_X_SPIN, 33, 93},
                            {IDC_CROP_Y_LABEL, IDC_CROP_Y, IDC_CROP_Y_SPIN, 131, 192},
                            {IDC_CROP_WIDTH_LABEL, IDC_CROP_WIDTH, IDC_CROP_WIDTH_SPIN, 229, 289},
                            {IDC_CROP_HEIGHT_LABEL, IDC_CROP_HEIGHT, IDC_CROP_HEIGHT_SPIN, 327, 387}};
    for (const Field& f : fields) {
        Move(dialog, f.edit, f.x, ch - 80);
        Move(dialog, f.spin, f.spinX, ch - 80);
        Move(dialog, f.label, f.x - 18, ch - 76);
    }
    Move(dialog, IDC_CROP_CELL, 242, ch - 91);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Open(HWND dialog, CropState& s) {
    SetMessageOwner(dialog);
    TranslateDialog(dialog);
    SetSmallProgramIcon(dialog);
    SetDlgItemTextA(dialog, IDC_CROP_NAME, s.name.c_str());
    const std::string cell = std::to_string(s.cellW) + "x" + std::to_string(s.cellH);
    SetDlgItemTextA(dialog, IDC_CROP_CELL, cell.c_str());
    SetSpinRange(dialog, IDC_CROP_X_SPIN, CropSpinMaximum(PictureWidth(s), s.cellW));
    SetSpinRange(dialog, IDC_CROP_Y_SPIN, CropSpinMaximum(PictureHeight(s), s.cellH));
    SetDlgItemInt(dialog, IDC_CROP_X, static_cast<UINT>(s.rect.x), TRUE);
    SetDlgItemInt(dialog, IDC_CROP_Y, static_cast<UINT>(s.rect.y), TRUE);
    if (s.extra) {
        SetSpinRange(dialog, IDC_CROP_WIDTH_SPIN, PictureWidth(s));
        SetSpinRange(dialog, IDC_CROP_HEIGHT_SPIN, PictureHeight(s));
        SetDlgItemInt(dialog, IDC_CROP_WIDTH, static_cast<UINT>(s.rect.width), TRUE);
        SetDlgItemInt(dialog, IDC_CROP_HEIGHT, static_cast<UINT>(s.rect.height), TRUE);
    }
    Layout(dialog);
    RepaintPreview(dialog, s);
    s.ready = true;
}

bool IsField(int id) {
    return id == IDC_CROP_X || id == IDC_CROP_Y || id == IDC_CROP_WIDTH || id == IDC_CROP_HEIGHT;
}

INT_PTR CALLBACK CropProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        Open(dialog, *reinterpret_cast<CropState*>(lParam));
        SetFocus(GetDlgItem(dialog, IDC_CROP_X));  // the position, not the read-only name
        return FALSE;
    }
    CropState* s = StateOf(dialog);
    if (!s) return FALSE;
    switch (message) {
        case WM_SIZE:
            Layout(dialog);
            return TRUE;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {s->extra ? 440 : 334, 334};
            return TRUE;
        }
        case WM_DRAWITEM:
            if (wParam != IDC_CROP_PREVIEW) return FALSE;
            DrawPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), *s);
            return TRUE;
        case WM_LBUTTONUP:
            ClickPreview(dialog, *s, lParam);
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wParam) == EN_CHANGE && IsField(LOWORD(wParam))) {
                if (s->ready) ReadFields(dialog, *s);
                return TRUE;
            }
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            break;
        default:
            break;
    }
    return FALSE;
}

bool RunCropDialog(HWND owner, int dialogId, CropState& state) {
    if (!state.picture || state.picture->width < 1 || state.picture->height < 1) return false;
    MessageOwnerScope messageOwner;
    return DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(dialogId), owner, CropProc,
                           reinterpret_cast<LPARAM>(&state)) == IDOK;
}

}  // namespace

bool ShowNormalImageCrop(HWND owner, const std::string& name, const ColourImage& picture, int cellW,
                         int cellH, int& x, int& y) {
    auto state = std::make_unique<CropState>();
    state->name = name;
    state->picture = &picture;
    state->cellW = cellW;
    state->cellH = cellH;
    state->rect = {0, 0, cellW, cellH};
    if (!RunCropDialog(owner, IDD_CROP_NORMAL, *state)) return false;
    x = state->rect.x;
    y = state->rect.y;
    return true;
}

bool ShowExtraImageCrop(HWND owner, const std::string& name, const ColourImage& picture, int cellW, int cellH,
                        CropRect& rect) {
    auto state = std::make_unique<CropState>();
    state->extra = true;
    state->name = name;
    state->picture = &picture;
    state->cellW = cellW;
    state->cellH = cellH;
    state->rect = {0, 0, picture.width, picture.height};
    if (!RunCropDialog(owner, IDD_CROP_EXTRA, *state)) return false;
    rect = state->rect;
    return true;
}

}  // namespace zelt
