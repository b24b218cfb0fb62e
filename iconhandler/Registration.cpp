// DllRegisterServer and DllUnregisterServer: the three classes; the icon handler, the thumbnail
// provider and the preview handler under the ProgID of each template extension; the approved shell
// extensions list and the system's list of preview handlers.
#include <olectl.h>
#include <shlobj.h>
#include <windows.h>

#include <string>

#include "iconhandler/Module.h"
#include "common/WinHandles.h"

namespace zelt::icon {

namespace {

constexpr char kDescription[] = "C&C Zelt File";
constexpr char kOwnProgId[] = "ZeltFileType";
constexpr char kIconHandlerKey[] = "\\ShellEX\\IconHandler";
constexpr char kOwnDefaultIconKey[] = "ZeltFileType\\DefaultIcon";
// The shell asks a ProgID's icon handler for each file only when its default icon is "%1".
constexpr char kPerFileIcon[] = "%1";
constexpr char kApprovedKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
constexpr const char* kExtensions[] = {".TEM", ".SNO", ".URB", ".UBN", ".LUN", ".DES"};
constexpr char kThumbnailDescription[] = "Zelt template thumbnail";
constexpr char kPreviewDescription[] = "Zelt template preview";
// The shell looks for a thumbnail provider and a preview handler under these interface ids.
constexpr char kThumbnailKey[] = "\\ShellEx\\{e357fccd-a995-4576-b01f-234630154e96}";
constexpr char kPreviewKey[] = "\\ShellEx\\{8895b1c6-b41f-4c1c-a562-0d564250836f}";
// The system's preview host for 64-bit handlers runs the preview handler out of Explorer's process.
constexpr char kPreviewHostAppId[] = "{6d2b5079-2f0b-48dd-ab7f-97cec514d30b}";
constexpr char kPreviewHandlersKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\PreviewHandlers";

struct ShellHandler {
    const char* key;  // below the ProgID
    const char* clsid;
};
constexpr ShellHandler kShellHandlers[] = {{kThumbnailKey, kThumbnailClsidText}, {kPreviewKey, kPreviewClsidText}};

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

// The default value in UTF-16, so a path of any characters is written as it is.
bool SetWideString(HKEY key, const std::wstring& value) {
    return RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// The key's default value when it is a non-empty string of at most 255 bytes.
bool ReadDefaultString(HKEY key, std::string& text) {
    char buffer[256] = {};
    DWORD type = 0;
    DWORD size = sizeof(buffer) - 1;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ) {
        return false;
    }
    text.assign(buffer, strnlen(buffer, size));
    return !text.empty();
}

// Creates (or opens) root\path and sets its default value.
bool WriteDefault(HKEY root, const std::string& path, const std::string& value) {
    UniqueKey key;
    return CreateKey(root, path, key) && SetString(key.Get(), nullptr, value);
}

// A thumbnail provider or preview handler another program hung under a shared ProgID stays; only
// an empty place, or one already ours, is written.
bool WriteUnlessTaken(const std::string& path, const char* clsidText) {
    UniqueKey key;
    std::string present;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, key.Out()) == ERROR_SUCCESS &&
        ReadDefaultString(key.Get(), present) && lstrcmpiA(present.c_str(), clsidText) != 0) {
        return true;
    }
    return WriteDefault(HKEY_CLASSES_ROOT, path, clsidText);
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
    if (disposition != REG_OPENED_EXISTING_KEY || !ReadDefaultString(key.Get(), progId)) {
        progId = kOwnProgId;
        if (!SetString(key.Get(), nullptr, progId)) {
            ShowError("Can't access registry (EXT)!");
            return E_FAIL;
        }
    }
    // Another program's ProgID keeps its own default icon; only ours is switched to per-file icons.
    const bool ours = lstrcmpiA(progId.c_str(), kOwnProgId) == 0;
    if (!WriteDefault(HKEY_CLASSES_ROOT, progId + kIconHandlerKey, kIconHandlerClsidText) ||
        (ours && !WriteDefault(HKEY_CLASSES_ROOT, kOwnDefaultIconKey, kPerFileIcon))) {
        ShowError("Can't access registry (EXT)!");
        return E_FAIL;
    }
    for (const ShellHandler& handler : kShellHandlers) {
        if (!WriteUnlessTaken(progId + handler.key, handler.clsid)) {
            ShowError("Can't access registry (EXT)!");
            return E_FAIL;
        }
    }
    return S_OK;
}

// The key's default value names this class (compared without regard to case).
bool NamesClass(const std::string& path, const char* clsidText) {
    UniqueKey key;
    std::string clsid;
    return RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, key.Out()) == ERROR_SUCCESS &&
           ReadDefaultString(key.Get(), clsid) && lstrcmpiA(clsid.c_str(), clsidText) == 0;
}

// Removes root\path only where it names this class, so another program's handler stays.
void RemoveIfOurs(const std::string& path, const char* clsidText) {
    if (NamesClass(path, clsidText)) RegDeleteTreeA(HKEY_CLASSES_ROOT, path.c_str());
}

// Removes the icon handler under the extension's ProgID, only where it names this class, so
// another program's handler stays.
void UnregisterExtension(const char* extension) {
    UniqueKey key;
    std::string progId;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, extension, 0, KEY_READ, key.Out()) != ERROR_SUCCESS ||
        !ReadDefaultString(key.Get(), progId)) {
        return;
    }
    RemoveIfOurs(progId + kIconHandlerKey, kIconHandlerClsidText);
    for (const ShellHandler& handler : kShellHandlers) RemoveIfOurs(progId + handler.key, handler.clsid);
}

// Our ProgID's per-file default icon goes with the handler; one set to anything else since stays.
void RemoveOwnDefaultIcon() {
    UniqueKey key;
    std::string icon;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kOwnDefaultIconKey, 0, KEY_READ, key.Out()) != ERROR_SUCCESS ||
        !ReadDefaultString(key.Get(), icon) || icon != kPerFileIcon) {
        return;
    }
    key.Reset();
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kOwnDefaultIconKey);
}

void NotifyShell() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSHNOWAIT, nullptr, nullptr);
}

// CLSID\{class} with its description, the library as its server, and for the preview handler the
// preview host that runs it.
HRESULT RegisterClassKey(const std::wstring& module, const char* clsidText, const char* description,
                         const char* appId) {
    const std::string clsidPath = std::string("CLSID\\") + clsidText;
    UniqueKey clsid;
    if (!CreateKey(HKEY_CLASSES_ROOT, clsidPath, clsid) || !SetString(clsid.Get(), nullptr, description) ||
        (appId != nullptr && (!SetString(clsid.Get(), "AppID", appId) ||
                              !SetString(clsid.Get(), "DisplayName", description)))) {
        ShowError("Can't access registry (CLSID)!");
        return E_FAIL;
    }
    UniqueKey server;
    if (!CreateKey(clsid.Get(), "InProcServer32", server) || !SetWideString(server.Get(), module) ||
        !SetString(server.Get(), "ThreadingModel", "Apartment")) {
        ShowError("Can't access registry(InProcServer32)!");
        return E_FAIL;
    }
    return S_OK;
}

HRESULT RegisterServer() {
    // Without its own path the class would point nowhere; nothing is written then.
    const std::wstring module = ModuleFileNameWide();
    if (module.empty()) {
        ShowError("Can't access registry(InProcServer32)!");
        return E_FAIL;
    }
    if (FAILED(RegisterClassKey(module, kIconHandlerClsidText, kDescription, nullptr)) ||
        FAILED(RegisterClassKey(module, kThumbnailClsidText, kThumbnailDescription, nullptr)) ||
        FAILED(RegisterClassKey(module, kPreviewClsidText, kPreviewDescription, kPreviewHostAppId))) {
        return E_FAIL;
    }

    // A failed extension is reported and the others are still registered, but the whole fails.
    HRESULT result = S_OK;
    for (const char* extension : kExtensions) {
        if (FAILED(RegisterExtension(extension))) result = E_FAIL;
    }

    UniqueKey approved;
    if (!CreateKey(HKEY_LOCAL_MACHINE, kApprovedKey, approved) ||
        !SetString(approved.Get(), kIconHandlerClsidText, kDescription) ||
        !SetString(approved.Get(), kThumbnailClsidText, kThumbnailDescription) ||
        !SetString(approved.Get(), kPreviewClsidText, kPreviewDescription)) {
        ShowError("Can't access registry (SEA)!");
        return E_FAIL;
    }
    UniqueKey previewHandlers;
    if (!CreateKey(HKEY_LOCAL_MACHINE, kPreviewHandlersKey, previewHandlers) ||
        !SetString(previewHandlers.Get(), kPreviewClsidText, kPreviewDescription)) {
        ShowError("Can't access registry (PreviewHandlers)!");
        return E_FAIL;
    }
    return result;
}

HRESULT UnregisterServer() {
    const std::string clsidPath = std::string("CLSID\\") + kIconHandlerClsidText;
    if (RegDeleteTreeA(HKEY_CLASSES_ROOT, clsidPath.c_str()) != ERROR_SUCCESS) return E_FAIL;
    for (const char* clsid : {kThumbnailClsidText, kPreviewClsidText}) {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, (std::string("CLSID\\") + clsid).c_str());
    }

    for (const char* extension : kExtensions) UnregisterExtension(extension);
    RemoveOwnDefaultIcon();

    UniqueKey approved;
    if (!CreateKey(HKEY_LOCAL_MACHINE, kApprovedKey, approved)) {
        ShowError("Can't access registry (SEA)!");
        return E_FAIL;
    }
    for (const char* clsid : {kIconHandlerClsidText, kThumbnailClsidText, kPreviewClsidText}) {
        RegDeleteValueA(approved.Get(), clsid);
    }
    // The list itself is the system's: only our value goes.
    UniqueKey previewHandlers;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPreviewHandlersKey, 0, KEY_ALL_ACCESS, previewHandlers.Out()) ==
        ERROR_SUCCESS) {
        RegDeleteValueA(previewHandlers.Get(), kPreviewClsidText);
    }
    return S_OK;
}

}  // namespace

}  // namespace zelt::icon

using namespace zelt::icon;

// Explorer keeps the associations it knows until told they changed, whatever the outcome.
STDAPI DllRegisterServer() {
    const HRESULT result = RegisterServer();
    NotifyShell();
    return result;
}

STDAPI DllUnregisterServer() {
    const HRESULT result = UnregisterServer();
    NotifyShell();
    return result;
}
