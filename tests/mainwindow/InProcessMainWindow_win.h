// What a test needs before it makes the main window in its own process: the string table, the
// program folder and the window classes of the main window, its view and its strip.
#pragma once
#include <windows.h>

#include <string>

#include "editor/app/Hotkeys_win.h"
#include "editor/app/MainWindow_win.h"
#include "editor/document/DocumentFiles.h"
#include "editor/strings/StringTable.h"
#include "editor/views/MainView_win.h"
#include "editor/views/TileStrip_win.h"
#include "editor/winui/ShellWindows_win.h"

namespace zelt::test {

// dist: the program folder, ending in a backslash. False when anything could not be prepared.
inline bool PrepareInProcessMainWindow(const std::string& dist) {
    if (!LoadStringTable(dist + "Zelt_Builder.csf")) return false;
    SetDocumentProgramFolder(dist);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    Shell().instance = instance;
    if (!RegisterStripClass(instance) || !RegisterMainViewClasses(instance)) return false;
    BuildCommandTable();
    SetDefaultToolbar();
    return RegisterMainWindowClass(instance, nullptr);
}

}  // namespace zelt::test
