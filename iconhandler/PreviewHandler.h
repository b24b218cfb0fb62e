// The preview handler: IPreviewHandler (also its IUnknown), IInitializeWithStream, IObjectWithSite,
// IOleWindow and IPreviewHandlerVisuals, laid out in that order. The preview host hands it the file
// as a stream and a window to draw in; it shows the template in a child window of its own.
#pragma once
#include <ocidl.h>
#include <propsys.h>
#include <shobjidl.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "common/WinHandles.h"
#include "iconhandler/PreviewPane_win.h"
#include "iconhandler/StreamBytes_win.h"

namespace zelt::icon {

class PreviewHandler final : public IPreviewHandler,
                             public IInitializeWithStream,
                             public IObjectWithSite,
                             public IOleWindow,
                             public IPreviewHandlerVisuals {
  public:
    PreviewHandler();
    ~PreviewHandler();

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IPreviewHandler
    STDMETHODIMP SetWindow(HWND parent, const RECT* rect) override;
    STDMETHODIMP SetRect(const RECT* rect) override;
    STDMETHODIMP DoPreview() override;
    STDMETHODIMP Unload() override;
    STDMETHODIMP SetFocus() override;
    STDMETHODIMP QueryFocus(HWND* focus) override;
    STDMETHODIMP TranslateAccelerator(MSG* message) override;

    // IInitializeWithStream: the stream is read whole here and not kept.
    STDMETHODIMP Initialize(IStream* stream, DWORD mode) override;

    // IObjectWithSite
    STDMETHODIMP SetSite(IUnknown* site) override;
    STDMETHODIMP GetSite(REFIID iid, void** out) override;

    // IOleWindow
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enter) override;

    // IPreviewHandlerVisuals
    STDMETHODIMP SetBackgroundColor(COLORREF colour) override;
    STDMETHODIMP SetFont(const LOGFONTW* font) override;
    STDMETHODIMP SetTextColor(COLORREF colour) override;

  private:
    bool PrepareContent();
    void Repaint();

    ULONG refs_ = 0;
    StreamTemplate file_;
    HWND parent_ = nullptr;
    RECT rect_ = {};
    HWND pane_ = nullptr;
    IUnknown* site_ = nullptr;
    IPreviewHandlerFrame* frame_ = nullptr;
    COLORREF background_;
    COLORREF textColour_;
    // The host's font is kept as a description; its GDI font lives only while a file is shown.
    LOGFONTW hostFont_ = {};
    bool hasHostFont_ = false;
    UniqueFont font_;
    // Kept apart from the window, which points at it: it outlives every pane.
    std::unique_ptr<PaneContent> content_;
};

}  // namespace zelt::icon
