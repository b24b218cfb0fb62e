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
        const std::string_view wanted(pattern + 1);  // ".tem"
        while (const dirent* entry = readdir(dir.get())) {
            const std::string name = entry->d_name;
            if (name.size() > wanted.size() &&
                EqualsNoCase(std::string_view(name).substr(name.size() - wanted.size()), wanted))
                names.push_back(name);
        }
    }
    return names;
}

}  // namespace zelt
