#include "editor/winui/AboutPage_win.h"

#include <exdisp.h>
#include <exdispid.h>
#include <ole2.h>

#include <string>

#include "editor/settings/ProgramFolder.h"
#include "editor/strings/StringTable.h"
#include "editor/winui/DisplayScale_win.h"
#include "editor/winui/Message_win.h"

namespace zelt {

namespace {

constexpr int kPageWidth = 413;
constexpr int kPageHeight = 215;
// The page's close button navigates here; the navigation is cancelled and the dialog closes.
constexpr const wchar_t* kCloseAddress = L"about:zelt-close";

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND, IUnknown**);

// Receives the browser's events; only the navigation to the close address matters.
class BrowserEvents final : public IDispatch {
public:
    void SetDialog(HWND dialog) { dialog_ = dialog; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == DIID_DWebBrowserEvents2) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the dialog's stack frame for the dialog's whole life: the count only mirrors references.
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        // BeforeNavigate2 passes its seven arguments last first: the address is 5, the cancel flag 0.
        if (id != DISPID_BEFORENAVIGATE2 || !params || params->cArgs < 7) return S_OK;
        const VARIANT& address = params->rgvarg[5];
        const BSTR text = address.vt == (VT_BYREF | VT_VARIANT) && address.pvarVal && address.pvarVal->vt == VT_BSTR
                              ? address.pvarVal->bstrVal
                              : nullptr;
        if (text && lstrcmpiW(text, kCloseAddress) == 0) {
            if (params->rgvarg[0].vt == (VT_BYREF | VT_BOOL)) *params->rgvarg[0].pboolVal = VARIANT_TRUE;
            PostMessageA(dialog_, WM_CLOSE, 0, 0);
        }
        return S_OK;
    }

private:
    HWND dialog_ = nullptr;
    ULONG references_ = 1;
};

struct AboutDialog {
    std::string address;
    HMODULE atl = nullptr;
    HWND host = nullptr;
    IConnectionPoint* events = nullptr;
    DWORD cookie = 0;
    BrowserEvents* sink = nullptr;
};

void ConnectEvents(AboutDialog& about) {
    auto getControl = reinterpret_cast<AtlAxGetControlFn>(
        reinterpret_cast<void*>(GetProcAddress(about.atl, "AtlAxGetControl")));
    IUnknown* control = nullptr;
    if (!getControl || FAILED(getControl(about.host, &control)) || !control) return;
    IConnectionPointContainer* container = nullptr;
    if (SUCCEEDED(control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
        if (SUCCEEDED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, &about.events))) {
            if (FAILED(about.events->Advise(about.sink, &about.cookie))) {
                about.events->Release();
                about.events = nullptr;
            }
        }
        container->Release();
    }
    control->Release();
}

void DisconnectEvents(AboutDialog& about) {
    if (!about.events) return;
    about.events->Unadvise(about.cookie);
    about.events->Release();
    about.events = nullptr;
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* about = reinterpret_cast<AboutDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            about = reinterpret_cast<AboutDialog*>(lParam);
            about->sink->SetDialog(dialog);
            SetWindowTextA(dialog, Lookup("GUI:ABOUT"));
            // The page's size at 96 dots per inch, scaled to the dialog's density.
            const int dpi = WindowDpi(dialog);
            RECT frame{0, 0, ScaleForDpi(kPageWidth, dpi), ScaleForDpi(kPageHeight, dpi)};
            AdjustWindowRectForDpi(frame, static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE)), false,
                                   static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)), dpi);
            const int w = frame.right - frame.left, h = frame.bottom - frame.top;
            SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                         (GetSystemMetrics(SM_CYSCREEN) - h) / 2, w, h, SWP_NOZORDER);
            if (about->atl) {
                auto init = reinterpret_cast<AtlAxWinInitFn>(
                    reinterpret_cast<void*>(GetProcAddress(about->atl, "AtlAxWinInit")));
                if (init && init()) {
                    // The host control creates the browser for an address given as its text.
                    about->host = CreateWindowExA(0, "AtlAxWin", about->address.c_str(), WS_CHILD | WS_VISIBLE, 0, 0,
                                                  kPageWidth, kPageHeight, dialog, nullptr, GetModuleHandleA(nullptr),
                                                  nullptr);
                    if (about->host) ConnectEvents(*about);
                }
            }
            return TRUE;
        }
        case WM_SIZE:
            if (about && about->host) MoveWindow(about->host, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
                DisconnectEvents(*about);
                EndDialog(dialog, 0);
            }
            return TRUE;
        case WM_CLOSE:
            DisconnectEvents(*about);
            EndDialog(dialog, 0);
            return TRUE;
        default: return FALSE;
    }
}

// An empty, resizable dialog with a close box; the browser fills it.
struct AboutTemplate {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
};

}  // namespace

void ShowAboutPage(HWND owner, const char* pageName) {
    // Nests in the thread's single-threaded apartment (S_FALSE) or makes one of its own.
    const HRESULT ole = OleInitialize(nullptr);
    AboutDialog about;
    about.address = "res://" + ProgramPath() + "//" + pageName;
    // The browser host's library is loaded once and kept to the end of the process: the thread's
    // apartment may outlive this page, and OLE can release objects whose code lives in the library
    // until it is uninitialised.
    static const HMODULE atl = LoadLibraryA("atl.dll");
    about.atl = atl;
    BrowserEvents sink;
    about.sink = &sink;
    AboutTemplate dialog{};
    dialog.header.style = DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    dialog.header.cx = 200;
    dialog.header.cy = 100;
    HWND previousOwner = MessageOwner();
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), &dialog.header, owner, AboutProc,
                            reinterpret_cast<LPARAM>(&about));
    SetMessageOwner(previousOwner);
    if (SUCCEEDED(ole)) OleUninitialize();
}

}  // namespace zelt
