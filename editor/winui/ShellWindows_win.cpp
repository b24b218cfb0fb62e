#include "editor/winui/ShellWindows_win.h"

#include <commctrl.h>

namespace zelt {

ShellWindows& Shell() {
    static ShellWindows windows;
    return windows;
}

void SetStatusText(int part, const char* text) {
    if (Shell().status) SendMessageA(Shell().status, SB_SETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
}

}  // namespace zelt
