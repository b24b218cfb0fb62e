#include "iconhandler/PaletteFile_win.h"

#include <windows.h>

#include "common/WinHandles.h"
#include "iconhandler/IconPalette.h"
#include "iconhandler/Module.h"

namespace zelt::icon {

namespace {

// The library's folder by its UTF-16 name, ending in '\': an install folder whose name the ANSI
// code page cannot spell is still found.
std::wstring ModuleFolderWide() {
    const std::wstring name = ModuleFileNameWide();
    const size_t slash = name.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : name.substr(0, slash + 1);
}

}  // namespace

// Only the first 768 bytes of a palette file count; a longer file is read no further. The
// relative name is plain ASCII.
bool ReadPaletteFile(const std::string& relative, std::vector<uint8_t>& bytes) {
    const std::wstring folder = ModuleFolderWide();
    if (folder.empty()) return false;
    const std::wstring path = folder + L"Palettes\\" + std::wstring(relative.begin(), relative.end());
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    bytes.resize(kPaletteBytes);
    DWORD read = 0;
    return ReadFile(file.Get(), bytes.data(), kPaletteBytes, &read, nullptr) && read == kPaletteBytes;
}

std::string NarrowName(const wchar_t* name) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, name, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, name, -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<size_t>(size) - 1);
    return out;
}

}  // namespace zelt::icon
