#include <windows.h>

#include "editor/template/PaletteFolder.h"
#include "editor/template/PathText.h"
#include "editor/template/WideText_win.h"

namespace zelt {

namespace {

bool IsFolder(const WIN32_FIND_DATAW& found) {
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Calls visit for each entry matching pattern, in the order the file system lists them.
template <typename Visit>
void ForEachEntry(const std::string& pattern, Visit visit) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(WideFromText(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        visit(found);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace

std::vector<PaletteFolderEntry> ScanPaletteFolder(const std::string& palettesFolder) {
    std::vector<PaletteFolderEntry> subfolders;
    ForEachEntry(palettesFolder + "*.*", [&](const WIN32_FIND_DATAW& folder) {
        if (!IsFolder(folder)) return;
        PaletteFolderEntry entry{TextFromWide(folder.cFileName), {}};
        ForEachEntry(palettesFolder + entry.name + "\\*.PAL", [&](const WIN32_FIND_DATAW& file) {
            const std::string name = TextFromWide(file.cFileName);
            if (!IsFolder(file) && MatchesExtensionPattern(name, "*.PAL")) entry.files.push_back(name);
        });
        subfolders.push_back(std::move(entry));
    });
    return subfolders;
}

}  // namespace zelt
