// A private copy of the icon handler library, loaded from a scratch folder that holds the test
// palettes in its Palettes folder, as the shell would load the installed one.
#pragma once
#include <windows.h>

#include <string>

namespace zelt::icon::test {

using GetClassObjectFn = HRESULT(__stdcall*)(REFCLSID, REFIID, void**);
using PlainExportFn = HRESULT(__stdcall*)();

struct HandlerLibrary {
    HMODULE module = nullptr;
    std::string folder;  // ends in '\'
    std::string file;    // the copy's full name
    GetClassObjectFn getClassObject = nullptr;
    PlainExportFn canUnloadNow = nullptr;
    PlainExportFn registerServer = nullptr;
    PlainExportFn unregisterServer = nullptr;
};

// Loaded on first use, freed and its folder removed when the test program ends.
const HandlerLibrary& Library();

// {6F0A3C52-8E1D-4B7A-9C35-2D41E8B7A913}, written here independently of the library.
extern const CLSID kHandlerClsid;
inline constexpr char kHandlerClsidText[] = "{6F0A3C52-8E1D-4B7A-9C35-2D41E8B7A913}";

void WriteBytes(const std::string& path, const void* data, size_t size);

}  // namespace zelt::icon::test
