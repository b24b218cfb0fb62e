#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

#include "editor/template/FileBytes.h"
#include "editor/template/PaletteFolder.h"
#include "editor/template/PathText.h"

namespace zelt {

namespace {

bool IsFolder(const std::string& path) {
    struct stat info {};
    return stat(NativePath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The names in a folder sorted without regard to case, as the Windows file system lists them.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(NativePath(folder).c_str()), closedir);
    if (!dir) return names;
    while (const dirent* entry = readdir(dir.get())) names.emplace_back(entry->d_name);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    });
    return names;
}

}  // namespace

std::vector<PaletteFolderEntry> ScanPaletteFolder(const std::string& palettesFolder) {
    std::vector<PaletteFolderEntry> subfolders;
    for (const std::string& name : Names(palettesFolder)) {
        const std::string folder = palettesFolder + name + "\\";
        if (!IsFolder(folder)) continue;
        PaletteFolderEntry entry{name, {}};
        for (const std::string& file : Names(folder)) {
            if (MatchesExtensionPattern(file, "*.PAL") && !IsFolder(folder + file)) entry.files.push_back(file);
        }
        subfolders.push_back(std::move(entry));
    }
    return subfolders;
}

}  // namespace zelt
