// The preview handler's window: the template's picture centred in the pane, scaled down to fit,
// on the host's background colour, with one line of text under it.
#pragma once
#include <windows.h>

#include <string>

#include "iconhandler/IconThumbnail.h"

namespace zelt::icon {

// What the pane shows; owned by the preview handler, which destroys the window before it.
struct PaneContent {
    ComposedTemplate composed;
    IconPalette palette{};
    std::wstring text;
    COLORREF background = 0;
    COLORREF textColour = 0;
    HFONT font = nullptr;
};

// A visible child of parent covering rect; null when it cannot be made.
HWND CreatePreviewPane(HWND parent, const RECT& rect, const PaneContent* content);

// The whole client area of the pane as it looks, drawn into dc.
void PaintPane(HWND pane, HDC dc);

// A class a library registered outlives its unloading; DllMain removes it on the way out.
void UnregisterPaneClass(HINSTANCE instance);

}  // namespace zelt::icon
