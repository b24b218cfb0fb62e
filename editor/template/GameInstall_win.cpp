#include "editor/template/GameInstall_win.h"

#include <cwchar>
#include <optional>

#include "common/WinHandles.h"
#include "editor/template/GameInstall.h"
#include "editor/template/GameTables.h"
#include "editor/template/WideText_win.h"

namespace zelt {

namespace {

// By UTF-16 names and with room for the whole value: the games may lie in a folder of any characters
// and any length Windows allows.
std::optional<std::string> ReadInstallPath(GameKind family, RegistryView view) {
    const REGSAM viewAccess = view == RegistryView::k32Bit ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, WideFromText(GameInstallKey(family)).c_str(), 0, KEY_READ | viewAccess,
                      &raw) != ERROR_SUCCESS)
        return std::nullopt;
    UniqueKey key(raw);
    std::wstring value;
    DWORD type = 0;
    LSTATUS read = ERROR_MORE_DATA;
    // The value may grow between asking its size and reading it.
    for (int attempt = 0; attempt < 4 && read == ERROR_MORE_DATA; ++attempt) {
        DWORD size = 0;
        if (RegQueryValueExW(key.Get(), L"InstallPath", nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        value.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        read = RegQueryValueExW(key.Get(), L"InstallPath", nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                                &size);
    }
    if (read != ERROR_SUCCESS) return std::nullopt;
    value.resize(std::wcslen(value.c_str()));  // stored with or without its terminator
    if (type == REG_SZ) return TextFromWide(value);
    if (type != REG_EXPAND_SZ) return std::nullopt;
    // A path like "%ProgramFiles(x86)%\Westwood\..." names its folder only once expanded.
    const DWORD needed = ExpandEnvironmentStringsW(value.c_str(), nullptr, 0);
    if (needed == 0) return std::nullopt;
    std::wstring expanded(needed, L'\0');
    const DWORD length = ExpandEnvironmentStringsW(value.c_str(), expanded.data(), needed);
    if (length == 0 || length > needed) return std::nullopt;
    expanded.resize(std::wcslen(expanded.c_str()));
    return TextFromWide(expanded);
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
