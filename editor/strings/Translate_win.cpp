#include "editor/strings/Translate_win.h"

#include "editor/strings/StringTable.h"

namespace zelt {

namespace {

BOOL CALLBACK TranslateChild(HWND child, LPARAM) {
    char className[16] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Edit") == 0) return TRUE;  // edit fields keep their contents
    char text[512] = {};
    if (GetWindowTextA(child, text, sizeof text) > 0) SetWindowTextA(child, Lookup(text));
    return TRUE;
}

std::string ItemText(HMENU menu, int position) {
    char text[64] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

void SetItemText(HMENU menu, int position, const std::string& text) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = const_cast<char*>(text.c_str());
    SetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &item);
}

void TranslateItems(HMENU menu, const std::function<std::string(UINT)>* hotkeyText) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const std::string text = ItemText(menu, i);
        if (HMENU sub = GetSubMenu(menu, i)) {
            if (!text.empty()) SetItemText(menu, i, Lookup(text.c_str()));
            TranslateItems(sub, hotkeyText);
        } else if (!text.empty()) {
            std::string translated = Lookup(text.c_str());
            if (hotkeyText) translated += "\t" + (*hotkeyText)(GetMenuItemID(menu, i));
            SetItemText(menu, i, translated);
        }
    }
}

}  // namespace

void TranslateDialog(HWND dialog) {
    char title[512] = {};
    if (GetWindowTextA(dialog, title, sizeof title) > 0) SetWindowTextA(dialog, Lookup(title));
    EnumChildWindows(dialog, TranslateChild, 0);  // walks every level of descendants
}

void TranslateMenu(HMENU menu, const std::function<std::string(UINT)>& hotkeyText) {
    TranslateItems(menu, &hotkeyText);
}

void TranslatePopupMenu(HMENU menu) { TranslateItems(menu, nullptr); }

}  // namespace zelt
