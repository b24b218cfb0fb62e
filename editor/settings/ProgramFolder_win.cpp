#include <windows.h>

#include "editor/settings/ProgramFolder.h"

namespace zelt {

std::string ProgramPath() {
    char buffer[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    return std::string(buffer, n);
}

std::string ProgramFolder() {
    const std::string path = ProgramPath();
    return path.substr(0, path.rfind('\\') + 1);
}

}  // namespace zelt
