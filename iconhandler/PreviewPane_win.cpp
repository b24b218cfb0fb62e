#include "iconhandler/PreviewPane_win.h"

#include <algorithm>

#include "common/WinHandles.h"
#include "iconhandler/Module.h"
#include "iconhandler/PreviewLayout.h"

namespace zelt::icon {

namespace {

constexpr wchar_t kPaneClass[] = L"ZeltTemplatePreviewPane";

uint32_t ToRgb(COLORREF c) {
    return static_cast<uint32_t>(GetRValue(c)) << 16 | static_cast<uint32_t>(GetGValue(c)) << 8 | GetBValue(c);
}

const PaneContent* ContentOf(HWND pane) {
    return reinterpret_cast<const PaneContent*>(GetWindowLongPtrW(pane, GWLP_USERDATA));
}

// The picture and text are drawn into a bitmap first and copied in one go, so a resize does not flicker.
void PaintContent(const PaneContent& content, HDC target, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueMemoryDc dc(CreateCompatibleDC(target));
    if (!bitmap || bits == nullptr || !dc) return;
    SelectScope selectBitmap(dc.Get(), bitmap.Get());
    SelectScope selectFont(dc.Get(), content.font != nullptr ? content.font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc.Get(), &metrics);

    const uint32_t background = ToRgb(content.background);
    auto* pixels = static_cast<uint32_t*>(bits);
    std::fill(pixels, pixels + static_cast<size_t>(width) * height, background);
    const PaneLayout layout = LayOutPane(width, height, metrics.tmHeight, content.composed.width,
                                         content.composed.height);
    ArgbPicture picture;
    ColourComposition(content.composed, content.palette, layout.picture, picture);
    const std::vector<uint32_t> shown = OverBackground(picture, background);
    for (int y = 0; y < picture.height; ++y) {
        const int row = layout.pictureY + y;
        if (row >= height) break;
        std::copy(shown.begin() + static_cast<ptrdiff_t>(y) * picture.width,
                  shown.begin() + static_cast<ptrdiff_t>(y + 1) * picture.width,
                  pixels + static_cast<size_t>(row) * width + layout.pictureX);
    }

    GdiFlush();
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), content.textColour);
    RECT line = {kPaneMargin, layout.textTop, width - kPaneMargin, layout.textTop + metrics.tmHeight};
    DrawTextW(dc.Get(), content.text.c_str(), static_cast<int>(content.text.size()), &line,
              DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    BitBlt(target, 0, 0, width, height, dc.Get(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK PaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(pane, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_PAINT: {
            PaintScope paint(pane);
            PaintPane(pane, paint.Get());
            return 0;
        }
        case WM_PRINTCLIENT:
            PaintPane(pane, reinterpret_cast<HDC>(wParam));
            return 0;
    }
    return DefWindowProcW(pane, message, wParam, lParam);
}

bool RegisterPaneClass() {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    // The layout depends on both sides, so any resize repaints the whole pane.
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = PaneProc;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kPaneClass;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

HWND CreatePreviewPane(HWND parent, const RECT& rect, const PaneContent* content) {
    if (!RegisterPaneClass()) return nullptr;
    return CreateWindowExW(0, kPaneClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, ModuleInstance(),
                           const_cast<PaneContent*>(content));
}

void PaintPane(HWND pane, HDC dc) {
    const PaneContent* content = ContentOf(pane);
    RECT client = {};
    GetClientRect(pane, &client);
    if (content == nullptr || client.right <= 0 || client.bottom <= 0) return;
    PaintContent(*content, dc, client.right, client.bottom);
}

void UnregisterPaneClass(HINSTANCE instance) {
    UnregisterClassW(kPaneClass, instance);
}

}  // namespace zelt::icon
