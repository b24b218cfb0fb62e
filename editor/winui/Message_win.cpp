#include "editor/winui/Message_win.h"

#include "editor/strings/StringTable.h"

namespace zelt {

static HWND g_messageOwner = nullptr;

void SetMessageOwner(HWND owner) { g_messageOwner = owner; }
HWND MessageOwner() { return g_messageOwner; }

int ShowMessage(UINT type, const char* text) {
    return MessageBoxA(g_messageOwner, text, Lookup("TXT_NAME"), type);
}

int ShowMessageKey(UINT type, const char* key) { return ShowMessage(type, Lookup(key)); }

}  // namespace zelt
