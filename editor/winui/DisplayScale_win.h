// A window's pixel density and what follows from it. The functions of newer systems are looked up
// by name, so the program still starts where they are missing; it then uses the system density.
#pragma once
#include <windows.h>

#include "common/WinHandles.h"
#include "editor/winui/DisplayScale.h"

namespace zelt {

// The density messages of newer systems, named here so that older headers do not matter: a
// top-level window moved to a monitor of another density, and a child after its parent has.
inline constexpr UINT kDpiChangedMessage = 0x02E0;
inline constexpr UINT kDpiChangedAfterParentMessage = 0x02E3;

// Dots per inch of the monitor the window is on (the system's density without the newer functions
// or without a window).
int WindowDpi(HWND window);

// A length laid out at 96 dots per inch, scaled to the window's density.
int ScaleForWindow(HWND window, int value);

// AdjustWindowRectEx at the given density.
bool AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi);

// A font whose height is given in pixels at 96 dots per inch.
UniqueFont CreateScaledFont(int height, int weight, const char* face, int dpi);

// One font kept for a window and made again when the window's density changes.
struct DpiFont {
    UniqueFont font;
    int dpi = 0;
    HFONT At(int height, int weight, const char* face, int windowDpi) {
        if (!font || dpi != windowDpi) {
            font = CreateScaledFont(height, weight, face, windowDpi);
            dpi = windowDpi;
        }
        return font.Get();
    }
    void Reset() {
        font.Reset();
        dpi = 0;
    }
};

// A copy of a bitmap scaled to the density, each pixel repeated rather than blended so colour keys
// and hard edges survive; null when nothing needs scaling or the copy fails.
UniqueBitmap ScaleBitmapForDpi(HBITMAP bitmap, int dpi);

// WM_DPICHANGED: the window takes the rectangle the system suggests for its new monitor.
void TakeSuggestedRect(HWND window, LPARAM suggested);

}  // namespace zelt
