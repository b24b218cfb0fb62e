// The crash report "Except.txt": what the last-chance exception handler writes before the program ends.
// The text is formatted here from plain values, so it builds and is tested on every platform; the
// Windows half (CrashReport_win.cpp) fills the values from the exception and writes the file.
#pragma once
#include <cstdint>
#include <string_view>

namespace zelt {

// The exception kinds the report names; any other code is written as unknown.
struct ExceptionKind {
    uint32_t code;
    const char* name;
    const char* description;
};
// The entry of `code`, or null for an unknown code.
const ExceptionKind* FindExceptionKind(uint32_t code);

// The faulting thread's x86_64 registers.
struct CrashRegisters {
    uint64_t rip = 0, rsp = 0, rbp = 0;
    uint64_t rax = 0, rbx = 0, rcx = 0, rdx = 0, rsi = 0, rdi = 0;
    uint64_t r8 = 0, r9 = 0, r10 = 0, r11 = 0, r12 = 0, r13 = 0, r14 = 0, r15 = 0;
    uint32_t eflags = 0;
    uint16_t cs = 0, ss = 0, ds = 0, es = 0, fs = 0, gs = 0;
};

struct CrashInfo {
    uint32_t code = 0;
    uint64_t address = 0;  // where the exception happened
    // The exception's first parameters; an access violation carries the kind of access and the address.
    uint32_t parameterCount = 0;
    uint64_t parameters[2] = {};
    CrashRegisters registers;
    const char* buildDate = "";  // as the compiler's __DATE__ and __TIME__ give them
    const char* buildTime = "";
};

// Reads the 8-byte word at `address` into `value`; false when it cannot be read. Must never fault.
using ReadWordFn = bool (*)(uint64_t address, uint64_t* value, void* context);
// Receives the report piece by piece, each piece one or more whole lines ending in '\n'.
using WriteTextFn = void (*)(std::string_view text, void* context);

// Number of stack words the report dumps, upwards from the stack pointer.
inline constexpr int kStackDumpWords = 600;

// Formats the whole report. Uses no heap: the handler runs when the heap may be damaged.
void FormatCrashReport(const CrashInfo& info, ReadWordFn readWord, void* readContext, WriteTextFn write,
                       void* writeContext);

// The crash dialog's fixed texts: they never come from the string table, which may be the cause.
inline constexpr const char* kCrashDialogTitle = "Zelt_Builder";
inline constexpr const char* kCrashDialogLines[4] = {
    "Zelt_Builder has encountered an internal error",
    "and is unable to continue normally.",
    "For updates and technical support please visit",
    "https://zelt.example.org/support",
};

}  // namespace zelt
