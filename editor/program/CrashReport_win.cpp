#include "editor/program/CrashReport_win.h"

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

#include "editor/program/CrashReport.h"
#include "editor/settings/DataFolder_win.h"
#include "editor/template/WideText_win.h"

#if !defined(__x86_64__) && !defined(_M_X64)
#error "The crash report reads the x86_64 processor context."
#endif

namespace zelt {

namespace {

// Settled at installation, so the handler itself computes nothing that could fail. By its UTF-16 name
// and with room for the longest path there is: the folder may have any characters and any length.
constexpr size_t kReportPathSize = 32768;
wchar_t g_reportPath[kReportPathSize] = {};
HWND g_owner = nullptr;
// The thread writing the report, 0 while none is.
volatile LONG g_handlingThread = 0;
// Set once the crash dialog is up: from then on the user, not a lock, decides when it ends.
volatile LONG g_dialogShown = 0;
// How long a thread whose stack overflowed waits for its helper to bring the dialog up. The helper
// can block for good on a loader or heap lock the faulting thread holds; the process then ends
// without the dialog rather than hang.
constexpr DWORD kHelperTimeLimit = 30000;

CrashInfo InfoFrom(const EXCEPTION_POINTERS& exception) {
    const EXCEPTION_RECORD& record = *exception.ExceptionRecord;
    const CONTEXT& c = *exception.ContextRecord;
    CrashInfo info;
    info.code = record.ExceptionCode;
    info.address = reinterpret_cast<uintptr_t>(record.ExceptionAddress);
    info.parameterCount = record.NumberParameters;
    for (DWORD i = 0; i < 2 && i < record.NumberParameters; ++i) info.parameters[i] = record.ExceptionInformation[i];
    CrashRegisters& r = info.registers;
    r.rip = c.Rip, r.rsp = c.Rsp, r.rbp = c.Rbp;
    r.rax = c.Rax, r.rbx = c.Rbx, r.rcx = c.Rcx, r.rdx = c.Rdx, r.rsi = c.Rsi, r.rdi = c.Rdi;
    r.r8 = c.R8, r.r9 = c.R9, r.r10 = c.R10, r.r11 = c.R11, r.r12 = c.R12, r.r13 = c.R13, r.r14 = c.R14;
    r.r15 = c.R15;
    r.eflags = c.EFlags;
    r.cs = c.SegCs, r.ss = c.SegSs, r.ds = c.SegDs, r.es = c.SegEs, r.fs = c.SegFs, r.gs = c.SegGs;
    info.buildDate = __DATE__;
    info.buildTime = __TIME__;
    return info;
}

bool ReadWord(uint64_t address, uint64_t* value, void*) { return ReadMemoryWord(address, value); }

void WriteToFile(std::string_view text, void* file) {
    std::fwrite(text.data(), 1, text.size(), static_cast<FILE*>(file));
}

void WriteReport(const EXCEPTION_POINTERS& exception) {
    if (g_reportPath[0] == L'\0') return;
    // Text mode: the report's lines end in CR LF like any text file of the platform.
    FILE* file = _wfopen(g_reportPath, L"w");
    if (!file) return;
    FormatCrashReport(InfoFrom(exception), ReadWord, nullptr, WriteToFile, file);
    std::fclose(file);
}

// The dialog is built in memory rather than loaded from the resources: it must come up whatever
// state the program's own data is in.
class DialogTemplate {
public:
    void Header(DWORD style, WORD items, short cx, short cy, const char* title) {
        Dword(style), Dword(0), Word(items);
        Word(0), Word(0), Word(static_cast<WORD>(cx)), Word(static_cast<WORD>(cy));
        Word(0), Word(0), Text(title);  // no menu, the standard class
        Word(8), Text("MS Shell Dlg");  // DS_SETFONT
    }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom, const char* text) {
        while (size_ % 2) Word(0);  // items start on a DWORD boundary
        Dword(style), Dword(0);
        Word(static_cast<WORD>(x)), Word(static_cast<WORD>(y)), Word(static_cast<WORD>(cx)),
            Word(static_cast<WORD>(cy));
        Word(id), Word(0xFFFF), Word(atom), Text(text), Word(0);
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_); }

private:
    void Word(WORD w) {
        if (size_ < kCapacity) words_[size_++] = w;
    }
    void Dword(DWORD d) { Word(LOWORD(d)), Word(HIWORD(d)); }
    void Text(const char* text) {  // the fixed texts are plain ASCII
        for (; *text; ++text) Word(static_cast<unsigned char>(*text));
        Word(0);
    }

    static constexpr size_t kCapacity = 1024;
    alignas(4) WORD words_[kCapacity] = {};
    size_t size_ = 0;
};

constexpr WORD kButtonAtom = 0x0080, kStaticAtom = 0x0082;

// Writes the report and shows the dialog on a thread of its own, for a thread whose stack is used up.
DWORD WINAPI ReportOnFreshStack(void* exception) {
    // From here on this thread is the one handling the crash: should it fail too, the process ends.
    InterlockedExchange(&g_handlingThread, static_cast<LONG>(GetCurrentThreadId()));
    WriteReport(*static_cast<EXCEPTION_POINTERS*>(exception));
    // No owner: the owner's thread may be the one waiting below, and the dialog would wait on it.
    ShowCrashDialog(nullptr);
    return 0;
}

INT_PTR CALLBACK CrashDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: InterlockedExchange(&g_dialogShown, 1); return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    case WM_CLOSE: EndDialog(dialog, IDCANCEL); return TRUE;
    }
    return FALSE;
}

// Waits for the helper to finish, but only kHelperTimeLimit for its dialog to come up; false when
// that time ran out.
bool WaitForHelper(HANDLE thread) {
    constexpr DWORD kStep = 100;
    for (DWORD waited = 0; waited < kHelperTimeLimit; waited += kStep) {
        if (WaitForSingleObject(thread, kStep) != WAIT_TIMEOUT) return true;
        if (g_dialogShown) {
            WaitForSingleObject(thread, INFINITE);
            return true;
        }
    }
    return false;
}

constexpr ULONG kStackOverflowReserve = 64 * 1024;

}  // namespace

void InstallCrashHandler() {
    // Beside the program, or in the user's data folder when the program folder refuses new files.
    const std::string folder = ProcessDataFolder().writeFolder;
    std::wstring path = WideFromText(folder + "Except.txt");
    // A full path as long as the limit or longer is opened through the prefix that lifts it.
    if (path.size() >= MAX_PATH && path.size() > 2 && path[1] == L':') path.insert(0, L"\\\\?\\");
    if (folder.empty() || path.size() >= kReportPathSize) {
        g_reportPath[0] = L'\0';
    } else {
        std::wmemcpy(g_reportPath, path.c_str(), path.size() + 1);
    }
    SetUnhandledExceptionFilter(CrashHandler);
    // After a stack overflow the handler runs on what is left of the thread's stack: the guarantee
    // keeps room for it to start the helper thread that writes the report.
    ULONG reserve = kStackOverflowReserve;
    SetThreadStackGuarantee(&reserve);
}

void SetCrashDialogOwner(HWND owner) { g_owner = owner; }

LONG WINAPI CrashHandler(EXCEPTION_POINTERS* exception) {
    const LONG self = static_cast<LONG>(GetCurrentThreadId());
    const LONG previous = InterlockedCompareExchange(&g_handlingThread, self, 0);
    // The handler itself failed: end at once.
    if (previous == self) return EXCEPTION_EXECUTE_HANDLER;
    // Another thread is writing its report and will end the process; this one must not end it first.
    if (previous != 0) {
        for (;;) Sleep(INFINITE);
    }
    // After a stack overflow only a few pages are left below the stack pointer, too few for the file
    // functions and a dialog; the work moves to a fresh stack while this thread waits.
    if (exception->ExceptionRecord->ExceptionCode == EXCEPTION_STACK_OVERFLOW) {
        HANDLE thread = CreateThread(nullptr, 0, ReportOnFreshStack, exception, 0, nullptr);
        if (thread) {
            // A helper stuck on a lock would also stop the normal ending, which runs the libraries'
            // detach code; the process ends at once, with the exit code a report would give.
            if (!WaitForHelper(thread)) {
                TerminateProcess(GetCurrentProcess(), exception->ExceptionRecord->ExceptionCode);
            }
            CloseHandle(thread);
            return EXCEPTION_EXECUTE_HANDLER;
        }
    }
    WriteReport(*exception);
    ShowCrashDialog(g_owner);
    return EXCEPTION_EXECUTE_HANDLER;
}

void ShowCrashDialog(HWND owner) {
    DialogTemplate dialog;
    dialog.Header(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT | DS_SETFOREGROUND,
                  5, 220, 80, kCrashDialogTitle);
    for (short i = 0; i < 4; ++i) {
        dialog.Item(WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX, 10, static_cast<short>(10 + 10 * i), 200, 9,
                    static_cast<WORD>(100 + i), kStaticAtom, kCrashDialogLines[i]);
    }
    dialog.Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 85, 58, 50, 14, IDOK, kButtonAtom, "OK");
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialog.Get(), owner, CrashDialogProc, 0);
}

bool ReadMemoryWord(uint64_t address, uint64_t* value) {
    const uint64_t end = address + sizeof *value;
    if (end < address) return false;
    // Every page the word touches must be committed and readable. Guard pages are refused too: touching
    // one would use up the protection below a thread's stack.
    constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                                PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    for (uint64_t at = address; at < end;) {
        MEMORY_BASIC_INFORMATION region = {};
        if (VirtualQuery(reinterpret_cast<const void*>(at), &region, sizeof region) == 0) return false;
        if (region.State != MEM_COMMIT || !(region.Protect & kReadable) || (region.Protect & PAGE_GUARD)) {
            return false;
        }
        at = reinterpret_cast<uintptr_t>(region.BaseAddress) + region.RegionSize;
    }
    // The protection may change between the query and the read; ReadProcessMemory fails then, it does
    // not fault.
    SIZE_T read = 0;
    return ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(address), value, sizeof *value,
                             &read) &&
           read == sizeof *value;
}

}  // namespace zelt
