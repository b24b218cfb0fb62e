// The icon handler object: IShellExtInit (also its IUnknown), IExtractIconA and IPersistFile, laid
// out in that order. The shell loads a file name into it and asks it for that file's icon.
#pragma once
#include <shlobj.h>
#include <windows.h>

#include <string>

namespace zelt::icon {

class IconHandler final : public IShellExtInit, public IExtractIconA, public IPersistFile {
  public:
    IconHandler();
    ~IconHandler();

    // IUnknown; the other two interfaces reach these through this-adjusting thunks.
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IShellExtInit
    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* dataObject, HKEY progIdKey) override;

    // IExtractIconA
    STDMETHODIMP GetIconLocation(UINT flags, PSTR iconFile, UINT maxChars, int* index,
                                 UINT* outFlags) override;
    STDMETHODIMP Extract(PCSTR file, UINT index, HICON* large, HICON* small, UINT sizes) override;

    // IPersistFile
    STDMETHODIMP GetClassID(CLSID* clsid) override;
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP Load(LPCOLESTR fileName, DWORD mode) override;
    STDMETHODIMP Save(LPCOLESTR fileName, BOOL remember) override;
    STDMETHODIMP SaveCompleted(LPCOLESTR fileName) override;
    STDMETHODIMP GetCurFile(LPOLESTR* fileName) override;

  private:
    ULONG refs_ = 0;
    IDataObject* dataObject_ = nullptr;
    // The name given to Load; the file is read by it.
    std::wstring wideName_;
};

}  // namespace zelt::icon
