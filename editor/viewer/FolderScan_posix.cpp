#include <dirent.h>

#include <memory>

#include "editor/template/FileBytes.h"
#include "editor/template/GameTables.h"
#include "editor/template/PathText.h"
#include "editor/viewer/FolderScan.h"

namespace zelt {

std::vector<std::string> ScanTemplateFolder(const std::string& folder) {
    std::vector<std::string> names;
    for (const char* pattern : kViewerScanPatterns) {
        std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(NativePath(folder).c_str()), closedir);
        if (!dir) return names;
        while (const dirent* entry = readdir(dir.get())) {
            if (MatchesExtensionPattern(entry->d_name, pattern)) names.emplace_back(entry->d_name);
        }
    }
    return names;
}

}  // namespace zelt
