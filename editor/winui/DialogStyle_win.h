// The look shared by the editor's dialogs with "UseEUIStyle" on: a vertical gradient behind the
// dialog and static texts drawn transparently over it.
#pragma once
#include <windows.h>

namespace zelt {

void FillVerticalGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom);

// Handles the erase-background and static-colour messages of a dialog whose background is the
// gradient from top to bottom. True when it handled the message; result is then the procedure's answer.
bool HandleGradientBackground(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, COLORREF top,
                              COLORREF bottom, INT_PTR& result);

// The usual look of the editor's dialogs: with "UseEUIStyle" on, the gradient from the caption
// colour to white. Called first by a dialog procedure, as HandleGradientBackground.
bool HandleDialogLook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

// The program's icon as the window's small icon. The icon is shared: the system frees it.
void SetSmallProgramIcon(HWND window);

// The owner of message boxes while a dialog is open: the dialog from its creation on, the previous
// owner again when this object goes away after the dialog has closed.
class MessageOwnerScope {
public:
    MessageOwnerScope();
    ~MessageOwnerScope();
    MessageOwnerScope(const MessageOwnerScope&) = delete;
    MessageOwnerScope& operator=(const MessageOwnerScope&) = delete;

private:
    HWND previous_;
};

// The module whose resources the editor's windows use.
HINSTANCE ResourceModule();

}  // namespace zelt
