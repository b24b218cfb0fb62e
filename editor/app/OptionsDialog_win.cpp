#include "editor/app/OptionsDialog_win.h"

#include <commctrl.h>

#include <string>

#include "editor/app/MainWindow_win.h"
#include "editor/app/OptionsRules.h"
#include "editor/app/Toolbar_win.h"
#include "editor/document/DocumentUi.h"
#include "editor/interchange/ImageLibrary_win.h"
#include "editor/settings/Settings.h"
#include "editor/strings/Translate_win.h"
#include "editor/views/TileStrip_win.h"
#include "editor/winui/ColourButton_win.h"
#include "editor/winui/DialogStyle_win.h"
#include "editor/winui/FileTypes_win.h"
#include "editor/winui/Message_win.h"
#include "resources/PaletteIds.h"

namespace zelt {

namespace {

struct CheckSetting {
    int control;
    bool EditorSettings::*setting;
};
constexpr CheckSetting kChecks[] = {
    {IDC_OPT_EXTENDED_UI, &EditorSettings::useEuiStyle},
    {IDC_OPT_DISABLE_STYLES, &EditorSettings::disableVisualStyles},
    {IDC_OPT_INVERT_SELECT, &EditorSettings::useInvertTileSelect},
    {IDC_OPT_FULL_COLOUR_CHOOSER, &EditorSettings::cpShowFull},
    {IDC_OPT_STRETCH_PREVIEW, &EditorSettings::stretchPreview},
    {IDC_OPT_DRAW_BOX, &EditorSettings::drawBlackFrameAround},
};

struct RadioStyle {
    int control;
    ToolbarTextStyle style;
};
constexpr RadioStyle kRadios[] = {
    {IDC_OPT_WITHOUT_TEXT, ToolbarTextStyle::kWithoutText},
    {IDC_OPT_RIGHT_TEXT, ToolbarTextStyle::kRightText},
    {IDC_OPT_BOTTOM_TEXT, ToolbarTextStyle::kBottomText},
};

void InitOptions(HWND dialog) {
    SetMessageOwner(dialog);
    TranslateDialog(dialog);
    HWND back = GetDlgItem(dialog, IDC_OPT_BACK_COLOUR), fore = GetDlgItem(dialog, IDC_OPT_FORE_COLOUR);
    MakeColourButton(back, g_settings.stripBackColour);
    MakeColourButton(fore, g_settings.stripForeColour);
    // The themed strip does not use the foreground colour.
    if (StripThemed() && !g_settings.disableVisualStyles) EnableWindow(fore, FALSE);
    for (const CheckSetting& check : kChecks)
        CheckDlgButton(dialog, check.control, g_settings.*check.setting ? BST_CHECKED : BST_UNCHECKED);
    const ToolbarTextStyle style = ToolbarStyleOf(g_settings);
    for (const RadioStyle& radio : kRadios)
        CheckDlgButton(dialog, radio.control, radio.style == style ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageA(dialog, IDC_OPT_RECENT_SPIN, UDM_SETRANGE32, 1, kMaxRecentLimit);
    SetDlgItemTextA(dialog, IDC_OPT_RECENT, std::to_string(g_settings.maxRecent).c_str());
    const char* library = g_imageLibrary.getDesc ? g_imageLibrary.getDesc() : nullptr;
    SetDlgItemTextA(dialog, IDC_OPT_PICTOR, library ? library : "");
}

std::string ItemText(HWND dialog, int control) {
    char text[64] = {};
    GetDlgItemTextA(dialog, control, text, sizeof text);
    return text;
}

void ApplyOptions(HWND dialog) {
    g_settings.stripBackColour = ColourButtonColour(GetDlgItem(dialog, IDC_OPT_BACK_COLOUR));
    g_settings.stripForeColour = ColourButtonColour(GetDlgItem(dialog, IDC_OPT_FORE_COLOUR));
    SetStripBackColour(g_settings.stripBackColour);
    for (const CheckSetting& check : kChecks)
        g_settings.*check.setting = IsDlgButtonChecked(dialog, check.control) == BST_CHECKED;
    for (const RadioStyle& radio : kRadios) {
        if (IsDlgButtonChecked(dialog, radio.control) == BST_CHECKED)
            SetToolbarStyle(g_settings, radio.style);
    }
    g_settings.maxRecent = RecentLimitFromText(ItemText(dialog, IDC_OPT_RECENT));
    TrimRecentFiles(g_settings);
    BuildRecentMenu();
    RequestRefresh(kRefreshMainView | kRefreshStrip);
    RebuildToolbar();
}

INT_PTR CALLBACK OptionsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    if (HandleDialogLook(dialog, message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_INITDIALOG:
            InitOptions(dialog);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_OPT_BACK_COLOUR:
                case IDC_OPT_FORE_COLOUR:
                    if (HIWORD(wParam) == BN_CLICKED) ChooseButtonColour(GetDlgItem(dialog, LOWORD(wParam)));
                    return TRUE;
                case IDC_OPT_ASSOCIATE:
                    RegisterEditVerb();
                    return TRUE;
                case IDOK:
                    ApplyOptions(dialog);
                    EndDialog(dialog, IDOK);
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

}  // namespace

void ShowOptionsDialog(HWND owner) {
    MessageOwnerScope messageOwner;
    DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_OPTIONS), owner, OptionsProc, 0);
}

}  // namespace zelt
