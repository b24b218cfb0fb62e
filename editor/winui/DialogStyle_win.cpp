#include "editor/winui/DialogStyle_win.h"

#include "editor/settings/Settings.h"
#include "editor/winui/Message_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/ResourceIds.h"

namespace zelt {

void FillVerticalGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom) {
    auto channel = [](COLORREF colour, int shift) { return static_cast<COLOR16>(((colour >> shift) & 0xFF) << 8); };
    TRIVERTEX vertices[2] = {
        {rect.left, rect.top, channel(top, 0), channel(top, 8), channel(top, 16), 0},
        {rect.right, rect.bottom, channel(bottom, 0), channel(bottom, 8), channel(bottom, 16), 0},
    };
    GRADIENT_RECT gradient{0, 1};
    GradientFill(dc, vertices, 2, &gradient, 1, GRADIENT_FILL_RECT_V);
}

bool HandleGradientBackground(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, COLORREF top,
                              COLORREF bottom, INT_PTR& result) {
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(dialog, &client);
        FillVerticalGradient(reinterpret_cast<HDC>(wParam), client, top, bottom);
        result = TRUE;
        return true;
    }
    if (message == WM_CTLCOLORSTATIC) {
        // Only the plain texts: read-only edits and check boxes ask the same question.
        char className[16] = {};
        GetClassNameA(reinterpret_cast<HWND>(lParam), className, sizeof className);
        if (lstrcmpiA(className, "Static") != 0) return false;
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        result = reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
        return true;
    }
    return false;
}

bool HandleDialogLook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    return g_settings.useEuiStyle && HandleGradientBackground(dialog, message, wParam, lParam,
                                                              GetSysColor(COLOR_ACTIVECAPTION), RGB(255, 255, 255),
                                                              result);
}

void SetSmallProgramIcon(HWND window) {
    if (HANDLE icon = LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDI_APPLICATION_ICON), IMAGE_ICON,
                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED))
        SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

MessageOwnerScope::MessageOwnerScope() : previous_(MessageOwner()) {}
MessageOwnerScope::~MessageOwnerScope() { SetMessageOwner(previous_); }

HINSTANCE ResourceModule() { return Shell().instance ? Shell().instance : GetModuleHandleA(nullptr); }

}  // namespace zelt
