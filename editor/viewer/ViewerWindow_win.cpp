#include "editor/viewer/ViewerWindow_win.h"


#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <utility>

#include "common/WinHandles.h"
#include "editor/render/DibCanvas.h"
#include "editor/render/DibCanvas_win.h"
#include "editor/settings/CommandLine.h"
#include "editor/settings/DataFolder_win.h"
#include "editor/settings/IniFile.h"
#include "editor/settings/ProgramFolder.h"
#include "editor/settings/SettingsValues.h"
#include "editor/strings/StringTable.h"
#include "editor/template/AbsolutePath_win.h"
#include "editor/template/FileBytes.h"
#include "editor/template/GameInstall_win.h"
#include "editor/template/PathText.h"
#include "editor/template/TemplateFile.h"
#include "editor/template/WideText_win.h"
#include "editor/viewer/FolderScan.h"
#include "editor/viewer/ViewerModel.h"
#include "editor/winui/AboutPage_win.h"
#include "editor/winui/DisplayScale_win.h"
#include "editor/winui/FileTypes_win.h"
#include "editor/winui/Message_win.h"
#include "resources/ResourceIds.h"

namespace zelt {

namespace {

constexpr UINT_PTR kSlideShowTimer = 5234;
constexpr const char* kViewerClass = "Zelt_ViewerClass";

struct Viewer {
    HINSTANCE instance = nullptr;
    HWND window = nullptr;
    HWND toolbar = nullptr;
    HIMAGELIST images = nullptr;
    UniqueFont font;
    ViewerState state;
    ViewerSettings settings;
    std::string programFolder;
    bool slideShow = false;
    RECT savedRect{};
    LONG_PTR savedStyle = 0;
};

Viewer g_viewer;

std::string ViewerIniPath() { return DataFilePath("Zelt_Viewer.ini"); }

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Toolbar buttons in order; image -1 is a separator.
struct ButtonDef {
    int image;
    int command;
    const char* tip;
};
constexpr ButtonDef kButtons[] = {
    {0, IDC_VIEW_PREVIOUS, "TIP:IPREV"},      {1, IDC_VIEW_NEXT, "TIP:INEXT"},         {-1, 0, nullptr},
    {5, IDC_VIEW_BEST_SIZE, "TIP:BESTSIZE"},  {6, IDC_VIEW_ACTUAL_SIZE, "TIP:ACTSIZE"}, {7, IDC_VIEW_SLIDE_SHOW, "TIP:SLIDESHOW"},
    {-1, 0, nullptr},                         {2, IDC_VIEW_ZOOM_IN, "TIP:ZOOMIN"},     {3, IDC_VIEW_ZOOM_OUT, "TIP:ZOOMOUT"},
    {-1, 0, nullptr},                         {8, IDC_VIEW_TURN_FORWARD, "TIP:ROT1"},  {9, IDC_VIEW_TURN_BACK, "TIP:ROT2"},
    {-1, 0, nullptr},                         {12, IDC_VIEW_DELETE, "TIP:IDELETE"},    {13, IDC_VIEW_EDIT, "TIP:IEDIT"},
    {14, IDC_VIEW_COPY_TSFS, "TIP:COPYTOTS"}, {15, IDC_VIEW_COPY_RA2YR, "TIP:COPYTOYR"}, {-1, 0, nullptr},
    {16, IDC_VIEW_SETTINGS, nullptr},         {-1, 0, nullptr},                        {11, IDC_VIEW_ABOUT, "TIP:ABOUT"},
};

const char* TipOf(int command) {
    for (const ButtonDef& b : kButtons) {
        if (b.command == command && b.tip) return Lookup(b.tip);
    }
    return "";
}

// The toolbar's 16-pixel images and the text's font at the window's density; each image pixel is
// repeated, so the colour key stays exact.
void SetToolbarImages(int dpi) {
    Viewer& v = g_viewer;
    const int side = ScaleForDpi(16, dpi);
    HIMAGELIST images = ImageList_Create(side, side, ILC_COLOR24 | ILC_MASK, 17, 0);
    UniqueBitmap strip(static_cast<HBITMAP>(
        LoadImageA(v.instance, MAKEINTRESOURCEA(IDB_VIEWER_TOOLBAR), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (UniqueBitmap scaled = ScaleBitmapForDpi(strip.Get(), dpi)) strip = std::move(scaled);
    if (images && strip) ImageList_AddMasked(images, strip.Get(), RGB(255, 0, 255));
    SendMessageA(v.toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    if (v.images) ImageList_Destroy(v.images);
    v.images = images;
}

void SetFont(int dpi) { g_viewer.font = CreateScaledFont(14, FW_NORMAL, "Arial", dpi); }

void CreateToolbar(HWND window) {
    Viewer& v = g_viewer;
    v.toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER |
                                    CCS_NORESIZE | CCS_NOPARENTALIGN,
                                0, 0, 0, 0, window, nullptr, v.instance, nullptr);
    if (!v.toolbar) return;
    SendMessageA(v.toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SetToolbarImages(WindowDpi(window));
    TBBUTTON buttons[std::size(kButtons)] = {};
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        buttons[i].iBitmap = kButtons[i].image < 0 ? 0 : kButtons[i].image;
        buttons[i].idCommand = kButtons[i].command;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = kButtons[i].image < 0 ? BTNS_SEP : BTNS_BUTTON;
    }
    SendMessageA(v.toolbar, TB_ADDBUTTONSA, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
    SendMessageA(v.toolbar, TB_AUTOSIZE, 0, 0);
}

SIZE ToolbarSize() {
    SIZE size{0, 0};
    if (g_viewer.toolbar) SendMessageA(g_viewer.toolbar, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    return size;
}

void PlaceToolbar(int clientWidth, int clientHeight) {
    const SIZE size = ToolbarSize();
    const int margin = ScaleForWindow(g_viewer.window, 10);
    SetWindowPos(g_viewer.toolbar, nullptr, (clientWidth - size.cx) / 2, clientHeight - size.cy - margin, size.cx,
                 size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void EnableButton(int command, bool enabled) {
    SendMessageA(g_viewer.toolbar, TB_ENABLEBUTTON, command, MAKELONG(enabled ? TRUE : FALSE, 0));
}

void UpdateButtons() {
    const NavigationButtons nav = NavigationState(g_viewer.state);
    EnableButton(IDC_VIEW_PREVIOUS, nav.previous);
    EnableButton(IDC_VIEW_NEXT, nav.next);
    EnableButton(IDC_VIEW_ZOOM_IN, g_viewer.state.zoomInEnabled);
    EnableButton(IDC_VIEW_ZOOM_OUT, g_viewer.state.zoomOutEnabled);
}

// After the current file changed: title, picture and buttons.
void Refresh() {
    Viewer& v = g_viewer;
    SetWindowTextA(v.window, ViewerTitle(Lookup("TXT_NAME"), v.state.currentPath).c_str());
    InvalidateRect(v.window, nullptr, TRUE);
    UpdateButtons();
}

void Repaint() {
    InvalidateRect(g_viewer.window, nullptr, TRUE);
    UpdateButtons();
}

void PaintGradient(HDC dc, const RECT& rect) {
    const COLORREF top = GetSysColor(COLOR_WINDOW), bottom = GetSysColor(COLOR_ACTIVECAPTION);
    TRIVERTEX vertices[2] = {
        {rect.left, rect.top, static_cast<COLOR16>(GetRValue(top) << 8), static_cast<COLOR16>(GetGValue(top) << 8),
         static_cast<COLOR16>(GetBValue(top) << 8), 0},
        {rect.right, rect.bottom, static_cast<COLOR16>(GetRValue(bottom) << 8),
         static_cast<COLOR16>(GetGValue(bottom) << 8), static_cast<COLOR16>(GetBValue(bottom) << 8), 0},
    };
    GRADIENT_RECT gradient{0, 1};
    GradientFill(dc, vertices, 2, &gradient, 1, GRADIENT_FILL_RECT_V);
}

// The picture is composed over a copy of the window's own background, so black (left out) shows it.
void PaintPicture(HDC dc, const RECT& client) {
    const ViewerState& s = g_viewer.state;
    auto [w, h] = ZoomedSize(s);
    auto [x, y] = PicturePosition(s, client.right, client.bottom);
    RECT picture{x, y, x + w, y + h}, visible;
    if (w <= 0 || h <= 0 || !IntersectRect(&visible, &picture, &client)) return;
    DibCanvas canvas;
    if (!canvas.Create(visible.right - visible.left, visible.bottom - visible.top)) return;
    CaptureCanvas(dc, visible.left, visible.top, canvas);
    ComposeViewerPicture(s, visible.left - x, visible.top - y, canvas.Width(), canvas.Height(), canvas);
    DrawCanvas(dc, canvas, visible.left, visible.top);
}

void OnPaint(HWND window) {
    PaintScope paint(window);
    RECT client;
    GetClientRect(window, &client);
    if (g_viewer.state.loaded) {
        PaintPicture(paint.Get(), client);
        return;
    }
    SelectScope font(paint.Get(), g_viewer.font.Get());
    SetBkMode(paint.Get(), TRANSPARENT);
    SetTextColor(paint.Get(), GetSysColor(COLOR_CAPTIONTEXT));
    DrawTextA(paint.Get(), Lookup("MSG:NOPREVIEW"), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

FolderScanner Scanner() { return ScanTemplateFolder; }

void ViewPath(const std::string& path) {
    ViewFile(g_viewer.state, path, Scanner(), g_viewer.programFolder);
    Refresh();
}

// A list of one path for the shell's file operations: ends in two zero characters.
std::string DoubleTerminated(const std::string& path) { return path + std::string(2, '\0'); }

void DeleteCurrent() {
    Viewer& v = g_viewer;
    const std::string from = DoubleTerminated(v.state.currentPath);
    SHFILEOPSTRUCTA op{};
    op.hwnd = v.window;
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_ALLOWUNDO;
    if (SHFileOperationA(&op) == 0 && !op.fAnyOperationsAborted) {
        ShowAfterDelete(v.state, Scanner(), v.programFolder);
        Refresh();
    }
}

void EditCurrent() {
    const HINSTANCE result =
        ShellExecuteA(g_viewer.window, "edit", g_viewer.state.currentPath.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) <= 32) {
        ShowMessageKey(MB_ICONERROR, "MSG:LAUNCHERROR");
        return;
    }
    DestroyWindow(g_viewer.window);
}

void CopyToGame(GameKind family) {
    std::string folder;
    if (!GameInstallFolder(family, folder)) {
        ShowMessageKey(MB_ICONERROR, "ERROR:DIRNOTFOUND");
        return;
    }
    const std::string from = DoubleTerminated(g_viewer.state.currentPath), to = DoubleTerminated(folder);
    SHFILEOPSTRUCTA op{};
    op.hwnd = g_viewer.window;
    op.wFunc = FO_COPY;
    op.pFrom = from.c_str();
    op.pTo = to.c_str();
    op.fFlags = FOF_ALLOWUNDO;
    SHFileOperationA(&op);
}

void StartSlideShow() {
    Viewer& v = g_viewer;
    if (v.slideShow) return;
    v.slideShow = true;
    GetWindowRect(v.window, &v.savedRect);
    v.savedStyle = GetWindowLongPtrA(v.window, GWL_STYLE);
    SetWindowLongPtrA(v.window, GWL_STYLE, v.savedStyle & ~(WS_CAPTION | WS_THICKFRAME));
    SetWindowPos(v.window, HWND_TOPMOST, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                 SWP_FRAMECHANGED);
    ShowWindow(v.toolbar, SW_HIDE);
    SetTimer(v.window, kSlideShowTimer, static_cast<UINT>(std::max(v.settings.slideShowDelay, 1)), nullptr);
}

void EndSlideShow() {
    Viewer& v = g_viewer;
    v.slideShow = false;
    KillTimer(v.window, kSlideShowTimer);
    SetWindowLongPtrA(v.window, GWL_STYLE, v.savedStyle);
    const RECT& r = v.savedRect;
    SetWindowPos(v.window, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_FRAMECHANGED);
    ShowWindow(v.toolbar, SW_SHOW);
}

void ShowAbout() {
    const bool builder = EqualsNoCase(FileNameOf(ProgramPath()), "Zelt_Builder.exe");
    ShowAboutPage(g_viewer.window, builder ? "ZV_B_ABOUT.HTM" : "ZV_V_ABOUT.HTM");
}

void OnCommand(int command) {
    Viewer& v = g_viewer;
    ViewerState& s = v.state;
    RECT client;
    GetClientRect(v.window, &client);
    switch (command) {
        case IDC_VIEW_NEXT: ShowNext(s, Scanner(), v.programFolder); Refresh(); break;
        case IDC_VIEW_PREVIOUS: ShowPrevious(s, Scanner(), v.programFolder); Refresh(); break;
        case IDC_VIEW_EDIT: EditCurrent(); break;
        case IDC_VIEW_DELETE: DeleteCurrent(); break;
        case IDC_VIEW_TURN_FORWARD: TurnForward(s); Repaint(); break;
        case IDC_VIEW_TURN_BACK: TurnBack(s); Repaint(); break;
        case IDC_VIEW_ZOOM_IN: ZoomIn(s); Repaint(); break;
        case IDC_VIEW_ZOOM_OUT: ZoomOut(s); Repaint(); break;
        case IDC_VIEW_ACTUAL_SIZE: ActualSize(s); Repaint(); break;
        case IDC_VIEW_BEST_SIZE:
            if (s.loaded) {
                BestSize(s, client.right, client.bottom);
                Repaint();
            }
            break;
        case IDC_VIEW_SLIDE_SHOW: StartSlideShow(); break;
        case IDC_VIEW_ABOUT: ShowAbout(); break;
        case IDC_VIEW_COPY_TSFS: CopyToGame(kTsFs); break;
        case IDC_VIEW_COPY_RA2YR: CopyToGame(kRa2Yr); break;
        case IDC_VIEW_SETTINGS:
            ShowViewerSettingsDialog(v.window, v.settings);
            InvalidateRect(v.window, nullptr, TRUE);
            break;
        default: break;
    }
}

void OnKeyDown(WPARAM key) {
    switch (key) {
        case VK_ESCAPE: DestroyWindow(g_viewer.window); break;
        case VK_LEFT: OnCommand(IDC_VIEW_NEXT); break;
        case VK_RIGHT: OnCommand(IDC_VIEW_PREVIOUS); break;
        case VK_F1: OnCommand(IDC_VIEW_ABOUT); break;
        case VK_F2: OnCommand(IDC_VIEW_SETTINGS); break;
        default: break;
    }
}

void OnDropFiles(HDROP drop) {
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring wide(length + 1, L'\0');
    if (length > 0 && DragQueryFileW(drop, 0, wide.data(), length + 1) == length) {
        wide.resize(length);
        const std::string path = TextFromWide(wide);
        if (PathExists(path)) ViewPath(path);
    }
    DragFinish(drop);
}

LRESULT CALLBACK ViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Viewer& v = g_viewer;
    switch (message) {
        case WM_CREATE:
            v.window = window;
            CreateToolbar(window);
            SetFont(WindowDpi(window));
            ViewPath(v.state.currentPath);
            return 0;
        case WM_SIZE:
            PlaceToolbar(LOWORD(lParam), HIWORD(lParam));
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize.x = ToolbarSize().cx + 2 * GetSystemMetrics(SM_CXBORDER) + ScaleForWindow(window, 10);
            info->ptMinTrackSize.y = ScaleForWindow(window, 300);
            return 0;
        }
        case kDpiChangedMessage: {
            // Another monitor's density: the toolbar's images and the text follow, the picture's
            // pixels do not.
            const int dpi = HIWORD(wParam);
            SetFont(dpi);
            SetToolbarImages(dpi);
            SendMessageA(v.toolbar, TB_AUTOSIZE, 0, 0);
            TakeSuggestedRect(window, lParam);
            RECT client{};
            GetClientRect(window, &client);
            PlaceToolbar(client.right, client.bottom);
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        }
        case WM_ERASEBKGND:
            if (v.settings.extendedUiStyle) {
                RECT client;
                GetClientRect(window, &client);
                PaintGradient(reinterpret_cast<HDC>(wParam), client);
                return 1;
            }
            break;
        case WM_PAINT: OnPaint(window); return 0;
        case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
        case WM_KEYDOWN: OnKeyDown(wParam); return 0;
        case WM_TIMER:
            if (wParam == kSlideShowTimer) {
                SlideShowStep(v.state, Scanner(), v.programFolder);
                Refresh();
            }
            return 0;
        case WM_LBUTTONDOWN:
            if (v.slideShow) EndSlideShow();
            return 0;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header->code == TTN_GETDISPINFOA) {
                auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
                info->lpszText = const_cast<char*>(TipOf(static_cast<int>(header->idFrom)));
            }
            return 0;
        }
        case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(wParam)); return 0;
        case WM_DESTROY:
            if (v.slideShow) KillTimer(window, kSlideShowTimer);
            PostQuitMessage(0);
            return 0;
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

ViewerSettings ReadViewerSettings(const std::string& iniPath) {
    ViewerSettings s;
    s.slideShowDelay = ParseInt(ReadIniString(iniPath, "General", "SlideShowDelay", "1000", 32)).value_or(1000);
    s.extendedUiStyle = ParseFlag(ReadIniString(iniPath, "General", "ExtendedUIStyle", "yes", 32));
    s.noVisualTheme = ParseFlag(ReadIniString(iniPath, "General", "NoVisualTheme", "yes", 32));
    return s;
}

void WriteViewerSettings(const std::string& iniPath, const ViewerSettings& s) {
    WriteIniString(iniPath, "General", "SlideShowDelay", IntText(s.slideShowDelay));
    WriteIniString(iniPath, "General", "ExtendedUIStyle", FlagText(s.extendedUiStyle));
    WriteIniString(iniPath, "General", "NoVisualTheme", FlagText(s.noVisualTheme));
}

bool RegisterFileTypes() { return RegisterFileVerb(FileVerb::kOpen); }

int RunViewer(HINSTANCE instance, const std::string& path) {
    Viewer& v = g_viewer;
    v.instance = instance;
    v.programFolder = ProgramFolder();
    if (!LoadStringTable(v.programFolder + "Zelt_Viewer.csf")) {
        MessageBoxA(nullptr, "Error: Can't init csf system.\nCheck Zelt_Viewer.Csf file!", Lookup("TXT_NAME"),
                    MB_ICONERROR);
        return 0;
    }
    if (!IsProgramFileName(FileNameOf(ProgramPath()))) {
        ShowMessageKey(MB_ICONERROR, "ERROR:INVALIDENAME");
        FreeStringTable();
        return 0;
    }
    // The title shows the full path, and the shell's delete only recycles a fully qualified one.
    const std::string fullPath = AbsolutePath(path);
    if (!PathExists(fullPath)) {
        ShowMessageKey(MB_ICONERROR, "ERROR:INALIDEFILENAME");
        FreeStringTable();
        return 0;
    }
    const std::string iniPath = ViewerIniPath();
    v.settings = ReadViewerSettings(iniPath);
    v.state.currentPath = fullPath;

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ViewerProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_VIEWER_ICON));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DLIGHT + 1);
    wc.lpszClassName = kViewerClass;
    RegisterClassExA(&wc);
    // Double-buffered composition exists from Windows XP on, which every supported system is.
    HWND window = CreateWindowExA(WS_EX_ACCEPTFILES | WS_EX_COMPOSITED, kViewerClass, Lookup("TXT_NAME"),
                                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!window) {
        ShowMessageKey(MB_ICONERROR, "ERROR:CREATEWIN");
        FreeStringTable();
        return 0;
    }
    SetMessageOwner(window);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    SetMessageOwner(nullptr);
    WriteViewerSettings(iniPath, v.settings);
    if (v.images) ImageList_Destroy(v.images);
    v.images = nullptr;
    v.font.Reset();
    FreeStringTable();
    return 0;
}

}  // namespace zelt
