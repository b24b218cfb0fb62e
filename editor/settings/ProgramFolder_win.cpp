#include <windows.h>

#include <string>

#include "editor/settings/ProgramFolder.h"
#include "editor/template/WideText_win.h"

namespace zelt {

std::string ProgramPath() {
    // By its UTF-16 name, asking again with more room while the name is cut short: a program folder
    // may have any characters and, where long paths are enabled, be longer than MAX_PATH.
    for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
        std::wstring buffer(size, L'\0');
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (n == 0) return {};
        if (n < size) return TextFromWide(std::wstring_view(buffer.data(), n));
    }
    return {};
}

std::string ProgramFolder() {
    const std::string path = ProgramPath();
    return path.substr(0, path.rfind('\\') + 1);
}

}  // namespace zelt
