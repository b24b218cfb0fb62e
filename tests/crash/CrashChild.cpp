// A program that installs the crash handler and then fails the way its argument names. The crash
// tests copy it into a scratch folder, so "Except.txt" lands there.
#include <windows.h>

#include <cstring>

#include "editor/program/CrashReport_win.h"

namespace {

// Both volatile, so the compiler can neither fold the division nor turn it into a comparison.
volatile int g_numerator = 100;
volatile int g_zero = 0;
volatile int g_sink = 0;
int* volatile g_null = nullptr;
volatile bool g_deeper = true;

int Recurse(int depth) {
    volatile char frame[4096];
    frame[0] = static_cast<char>(depth);
    if (g_deeper) return Recurse(depth + 1) + frame[0];
    return frame[0];
}

}  // namespace

int main(int argc, char** argv) {
    zelt::InstallCrashHandler();
    const char* mode = argc > 1 ? argv[1] : "";
    if (std::strcmp(mode, "divide") == 0) g_sink = g_numerator / g_zero;
    if (std::strcmp(mode, "write-null") == 0) *g_null = 1;
    if (std::strcmp(mode, "unknown") == 0) RaiseException(0xE06D7363, 0, 0, nullptr);
    if (std::strcmp(mode, "overflow") == 0) g_sink = Recurse(0);
    if (std::strcmp(mode, "overflow-loader-locked") == 0) {
        // A new thread cannot start while the loader lock is held: the handler's helper never runs.
        using LockFn = LONG(NTAPI*)(ULONG, ULONG*, ULONG_PTR*);
        auto lock = reinterpret_cast<LockFn>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "LdrLockLoaderLock")));
        ULONG_PTR cookie = 0;
        if (lock && lock(0, nullptr, &cookie) == 0) g_sink = Recurse(0);
        return 2;
    }
    return 0;
}
