// The Windows half of the crash report: the memory reader in process, and end to end a child program
// that faults with the handler installed, whose dialog the test closes itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "editor/program/CrashReport.h"
#include "editor/program/CrashReport_win.h"
#include "editor/template/WideText_win.h"
#include "tests/support/TestSupport.h"

namespace zelt {
namespace {

// ---- the memory reader ----

TEST(ReadMemoryWord, ReadsCommittedMemoryAndRefusesEverythingElseWithoutFaulting) {
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const size_t page = system.dwPageSize;
    // Pages: read-write, read-only, no access, guarded, reserved only.
    auto* base = static_cast<uint8_t*>(VirtualAlloc(nullptr, 5 * page, MEM_RESERVE, PAGE_NOACCESS));
    ASSERT_NE(base, nullptr);
    ASSERT_TRUE(VirtualAlloc(base, 2 * page, MEM_COMMIT, PAGE_READWRITE));
    ASSERT_TRUE(VirtualAlloc(base + 2 * page, page, MEM_COMMIT, PAGE_NOACCESS));
    ASSERT_TRUE(VirtualAlloc(base + 3 * page, page, MEM_COMMIT, PAGE_READWRITE | PAGE_GUARD));
    for (size_t i = 0; i < 2 * page; ++i) base[i] = static_cast<uint8_t>(i * 7 + 1);
    DWORD old = 0;
    ASSERT_TRUE(VirtualProtect(base + page, page, PAGE_READONLY, &old));

    auto at = [&](size_t offset) { return reinterpret_cast<uintptr_t>(base) + offset; };
    auto expected = [&](size_t offset) {
        uint64_t v = 0;
        std::memcpy(&v, base + offset, 8);
        return v;
    };
    uint64_t value = 0;
    EXPECT_TRUE(ReadMemoryWord(at(16), &value));
    EXPECT_EQ(value, expected(16));
    EXPECT_TRUE(ReadMemoryWord(at(page - 4), &value)) << "across read-write and read-only";
    EXPECT_EQ(value, expected(page - 4));
    EXPECT_TRUE(ReadMemoryWord(at(2 * page - 8), &value));
    EXPECT_FALSE(ReadMemoryWord(at(2 * page - 4), &value)) << "half in a page without access";
    EXPECT_FALSE(ReadMemoryWord(at(2 * page), &value));
    EXPECT_FALSE(ReadMemoryWord(at(3 * page), &value)) << "guard page";
    EXPECT_FALSE(ReadMemoryWord(at(4 * page), &value)) << "reserved, not committed";
    EXPECT_FALSE(ReadMemoryWord(0, &value));
    EXPECT_FALSE(ReadMemoryWord(0xFFFF800000000000ull, &value)) << "kernel space";
    EXPECT_FALSE(ReadMemoryWord(0xFFFFFFFFFFFFFFFCull, &value)) << "runs past the address space";

    // Asking about the guard page did not use it up.
    MEMORY_BASIC_INFORMATION region = {};
    ASSERT_NE(VirtualQuery(base + 3 * page, &region, sizeof region), 0u);
    EXPECT_TRUE(region.Protect & PAGE_GUARD);
    VirtualFree(base, 0, MEM_RELEASE);
}

// ---- end to end ----

std::string TestFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\') + 1);
}

struct ChildRun {
    DWORD exitCode = 0;
    bool dialogShown = false;
    std::string dialogTitle;
    std::vector<std::string> dialogTexts;  // the static texts top to bottom, then the button
    std::string report;                    // Except.txt as written, line ends and all
};

struct DialogSearch {
    DWORD processId;
    HWND found = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<DialogSearch*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (processId == search->processId && std::string(className) == "#32770" && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectText(HWND window, LPARAM context) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    reinterpret_cast<std::vector<std::string>*>(context)->push_back(text);
    return TRUE;
}

// Runs the child in `folder` (copied there, so that is its program folder; by UTF-16 names, so any
// characters work), waits for the crash dialog, closes it with OK and waits for the child to end.
ChildRun RunChild(const std::string& folder, const char* mode) {
    ChildRun run;
    const std::wstring exe = WideFromText(folder + "crash_child.exe");
    EXPECT_TRUE(CopyFileW(WideFromText(TestFolder() + "crash_child.exe").c_str(), exe.c_str(), FALSE));
    std::wstring commandLine = L"\"" + exe + L"\" " + WideFromText(mode);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        WideFromText(folder).c_str(), &startup, &process)) {
        ADD_FAILURE() << "could not start the child";
        return run;
    }
    DialogSearch search{process.dwProcessId};
    for (int i = 0; i < 600 && !search.found; ++i) {
        if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) break;
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    }
    if (search.found) {
        run.dialogShown = true;
        char title[256] = {};
        GetWindowTextA(search.found, title, sizeof title);
        run.dialogTitle = title;
        EnumChildWindows(search.found, CollectText, reinterpret_cast<LPARAM>(&run.dialogTexts));
        PostMessageA(search.found, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the child did not end";
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const std::vector<uint8_t> bytes = test::ReadFile(folder + "Except.txt");
    run.report.assign(bytes.begin(), bytes.end());
    return run;
}
ChildRun RunChild(const test::ScratchFolder& folder, const char* mode) { return RunChild(folder.Path(), mode); }

// The report's lines without their CR LF ends; a line ending in a bare LF keeps a marker so the
// comparison fails.
std::vector<std::string> ReportLines(const std::string& report) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = report.find('\n', start)) != std::string::npos; start = end + 1) {
        const bool crlf = end > start && report[end - 1] == '\r';
        lines.push_back(report.substr(start, end - start - (crlf ? 1 : 0)) + (crlf ? "" : "<LF>"));
    }
    return lines;
}

std::string Field(const std::vector<std::string>& lines, const std::string& name) {
    for (const std::string& line : lines) {
        const size_t at = line.find(name + ":");
        if (at != std::string::npos && (at == 0 || line[at - 1] == '\t')) return line.substr(at + name.size() + 1, 16);
    }
    return {};
}

// The layout itself is checked natively; here what only a real fault shows: the registers come from the
// faulting thread (the exception address is its Rip, the segments are the user-mode ones), and the
// dump runs 600 words up from its real stack pointer, the first of them readable.
void ExpectRealContext(const std::vector<std::string>& lines) {
    const auto stackHeading = std::find(lines.begin(), lines.end(), "*************");
    ASSERT_NE(stackHeading, lines.end());
    const std::vector<std::string> stack(stackHeading + 1, lines.end());
    ASSERT_EQ(stack.size(), static_cast<size_t>(kStackDumpWords));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Exception occurred at " + Field(lines, "Rip")), lines.end());
    EXPECT_NE(std::find_if(lines.begin(), lines.end(), [](auto& l) { return l.rfind("CS:0033  SS:002B", 0) == 0; }),
              lines.end());

    uint64_t address = std::stoull(Field(lines, "Rsp"), nullptr, 16);
    EXPECT_EQ(stack[0].find(" Unavailable"), std::string::npos);
    for (const std::string& line : stack) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "%016llX ", static_cast<unsigned long long>(address));
        ASSERT_EQ(line.substr(0, 17), expected);
        address += 8;
    }
}

void ExpectDialog(const ChildRun& run) {
    ASSERT_TRUE(run.dialogShown);
    EXPECT_EQ(run.dialogTitle, kCrashDialogTitle);
    const std::vector<std::string> expected = {kCrashDialogLines[0], kCrashDialogLines[1], kCrashDialogLines[2],
                                               kCrashDialogLines[3], "OK"};
    EXPECT_EQ(run.dialogTexts, expected);
}

TEST(CrashHandler, DivisionByZero) {
    test::ScratchFolder folder;
    const ChildRun run = RunChild(folder, "divide");
    ExpectDialog(run);
    EXPECT_EQ(run.exitCode, 0xC0000094u);
    const std::vector<std::string> lines = ReportLines(run.report);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Error code: EXCEPTION_INT_DIVIDE_BY_ZERO");
    EXPECT_EQ(lines[1], "Description: The thread tried to divide an integer value by an integer divisor of zero.");
    EXPECT_EQ(run.report.find("Access address"), std::string::npos);
    ExpectRealContext(lines);
}

TEST(CrashHandler, WriteToAddressZero) {
    test::ScratchFolder folder;
    const ChildRun run = RunChild(folder, "write-null");
    ExpectDialog(run);
    EXPECT_EQ(run.exitCode, 0xC0000005u);
    const std::vector<std::string> lines = ReportLines(run.report);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Error code: EXCEPTION_ACCESS_VIOLATION");
    EXPECT_EQ(lines[2], "Access address:0000000000000000 was write from.");
    ExpectRealContext(lines);
}

TEST(CrashHandler, UnknownExceptionCode) {
    test::ScratchFolder folder;
    const ChildRun run = RunChild(folder, "unknown");
    ExpectDialog(run);
    EXPECT_EQ(run.exitCode, 0xE06D7363u);
    const std::vector<std::string> lines = ReportLines(run.report);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Error code: E06D7363 Unknown");
    EXPECT_EQ(lines[1], "Description: ");
    ExpectRealContext(lines);
}

TEST(CrashHandler, StackOverflow) {
    test::ScratchFolder folder;
    const ChildRun run = RunChild(folder, "overflow");
    ExpectDialog(run);
    // No exit code check: Wine unwinds the used-up stack differently and ends the process with 0.
    const std::vector<std::string> lines = ReportLines(run.report);
    ASSERT_GE(lines.size(), 1u);
    EXPECT_EQ(lines[0], "Error code: EXCEPTION_STACK_OVERFLOW");
    ExpectRealContext(lines);
}

// The overflowed thread holds the loader lock, so the helper thread that would write the report never
// starts; after its time limit the handler ends the process instead of waiting for good.
TEST(CrashHandler, StackOverflowWhoseHelperCannotStartStillEnds) {
    test::ScratchFolder folder;
    const DWORD start = GetTickCount();
    const ChildRun run = RunChild(folder, "overflow-loader-locked");
    EXPECT_FALSE(run.dialogShown);
    EXPECT_EQ(run.exitCode, 0xC00000FDu);
    EXPECT_GE(GetTickCount() - start, 25000u) << "ended before the helper's time limit";
}

// A program folder of Cyrillic and CJK letters, longer in UTF-8 than MAX_PATH bytes: the report is
// written there all the same.
TEST(CrashHandler, TheReportIsWrittenInAFolderOfAnyLetters) {
    test::ScratchFolder scratch;
    std::string folder = scratch.Path();
    for (int i = 0; i < 15; ++i) folder += "\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0\xE5\x9C\xB0\xE5\x9B\xB3";
    folder += "\\";
    ASSERT_GT((folder + "Except.txt").size(), static_cast<size_t>(MAX_PATH));
    ASSERT_TRUE(CreateDirectoryW(WideFromText(folder).c_str(), nullptr));
    const ChildRun run = RunChild(folder, "divide");
    ExpectDialog(run);
    EXPECT_EQ(run.report.rfind("Error code: EXCEPTION_INT_DIVIDE_BY_ZERO\r\n", 0), 0u);
}

TEST(CrashHandler, ReplacesAnEarlierReportAndStillShowsTheDialogWhenItCannotWrite) {
    test::ScratchFolder replaced;
    test::WriteFile(replaced.File("Except.txt"), std::vector<uint8_t>(20000, 'x'));
    const ChildRun run = RunChild(replaced, "divide");
    EXPECT_EQ(run.report.rfind("Error code: EXCEPTION_INT_DIVIDE_BY_ZERO\r\n", 0), 0u);
    EXPECT_EQ(run.report.find("xxxx"), std::string::npos);

    // A folder in the report's place: no report, but the dialog and the end are the same.
    test::ScratchFolder blocked;
    ASSERT_TRUE(CreateDirectoryA(blocked.File("Except.txt").c_str(), nullptr));
    const ChildRun blockedRun = RunChild(blocked, "divide");
    ExpectDialog(blockedRun);
    EXPECT_EQ(blockedRun.exitCode, 0xC0000094u);
    EXPECT_EQ(GetFileAttributesA(blocked.File("Except.txt").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

}  // namespace
}  // namespace zelt
