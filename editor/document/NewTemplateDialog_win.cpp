#include "editor/document/NewTemplateDialog_win.h"

#include <cstring>

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentCreate.h"
#include "editor/document/DocumentFiles.h"
#include "editor/document/DocumentFlows.h"
#include "editor/document/NewTemplateRules.h"
#include "editor/settings/Settings.h"
#include "editor/strings/StringTable.h"
#include "editor/strings/Translate_win.h"
#include "editor/template/GameTables.h"
#include "editor/winui/DialogStyle_win.h"
#include "editor/winui/Message_win.h"
#include "resources/PanelIds.h"

namespace zelt {

namespace {

// Reads or writes every key of section "NewDialog".
void ReadChoiceSettings() {
    for (const SettingKey& key : SettingKeys())
        if (std::strcmp(key.section, "NewDialog") == 0) ReadSetting(key, g_settings);
}
void WriteChoiceSettings() {
    for (const SettingKey& key : SettingKeys())
        if (std::strcmp(key.section, "NewDialog") == 0) WriteSetting(key, g_settings);
}

int Selection(HWND dialog, int list) {
    return static_cast<int>(SendDlgItemMessageA(dialog, list, CB_GETCURSEL, 0, 0));
}

void AddItem(HWND dialog, int list, const char* text) {
    SendDlgItemMessageA(dialog, list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void OnGameChanged(HWND dialog) {
    const int game = Selection(dialog, IDC_NEW_GAME);
    if (game == CB_ERR) return;
    SendDlgItemMessageA(dialog, IDC_NEW_THEATER, CB_RESETCONTENT, 0, 0);
    for (const TheaterInfo& theater : kTheaters)
        if (game == 1 || theater.offeredForTsFs) AddItem(dialog, IDC_NEW_THEATER, theater.name);
    SendDlgItemMessageA(dialog, IDC_NEW_THEATER, CB_SETCURSEL, 0, 0);
}

void WarnUnsupportedTerrain() { ShowMessageKey(MB_ICONEXCLAMATION | MB_OK, "MSG:UNSUPPORTED1"); }

void OnTerrainChanged(HWND dialog) {
    if (!IsUnsupportedTerrain(Selection(dialog, IDC_NEW_TERRAIN))) return;
    WarnUnsupportedTerrain();
    SendDlgItemMessageA(dialog, IDC_NEW_TERRAIN, CB_SETCURSEL, 0, 0);
}

void Fill(HWND dialog) {
    ReadChoiceSettings();
    const NewTemplateChoices choices = ChoicesOfSettings(g_settings);
    SetDlgItemInt(dialog, IDC_NEW_WIDTH, static_cast<UINT>(choices.width), FALSE);
    SetDlgItemInt(dialog, IDC_NEW_HEIGHT, static_cast<UINT>(choices.height), FALSE);
    // Each inserted at the top: position 0 is TS/FS, position 1 RA2/YR.
    for (const char* key : {"TXT_SHORTRA2YR", "TXT_SHORTTSFS"})
        SendDlgItemMessageA(dialog, IDC_NEW_GAME, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(Lookup(key)));
    for (const char* name : kTerrainNames) AddItem(dialog, IDC_NEW_TERRAIN, name);
    SendDlgItemMessageA(dialog, IDC_NEW_GAME, CB_SETCURSEL, static_cast<WPARAM>(choices.game), 0);
    OnGameChanged(dialog);
    SendDlgItemMessageA(dialog, IDC_NEW_TERRAIN, CB_SETCURSEL, static_cast<WPARAM>(choices.terrainType), 0);
    OnTerrainChanged(dialog);
    // A TS/FS list has two theaters: a stored 2 ... 5 selects none.
    SendDlgItemMessageA(dialog, IDC_NEW_THEATER, CB_SETCURSEL, static_cast<WPARAM>(choices.theater), 0);
}

int SelectionOrZero(HWND dialog, int list) {
    const int position = Selection(dialog, list);
    return position == CB_ERR ? 0 : position;
}

std::string FieldText(HWND dialog, int id) {
    char text[32] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// True when the dialog may close.
bool Create(HWND dialog) {
    NewTemplateChoices choices;
    choices.terrainType = SelectionOrZero(dialog, IDC_NEW_TERRAIN);
    if (IsUnsupportedTerrain(choices.terrainType)) {
        WarnUnsupportedTerrain();
        return false;
    }
    choices.game = SelectionOrZero(dialog, IDC_NEW_GAME);
    choices.width = CellCountOfText(FieldText(dialog, IDC_NEW_WIDTH));
    choices.height = CellCountOfText(FieldText(dialog, IDC_NEW_HEIGHT));
    choices.theater = SelectionOrZero(dialog, IDC_NEW_THEATER);
    // Refused before anything is closed: a file of more cells could never be opened again.
    if (!GridFitsTemplate(choices.height, choices.width)) {
        ShowMessageKey(MB_ICONWARNING | MB_OK, "MSG:TOOMANYCELLS");
        return false;
    }
    StoreChoices(g_settings, choices);
    WriteChoiceSettings();

    const GameKind kind = choices.game == 1 ? kRa2Yr : kTsFs;
    const std::string palette = DefaultPaletteFileNameForTheater(DocumentProgramFolder(), kind, choices.theater);
    if (Doc().open && !CloseFlow()) return true;  // cancelled: nothing is created
    SetDocumentPalette(palette);                  // on failure the previous palette stays
    CreateTemplate(kind, choices.height, choices.width, choices.terrainType);
    return true;
}

INT_PTR CALLBACK NewTemplateProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    if (g_settings.useEuiStyle && HandleGradientBackground(dialog, message, wParam, lParam, GetSysColor(COLOR_MENUBAR),
                                                           GetSysColor(COLOR_ACTIVECAPTION), result))
        return result;
    switch (message) {
        case WM_INITDIALOG:
            SetMessageOwner(dialog);
            TranslateDialog(dialog);
            Fill(dialog);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_NEW_GAME:
                    if (HIWORD(wParam) == CBN_SELCHANGE) OnGameChanged(dialog);
                    return TRUE;
                case IDC_NEW_TERRAIN:
                    if (HIWORD(wParam) == CBN_SELCHANGE) OnTerrainChanged(dialog);
                    return TRUE;
                case IDOK:
                    if (Create(dialog)) EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
                default: break;
            }
            break;
        default: break;
    }
    return FALSE;
}

}  // namespace

void NewTemplateDialog(HWND owner) {
    MessageOwnerScope messageOwner;
    DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_NEW_TEMPLATE), owner, NewTemplateProc, 0);
}

}  // namespace zelt
