// The tile number dialog of "GUI:SWAPTILE".
#pragma once
#include <windows.h>

namespace zelt {

// Shows number as the initial value. OK takes only the number of an existing tile (1 ... number of
// tiles) into number; anything else shows "MSG:NUMBERISWRONG" and the dialog stays. False on Cancel.
bool AskTileNumber(HWND owner, int& number);

}  // namespace zelt
