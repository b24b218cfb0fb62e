#include "editor/winui/FolderPicker_win.h"

#include <shlobj.h>

#include "common/WinHandles.h"
#include "editor/template/WideText_win.h"

namespace zelt {

namespace {

int CALLBACK SelectStart(HWND window, UINT message, LPARAM, LPARAM start) {
    if (message == BFFM_INITIALIZED && start) SendMessageA(window, BFFM_SETSELECTIONA, TRUE, start);
    return 0;
}

}  // namespace

bool PickFolder(HWND owner, std::string& folder, const std::string& start) {
    const std::string startCopy = start;  // folder and start may be one string
    folder.clear();
    char display[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = display;
    info.lpszTitle = "Select Folder:";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
    if (!startCopy.empty()) {
        info.lpfn = SelectStart;
        info.lParam = reinterpret_cast<LPARAM>(startCopy.c_str());
    }
    const UniqueTaskMemory chosen(SHBrowseForFolderA(&info));
    if (!chosen) return false;
    // By its UTF-16 name: in UTF-8 a path of MAX_PATH characters can take three times the bytes.
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(static_cast<PCIDLIST_ABSOLUTE>(chosen.Get()), path) || !path[0]) return false;
    folder = TextFromWide(path);
    // A drive's root comes back as "C:\"; the callers add the separator themselves.
    if (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return true;
}

}  // namespace zelt
