#include "editor/winui/DisplayScale_win.h"

namespace zelt {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

template <typename Function>
Function User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (!user32) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

int SystemDpi() {
    WindowDc screen(nullptr);
    const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : kStandardDpi;
}

}  // namespace

int WindowDpi(HWND window) {
    static const auto forWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (window && forWindow) {
        const UINT dpi = forWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return SystemDpi();
}

int ScaleForWindow(HWND window, int value) { return ScaleForDpi(value, WindowDpi(window)); }

bool AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi) {
    static const auto forDpi = User32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    if (forDpi) return forDpi(&rect, style, menu, exStyle, static_cast<UINT>(dpi)) != FALSE;
    return AdjustWindowRectEx(&rect, style, menu, exStyle) != FALSE;
}

UniqueFont CreateScaledFont(int height, int weight, const char* face, int dpi) {
    return UniqueFont(CreateFontA(ScaleForDpi(height, dpi), 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, face));
}

UniqueBitmap ScaleBitmapForDpi(HBITMAP bitmap, int dpi) {
    BITMAP info{};
    if (!bitmap || dpi == kStandardDpi || !GetObjectA(bitmap, sizeof info, &info)) return UniqueBitmap();
    const int width = ScaleForDpi(info.bmWidth, dpi), height = ScaleForDpi(info.bmHeight, dpi);
    if (width <= 0 || height <= 0) return UniqueBitmap();
    WindowDc screen(nullptr);
    UniqueMemoryDc source(CreateCompatibleDC(screen.Get()));
    UniqueMemoryDc target(CreateCompatibleDC(screen.Get()));
    UniqueBitmap scaled(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!source || !target || !scaled) return UniqueBitmap();
    SelectScope from(source.Get(), bitmap);
    SelectScope to(target.Get(), scaled.Get());
    SetStretchBltMode(target.Get(), COLORONCOLOR);
    if (!StretchBlt(target.Get(), 0, 0, width, height, source.Get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY))
        return UniqueBitmap();
    return scaled;
}

void TakeSuggestedRect(HWND window, LPARAM suggested) {
    const RECT* r = reinterpret_cast<const RECT*>(suggested);
    if (!r) return;
    SetWindowPos(window, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zelt
