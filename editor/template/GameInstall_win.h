// The games' install folders, as their setup programs record them in the registry.
#pragma once
#include <string>

#include "editor/template/GameTables.h"

namespace zelt {

// The folder (with its trailing backslash) of the game's program file; false when the key or its
// "InstallPath" string is missing.
bool GameInstallFolder(GameKind family, std::string& folder);

}  // namespace zelt
