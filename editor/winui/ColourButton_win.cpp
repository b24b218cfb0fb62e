#include "editor/winui/ColourButton_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include "common/WinHandles.h"
#include "editor/settings/Settings.h"

namespace zelt {

namespace {

constexpr char kColourProperty[] = "CP_Color";
constexpr UINT_PTR kSubclassId = 0x4350;

COLORREF g_customColours[16] = {};

// The button paints itself, then the swatch over its face.
LRESULT CALLBACK ColourButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_NCDESTROY) {
        RemovePropA(button, kColourProperty);
        RemoveWindowSubclass(button, ColourButtonProc, kSubclassId);
        return DefSubclassProc(button, message, wParam, lParam);
    }
    const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
    // Every message after which the button may have drawn its face again.
    const bool redrawn = message == WM_PAINT || message == BM_SETSTATE || message == WM_SETFOCUS ||
                         message == WM_KILLFOCUS || message == WM_ENABLE || message == WM_MOUSELEAVE ||
                         message == WM_UPDATEUISTATE;
    if (redrawn && IsWindowVisible(button)) {
        RECT face;
        GetClientRect(button, &face);
        InflateRect(&face, -2 * GetSystemMetrics(SM_CXEDGE), -2 * GetSystemMetrics(SM_CYEDGE));
        if (face.right <= face.left || face.bottom <= face.top) return result;
        WindowDc dc(button);
        UniqueBrush swatch(CreateSolidBrush(ColourButtonColour(button)));
        FillRect(dc.Get(), &face, swatch.Get());
        FrameRect(dc.Get(), &face, GetSysColorBrush(IsWindowEnabled(button) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    }
    return result;
}

}  // namespace

void MakeColourButton(HWND button, COLORREF colour) {
    SetWindowTextA(button, "");
    SetPropA(button, kColourProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(colour)));
    SetWindowSubclass(button, ColourButtonProc, kSubclassId, 0);
    InvalidateRect(button, nullptr, TRUE);
}

COLORREF ColourButtonColour(HWND button) {
    return static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropA(button, kColourProperty)));
}

void SetColourButtonColour(HWND button, COLORREF colour) {
    SetPropA(button, kColourProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(colour & 0xFFFFFF)));
    InvalidateRect(button, nullptr, TRUE);
    UpdateWindow(button);
}

bool ChooseButtonColour(HWND button) {
    CHOOSECOLORA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = button;
    chooser.rgbResult = ColourButtonColour(button);
    chooser.lpCustColors = g_customColours;
    chooser.Flags = CC_RGBINIT | CC_ANYCOLOR | (g_settings.cpShowFull ? CC_FULLOPEN : 0);
    if (!ChooseColorA(&chooser)) return false;
    SetColourButtonColour(button, chooser.rgbResult);
    SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), kColourButtonChanged),
                 reinterpret_cast<LPARAM>(button));
    return true;
}

}  // namespace zelt
