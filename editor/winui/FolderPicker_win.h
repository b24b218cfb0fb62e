// The platform's folder browser, shared by the dialogs that write into a folder.
#pragma once
#include <windows.h>

#include <string>

namespace zelt {

// Titled "Select Folder:", with an edit box for typing a path, showing start selected (the desktop
// when empty). folder is emptied first; on true it holds the chosen folder's path (at most 259
// characters) without a trailing backslash. False when cancelled or when the choice is no
// file-system folder.
bool PickFolder(HWND owner, std::string& folder, const std::string& start = {});

}  // namespace zelt
