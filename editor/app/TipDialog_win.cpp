#include "editor/app/TipDialog_win.h"

#include "common/WinHandles.h"
#include "editor/app/Tips.h"
#include "editor/settings/Settings.h"
#include "editor/strings/StringTable.h"
#include "editor/strings/Translate_win.h"
#include "editor/winui/DialogStyle_win.h"
#include "editor/winui/Message_win.h"
#include "resources/PanelIds.h"

namespace zelt {

namespace {

int g_tipCount = 4;

struct TipDialogResources {
    HFONT headingFont;
    HBITMAP picture;
};

void ReadTipSetting(const char* key) {
    if (const SettingKey* setting = FindSettingKey("TipOfTheDay", key)) ReadSetting(*setting, g_settings);
}

void WriteTipSetting(const char* key) {
    if (const SettingKey* setting = FindSettingKey("TipOfTheDay", key)) WriteSetting(*setting, g_settings);
}

void ShowNextTip(HWND dialog) {
    g_settings.tipCurrent = NextTip(g_settings.tipCurrent, g_tipCount);
    SetDlgItemTextA(dialog, IDC_TIP_TEXT, Lookup(TipKey(g_settings.tipCurrent).c_str()));
}

void PaintHeading(HWND dialog, HFONT font) {
    PaintScope paint(dialog);
    RECT picture;
    GetWindowRect(GetDlgItem(dialog, IDC_TIP_PICTURE), &picture);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&picture), 2);
    SelectScope selected(paint.Get(), font);
    SetBkMode(paint.Get(), TRANSPARENT);
    SetTextColor(paint.Get(), GetSysColor(COLOR_WINDOWTEXT));
    const char* heading = Lookup("GUI:DIDYOUKNOW");
    TextOutA(paint.Get(), picture.right + 10, (picture.top + picture.bottom) / 2 - 8, heading, lstrlenA(heading));
}

INT_PTR CALLBACK TipProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* resources = reinterpret_cast<TipDialogResources*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            resources = reinterpret_cast<TipDialogResources*>(lParam);
            SetMessageOwner(dialog);
            TranslateDialog(dialog);
            ReadTipSetting("Current");
            ShowNextTip(dialog);
            SendDlgItemMessageA(dialog, IDC_TIP_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                                reinterpret_cast<LPARAM>(resources->picture));
            CheckDlgButton(dialog, IDC_TIP_SHOW_AT_START, g_settings.tipShowAtStart ? BST_CHECKED : BST_UNCHECKED);
            return TRUE;
        case WM_PAINT: PaintHeading(dialog, resources->headingFont); return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_TIP_NEXT: ShowNextTip(dialog); return TRUE;
                case IDCANCEL:  // the Close button and Escape
                    g_settings.tipShowAtStart = IsDlgButtonChecked(dialog, IDC_TIP_SHOW_AT_START) == BST_CHECKED;
                    WriteTipSetting("Current");
                    WriteTipSetting("ShowAtStart");
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                default: break;
            }
            break;
        default: break;
    }
    return FALSE;
}

}  // namespace

void CountTips() { g_tipCount = CountTipKeys(g_stringTable, g_stringFlags); }

int TipCount() { return g_tipCount; }

void ShowTipAtStart(HWND owner) {
    ReadTipSetting("ShowAtStart");
    if (g_settings.tipShowAtStart) ShowTipDialog(owner);
}

void ShowTipDialog(HWND owner) {
    MessageOwnerScope messageOwner;
    UniqueFont heading(CreateFontA(16, 0, 0, 0, 600, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, nullptr));
    UniqueBitmap picture(static_cast<HBITMAP>(
        LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDB_TIP_PICTURE), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    TipDialogResources resources{heading.Get(), picture.Get()};
    DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_TIP_OF_THE_DAY), owner, TipProc,
                    reinterpret_cast<LPARAM>(&resources));
}

}  // namespace zelt
