// Translating resources whose texts are string-table keys.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace zelt {

// The dialog's title and every descendant's text except edit fields.
void TranslateDialog(HWND dialog);
// A menu bar: submenu texts, and command texts with a tab and the command's hotkey text.
void TranslateMenu(HMENU menu, const std::function<std::string(UINT command)>& hotkeyText);
// A context menu: every non-empty text, no hotkey texts.
void TranslatePopupMenu(HMENU menu);

}  // namespace zelt
