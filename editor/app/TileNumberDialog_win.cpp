#include "editor/app/TileNumberDialog_win.h"

#include <string>

#include "editor/app/TileNumber.h"
#include "editor/document/DocumentClass.h"
#include "editor/strings/Translate_win.h"
#include "editor/winui/DialogStyle_win.h"
#include "editor/winui/Message_win.h"
#include "resources/PanelIds.h"

namespace zelt {

namespace {

INT_PTR CALLBACK TileNumberProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    if (HandleDialogLook(dialog, message, wParam, lParam, result)) return result;
    auto* number = reinterpret_cast<int*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            SetMessageOwner(dialog);
            TranslateDialog(dialog);
            SetDlgItemTextA(dialog, IDC_TN_NUMBER, std::to_string(*reinterpret_cast<int*>(lParam)).c_str());
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                char text[64] = {};
                GetDlgItemTextA(dialog, IDC_TN_NUMBER, text, sizeof text);
                const std::optional<int> chosen = ParseTileNumber(text, TileCount());
                if (!chosen) {
                    // Taking a wrong number as OK would swap with a tile the user did not name.
                    ShowMessageKey(MB_ICONERROR | MB_OK, "MSG:NUMBERISWRONG");
                    SetFocus(GetDlgItem(dialog, IDC_TN_NUMBER));
                    return TRUE;
                }
                *number = *chosen;
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
        default: break;
    }
    return FALSE;
}

}  // namespace

bool AskTileNumber(HWND owner, int& number) {
    MessageOwnerScope messageOwner;
    int chosen = number;
    const INT_PTR result = DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_TILE_NUMBER), owner, TileNumberProc,
                                           reinterpret_cast<LPARAM>(&chosen));
    if (result != IDOK) return false;
    number = chosen;
    return true;
}

}  // namespace zelt
