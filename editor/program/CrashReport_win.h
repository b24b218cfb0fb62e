// The last-chance exception handler: writes "Except.txt" where the writable files live, shows the crash
// dialog and lets the process end.
#pragma once
#include <windows.h>

#include <cstdint>

namespace zelt {

// Makes CrashHandler the process's unhandled-exception filter. Call first thing at start-up: it also
// settles the report's path, so the handler has no work left that could fail at crash time.
void InstallCrashHandler();

// The window that owns the crash dialog (the main window once it exists); null for none.
void SetCrashDialogOwner(HWND owner);

// The filter: writes the report, shows the dialog, and answers EXCEPTION_EXECUTE_HANDLER.
LONG WINAPI CrashHandler(EXCEPTION_POINTERS* exception);

// Shows the crash dialog modally; any button closes it.
void ShowCrashDialog(HWND owner);

// Reads the 8-byte word at `address` of this process without ever faulting; false when any of its
// bytes is not committed readable memory.
bool ReadMemoryWord(uint64_t address, uint64_t* value);

}  // namespace zelt
