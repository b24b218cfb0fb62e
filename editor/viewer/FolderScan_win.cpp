#include <windows.h>

#include "editor/template/GameTables.h"
#include "editor/template/PathText.h"
#include "editor/template/WideText_win.h"
#include "editor/viewer/FolderScan.h"

namespace zelt {

std::vector<std::string> ScanTemplateFolder(const std::string& folder) {
    std::vector<std::string> names;
    for (const char* pattern : kViewerScanPatterns) {
        // By UTF-16 names: a name of MAX_PATH characters can take three times the bytes in UTF-8.
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(WideFromText(folder + pattern).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            const std::string name = TextFromWide(found.cFileName);
            if (MatchesExtensionPattern(name, pattern)) names.push_back(name);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    return names;
}

}  // namespace zelt
