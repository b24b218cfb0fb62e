// Message boxes of the editor and the viewer: caption "TXT_NAME", owned by the current owner.
#pragma once
#include <windows.h>

namespace zelt {

// The window that owns message boxes: the main window, or a dialog while it is open.
void SetMessageOwner(HWND owner);
HWND MessageOwner();

// type is a MessageBox style such as MB_ICONERROR; text is shown as given.
int ShowMessage(UINT type, const char* text);
// The lookup of key, shown with the given style.
int ShowMessageKey(UINT type, const char* key);

}  // namespace zelt
