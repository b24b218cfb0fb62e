// The about page: an HTML resource of the program shown in the platform's web browser control.
#pragma once
#include <windows.h>

namespace zelt {

// Modal, 413 x 215 pixels, centred, titled "GUI:ABOUT". The page's "Button1" closes it, as do the
// close box and Escape. Without a browser control the dialog stays empty.
void ShowAboutPage(HWND owner, const char* pageName);

}  // namespace zelt
