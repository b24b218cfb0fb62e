// The save options dialog ("GUI:SAVEOPTIONS"): leave Z data out, and the signature written into
// the file while "include signature" is ticked.
#pragma once
#include <windows.h>

namespace zelt {

void SaveOptionsDialog(HWND owner);

}  // namespace zelt
