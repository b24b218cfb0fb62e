#include "iconhandler/IconHandler.h"

#include "iconhandler/Module.h"
#include "iconhandler/RenderIcon_win.h"

namespace zelt::icon {

IconHandler::IconHandler() {
    AddObject();
}

IconHandler::~IconHandler() {
    if (dataObject_ != nullptr) dataObject_->Release();
    RemoveObject();
}

STDMETHODIMP IconHandler::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IShellExtInit)) {
        *out = static_cast<IShellExtInit*>(this);
    } else if (IsEqualIID(iid, IID_IExtractIconA)) {
        *out = static_cast<IExtractIconA*>(this);
    } else if (IsEqualIID(iid, IID_IPersistFile)) {
        *out = static_cast<IPersistFile*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) IconHandler::AddRef() {
    return ++refs_;
}

STDMETHODIMP_(ULONG) IconHandler::Release() {
    const ULONG refs = --refs_;
    if (refs == 0) delete this;
    return refs;
}

STDMETHODIMP IconHandler::Initialize(PCIDLIST_ABSOLUTE, IDataObject* dataObject, HKEY) {
    if (dataObject != nullptr) dataObject->AddRef();
    if (dataObject_ != nullptr) dataObject_->Release();
    dataObject_ = dataObject;
    return S_OK;
}

STDMETHODIMP IconHandler::GetIconLocation(UINT, PSTR iconFile, UINT maxChars, int* index, UINT* outFlags) {
    if (iconFile != nullptr && maxChars > 0) {
        const std::string& name = ModuleFileName();
        const size_t length = name.size() < maxChars - 1 ? name.size() : maxChars - 1;
        name.copy(iconFile, length);
        iconFile[length] = '\0';
    }
    if (index != nullptr) *index = 0;
    if (outFlags != nullptr) *outFlags = GIL_NOTFILENAME | GIL_DONTCACHE;
    return S_OK;
}

STDMETHODIMP IconHandler::Extract(PCSTR, UINT index, HICON* large, HICON* small, UINT sizes) {
    if (index != 0) return S_FALSE;
    // The name given to Load is drawn, not the argument: the shell passes the library's own name.
    RenderIcon(wideName_.c_str(), large, small, LOWORD(sizes), HIWORD(sizes));
    return S_OK;
}

STDMETHODIMP IconHandler::GetClassID(CLSID*) {
    return E_FAIL;
}
STDMETHODIMP IconHandler::IsDirty() {
    return S_FALSE;
}

STDMETHODIMP IconHandler::Load(LPCOLESTR fileName, DWORD) {
    // Kept in UTF-16 whatever its length: Explorer's ANSI code page cannot spell every name, nor
    // hold a long one in MAX_PATH bytes. A name that cannot be kept leaves the fallback icon.
    try {
        wideName_ = fileName != nullptr ? fileName : L"";
    } catch (...) {
        wideName_.clear();
    }
    return S_OK;
}

STDMETHODIMP IconHandler::Save(LPCOLESTR, BOOL) {
    return E_FAIL;
}
STDMETHODIMP IconHandler::SaveCompleted(LPCOLESTR) {
    return E_FAIL;
}
STDMETHODIMP IconHandler::GetCurFile(LPOLESTR*) {
    return E_FAIL;
}

}  // namespace zelt::icon
