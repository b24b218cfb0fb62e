// The command table over the real menu bar, the hotkey dispatcher of the message loop, and
// "Environment.dat" with its messages.
#pragma once
#include <windows.h>

#include <string>

namespace zelt {

// (Re)builds the command table from a fresh copy of menu resource 109 with the default hotkeys.
void BuildCommandTable();
// Replaces the toolbar layout by the five default buttons.
void SetDefaultToolbar();
// Reads the file over the table and the layout. A missing file keeps the defaults silently; a damaged
// one keeps them and shows "ERROR:HOTKEYLOAD1".
void LoadEnvironment(const std::string& path);
// Writes the file atomically; failure shows "ERROR:HOTKEYSAVE1" unless tellFailure is false.
void SaveEnvironment(const std::string& path, bool tellFailure = true);
// For a key-down message: sends the matching enabled command to the main window and reports the key
// as handled. Any other message, or a key no command holds, is not handled.
bool DispatchHotkey(const MSG& message);
// "Ctrl+Shift+Alt+Key" in the keyboard layout's names; empty when the command has no hotkey.
std::string HotkeyText(UINT command);
// The command's hint, or null when the command is not in the table. Valid until the table changes.
const char* CommandHint(UINT command);
void FreeCommandTable();

}  // namespace zelt
