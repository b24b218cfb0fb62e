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
// The thumbnail provider's and the preview handler's classes.
extern const CLSID kThumbnailClsid;
inline constexpr char kThumbnailClsidText[] = "{3B7E4D21-6A9C-4F18-B2D5-7C0E91A4F6D3}";
extern const CLSID kPreviewClsid;
inline constexpr char kPreviewClsidText[] = "{A4C81F9E-2D37-4B6A-8E05-5F93B1D7C2E8}";

// Releases a COM pointer at the end of a scope.
template <typename T>
struct Ref {
    T* p = nullptr;
    ~Ref() {
        if (p != nullptr) p->Release();
    }
    void** Out() { return reinterpret_cast<void**>(&p); }
    T* operator->() const { return p; }
};

void WriteBytes(const std::string& path, const void* data, size_t size);

}  // namespace zelt::icon::test
