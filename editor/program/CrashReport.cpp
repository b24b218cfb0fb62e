#include "editor/program/CrashReport.h"

#include <cinttypes>
#include <cstdarg>
#include <cstdio>

namespace zelt {

namespace {

constexpr ExceptionKind kKinds[] = {
    {0xC000001D, "EXCEPTION_ILLEGAL_INSTRUCTION", "The thread tried to execute an invalid instruction."},
    {0xC0000005, "EXCEPTION_ACCESS_VIOLATION",
     "The thread tried to read from or write to a virtual address for which it does not have the "
     "appropriate access."},
    {0x80000003, "EXCEPTION_BREAKPOINT", "A breakpoint was encountered."},
    {0xC000008E, "EXCEPTION_FLT_DIVIDE_BY_ZERO",
     "The thread tried to divide a floating-point value by a floating-point divisor of zero."},
    {0xC0000094, "EXCEPTION_INT_DIVIDE_BY_ZERO",
     "The thread tried to divide an integer value by an integer divisor of zero."},
    {0xC0000096, "EXCEPTION_PRIV_INSTRUCTION",
     "The thread tried to execute an instruction whose operation is not allowed in the current machine "
     "mode."},
    {0xC00000FD, "EXCEPTION_STACK_OVERFLOW", "The thread used up its stack."},
};

constexpr uint32_t kAccessViolation = 0xC0000005;

// Version data of the report.
constexpr double kVersion = 1.0;
constexpr const char* kInternalVersion = "1.00";
constexpr int kBuildNumber = 65;

// Formats one or more lines into a fixed buffer and hands them on. Every line of the report is far
// shorter than the buffer; a longer one would be cut, never overflow.
class LineWriter {
public:
    LineWriter(WriteTextFn write, void* context) : write_(write), context_(context) {}

    [[gnu::format(printf, 2, 3)]] void operator()(const char* format, ...) {
        char buffer[256];
        va_list args;
        va_start(args, format);
        const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
        va_end(args);
        if (n < 0) return;
        const size_t length = static_cast<size_t>(n) < sizeof buffer ? static_cast<size_t>(n) : sizeof buffer - 1;
        write_(std::string_view(buffer, length), context_);
    }

private:
    WriteTextFn write_;
    void* context_;
};

// What an access violation's first parameter says about the access.
const char* AccessText(uint64_t flag) {
    switch (flag) {
    case 0: return "read";
    case 8: return "execute";  // data execution prevention: a jump into memory that is not code
    default: return "write";
    }
}

}  // namespace

const ExceptionKind* FindExceptionKind(uint32_t code) {
    for (const ExceptionKind& kind : kKinds) {
        if (kind.code == code) return &kind;
    }
    return nullptr;
}

void FormatCrashReport(const CrashInfo& info, ReadWordFn readWord, void* readContext, WriteTextFn write,
                       void* writeContext) {
    LineWriter out(write, writeContext);
    const ExceptionKind* kind = FindExceptionKind(info.code);
    if (kind) {
        out("Error code: %s\n", kind->name);
    } else {
        out("Error code: %08" PRIX32 " Unknown\n", info.code);
    }
    out("Description: %s\n", kind ? kind->description : "");
    if (info.code == kAccessViolation && info.parameterCount >= 2) {
        out("Access address:%016" PRIX64 " was %s from.\n", info.parameters[1], AccessText(info.parameters[0]));
    }
    out("Exception occurred at %016" PRIX64 "\n\n", info.address);

    out("Version %1.3f\n", kVersion);
    out("Internal Version %s\n", kInternalVersion);
    out("Release Build: %d by ZQ %s %s\n\n", kBuildNumber, info.buildDate, info.buildTime);

    const CrashRegisters& r = info.registers;
    out("Details:\n");
    out("Rip:%016" PRIX64 "\tRsp:%016" PRIX64 "\tRbp:%016" PRIX64 "\n", r.rip, r.rsp, r.rbp);
    out("Rax:%016" PRIX64 "\tRbx:%016" PRIX64 "\tRcx:%016" PRIX64 "\n", r.rax, r.rbx, r.rcx);
    out("Rdx:%016" PRIX64 "\tRsi:%016" PRIX64 "\tRdi:%016" PRIX64 "\n", r.rdx, r.rsi, r.rdi);
    out("R8:%016" PRIX64 "\tR9:%016" PRIX64 "\tR10:%016" PRIX64 "\n", r.r8, r.r9, r.r10);
    out("R11:%016" PRIX64 "\tR12:%016" PRIX64 "\tR13:%016" PRIX64 "\n", r.r11, r.r12, r.r13);
    out("R14:%016" PRIX64 "\tR15:%016" PRIX64 "\n", r.r14, r.r15);
    out("EFlags:%08" PRIX32 "\n", r.eflags);
    out("CS:%04X  SS:%04X  DS:%04X  ES:%04X  FS:%04X  GS:%04X\n\n", r.cs, r.ss, r.ds, r.es, r.fs, r.gs);

    // One line per 8-byte stack slot, always the full count. A slot past the top of the address space
    // wraps around to low addresses; it is reported unavailable without asking the reader.
    out("Stack dump:\n*************\n");
    for (int i = 0; i < kStackDumpWords; ++i) {
        const uint64_t address = r.rsp + static_cast<uint64_t>(i) * 8;
        const bool wrapped = address < r.rsp;
        uint64_t value = 0;
        if (!wrapped && readWord(address, &value, readContext)) {
            out("%016" PRIX64 " %016" PRIX64 "\n", address, value);
        } else {
            out("%016" PRIX64 " %s\n", address, "Unavailable");
        }
    }
}

}  // namespace zelt
