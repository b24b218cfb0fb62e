// Running the program under test as a separate process and looking at its windows.
#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "editor/render/DibCanvas.h"
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

// The main view of a running editor at zoom 1 against the composition of the template this process
// has loaded: every pixel of the picture that lies in the view, below labelBottom (the label of the
// transparent colour), looked up in a capture of the main window, until all match or 15 seconds
// pass. offX and offY place the picture in the view's client area.
struct ViewMatch {
    int compared = 0;
    int wrong = 0;
    int offX = 0;
    int offY = 0;
    ColourImage screen;  // the last capture of the main window's client area
};
ViewMatch MatchViewWithComposition(HWND window, HWND view, int labelBottom);

// A started editor's main window, its splash (when it shows one) clicked away; null when no main
// window comes within the time.
HWND EditorWindowPastSplash(const RunningProgram& editor, DWORD milliseconds);

std::string WindowText(HWND window);
// What a window paints of its client area, through WM_PRINTCLIENT, as a canvas of that size.
bool PrintClient(HWND window, DibCanvas& canvas);
// The texts of a window's static controls, joined: what a message box says.
std::string StaticTexts(HWND window);

// The first visible dialog box of a thread other than `except`; other test programs show theirs on
// the same display, so the search never leaves the thread.
HWND DialogOfThread(DWORD threadId, HWND except = nullptr);

// Waits on a thread of its own for the next dialog box of the creating thread and acts on it; the
// action ends the dialog. Without a dialog within ten seconds it does nothing.
class DialogDriver {
public:
    explicit DialogDriver(std::function<void(HWND)> action);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;
    // Whether a dialog came and the action ran; stops the waiting.
    bool Acted();

private:
    void Join();
    std::atomic<bool> stop_{false};
    std::atomic<bool> acted_{false};
    std::thread thread_;
};
// A Windows path for a path of the host file system (Wine maps drive Z: to its root).
std::string HostToWindowsPath(const std::string& path);
// Copies a file or a whole folder.
void CopyTree(const std::string& from, const std::string& to);

// Copies the editor, its string table, the image library and the palettes from the build's program
// folder into folder (ending in '\\'), with settings that keep the tip of the day from standing in
// front of the windows a test looks at. Returns the build's program folder, ending in '\\'.
std::string InstallEditorCopy(const std::string& folder);

// Polls condition every 50 ms for up to milliseconds; its last answer.
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 5000);

}  // namespace zelt::test
