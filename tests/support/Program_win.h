// Running the program under test as a separate process and looking at its windows.
#pragma once
#include <windows.h>

#include <string>

#include "editor/template/ColourImage.h"
#include "tools/snapshot/Capture_win.h"

namespace zelt::test {

// A started process; the destructor ends it if it is still running.
class RunningProgram {
public:
    RunningProgram(const std::string& commandLine, const std::string& folder);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    DWORD Id() const { return process_.dwProcessId; }
    // The exit code, or STILL_ACTIVE when it did not end within the time.
    DWORD WaitForExit(DWORD milliseconds);
    // The first visible top-level window of this process with the class (any class when empty).
    HWND FindWindowOfClass(const std::string& className, DWORD milliseconds) const;

private:
    PROCESS_INFORMATION process_{};
};

std::string WindowText(HWND window);
// A Windows path for a path of the host file system (Wine maps drive Z: to its root).
std::string HostToWindowsPath(const std::string& path);
// Copies a file or a whole folder.
void CopyTree(const std::string& from, const std::string& to);

}  // namespace zelt::test
