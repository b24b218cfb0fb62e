#include "editor/document/SaveOptionsDialog_win.h"

#include "editor/document/DocumentClass.h"
#include "editor/document/SaveOptionsRules.h"
#include "editor/strings/Translate_win.h"
#include "editor/winui/DialogStyle_win.h"
#include "editor/winui/Message_win.h"
#include "resources/PanelIds.h"

namespace zelt {

namespace {

void EnableSignatureField(HWND dialog) {
    EnableWindow(GetDlgItem(dialog, IDC_SO_SIGNATURE), IsDlgButtonChecked(dialog, IDC_SO_INCLUDE_SIGNATURE) == BST_CHECKED);
}

INT_PTR CALLBACK SaveOptionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: {
            SetMessageOwner(dialog);
            TranslateDialog(dialog);
            const TemplateDocument& doc = Doc();
            CheckDlgButton(dialog, IDC_SO_LEAVE_Z_OUT, doc.leaveZOut ? BST_CHECKED : BST_UNCHECKED);
            CheckDlgButton(dialog, IDC_SO_INCLUDE_SIGNATURE, doc.includeSignature ? BST_CHECKED : BST_UNCHECKED);
            SendDlgItemMessageA(dialog, IDC_SO_SIGNATURE, EM_LIMITTEXT, kMaxSignatureLength, 0);
            SetDlgItemTextA(dialog, IDC_SO_SIGNATURE, doc.signature.c_str());
            EnableSignatureField(dialog);
            return TRUE;
        }
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_SO_INCLUDE_SIGNATURE: EnableSignatureField(dialog); return TRUE;
                case IDC_SO_RESET:
                    CheckDlgButton(dialog, IDC_SO_LEAVE_Z_OUT, BST_UNCHECKED);
                    CheckDlgButton(dialog, IDC_SO_INCLUDE_SIGNATURE, BST_UNCHECKED);
                    SetDlgItemTextA(dialog, IDC_SO_SIGNATURE, "");
                    EnableSignatureField(dialog);
                    return TRUE;
                case IDOK: {
                    // UTF-8: up to three bytes for each character the edit takes; the rules cut it.
                    char signature[3 * kMaxSignatureLength + 1] = {};
                    GetDlgItemTextA(dialog, IDC_SO_SIGNATURE, signature, sizeof signature);
                    StoreSaveOptions(IsDlgButtonChecked(dialog, IDC_SO_LEAVE_Z_OUT) == BST_CHECKED,
                                     IsDlgButtonChecked(dialog, IDC_SO_INCLUDE_SIGNATURE) == BST_CHECKED, signature);
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

void SaveOptionsDialog(HWND owner) {
    MessageOwnerScope messageOwner;
    DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_SAVE_OPTIONS), owner, SaveOptionsProc, 0);
}

}  // namespace zelt
