// DllMain and the two exports that hand out the class factory.
#include "iconhandler/Module.h"

#include <atomic>
#include <new>

#include "iconhandler/ClassFactory.h"
#include "iconhandler/PreviewPane_win.h"

namespace zelt::icon {

namespace {

HINSTANCE g_instance = nullptr;
std::string g_fileName;
// The shell may call from more than one apartment thread, so the count is atomic.
std::atomic<long> g_objects{0};

void RememberModule(HINSTANCE instance) {
    g_instance = instance;
    // From the whole UTF-16 name: an ANSI one of MAX_PATH bytes would cut a long name, and in a
    // double-byte code page one of half the length.
    const std::wstring wide = ModuleFileNameWide();
    if (wide.empty()) return;
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr, 0,
                                           nullptr, nullptr);
    if (length <= 0) return;
    g_fileName.assign(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), g_fileName.data(), length, nullptr,
                        nullptr);
}

}  // namespace

HINSTANCE ModuleInstance() {
    return g_instance;
}
const std::string& ModuleFileName() {
    return g_fileName;
}
std::wstring ModuleFileNameWide() {
    // A name that does not fit is cut short (and on older systems left unterminated): ask again with
    // room to spare, up to the longest path there is.
    for (DWORD size = MAX_PATH; size < 65536; size *= 2) {
        std::wstring name(size, L'\0');
        const DWORD length = GetModuleFileNameW(g_instance, name.data(), size);
        if (length == 0) return {};
        if (length < size) {
            name.resize(length);
            return name;
        }
    }
    return {};
}
void AddObject() {
    ++g_objects;
}
void RemoveObject() {
    --g_objects;
}

}  // namespace zelt::icon

using namespace zelt::icon;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        try {
            RememberModule(instance);
        } catch (...) {
            return FALSE;
        }
    } else if (reason == DLL_PROCESS_DETACH) {
        UnregisterPaneClass(instance);
    }
    return TRUE;
}

STDAPI DllCanUnloadNow() {
    return g_objects == 0 ? S_OK : S_FALSE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    HandlerClass made;
    if (IsEqualCLSID(clsid, kIconHandlerClsid)) {
        made = HandlerClass::kIcon;
    } else if (IsEqualCLSID(clsid, kThumbnailClsid)) {
        made = HandlerClass::kThumbnail;
    } else if (IsEqualCLSID(clsid, kPreviewClsid)) {
        made = HandlerClass::kPreview;
    } else {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    auto* factory = new (std::nothrow) ClassFactory(made);
    if (factory == nullptr) return E_OUTOFMEMORY;
    // A factory nobody asked for the right interface of goes away at once.
    factory->AddRef();
    const HRESULT result = factory->QueryInterface(iid, out);
    factory->Release();
    return result;
}
