// The class factory of the library's three classes; each factory makes objects of one.
#pragma once
#include <unknwn.h>
#include <windows.h>

#include "iconhandler/Module.h"

namespace zelt::icon {

class ClassFactory final : public IClassFactory {
  public:
    explicit ClassFactory(HandlerClass made);
    ~ClassFactory();

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    STDMETHODIMP LockServer(BOOL lock) override;

  private:
    ULONG refs_ = 0;
    HandlerClass made_;
};

}  // namespace zelt::icon
