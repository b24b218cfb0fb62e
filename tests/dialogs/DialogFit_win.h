// Whether a window's controls show their texts whole: each text measured in the control's own font
// against the room the control gives it, as a user would find it cut off or not.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace zelt::test {

// One line for every static, check box, radio button, group box or push button below window whose
// text does not fit, for every tool bar narrower or lower than its buttons and for every list column
// narrower than its caption: "<where>: <kind> <id> "<text>" needs W x H pixels, has W x H".
std::vector<std::string> TextsCutOff(HWND window, const std::string& where);

// The window's client area as the screen shows it, written as a PNG file.
bool CaptureClientPng(HWND window, const std::string& path);

}  // namespace zelt::test
