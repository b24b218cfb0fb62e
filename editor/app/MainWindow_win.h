// The editor's main window: its children and their layout, the menu bar with the recent files, the
// command dispatcher, dropped files and the status bar's menu hints.
#pragma once
#include <windows.h>

#include <string>

namespace zelt {

inline constexpr const char* kMainWindowClass = "Zelt_BuilderClass";

bool RegisterMainWindowClass(HINSTANCE instance, HICON icon);
// Creates the main window with all its children (Shell() holds their handles); null on failure.
HWND CreateMainWindow(HINSTANCE instance);

// Docked runs: the saved placement (kept on a monitor) and the recent files.
void RestorePlacementAndRecentFiles();

// Every command of the menu bar, the toolbar, the hotkeys and the hot buttons.
void DispatchCommand(UINT command);

// Title, status bar, panel and the enabled and checked state of every command, from the document.
void ApplyWindowState();
// A fresh menu bar, translated with the current hotkey texts, with the recent files and the states.
void ReloadMainMenu();

// The recent-files list, newest last, and its submenu.
void AddRecentPath(const std::string& path);
void RemoveRecentPath(const std::string& path);
void BuildRecentMenu();

}  // namespace zelt
