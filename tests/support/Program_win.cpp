#include "tests/support/Program_win.h"

#include <filesystem>
#include <vector>

#include "editor/render/TemplateRender.h"
#include "editor/template/FileBytes.h"
#include "editor/template/WideText_win.h"
#include "tests/support/TestSupport.h"

namespace zelt::test {

RunningProgram::RunningProgram(const std::string& commandLine, const std::string& folder) {
    // By UTF-16 names, as the shell starts programs: the test's own code page need not spell them.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring line = WideFromText(commandLine);
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, WideFromText(folder).c_str(),
                        &startup, &process_))
        process_ = PROCESS_INFORMATION{};
}

RunningProgram::~RunningProgram() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

DWORD RunningProgram::WaitForExit(DWORD milliseconds) {
    if (!process_.hProcess) return STILL_ACTIVE;
    WaitForSingleObject(process_.hProcess, milliseconds);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

namespace {
struct WindowSearch {
    DWORD processId;
    const std::string* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    if (!search->className->empty() && *search->className != name) return TRUE;
    search->found = window;
    return FALSE;
}
}  // namespace

HWND RunningProgram::FindWindowOfClass(const std::string& className, DWORD milliseconds) const {
    const DWORD start = GetTickCount();
    do {
        WindowSearch search{process_.dwProcessId, &className, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(50);
    } while (GetTickCount() - start < milliseconds);
    return nullptr;
}

HWND EditorWindowPastSplash(const RunningProgram& editor, DWORD milliseconds) {
    HWND window = editor.FindWindowOfClass("Zelt_BuilderClass", milliseconds);
    if (!window) return nullptr;
    if (HWND splash = editor.FindWindowOfClass("SplashScreenClass", 2000)) {
        PostMessageA(splash, WM_LBUTTONUP, 0, 0);
        WaitFor([&] { return !IsWindowVisible(splash); });
    }
    return window;
}

ViewMatch MatchViewWithComposition(HWND window, HWND view, int labelBottom) {
    ViewMatch match;
    TemplateBounds bounds;
    DibCanvas expected;
    if (!ComputeTemplateBounds(bounds)) return match;
    const int w = static_cast<int>(bounds.Width()), h = static_cast<int>(bounds.Height());
    if (!expected.Create(w, h)) return match;
    expected.Clear(0xFFFFFF);
    if (!RenderTemplate(expected, 0, 0, true)) return match;
    // The view's place and size are read again at each look: the window may still be laying itself
    // out (a late WM_SIZE moves the picture) when the first look is taken. A busy machine may take
    // its time over the first paint.
    const auto look = [&] {
        RECT client{};
        GetClientRect(view, &client);
        match.offX = static_cast<int>((client.right - w * 1.0) * 0.5);
        match.offY = static_cast<int>((client.bottom - h * 1.0) * 0.5);
        POINT origin{0, 0}, mainOrigin{0, 0};
        ClientToScreen(view, &origin);
        ClientToScreen(window, &mainOrigin);
        const int left = origin.x - mainOrigin.x, top = origin.y - mainOrigin.y;
        match.screen = CaptureClient(window);
        match.compared = match.wrong = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int vx = match.offX + x, vy = match.offY + y;
                if (vy < labelBottom || vx < 0 || vx >= client.right || vy >= client.bottom) continue;
                ++match.compared;
                match.wrong += match.screen.GetPixel(left + vx, top + vy) != expected.GetPixel(x, y);
            }
        }
        return match.compared > 1000 && match.wrong == 0;
    };
    WaitFor(look, 15000);
    return match;
}

std::string WindowText(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return TextFromWide(text);
}

bool PrintClient(HWND window, DibCanvas& canvas) {
    RECT client{};
    GetClientRect(window, &client);
    if (!canvas.Create(client.right, client.bottom)) return false;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, static_cast<HBITMAP>(canvas.BitmapHandle()));
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    SelectObject(dc, old);
    DeleteDC(dc);
    return true;
}

std::string StaticTexts(HWND window) {
    std::string texts;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            char className[16] = {};
            wchar_t text[2048] = {};
            GetClassNameA(child, className, sizeof className);
            if (lstrcmpiA(className, "Static") == 0 && GetWindowTextW(child, text, 2048) > 0)
                *reinterpret_cast<std::string*>(param) += TextFromWide(text);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

std::string HostToWindowsPath(const std::string& path) {
    if (path.size() > 1 && path[1] == ':') return path;
    std::string windows = "Z:" + path;
    for (char& c : windows) {
        if (c == '/') c = '\\';
    }
    return windows;
}

void CopyTree(const std::string& from, const std::string& to) {
    namespace fs = std::filesystem;
    fs::copy(FileSystemPath(from), FileSystemPath(to), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

std::string InstallEditorCopy(const std::string& folder) {
    const std::string dist = HostToWindowsPath(ZELT_DIST_DIR) + "\\";
    for (const char* file : {"Zelt_Builder.exe", "Zelt_Builder.csf", "Pictor.Dll", "Palettes"})
        CopyTree(dist + file, folder + file);
    const std::string ini = "[TipOfTheDay]\r\nShowAtStart=no\r\n";
    WriteFile(folder + "Zelt_Builder.ini", std::vector<uint8_t>(ini.begin(), ini.end()));
    return dist;
}

bool WaitFor(const std::function<bool()>& condition, int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (condition()) return true;
        Sleep(50);
    }
    return condition();
}

HWND DialogOfThread(DWORD threadId, HWND except) {
    std::pair<HWND, HWND> search{except, nullptr};
    EnumThreadWindows(
        threadId,
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<std::pair<HWND, HWND>*>(param);
            char className[16] = {};
            GetClassNameA(window, className, sizeof className);
            if (window == s->first || lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window))
                return TRUE;
            s->second = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

DialogDriver::DialogDriver(std::function<void(HWND)> action)
    : thread_([this, action, owner = GetCurrentThreadId()] {
          for (int waited = 0; waited < 200 && !stop_; ++waited) {
              if (HWND dialog = DialogOfThread(owner)) {
                  action(dialog);
                  acted_ = true;
                  return;
              }
              Sleep(50);
          }
      }) {}

DialogDriver::~DialogDriver() { Join(); }

bool DialogDriver::Acted() {
    Join();
    return acted_;
}

void DialogDriver::Join() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

}  // namespace zelt::test
