#include "editor/app/RecentFiles.h"

#include <string>

#include "editor/document/DocumentFlows.h"
#include "editor/settings/Settings.h"

namespace zelt {

bool OpenRecentFile(size_t index) {
    if (index >= g_settings.recentFiles.size()) return false;
    // A copy: a save-as inside the close question adds to the list and may move or drop this entry.
    const std::string path = g_settings.recentFiles[index];
    return OpenTemplate(path, OpenRoute::RecentFiles);
}

}  // namespace zelt
