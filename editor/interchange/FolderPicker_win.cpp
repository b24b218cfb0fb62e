#include "editor/interchange/FolderPicker_win.h"

#include <shlobj.h>

#include "common/WinHandles.h"

namespace zelt {

bool PickFolder(HWND owner, std::string& folder) {
    folder.clear();
    char display[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = display;
    info.lpszTitle = "Select Folder:";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
    const UniqueTaskMemory chosen(SHBrowseForFolderA(&info));
    if (!chosen) return false;
    char path[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(static_cast<PCIDLIST_ABSOLUTE>(chosen.Get()), path) || !path[0]) return false;
    folder = path;
    // A drive's root comes back as "C:\"; the callers add the separator themselves.
    if (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return true;
}

}  // namespace zelt
