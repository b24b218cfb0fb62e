#include "editor/app/MainLayout.h"

#include <algorithm>

namespace zelt {

DockedLayout ComputeDockedLayout(int clientWidth, int clientHeight, int toolbarHeight, int statusHeight,
                                 bool panelVisible) {
    const int top = toolbarHeight;
    const int viewHeight = clientHeight - statusHeight - toolbarHeight - (kStripHeight + kDividerWidth);
    DockedLayout layout;
    if (panelVisible) {
        layout.panel = {0, top, kPanelWidth, viewHeight};
        layout.verticalDivider = {kPanelWidth, top, kDividerWidth, viewHeight + 2};
    } else {
        layout.verticalDivider = {0, top, kDividerWidth, viewHeight + 2};
    }
    layout.horizontalDivider = {0, top + viewHeight, clientWidth, kDividerWidth};
    layout.strip = {0, top + viewHeight + kDividerWidth, clientWidth, kStripHeight};
    layout.view = {kViewLeft, top, clientWidth - kViewLeft, viewHeight};
    return layout;
}

int UndockedWindowHeight(int toolbarHeight, int statusHeight) {
    return toolbarHeight + statusHeight + kUndockedExtraHeight;
}

namespace {

// The start of a span of the given length moved inside [low, high); the length is cut to fit.
void FitSpan(int& start, int& end, int low, int high) {
    const int length = std::min(end - start, high - low);
    start = std::clamp(start, low, high - length);
    end = start + length;
}

}  // namespace

WindowRect KeepRectInArea(const WindowRect& rect, const WindowRect& area) {
    if (area.right <= area.left || area.bottom <= area.top || rect.right <= rect.left || rect.bottom <= rect.top)
        return rect;
    WindowRect fitted = rect;
    FitSpan(fitted.left, fitted.right, area.left, area.right);
    FitSpan(fitted.top, fitted.bottom, area.top, area.bottom);
    return fitted;
}

}  // namespace zelt
