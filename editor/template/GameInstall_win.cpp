#include "editor/template/GameInstall_win.h"

#include <optional>

#include "common/WinHandles.h"
#include "editor/template/GameInstall.h"

namespace zelt {

namespace {

std::optional<std::string> ReadInstallPath(GameKind family, RegistryView view) {
    const REGSAM viewAccess = view == RegistryView::k32Bit ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, GameInstallKey(family), 0, KEY_READ | viewAccess, &raw) !=
        ERROR_SUCCESS)
        return std::nullopt;
    UniqueKey key(raw);
    char value[MAX_PATH] = {};
    DWORD type = 0, size = sizeof value - 1;
    if (RegQueryValueExA(key.Get(), "InstallPath", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    if (type == REG_SZ) return std::string(value);
    if (type != REG_EXPAND_SZ) return std::nullopt;
    // A path like "%ProgramFiles(x86)%\Westwood\..." names its folder only once expanded.
    char expanded[MAX_PATH] = {};
    const DWORD length = ExpandEnvironmentStringsA(value, expanded, MAX_PATH);
    if (length == 0 || length > MAX_PATH) return std::nullopt;
    return std::string(expanded);
}

}  // namespace

bool GameInstallFolder(GameKind family, std::string& folder) {
    const std::optional<std::string> found =
        FindInstallFolder([family](RegistryView view) { return ReadInstallPath(family, view); });
    if (!found) return false;
    folder = *found;
    return true;
}

}  // namespace zelt
