// The pixel editor in a test's own process: a stand-in main window to own it, and finding its window.
#pragma once
#include <windows.h>

#include "editor/winui/ShellWindows_win.h"
#include "resources/PixelEditorIds.h"

namespace zelt::test {

// A plain visible window in the main window's place, as the pixel editor's owner.
inline bool OpenStandInMain() {
    Shell().instance = GetModuleHandleA(nullptr);
    Shell().main = CreateWindowA("STATIC", "main", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                 Shell().instance, nullptr);
    return Shell().main != nullptr;
}

inline void CloseStandInMain() {
    DestroyWindow(Shell().main);
    Shell() = ShellWindows{};
}

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
