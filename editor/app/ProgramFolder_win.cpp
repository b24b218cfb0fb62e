#include <windows.h>

#include "editor/app/ProgramFolder.h"

namespace zelt {

std::string ProgramFolder() {
    char buffer[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    std::string path(buffer, n);
    return path.substr(0, path.rfind('\\') + 1);
}

}  // namespace zelt
