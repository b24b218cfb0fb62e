#include "editor/template/GameInstall.h"

#include "editor/template/PathText.h"

namespace zelt {

std::optional<std::string> FindInstallFolder(const InstallPathReader& read) {
    for (RegistryView view : {RegistryView::k32Bit, RegistryView::k64Bit}) {
        const std::optional<std::string> path = read(view);
        if (!path) continue;
        // A path without a folder would make the copy land in the current folder.
        std::string folder = FolderOf(*path);
        if (!folder.empty()) return folder;
    }
    return std::nullopt;
}

}  // namespace zelt
