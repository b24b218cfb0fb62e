#include "editor/template/AbsolutePath_win.h"

#include <windows.h>

#include "editor/template/AbsolutePath.h"

namespace zelt {

namespace {

// The full name of "." or of "D:." : the current folder, or the current folder of drive D.
std::string CurrentFolderOf(const std::string& here) {
    std::string folder(MAX_PATH, '\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD length =
            GetFullPathNameA(here.c_str(), static_cast<DWORD>(folder.size()), folder.data(), nullptr);
        if (length == 0) return {};
        if (length < folder.size()) {
            folder.resize(length);
            return folder;
        }
        folder.assign(length, '\0');  // too small: length is the size needed
    }
    return {};
}

}  // namespace

std::string AbsolutePath(const std::string& path) {
    const bool onDrive = path.size() >= 2 && path[1] == ':';
    return MakeAbsolutePath(path, CurrentFolderOf(onDrive ? path.substr(0, 2) + "." : "."));
}

}  // namespace zelt
