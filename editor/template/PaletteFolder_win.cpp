#include <windows.h>

#include "editor/template/PaletteFolder.h"
#include "editor/template/PathText.h"

namespace zelt {

namespace {

bool IsFolder(const WIN32_FIND_DATAA& found) {
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Calls visit for each entry matching pattern, in the order the file system lists them.
template <typename Visit>
void ForEachEntry(const std::string& pattern, Visit visit) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        visit(found);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

}  // namespace

std::vector<PaletteFolderEntry> ScanPaletteFolder(const std::string& palettesFolder) {
    std::vector<PaletteFolderEntry> subfolders;
    ForEachEntry(palettesFolder + "*.*", [&](const WIN32_FIND_DATAA& folder) {
        if (!IsFolder(folder)) return;
        PaletteFolderEntry entry{folder.cFileName, {}};
        ForEachEntry(palettesFolder + folder.cFileName + "\\*.PAL", [&](const WIN32_FIND_DATAA& file) {
            if (!IsFolder(file) && MatchesExtensionPattern(file.cFileName, "*.PAL"))
                entry.files.push_back(file.cFileName);
        });
        subfolders.push_back(std::move(entry));
    });
    return subfolders;
}

}  // namespace zelt
