#include <windows.h>

#include "editor/template/GameTables.h"
#include "editor/template/PathText.h"
#include "editor/viewer/FolderScan.h"

namespace zelt {

std::vector<std::string> ScanTemplateFolder(const std::string& folder) {
    std::vector<std::string> names;
    for (const char* pattern : kViewerScanPatterns) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + pattern).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            if (MatchesExtensionPattern(found.cFileName, pattern)) names.push_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return names;
}

}  // namespace zelt
