// The games' install folders, as their setup programs record them in the registry.
#pragma once
#include <string>

#include "editor/template/GameTables.h"

namespace zelt {

// The folder (with its trailing backslash) of the game's program file, from the 32-bit registry view
// first, then the 64-bit one; false when neither holds an "InstallPath" string with a folder.
bool GameInstallFolder(GameKind family, std::string& folder);

}  // namespace zelt
