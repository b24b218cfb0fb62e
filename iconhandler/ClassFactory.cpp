#include "iconhandler/ClassFactory.h"

#include <new>

#include "iconhandler/IconHandler.h"
#include "iconhandler/Module.h"

namespace zelt::icon {

ClassFactory::ClassFactory() {
    AddObject();
}
ClassFactory::~ClassFactory() {
    RemoveObject();
}

STDMETHODIMP ClassFactory::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *out = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) ClassFactory::AddRef() {
    return ++refs_;
}

STDMETHODIMP_(ULONG) ClassFactory::Release() {
    const ULONG refs = --refs_;
    if (refs == 0) delete this;
    return refs;
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    auto* handler = new (std::nothrow) IconHandler();
    if (handler == nullptr) return E_OUTOFMEMORY;
    handler->AddRef();
    const HRESULT result = handler->QueryInterface(iid, out);
    handler->Release();
    return result;
}

STDMETHODIMP ClassFactory::LockServer(BOOL) {
    return S_OK;
}

}  // namespace zelt::icon
