// The splash screen: bitmap 151 on a thread of its own, shown until its time is up or it is clicked.
#pragma once
#include <windows.h>

namespace zelt {

inline constexpr DWORD kSplashMilliseconds = 5000;

// Starts the splash thread; the caller neither waits for it nor stops it.
void StartSplash(HINSTANCE instance, DWORD milliseconds);
// The window the splash screen activates when it ends (the main window once it exists).
void SetSplashSuccessor(HWND window);

}  // namespace zelt
