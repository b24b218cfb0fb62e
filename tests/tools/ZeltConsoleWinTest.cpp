// zelt's console: the console class sets UTF-8 and gives the code page back; zelt.exe run in a console
// leaves it with its own code page, writes UTF-8 text to a file it is redirected to, and takes and
// gives a long path of Cyrillic and CJK letters whole.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "editor/template/Utf8Text.h"
#include "editor/template/WideText_win.h"
#include "tests/support/Program_win.h"
#include "tests/support/TestSupport.h"
#include "tools/zelt/Console.h"

namespace zelt::test {
namespace {

// A console for this process, one of whose code page is not UTF-8.
void NeedConsoleOfCodePage(UINT page) {
    // Under Wine a process started without a terminal holds a console without a code page.
    if (GetConsoleOutputCP() == 0) {
        FreeConsole();
        AllocConsole();
    }
    ASSERT_NE(GetConsoleOutputCP(), 0u);
    ASSERT_TRUE(SetConsoleOutputCP(page));
}

// Runs zelt in this console with the arguments (wide text), its standard error into the file; its
// exit code.
DWORD RunZelt(const std::wstring& arguments, const std::wstring& errorFile) {
    const std::wstring program = WideFromText(HostToWindowsPath(ZELT_DIST_DIR) + "\\zelt.exe");
    std::wstring line = L"\"" + program + L"\" " + arguments;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE error =
        CreateFileW(errorFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
    if (error == INVALID_HANDLE_VALUE) return 1000;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = error;
    PROCESS_INFORMATION started{};
    const BOOL ran = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                    &started);
    CloseHandle(error);
    if (!ran) return 1001;
    WaitForSingleObject(started.hProcess, 60000);
    DWORD code = 1002;
    GetExitCodeProcess(started.hProcess, &code);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return code;
}

std::string FileText(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadFile(path);
    return std::string(bytes.begin(), bytes.end());
}

TEST(ZeltConsole, ShowsUtf8WhileItRunsAndGivesTheCodePageBack) {
    NeedConsoleOfCodePage(850);
    {
        const cli::Utf8Console console;
        EXPECT_EQ(GetConsoleOutputCP(), static_cast<UINT>(CP_UTF8));
    }
    EXPECT_EQ(GetConsoleOutputCP(), 850u);

    ScratchFolder scratch;
    // Two folders of 60 letters of two and three bytes each: fewer characters than MAX_PATH, but more
    // bytes in UTF-8 than an ANSI buffer of MAX_PATH bytes holds.
    std::string letters;
    for (int i = 0; i < 10; ++i) letters += "\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0\xE5\x9C\xB0\xE5\x9B\xB3";
    const std::string folder = scratch.Path() + letters + "\\" + letters + "\\";
    ASSERT_GT(folder.size(), static_cast<size_t>(MAX_PATH));
    ASSERT_LT(Utf16Length(folder + "Missing.tem"), static_cast<size_t>(MAX_PATH));
    ASSERT_TRUE(CreateDirectoryW(WideFromText(scratch.Path() + letters).c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(WideFromText(folder).c_str(), nullptr));
    const std::string samples = HostToWindowsPath(ZELT_DIST_DIR) + "\\samples\\";
    ASSERT_TRUE(CopyFileW(WideFromText(samples + "Meadow.tem").c_str(), WideFromText(folder + "Meadow.tem").c_str(),
                          FALSE));

    const std::wstring errors = WideFromText(scratch.File("errors.txt"));
    EXPECT_EQ(RunZelt(L"resave \"" + WideFromText(folder + "Meadow.tem") + L"\" \"" +
                          WideFromText(folder + "Saved.tem") + L"\"",
                      errors),
              0u)
        << FileText(scratch.File("errors.txt"));
    EXPECT_EQ(ReadFile(folder + "Saved.tem").size(), ReadFile(samples + "Meadow.tem").size());
    EXPECT_EQ(GetConsoleOutputCP(), 850u);

    // The missing file's name comes out in UTF-8 bytes, whole.
    EXPECT_EQ(RunZelt(L"info \"" + WideFromText(folder + "Missing.tem") + L"\"", errors), 1u);
    EXPECT_NE(FileText(scratch.File("errors.txt")).find("zelt: " + folder + "Missing.tem: "), std::string::npos)
        << FileText(scratch.File("errors.txt"));
    EXPECT_EQ(GetConsoleOutputCP(), 850u);
}

}  // namespace
}  // namespace zelt::test
