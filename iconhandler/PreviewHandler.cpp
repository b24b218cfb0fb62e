#include "iconhandler/PreviewHandler.h"

#include <cwchar>

#include "iconhandler/IconThumbnail.h"
#include "iconhandler/Module.h"
#include "iconhandler/PaletteFile_win.h"
#include "iconhandler/PreviewStrings.h"
#include "iconhandler/StreamBytes_win.h"

namespace zelt::icon {

namespace {

std::wstring ResourceText(UINT id) {
    wchar_t text[256] = {};
    LoadStringW(ModuleInstance(), id, text, 256);
    return text;
}

// "TS/FS template, grid 3 x 2, 5 tiles": the format from the library's string table.
std::wstring Summary(const IconTemplate& tmpl) {
    const std::wstring family = ResourceText(tmpl.family == IconFamily::kRa2Yr ? IDS_FAMILY_RA2YR : IDS_FAMILY_TSFS);
    const size_t tiles = tmpl.cells.size();
    const std::wstring format = ResourceText(tiles == 1 ? IDS_SUMMARY_ONE_TILE : IDS_SUMMARY_TILES);
    wchar_t text[512] = {};
    swprintf(text, 512, format.c_str(), family.c_str(), static_cast<int>(tmpl.gridWidth),
             static_cast<int>(tmpl.gridHeight), static_cast<int>(tiles));
    return text;
}

// The font dialogs and message boxes use, until the host names one.
HFONT MessageFont() {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return nullptr;
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

}  // namespace

PreviewHandler::PreviewHandler()
    : background_(GetSysColor(COLOR_WINDOW)), textColour_(GetSysColor(COLOR_WINDOWTEXT)) {
    AddObject();
}

PreviewHandler::~PreviewHandler() {
    Unload();
    SetSite(nullptr);
    RemoveObject();
}

STDMETHODIMP PreviewHandler::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPreviewHandler)) {
        *out = static_cast<IPreviewHandler*>(this);
    } else if (IsEqualIID(iid, IID_IInitializeWithStream)) {
        *out = static_cast<IInitializeWithStream*>(this);
    } else if (IsEqualIID(iid, IID_IObjectWithSite)) {
        *out = static_cast<IObjectWithSite*>(this);
    } else if (IsEqualIID(iid, IID_IOleWindow)) {
        *out = static_cast<IOleWindow*>(this);
    } else if (IsEqualIID(iid, IID_IPreviewHandlerVisuals)) {
        *out = static_cast<IPreviewHandlerVisuals*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) PreviewHandler::AddRef() {
    return ++refs_;
}

STDMETHODIMP_(ULONG) PreviewHandler::Release() {
    const ULONG refs = --refs_;
    if (refs == 0) delete this;
    return refs;
}

STDMETHODIMP PreviewHandler::Initialize(IStream* stream, DWORD) {
    return InitializeFromStream(stream, kMaxTemplateFileBytes, file_);
}

STDMETHODIMP PreviewHandler::SetWindow(HWND parent, const RECT* rect) {
    if (parent == nullptr || rect == nullptr) return E_INVALIDARG;
    parent_ = parent;
    rect_ = *rect;
    if (pane_ != nullptr) {
        ::SetParent(pane_, parent_);
        SetWindowPos(pane_, nullptr, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return S_OK;
}

STDMETHODIMP PreviewHandler::SetRect(const RECT* rect) {
    if (rect == nullptr) return E_INVALIDARG;
    rect_ = *rect;
    // The pane's class redraws the whole pane on every change of size.
    if (pane_ != nullptr) {
        SetWindowPos(pane_, nullptr, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return S_OK;
}

bool PreviewHandler::PrepareContent() {
    auto content = std::make_unique<PaneContent>();
    IconTemplate tmpl;
    if (!ReadTemplateAndPalette(file_.bytes, file_.name, ReadPaletteFile, tmpl, content->palette) ||
        !ComposeTemplate(tmpl, content->composed)) {
        return false;
    }
    content->text = Summary(tmpl);
    font_.Reset(hasHostFont_ ? CreateFontIndirectW(&hostFont_) : MessageFont());
    content->font = font_.Get();
    content->background = background_;
    content->textColour = textColour_;
    content_ = std::move(content);
    return true;
}

STDMETHODIMP PreviewHandler::DoPreview() {
    if (parent_ == nullptr) return E_UNEXPECTED;
    if (pane_ != nullptr) return S_OK;  // already shown; SetRect keeps it in place
    try {
        if (!PrepareContent()) return E_FAIL;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    pane_ = CreatePreviewPane(parent_, rect_, content_.get());
    if (pane_ == nullptr) {
        content_.reset();
        return HRESULT_FROM_WIN32(GetLastError());
    }
    return S_OK;
}

STDMETHODIMP PreviewHandler::Unload() {
    if (pane_ != nullptr) {
        DestroyWindow(pane_);
        pane_ = nullptr;
    }
    content_.reset();
    font_.Reset();
    file_ = {};
    if (frame_ != nullptr) {
        frame_->Release();
        frame_ = nullptr;
    }
    return S_OK;
}

STDMETHODIMP PreviewHandler::SetFocus() {
    if (pane_ == nullptr) return S_FALSE;
    ::SetFocus(pane_);
    return S_OK;
}

STDMETHODIMP PreviewHandler::QueryFocus(HWND* focus) {
    if (focus == nullptr) return E_INVALIDARG;
    *focus = GetFocus();
    return *focus != nullptr ? S_OK : S_FALSE;
}

// The pane has no keys of its own: the host's frame gets every accelerator.
STDMETHODIMP PreviewHandler::TranslateAccelerator(MSG* message) {
    return frame_ != nullptr ? frame_->TranslateAccelerator(message) : S_FALSE;
}

STDMETHODIMP PreviewHandler::SetSite(IUnknown* site) {
    if (frame_ != nullptr) {
        frame_->Release();
        frame_ = nullptr;
    }
    if (site_ != nullptr) site_->Release();
    site_ = site;
    if (site_ != nullptr) {
        site_->AddRef();
        site_->QueryInterface(IID_IPreviewHandlerFrame, reinterpret_cast<void**>(&frame_));
    }
    return S_OK;
}

STDMETHODIMP PreviewHandler::GetSite(REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    return site_ != nullptr ? site_->QueryInterface(iid, out) : E_FAIL;
}

STDMETHODIMP PreviewHandler::GetWindow(HWND* window) {
    if (window == nullptr) return E_INVALIDARG;
    *window = pane_;
    return pane_ != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP PreviewHandler::ContextSensitiveHelp(BOOL) {
    return E_NOTIMPL;
}

void PreviewHandler::Repaint() {
    if (content_) {
        content_->background = background_;
        content_->textColour = textColour_;
        content_->font = font_.Get();
    }
    if (pane_ != nullptr) InvalidateRect(pane_, nullptr, FALSE);
}

STDMETHODIMP PreviewHandler::SetBackgroundColor(COLORREF colour) {
    background_ = colour;
    Repaint();
    return S_OK;
}

STDMETHODIMP PreviewHandler::SetFont(const LOGFONTW* font) {
    if (font == nullptr) return E_INVALIDARG;
    hostFont_ = *font;
    hasHostFont_ = true;
    if (content_) {
        UniqueFont made(CreateFontIndirectW(&hostFont_));
        if (!made) return E_FAIL;
        font_ = std::move(made);
    }
    Repaint();
    return S_OK;
}

STDMETHODIMP PreviewHandler::SetTextColor(COLORREF colour) {
    textColour_ = colour;
    Repaint();
    return S_OK;
}

}  // namespace zelt::icon
