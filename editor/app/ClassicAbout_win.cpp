#include "editor/app/ClassicAbout_win.h"

#include <cstdio>
#include <string>

#include "common/WinHandles.h"
#include "editor/strings/StringTable.h"
#include "editor/strings/Translate_win.h"
#include "editor/winui/DialogStyle_win.h"
#include "editor/winui/Message_win.h"
#include "resources/PanelIds.h"

namespace zelt {

namespace {

constexpr double kVersion = 1.0;

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            SetMessageOwner(dialog);
            TranslateDialog(dialog);
            SendDlgItemMessageA(dialog, IDC_ABOUT_NAME, WM_SETFONT, static_cast<WPARAM>(lParam), FALSE);
            char version[32] = {};
            std::snprintf(version, sizeof version, "%1.3f", kVersion);
            SetDlgItemTextA(dialog, IDC_ABOUT_VERSION, (std::string(Lookup("GUI:VERSION")) + " " + version).c_str());
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            break;
        default: break;
    }
    return FALSE;
}

}  // namespace

void ShowClassicAbout(HWND owner) {
    MessageOwnerScope messageOwner;
    // The product name in a large bold, underlined, fixed-pitch face; freed once the dialog is gone.
    UniqueFont nameFont(CreateFontA(30, 0, 0, 0, FW_BOLD, FALSE, TRUE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier"));
    DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_CLASSIC_ABOUT), owner, AboutProc,
                    reinterpret_cast<LPARAM>(nameFont.Get()));
}

}  // namespace zelt
