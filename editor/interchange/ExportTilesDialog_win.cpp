#include "editor/interchange/ExportTilesDialog_win.h"

#include <algorithm>
#include <cctype>

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentUi.h"
#include "editor/interchange/CanvasPicture.h"
#include "editor/interchange/ImageDialogs_win.h"
#include "editor/interchange/ImageLibrary_win.h"
#include "editor/interchange/TileBitmaps.h"
#include "editor/settings/Settings.h"
#include "editor/strings/Translate_win.h"
#include "editor/template/Utf8Text.h"
#include "editor/winui/DialogStyle_win.h"
#include "editor/winui/FolderPicker_win.h"
#include "editor/winui/Message_win.h"
#include "resources/InterchangeIds.h"

namespace zelt {

namespace {

const SettingKey& FolderSetting() {
    return *FindSettingKey("Paths", "ExportImgsDir");
}

std::string ControlText(HWND dialog, int id) {
    char text[kDialogPathSize] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

bool Blank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c) != 0; });
}

void FillFormats(HWND list) {
    for (int i = 0;; ++i) {
        const char* name = ImageSaveFormatName(i);
        if (!name) break;
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    SendMessageA(list, CB_SETCURSEL, 0, 0);
}

// True when the choice was taken and the dialog may close.
bool TakeChoice(HWND dialog, ExportTilesChoice& choice) {
    HWND list = GetDlgItem(dialog, IDC_ET_FORMAT);
    const LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return false;
    const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length == CB_ERR) return false;
    std::string format(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(format.data()));
    format.resize(static_cast<size_t>(length));

    const std::string field = ControlText(dialog, IDC_ET_FOLDER);
    if (Blank(field)) {
        // An empty field would otherwise become "\", the root of the current drive.
        Ui().ShowMessage("ERROR:NOEXPORTFOLDER", MessageIcon::Error);
        SetFocus(GetDlgItem(dialog, IDC_ET_FOLDER));
        return false;
    }
    choice.folder = ExportFolderOfField(field);
    choice.format = format;
    g_settings.exportImagesFolder = choice.folder;
    WriteSetting(FolderSetting(), g_settings);
    return true;
}

INT_PTR CALLBACK ExportTilesProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    if (HandleDialogLook(dialog, message, wParam, lParam, result)) return result;
    auto* choice = reinterpret_cast<ExportTilesChoice*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            SetMessageOwner(dialog);
            TranslateDialog(dialog);
            FillFormats(GetDlgItem(dialog, IDC_ET_FORMAT));
            ReadSetting(FolderSetting(), g_settings);
            SendDlgItemMessageA(dialog, IDC_ET_FOLDER, EM_LIMITTEXT, MAX_PATH - 1, 0);
            SetDlgItemTextA(dialog, IDC_ET_FOLDER, g_settings.exportImagesFolder.c_str());
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_ET_BROWSE: {
                    std::string folder;
                    if (PickFolder(dialog, folder)) SetDlgItemTextA(dialog, IDC_ET_FOLDER, folder.c_str());
                    return TRUE;
                }
                case IDOK:
                    if (TakeChoice(dialog, *choice)) EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                default:
                    break;
            }
            break;
        default:
            break;
    }
    return FALSE;
}

bool SaveThroughLibrary(const std::string& path, const Picture& picture) {
    // A longer name would be cut by the platform's file functions and land elsewhere.
    if (Utf16Length(path) >= MAX_PATH) return false;
    DibCanvas canvas;
    return CanvasFromPixels(picture.colours, canvas) && SaveCanvasAsImage(path.c_str(), canvas) == 1;
}

}  // namespace

std::optional<ExportTilesChoice> ShowExportTilesDialog(HWND owner) {
    MessageOwnerScope messageOwner;
    ExportTilesChoice choice;
    const INT_PTR result = DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_EXPORT_TILES), owner,
                                           ExportTilesProc, reinterpret_cast<LPARAM>(&choice));
    if (result != IDOK) return std::nullopt;
    return choice;
}

bool ExportTilesToFolder(const std::string& folder, const std::string& format) {
    const TemplateDocument& doc = Doc();
    if (!doc.open) return false;
    bool written = false;
    if (doc.palette)
        written =
            ExportTiles(doc.tiles, doc.cellW, doc.cellH, *doc.palette, folder, format, SaveThroughLibrary);
    if (written)
        Ui().ShowMessage("MSG:BATCHEXPORTFINISHED", MessageIcon::Information);
    else
        Ui().ShowMessage("ERROR:BATCHEXPORT", MessageIcon::Warning);
    return written;
}

}  // namespace zelt
