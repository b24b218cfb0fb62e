// The class factory of the icon handler.
#pragma once
#include <unknwn.h>
#include <windows.h>

namespace zelt::icon {

class ClassFactory final : public IClassFactory {
  public:
    ClassFactory();
    ~ClassFactory();

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    STDMETHODIMP LockServer(BOOL lock) override;

  private:
    ULONG refs_ = 0;
};

}  // namespace zelt::icon
