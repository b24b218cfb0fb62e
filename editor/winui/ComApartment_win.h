// The single-threaded COM apartment of the user-interface thread. The shell's file operations and
// ShellExecute may run verbs implemented as COM objects and need one; OLE1 DDE is not wanted.
#pragma once
#include <objbase.h>

namespace zelt {

class ComApartment {
  public:
    ComApartment()
        : initialized_(
              SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (initialized_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool initialized_;
};

}  // namespace zelt
