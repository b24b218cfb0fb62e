// The thumbnail provider: IInitializeWithStream (also its IUnknown) and IThumbnailProvider, laid
// out in that order. Explorer hands it the file as a stream and asks for a picture of at most
// cx pixels a side.
#pragma once
#include <propsys.h>
#include <thumbcache.h>
#include <windows.h>

#include <string>
#include <vector>

#include "iconhandler/StreamBytes_win.h"

namespace zelt::icon {

class ThumbnailProvider final : public IInitializeWithStream, public IThumbnailProvider {
  public:
    ThumbnailProvider();
    ~ThumbnailProvider();

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IInitializeWithStream: the stream is read whole here and not kept.
    STDMETHODIMP Initialize(IStream* stream, DWORD mode) override;

    // IThumbnailProvider
    STDMETHODIMP GetThumbnail(UINT cx, HBITMAP* bitmap, WTS_ALPHATYPE* alpha) override;

  private:
    ULONG refs_ = 0;
    StreamTemplate file_;
};

}  // namespace zelt::icon
