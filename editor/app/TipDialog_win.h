// The tip of the day: at start-up and from the Help menu.
#pragma once
#include <windows.h>

namespace zelt {

// Counts the tips of the loaded string table (once, at start-up, after the settings are loaded).
void CountTips();
int TipCount();

// Reads "ShowAtStart" of section "TipOfTheDay" and shows the tip dialog when it is on.
void ShowTipAtStart(HWND owner);

// The modal tip dialog: shows the tip after the stored "Current"; on closing writes "Current" and
// "ShowAtStart".
void ShowTipDialog(HWND owner);

}  // namespace zelt
