#include <windows.h>

#include "tools/zelt/Console.h"

namespace zelt::cli {

namespace {

// The console's code page before zelt set it; 0 when zelt changed nothing (no console, or UTF-8 already).
volatile UINT g_previous = 0;

void Restore() {
    if (g_previous != 0) SetConsoleOutputCP(g_previous);
}

// The console outlives zelt: a run ended by Ctrl+C or by closing leaves it as it found it.
BOOL WINAPI RestoreOnBreak(DWORD) {
    Restore();
    return FALSE;  // and ends as it would have
}

}  // namespace

Utf8Console::Utf8Console() {
    const UINT previous = GetConsoleOutputCP();
    if (previous == 0 || previous == CP_UTF8) return;
    g_previous = previous;
    SetConsoleCtrlHandler(RestoreOnBreak, TRUE);
    if (!SetConsoleOutputCP(CP_UTF8)) {
        SetConsoleCtrlHandler(RestoreOnBreak, FALSE);
        g_previous = 0;
    }
}

Utf8Console::~Utf8Console() {
    if (g_previous == 0) return;
    Restore();
    SetConsoleCtrlHandler(RestoreOnBreak, FALSE);
    g_previous = 0;
}

}  // namespace zelt::cli
