// The classic about dialog (the about command with Shift held).
#pragma once
#include <windows.h>

namespace zelt {

void ShowClassicAbout(HWND owner);

}  // namespace zelt
