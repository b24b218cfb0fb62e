// DllRegisterServer and DllUnregisterServer: the class, the icon handler under the ProgID of each
// template extension, and the approved shell extensions list.
#include <olectl.h>
#include <shlobj.h>
#include <windows.h>

#include <string>

#include "iconhandler/Module.h"
#include "iconhandler/WinHandles.h"

namespace zelt::icon {

namespace {

constexpr char kDescription[] = "C&C Zelt File";
constexpr char kOwnProgId[] = "ZeltFileType";
constexpr char kIconHandlerKey[] = "\\ShellEX\\IconHandler";
constexpr char kApprovedKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
constexpr const char* kExtensions[] = {".TEM", ".SNO", ".URB", ".UBN", ".LUN", ".DES"};

// Registry failures are the only texts this library shows; they are not translated.
void ShowError(const char* text) {
    MessageBoxA(nullptr, text, "Error", MB_OK | MB_ICONERROR);
}

bool CreateKey(HKEY root, const std::string& path, UniqueKey& key, DWORD* disposition = nullptr) {
    return RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                           key.Out(), disposition) == ERROR_SUCCESS;
}

bool SetString(HKEY key, const char* name, const std::string& value) {
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

// The key's default value when it is a non-empty string of at most 255 bytes.
bool ReadProgId(HKEY key, std::string& progId) {
    char text[256] = {};
    DWORD type = 0;
    DWORD size = sizeof(text) - 1;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return false;
    }
    progId.assign(text, strnlen(text, size));
    return !progId.empty();
}

HRESULT RegisterExtension(const char* extension) {
    UniqueKey key;
    DWORD disposition = 0;
    if (!CreateKey(HKEY_CLASSES_ROOT, extension, key, &disposition)) {
        ShowError("Can't access registry (EXT)!");
        return E_FAIL;
    }
    // An extension that already names a ProgID (the editor's or another program's) keeps it.
    std::string progId;
    if (disposition != REG_OPENED_EXISTING_KEY || !ReadProgId(key.Get(), progId)) {
        progId = kOwnProgId;
        SetString(key.Get(), nullptr, progId);
    }
    UniqueKey handler;
    if (!CreateKey(HKEY_CLASSES_ROOT, progId + kIconHandlerKey, handler)) {
        ShowError("Can't access registry (EXT)!");
        return E_FAIL;
    }
    SetString(handler.Get(), nullptr, kIconHandlerClsidText);
    return S_OK;
}

// Removes the icon handler under the extension's ProgID, only where it names this class, so
// another program's handler stays.
void UnregisterExtension(const char* extension) {
    UniqueKey key;
    std::string progId;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, extension, 0, KEY_READ, key.Out()) != ERROR_SUCCESS ||
        !ReadProgId(key.Get(), progId)) {
        return;
    }
    const std::string path = progId + kIconHandlerKey;
    UniqueKey handler;
    std::string clsid;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, handler.Out()) != ERROR_SUCCESS ||
        !ReadProgId(handler.Get(), clsid) || lstrcmpiA(clsid.c_str(), kIconHandlerClsidText) != 0) {
        return;
    }
    handler.Reset();
    RegDeleteTreeA(HKEY_CLASSES_ROOT, path.c_str());
}

void NotifyShell() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSHNOWAIT, nullptr, nullptr);
}

}  // namespace

}  // namespace zelt::icon

using namespace zelt::icon;

STDAPI DllRegisterServer() {
    const std::string clsidPath = std::string("CLSID\\") + kIconHandlerClsidText;
    UniqueKey clsid;
    if (!CreateKey(HKEY_CLASSES_ROOT, clsidPath, clsid)) {
        ShowError("Can't access registry (CLSID)!");
        return E_FAIL;
    }
    SetString(clsid.Get(), nullptr, kDescription);

    UniqueKey server;
    if (!CreateKey(clsid.Get(), "InProcServer32", server)) {
        ShowError("Can't access registry(InProcServer32)!");
        return E_FAIL;
    }
    SetString(server.Get(), nullptr, ModuleFileName());
    SetString(server.Get(), "ThreadingModel", "Apartment");

    // A failed extension is reported and skipped; the others are still registered.
    for (const char* extension : kExtensions) RegisterExtension(extension);

    UniqueKey approved;
    if (!CreateKey(HKEY_LOCAL_MACHINE, kApprovedKey, approved)) {
        ShowError("Can't access registry (SEA)!");
        return E_FAIL;
    }
    SetString(approved.Get(), kIconHandlerClsidText, kDescription);
    NotifyShell();
    return S_OK;
}

STDAPI DllUnregisterServer() {
    const std::string clsidPath = std::string("CLSID\\") + kIconHandlerClsidText;
    if (RegDeleteTreeA(HKEY_CLASSES_ROOT, clsidPath.c_str()) != ERROR_SUCCESS) return E_FAIL;

    for (const char* extension : kExtensions) UnregisterExtension(extension);

    UniqueKey approved;
    if (!CreateKey(HKEY_LOCAL_MACHINE, kApprovedKey, approved)) {
        ShowError("Can't access registry (SEA)!");
        return E_FAIL;
    }
    RegDeleteValueA(approved.Get(), kIconHandlerClsidText);
    NotifyShell();
    return S_OK;
}
