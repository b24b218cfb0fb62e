// The process's data folder (see DataFolder.h), decided at the first call, and the paths of the
// program's writable files in it.
#pragma once
#include <string>

#include "editor/settings/DataFolder.h"

namespace zelt {

// Decided once, at the first call, from the program folder and %APPDATA%.
const DataFolder& ProcessDataFolder();

// The path "Zelt_Builder.ini", "Zelt_Viewer.ini" or "Environment.dat" is read from and written to.
std::string DataFilePath(const std::string& name);

}  // namespace zelt
