#include <windows.h>

#include "editor/settings/ProgramFolder.h"
#include "editor/template/WideText_win.h"

namespace zelt {

std::string ProgramPath() {
    // By its UTF-16 name: in UTF-8 a folder of MAX_PATH characters can take three times the bytes.
    wchar_t buffer[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    return TextFromWide(std::wstring_view(buffer, n));
}

std::string ProgramFolder() {
    const std::string path = ProgramPath();
    return path.substr(0, path.rfind('\\') + 1);
}

}  // namespace zelt
