#include "iconhandler/ThumbnailProvider.h"

#include "iconhandler/IconThumbnail.h"
#include "iconhandler/Module.h"
#include "iconhandler/PaletteFile_win.h"
#include "iconhandler/StreamBytes_win.h"
#include "iconhandler/ThumbnailBitmap_win.h"

namespace zelt::icon {

ThumbnailProvider::ThumbnailProvider() {
    AddObject();
}

ThumbnailProvider::~ThumbnailProvider() {
    RemoveObject();
}

STDMETHODIMP ThumbnailProvider::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IInitializeWithStream)) {
        *out = static_cast<IInitializeWithStream*>(this);
    } else if (IsEqualIID(iid, __uuidof(IThumbnailProvider))) {
        *out = static_cast<IThumbnailProvider*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) ThumbnailProvider::AddRef() {
    return ++refs_;
}

STDMETHODIMP_(ULONG) ThumbnailProvider::Release() {
    const ULONG refs = --refs_;
    if (refs == 0) delete this;
    return refs;
}

STDMETHODIMP ThumbnailProvider::Initialize(IStream* stream, DWORD) {
    return InitializeFromStream(stream, kMaxTemplateFileBytes, file_);
}

STDMETHODIMP ThumbnailProvider::GetThumbnail(UINT cx, HBITMAP* bitmap, WTS_ALPHATYPE* alpha) {
    if (bitmap == nullptr) return E_POINTER;
    *bitmap = nullptr;
    if (alpha != nullptr) *alpha = WTSAT_UNKNOWN;
    const int maxSide = static_cast<int>(cx < 0x7FFFFFFF ? cx : 0x7FFFFFFF);
    try {
        ArgbPicture picture;
        if (!RenderTemplateThumbnail(file_.bytes, file_.name, ReadPaletteFile, maxSide, picture)) return E_FAIL;
        *bitmap = MakeArgbBitmap(picture);
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    if (*bitmap == nullptr) return E_OUTOFMEMORY;
    if (alpha != nullptr) *alpha = WTSAT_ARGB;
    return S_OK;
}

}  // namespace zelt::icon
