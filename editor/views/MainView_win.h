// The main view: the whole template composed, zoomed and centred in a child window of the main
// window; a click selects the tile under the mouse. The view also carries the hot buttons.
#pragma once
#include <windows.h>

namespace zelt {

// Registers MainViewClass and HotButtonClass and creates the view font. The view's window creates
// the hot buttons, owned by Shell().main (set it before creating the view).
bool RegisterMainViewClasses(HINSTANCE instance);
// The view font; after the view's window is gone.
void FreeMainViewResources();

// Paints the view at once on a device context of its own.
void RepaintMainView();
// One zoom step each: repaint, place the hot buttons and show "%d%%" in part 2 of the status bar.
void ZoomIn();
void ZoomOut();
double ViewZoom();

}  // namespace zelt
