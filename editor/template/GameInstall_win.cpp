#include "editor/template/GameInstall_win.h"

#include "editor/app/WinHandles.h"
#include "editor/template/PathText.h"

namespace zelt {

bool GameInstallFolder(GameKind family, std::string& folder) {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, GameInstallKey(family), 0, KEY_READ, &raw) != ERROR_SUCCESS) return false;
    UniqueKey key(raw);
    char value[260] = {};
    DWORD type = 0, size = sizeof value - 1;
    if (RegQueryValueExA(key.Get(), "InstallPath", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    folder = FolderOf(value);
    return true;
}

}  // namespace zelt
