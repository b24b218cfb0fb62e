// The editor's windows, shared by the shell's modules: the main window creates them and fills this
// record; the views, the panel and the toolbar find each other through it.
#pragma once
#include <windows.h>

#include <functional>

namespace zelt {

struct ShellWindows {
    HINSTANCE instance = nullptr;
    HWND main = nullptr;     // Zelt_BuilderClass
    HWND toolbar = nullptr;
    HWND status = nullptr;   // parts: 0 menu hints, 1 family, 2 zoom
    HWND panel = nullptr;    // tile properties panel (modeless dialog)
    HWND view = nullptr;     // MainViewClass
    HWND strip = nullptr;    // StripSelectClass
    bool undocked = false;

    // Set by the main window. After the customisation sheet: put a freshly translated menu bar in
    // place (recent files included) and apply the command states and checks again.
    std::function<void()> reloadMenu;
    std::function<void()> applyWindowState;
};

ShellWindows& Shell();

// Writes a text into one part of the main window's status bar (nothing without a status bar).
void SetStatusText(int part, const char* text);

}  // namespace zelt
