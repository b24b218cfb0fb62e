#include "editor/settings/DataFolder.h"

namespace zelt {

namespace {

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    return folder;
}

}  // namespace

DataFolder ChooseDataFolder(const std::string& programFolder, const std::string& appData, DataFolderAccess& access) {
    DataFolder chosen{WithSeparator(programFolder), WithSeparator(programFolder)};
    if (chosen.programFolder.empty() || access.CanCreateFileIn(chosen.programFolder)) return chosen;
    if (appData.empty()) return chosen;
    const std::string userFolder = WithSeparator(appData) + "Zelt\\";
    if (access.CreateFolder(userFolder)) chosen.writeFolder = userFolder;
    return chosen;
}

std::string PrepareDataFile(const DataFolder& folder, const std::string& name, DataFolderAccess& access) {
    const std::string path = folder.writeFolder + name;
    if (folder.InProgramFolder() || access.FileExists(path)) return path;
    const std::string defaults = folder.programFolder + name;
    if (!access.FileExists(defaults)) return path;
    return access.Copy(defaults, path) ? path : defaults;
}

}  // namespace zelt
