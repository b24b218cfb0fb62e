// The viewer's settings dialog: the gradient background, the file-type registration and the
// slide show's step in seconds.
#include <windows.h>

#include <commctrl.h>

#include "editor/strings/Translate_win.h"
#include "editor/viewer/ViewerWindow_win.h"
#include "editor/winui/Message_win.h"
#include "resources/ResourceIds.h"

namespace zelt {

namespace {

INT_PTR CALLBACK SettingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* settings = reinterpret_cast<ViewerSettings*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            settings = reinterpret_cast<ViewerSettings*>(lParam);
            TranslateDialog(dialog);
            CheckDlgButton(dialog, IDC_VS_EXTENDED_UI, settings->extendedUiStyle ? BST_CHECKED : BST_UNCHECKED);
            SendDlgItemMessageA(dialog, IDC_VS_SECONDS_SPIN, UDM_SETRANGE32, 1, 100);
            SetDlgItemInt(dialog, IDC_VS_SECONDS, static_cast<UINT>(settings->slideShowDelay / 1000), FALSE);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_VS_ASSOCIATE: RegisterFileTypes(); return TRUE;
                case IDOK: {
                    BOOL valid = FALSE;
                    const UINT seconds = GetDlgItemInt(dialog, IDC_VS_SECONDS, &valid, FALSE);
                    // A step of 0 seconds would make the slide show spin; such a number is not taken.
                    if (valid && seconds >= 1 && seconds <= 100000) settings->slideShowDelay = static_cast<int>(seconds * 1000);
                    settings->extendedUiStyle = IsDlgButtonChecked(dialog, IDC_VS_EXTENDED_UI) == BST_CHECKED;
                    EndDialog(dialog, IDOK);
                    return TRUE;
                }
                case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
                default: break;
            }
            break;
        default: break;
    }
    return FALSE;
}

}  // namespace

bool ShowViewerSettingsDialog(HWND owner, ViewerSettings& settings) {
    HWND previousOwner = MessageOwner();
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_VIEWER_SETTINGS), owner,
                                           SettingsProc, reinterpret_cast<LPARAM>(&settings));
    SetMessageOwner(previousOwner);
    return result == IDOK;
}

}  // namespace zelt
