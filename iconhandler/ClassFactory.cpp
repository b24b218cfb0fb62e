#include "iconhandler/ClassFactory.h"

#include <new>

#include "iconhandler/IconHandler.h"
#include "iconhandler/Module.h"
#include "iconhandler/PreviewHandler.h"
#include "iconhandler/ThumbnailProvider.h"

namespace zelt::icon {

namespace {

// A new object, kept only when it has the interface asked for.
template <class T>
HRESULT Hand(REFIID iid, void** out) {
    auto* object = new (std::nothrow) T();
    if (object == nullptr) return E_OUTOFMEMORY;
    object->AddRef();
    const HRESULT result = object->QueryInterface(iid, out);
    object->Release();
    return result;
}

}  // namespace

ClassFactory::ClassFactory(HandlerClass made) : made_(made) {
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
    switch (made_) {
        case HandlerClass::kIcon: return Hand<IconHandler>(iid, out);
        case HandlerClass::kThumbnail: return Hand<ThumbnailProvider>(iid, out);
        case HandlerClass::kPreview: return Hand<PreviewHandler>(iid, out);
    }
    return E_UNEXPECTED;
}

STDMETHODIMP ClassFactory::LockServer(BOOL) {
    return S_OK;
}

}  // namespace zelt::icon
