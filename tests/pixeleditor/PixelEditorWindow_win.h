// Finding the pixel editor's window from a test that opened it in its own process.
#pragma once
#include <windows.h>

#include "editor/winui/ShellWindows_win.h"
#include "resources/PixelEditorIds.h"

namespace zelt::test {

// The visible pixel editor of the main window's thread, waited for up to five seconds.
inline HWND WaitForPixelEditor() {
    for (int tries = 0; tries < 200; ++tries) {
        HWND found = nullptr;
        EnumThreadWindows(
            GetWindowThreadProcessId(Shell().main, nullptr),
            [](HWND w, LPARAM out) -> BOOL {
                if (!IsWindowVisible(w) || !GetDlgItem(w, IDC_PE_CANVAS)) return TRUE;
                *reinterpret_cast<HWND*>(out) = w;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        if (found) return found;
        Sleep(25);
    }
    return nullptr;
}

}  // namespace zelt::test
