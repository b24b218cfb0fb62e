// The colour-picker button: an ordinary push button that shows a swatch of the colour kept in its
// window property "CP_Color" (0x00BBGGRR). Its colour chooser shares one table of 16 custom colours
// with every other colour button of the run and opens fully when "CPShowFull" is on.
#pragma once
#include <windows.h>

namespace zelt {

// The notification code of the WM_COMMAND the parent gets when the user has confirmed a new colour.
inline constexpr WORD kColourButtonChanged = 0x0C01;

// Turns the button into a colour button (its text is cleared).
void MakeColourButton(HWND button, COLORREF colour = 0);
COLORREF ColourButtonColour(HWND button);
// Stores and repaints; the parent is not notified.
void SetColourButtonColour(HWND button, COLORREF colour);

// Opens the colour chooser owned by the button. On OK: stores the colour, repaints, notifies the
// parent and returns true; on Cancel nothing changes.
bool ChooseButtonColour(HWND button);

}  // namespace zelt
