#include "editor/program/Splash_win.h"

#include <atomic>
#include <utility>

#include "common/WinHandles.h"
#include "editor/winui/DisplayScale_win.h"
#include "resources/ResourceIds.h"

namespace zelt {

namespace {

constexpr const char* kSplashClass = "SplashScreenClass";
constexpr UINT_PTR kSplashTimer = 145;
constexpr DWORD kFadeMilliseconds = 500;

std::atomic<HWND> g_successor{nullptr};

struct SplashStart {
    HINSTANCE instance;
    DWORD milliseconds;
};

// What the window procedure paints; lives on the splash thread's stack while its window exists.
struct SplashPicture {
    HDC dc = nullptr;
    int width = 0;
    int height = 0;
    DWORD milliseconds = 0;
};

void EndSplash(HWND window) {
    KillTimer(window, kSplashTimer);
    AnimateWindow(window, kFadeMilliseconds, AW_BLEND | AW_HIDE);
    PostQuitMessage(0);
}

LRESULT CALLBACK SplashProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* picture = reinterpret_cast<SplashPicture*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE:
        picture = static_cast<SplashPicture*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture));
        break;
    case WM_CREATE:
        SetTimer(window, kSplashTimer, picture->milliseconds, nullptr);
        return 0;
    case WM_ERASEBKGND:
        BitBlt(reinterpret_cast<HDC>(wParam), 0, 0, picture->width, picture->height, picture->dc, 0, 0, SRCCOPY);
        return 1;
    case WM_CLOSE:
        return 0;  // only the time or a click ends the splash screen
    case WM_TIMER:
        if (wParam == kSplashTimer) EndSplash(window);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        EndSplash(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

DWORD WINAPI SplashThread(void* parameter) {
    const SplashStart start = *static_cast<SplashStart*>(parameter);
    delete static_cast<SplashStart*>(parameter);

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(start.instance, kSplashClass, &wc)) {
        wc = WNDCLASSEXA{};
        wc.cbSize = sizeof wc;
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = SplashProc;
        wc.hInstance = start.instance;
        wc.hIcon = LoadIconA(start.instance, MAKEINTRESOURCEA(IDI_APPLICATION_ICON));
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.lpszClassName = kSplashClass;
        RegisterClassExA(&wc);
    }
    UniqueBitmap bitmap(static_cast<HBITMAP>(
        LoadImageA(start.instance, MAKEINTRESOURCEA(IDB_SPLASH), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    // The picture is drawn for 96 dots per inch; it opens on the primary monitor, at its density.
    if (UniqueBitmap scaled = ScaleBitmapForDpi(bitmap.Get(), WindowDpi(nullptr))) bitmap = std::move(scaled);
    if (!bitmap) return 0;
    BITMAP info{};
    GetObjectA(bitmap.Get(), sizeof info, &info);
    WindowDc screen(nullptr);
    UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
    if (!dc) return 0;
    SelectScope select(dc.Get(), bitmap.Get());

    SplashPicture picture{dc.Get(), info.bmWidth, info.bmHeight, start.milliseconds};
    const int left = (GetSystemMetrics(SM_CXSCREEN) - info.bmWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - info.bmHeight) / 2;
    HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kSplashClass, "", WS_POPUP, left, top,
                                  info.bmWidth, info.bmHeight, nullptr, nullptr, start.instance, &picture);
    if (!window) return 0;
    AnimateWindow(window, kFadeMilliseconds, AW_BLEND | AW_ACTIVATE);
    ShowWindow(window, SW_SHOW);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DestroyWindow(window);
    if (HWND successor = g_successor.load()) {
        SetActiveWindow(successor);
        SetForegroundWindow(successor);
    }
    return 0;
}

}  // namespace

void StartSplash(HINSTANCE instance, DWORD milliseconds) {
    auto* start = new SplashStart{instance, milliseconds};
    HANDLE thread = CreateThread(nullptr, 0, SplashThread, start, 0, nullptr);
    if (thread) CloseHandle(thread);
    else delete start;
}

void SetSplashSuccessor(HWND window) { g_successor.store(window); }

}  // namespace zelt
