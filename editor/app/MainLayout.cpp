#include "editor/app/MainLayout.h"

#include <algorithm>

#include "editor/winui/DisplayScale.h"

namespace zelt {

DockedLayout ComputeDockedLayout(int clientWidth, int clientHeight, int toolbarHeight, int statusHeight,
                                 bool panelVisible, int dpi) {
    const int panelWidth = ScaleForDpi(kPanelWidth, dpi);
    const int divider = ScaleForDpi(kDividerWidth, dpi);
    const int stripHeight = ScaleForDpi(kStripHeight, dpi);
    const int overlap = ScaleForDpi(2, dpi);
    const int viewLeft = panelWidth + divider;
    const int top = toolbarHeight;
    const int viewHeight = clientHeight - statusHeight - toolbarHeight - (stripHeight + divider);
    DockedLayout layout;
    if (panelVisible) {
        layout.panel = {0, top, panelWidth, viewHeight};
        layout.verticalDivider = {panelWidth, top, divider, viewHeight + overlap};
    } else {
        layout.verticalDivider = {0, top, divider, viewHeight + overlap};
    }
    layout.horizontalDivider = {0, top + viewHeight, clientWidth, divider};
    layout.strip = {0, top + viewHeight + divider, clientWidth, stripHeight};
    layout.view = {viewLeft, top, clientWidth - viewLeft, viewHeight};
    return layout;
}

int UndockedWindowHeight(int toolbarHeight, int statusHeight, int dpi) {
    return toolbarHeight + statusHeight + ScaleForDpi(kUndockedExtraHeight, dpi);
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
