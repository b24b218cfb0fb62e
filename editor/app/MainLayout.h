// Where the main window's children go: the docked layout puts the properties panel on the left, the
// main view on the right and the tile strip along the bottom; the undocked one only stacks the
// toolbar and the status bar.
#pragma once

#include "editor/settings/SettingsValues.h"

namespace zelt {

struct LayoutRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const LayoutRect&) const = default;
};

// Lengths at 96 dots per inch; the layout scales them to the window's density.
inline constexpr int kPanelWidth = 200;
inline constexpr int kDividerWidth = 8;
inline constexpr int kStripHeight = 200;

struct DockedLayout {
    LayoutRect panel;            // empty while the panel is hidden
    LayoutRect verticalDivider;
    LayoutRect horizontalDivider;
    LayoutRect strip;
    LayoutRect view;
};

// clientWidth x clientHeight is the main window's client area; toolbarHeight and statusHeight the
// client heights of the toolbar (0 without one) and the status bar; dpi the window's density. The
// view starts right of the panel and its divider even while the panel is hidden.
DockedLayout ComputeDockedLayout(int clientWidth, int clientHeight, int toolbarHeight, int statusHeight,
                                 bool panelVisible, int dpi);

// The size limits of the main window, at 96 dots per inch.
inline constexpr int kDockedMinWidth = 400;
inline constexpr int kDockedMinHeight = 700;
// Undocked, the window is exactly as tall as its toolbar, its status bar and this much more.
inline constexpr int kUndockedExtraHeight = 60;
inline constexpr int kUndockedWidth = 600;
int UndockedWindowHeight(int toolbarHeight, int statusHeight, int dpi);

// A saved window rectangle moved (and if need be shrunk) to lie inside a monitor's work area; one
// already inside is kept as it is.
WindowRect KeepRectInArea(const WindowRect& rect, const WindowRect& area);

}  // namespace zelt
