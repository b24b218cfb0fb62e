#include "editor/app/MainWindow_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "common/WinHandles.h"
#include "editor/app/ClassicAbout_win.h"
#include "editor/app/CustomizeSheet_win.h"
#include "editor/app/Hotkeys_win.h"
#include "editor/app/MainLayout.h"
#include "editor/app/OptionsDialog_win.h"
#include "editor/app/RecentFiles.h"
#include "editor/app/TemplateDialogs_win.h"
#include "editor/app/TipDialog_win.h"
#include "editor/app/Toolbar_win.h"
#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFlows.h"
#include "editor/document/NewTemplateDialog_win.h"
#include "editor/document/SaveOptionsDialog_win.h"
#include "editor/editing/PaletteDialogs_win.h"
#include "editor/editing/PropertiesPanel_win.h"
#include "editor/editing/TileCommands.h"
#include "editor/editing/TileProperties.h"
#include "editor/interchange/BatchDialog_win.h"
#include "editor/interchange/OverviewDialog_win.h"
#include "editor/interchange/TemplateClipboard_win.h"
#include "editor/interchange/TileImageCommands_win.h"
#include "editor/settings/ProgramFolder.h"
#include "editor/settings/Settings.h"
#include "editor/strings/StringTable.h"
#include "editor/strings/Translate_win.h"
#include "editor/template/AbsolutePath_win.h"
#include "editor/template/PathText.h"
#include "editor/template/WideText_win.h"
#include "editor/views/FullScreenView_win.h"
#include "editor/views/HotButtonLayout.h"
#include "editor/views/HotButtons_win.h"
#include "editor/views/MainView_win.h"
#include "editor/winui/AboutPage_win.h"
#include "editor/winui/DisplayScale_win.h"
#include "editor/winui/Message_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/CommandIds.h"

namespace zelt {

namespace {

constexpr const char* kHomePage = "https://zelt.example.org/";
constexpr int kStatusPartEdges[] = {300, 400, 600};  // at 96 dots per inch
// Position of the recent-files placeholder in the File menu.
constexpr int kRecentMenuPosition = 7;

// The commands that follow the document, by the key their menu item carries.
struct CommandKey {
    const char* key;
    UINT command;
};
constexpr CommandKey kCommandKeys[] = {
    {"GUI:MENUSAVE", IDM_SAVE},
    {"GUI:SAVEAS", IDM_SAVE_AS},
    {"GUI:CLOSE", IDM_CLOSE},
    {"GUI:MENULOAD", IDM_LOAD_PALETTE},
    {"GUI:EXPORTALL", IDM_EXPORT_ALL},
    {"GUI:MENUSELECT", IDM_SELECT_PALETTE},
    {"GUI:PALPREVIEW", IDM_PALETTE_PREVIEW},
    {"GUI:QUICK", IDM_QUICK_EDIT},
    {"GUI:ZOOMIN", IDM_ZOOM_IN},
    {"GUI:ZOOMOUT", IDM_ZOOM_OUT},
    {"GUI:SHOWNIMAGE", IDM_SHOW_NORMAL_IMAGES},
    {"GUI:SHOWEIMAGE", IDM_SHOW_EXTRA_IMAGES},
    {"GUI:ADD", IDM_ADD_TILE},
    {"GUI:OPENFOLDER", IDM_OPEN_FOLDER},
    {"GUI:DELETE", IDM_DELETE_TILE},
    {"GUI:CLONETILE", IDM_CLONE_TILE},
    {"GUI:NEXTTILE", IDM_NEXT_TILE},
    {"GUI:PREVTILE", IDM_PREVIOUS_TILE},
    {"GUI:BATCHIMPORT", IDM_BATCH_IMPORT},
    {"GUI:COPYEIMAGE", IDM_COPY_EXTRA_IMAGE},
    {"GUI:COPYNIMAGE", IDM_COPY_NORMAL_IMAGE},
    {"GUI:COPYTOCLIPBOARD", IDM_COPY_TO_CLIPBOARD},
    {"GUI:FULLSCREEN", IDM_FULL_SCREEN},
    {"GUI:IMPORTALL", IDM_IMPORT_ALL},
    {"GUI:AUTOCOLOR", IDM_AUTO_COLOUR},
    {"GUI:UNSELECT", IDM_UNSELECT},
    {"GUI:SWAPTILE", IDM_SWAP_TILE},
    {"GUI:OVERVIEW", IDM_OVERVIEW},
    {"GUI:TILESAUTOCLR", IDM_AUTO_COLOUR_ALL},
    {"GUI:PASTENIMAGE", IDM_PASTE_NORMAL_IMAGE},
    {"GUI:EXPORTTILES", IDM_EXPORT_TILES},
    {"GUI:UNDO", IDM_UNDO},
    {"GUI:REDO", IDM_REDO},
};

UINT CommandOfKey(const std::string& key) {
    for (const CommandKey& entry : kCommandKeys) {
        if (key == entry.key) return entry.command;
    }
    return 0;
}

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

int ClientHeight(HWND window) {
    RECT r{};
    if (window) GetClientRect(window, &r);
    return r.bottom - r.top;
}

void Place(HWND window, const LayoutRect& r) {
    if (window) MoveWindow(window, r.x, r.y, r.width, r.height, TRUE);
}

// The toolbar at the top, as wide as the window and as high as its buttons need; its client height.
int PlaceToolbar(int width) {
    HWND toolbar = Shell().toolbar;
    if (!toolbar) return 0;
    RECT r{};
    GetWindowRect(toolbar, &r);
    MoveWindow(toolbar, 0, 0, width, r.bottom - r.top, TRUE);
    SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
    GetWindowRect(toolbar, &r);
    MoveWindow(toolbar, 0, 0, width, r.bottom - r.top, TRUE);
    return ClientHeight(toolbar);
}

struct Dividers {
    HWND vertical = nullptr;
    HWND horizontal = nullptr;
};
Dividers g_dividers;

void LayOut(HWND window, int width, int height) {
    SendMessageA(Shell().status, WM_SIZE, 0, 0);
    const int statusHeight = ClientHeight(Shell().status);
    const int toolbarHeight = PlaceToolbar(width);
    if (Shell().undocked) return;
    const bool panelVisible = Shell().panel && IsWindowVisible(Shell().panel);
    const DockedLayout layout =
        ComputeDockedLayout(width, height, toolbarHeight, statusHeight, panelVisible, WindowDpi(window));
    if (panelVisible) Place(Shell().panel, layout.panel);
    Place(g_dividers.vertical, layout.verticalDivider);
    Place(g_dividers.horizontal, layout.horizontalDivider);
    Place(Shell().strip, layout.strip);
    Place(Shell().view, layout.view);
}

void SetStatusParts(HWND window) {
    int edges[std::size(kStatusPartEdges)];
    for (size_t i = 0; i < std::size(edges); ++i) edges[i] = ScaleForWindow(window, kStatusPartEdges[i]);
    SendMessageA(Shell().status, SB_SETPARTS, std::size(edges), reinterpret_cast<LPARAM>(edges));
}

// The main window moved to a monitor of another density: it takes the size the system suggests, and
// what is laid out in pixels follows. Template pixels stay one screen pixel at zoom 1.
void OnDpiChanged(HWND window, LPARAM suggested) {
    SetStatusParts(window);
    RescaleToolbar();
    TakeSuggestedRect(window, suggested);
    RECT client{};
    GetClientRect(window, &client);
    LayOut(window, client.right, client.bottom);
    RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

HWND CreateDivider(HWND parent) {
    return CreateWindowExA(WS_EX_DLGMODALFRAME, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr,
                           Shell().instance, nullptr);
}

void CreateViews(HWND window) {
    ShellWindows& shell = Shell();
    if (shell.undocked) {
        shell.panel = CreatePropertiesPanel(window, true);
        shell.strip = CreateWindowExA(0, "StripSelectClass", "Tile select", WS_OVERLAPPED | WS_CAPTION |
                                      WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, 500,
                                      200, window, nullptr, shell.instance, nullptr);
        shell.view = CreateWindowExA(0, "MainViewClass", "View", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU |
                                     WS_BORDER | WS_THICKFRAME | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, 600,
                                     400, window, nullptr, shell.instance, nullptr);
    } else {
        shell.panel = CreatePropertiesPanel(window, false);
        shell.strip = CreateWindowExA(0, "StripSelectClass", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window,
                                      nullptr, shell.instance, nullptr);
        shell.view = CreateWindowExA(0, "MainViewClass", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, 0, 0, 0, window,
                                     nullptr, shell.instance, nullptr);
    }
}

bool OnCreate(HWND window) {
    ShellWindows& shell = Shell();
    shell.main = window;
    shell.reloadMenu = ReloadMainMenu;
    shell.applyWindowState = ApplyWindowState;
    SetMessageOwner(window);

    shell.status = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                   window, nullptr, shell.instance, nullptr);
    SetStatusParts(window);
    if (!CreateToolbar(window)) {
        ShowMessageKey(MB_ICONERROR, "ERROR:CREATETOOLBAR");
        return false;
    }
    g_dividers.vertical = CreateDivider(window);
    g_dividers.horizontal = CreateDivider(window);
    TranslateMenu(GetMenu(window), HotkeyText);
    BuildRecentMenu();
    CreateViews(window);

    SetCommandChecked(IDM_SHOW_EXTRA_IMAGES, true);
    SetCommandChecked(IDM_SHOW_NORMAL_IMAGES, true);
    if (shell.view) SetFocus(shell.view);
    if (Doc().open) {
        if (g_settings.quickEditMode) PlaceHotButtons();
        UpdateHotButtonVisibility();
    }
    SetCommandChecked(IDM_QUICK_EDIT, g_settings.quickEditMode);
    return true;
}

// A window placement holds workspace coordinates, which start at the work area's corner: with the
// taskbar at the top or left they differ from screen coordinates by its size. The settings hold
// screen coordinates; this is the offset from workspace to screen on the monitor of a screen rect.
POINT WorkspaceOffset(const RECT& screenRect) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromRect(&screenRect, MONITOR_DEFAULTTONEAREST), &monitor)) return POINT{0, 0};
    return POINT{monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top};
}

void SaveWindowSettings(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    RECT onScreen{};
    if (GetWindowPlacement(window, &placement) && GetWindowRect(window, &onScreen)) {
        g_settings.isMaximized = placement.showCmd == SW_SHOWMAXIMIZED;
        const RECT& r = placement.rcNormalPosition;
        const POINT offset = WorkspaceOffset(onScreen);
        g_settings.windowPos = WindowRect{r.left + offset.x, r.top + offset.y, r.right + offset.x, r.bottom + offset.y};
    }
    SaveSettings();
}

// A modal dialog or message box of ours disables the main window while it is up: a close flow run
// underneath it would change the document the dialog is working on.
bool ModalDialogUp(HWND window) { return !IsWindowEnabled(window); }

void BringModalDialogToFront(HWND window) {
    HWND popup = GetLastActivePopup(window);
    if (!popup || popup == window) return;
    SetForegroundWindow(popup);
    FlashWindow(popup, TRUE);
}

// Set when a close request stopped a batch run: the close question follows once its dialog is gone
// and the main window takes input again.
bool g_closeWhenEnabled = false;

void OnCloseRequest(HWND window) {
    if (ModalDialogUp(window)) {
        if (StopBatchRun()) g_closeWhenEnabled = true;
        else BringModalDialogToFront(window);
        return;
    }
    if (CloseFlow()) DestroyWindow(window);
}

void OnEnable(HWND window, bool enabled) {
    if (!enabled || !g_closeWhenEnabled) return;
    g_closeWhenEnabled = false;
    PostMessageA(window, WM_CLOSE, 0, 0);
}

std::wstring WideText(const char* text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    if (length > 0) MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    return wide;
}

// Sign-out, shutdown or restart: a changed template gets the close question, and Cancel (or a failed
// save) refuses the end. While the question waits, Windows shows the user why the editor holds it up.
BOOL OnQueryEndSession(HWND window) {
    if (!Doc().open || !Doc().modified) return TRUE;
    if (ModalDialogUp(window)) {
        StopBatchRun();
        BringModalDialogToFront(window);
        return FALSE;
    }
    ShutdownBlockReasonCreate(window, WideText(Lookup("MSG:ENDSESSIONREASON")).c_str());
    const bool closed = CloseFlow();
    ShutdownBlockReasonDestroy(window);
    return closed ? TRUE : FALSE;
}

// The session really ends: the process may be ended without WM_DESTROY, so the settings and the
// hotkeys are written now, without any message.
void OnEndSession(HWND window, bool ending) {
    if (!ending) return;
    SaveWindowSettings(window);
    SaveEnvironment(ProgramFolder() + "Environment.dat", false);
}

void OnDestroy(HWND window) {
    SaveWindowSettings(window);
    ShellWindows& shell = Shell();
    // Message boxes from here on (the hotkey file is written after the loop) have no owner.
    SetMessageOwner(nullptr);
    shell.main = shell.toolbar = shell.status = shell.panel = shell.view = shell.strip = nullptr;
    g_dividers = {};
    PostQuitMessage(0);
}

LRESULT OnEraseBackground(HWND window, HDC dc) {
    DefWindowProcA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    GetClientRect(window, &client);
    const int top = ClientHeight(Shell().toolbar);
    const COLORREF from = GetSysColor(COLOR_MENUBAR);
    const COLORREF to = GetSysColor(COLOR_ACTIVECAPTION);
    TRIVERTEX vertices[2] = {
        {client.left, top, static_cast<COLOR16>(GetRValue(from) << 8), static_cast<COLOR16>(GetGValue(from) << 8),
         static_cast<COLOR16>(GetBValue(from) << 8), 0},
        {client.right, client.bottom, static_cast<COLOR16>(GetRValue(to) << 8),
         static_cast<COLOR16>(GetGValue(to) << 8), static_cast<COLOR16>(GetBValue(to) << 8), 0},
    };
    GRADIENT_RECT rect{0, 1};
    GradientFill(dc, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_V);
    return 1;
}

void OnSizeLimits(HWND window, MINMAXINFO* info) {
    const int dpi = WindowDpi(window);
    if (Shell().undocked) {
        const int height = UndockedWindowHeight(ClientHeight(Shell().toolbar), ClientHeight(Shell().status), dpi);
        info->ptMaxSize.y = height;
        info->ptMinTrackSize.y = height;
        info->ptMaxTrackSize.y = height;
    } else {
        info->ptMinTrackSize.x = ScaleForDpi(kDockedMinWidth, dpi);
        info->ptMinTrackSize.y = ScaleForDpi(kDockedMinHeight, dpi);
    }
}

void OnMenuSelect(WPARAM wParam, LPARAM lParam) {
    const UINT flags = HIWORD(wParam);
    const bool closed = flags == 0xFFFF && lParam == 0;
    if (closed || (flags & MF_POPUP)) {
        SetStatusText(0, "");
        return;
    }
    if (const char* hint = CommandHint(LOWORD(wParam))) SetStatusText(0, hint);
}

// Only the first file counts. A path too long for the document is refused rather than cut.
void OnDropFiles(HDROP drop) {
    // By its UTF-16 name, which the shell's drop holds whatever the code page.
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::string path;
    if (length > 0 && length <= kMaxPathLength) {
        std::wstring wide(length + 1, L'\0');
        DragQueryFileW(drop, 0, wide.data(), length + 1);
        wide.resize(length);
        path = TextFromWide(wide);
    }
    DragFinish(drop);
    if (length > kMaxPathLength) {
        ShowMessageKey(MB_ICONERROR, "ERROR:LOADFAILED");
        return;
    }
    if (path.empty() || !PathExists(path)) return;
    const std::string full = AbsolutePath(path);
    if (!PathFits(full)) {
        ShowMessageKey(MB_ICONERROR, "ERROR:LOADFAILED");
        return;
    }
    OpenTemplate(full, OpenRoute::DroppedFile);
}

void OpenCommand() {
    const std::optional<std::string> path = ChooseOpenFile(Shell().main);
    if (!path) return;
    if (!PathFits(*path)) {
        ShowMessageKey(MB_ICONERROR, "ERROR:LOADFAILED");
        return;
    }
    OpenTemplate(*path, OpenRoute::OpenDialog);
}

void AboutCommand() {
    if (GetKeyState(VK_SHIFT) < 0) {
        ShowClassicAbout(Shell().main);
        return;
    }
    const bool builder = EqualsNoCase(FileNameOf(ProgramPath()), "Zelt_Builder.exe");
    ShowAboutPage(Shell().main, builder ? "ZB_B_ABOUT.HTM" : "ZB_V_ABOUT.HTM");
}

void ToggleQuickEdit() {
    SetQuickEditMode(!g_settings.quickEditMode);
    SetCommandChecked(IDM_QUICK_EDIT, g_settings.quickEditMode);
}

// A modal dialog or message box of ours disables the main window. The windows that float beside it
// (the hot buttons, and with -UNDOCK the panel, strip and view) are windows of their own and would
// still take clicks, changing the document under the dialog: they follow the main window.
void EnableFloatingWindows(bool enabled) {
    for (int i = 0; i < kHotButtonCount; ++i) {
        if (HWND button = HotButtonWindow(i)) EnableWindow(button, enabled);
    }
    if (!Shell().undocked) return;
    for (HWND floating : {Shell().panel, Shell().strip, Shell().view}) {
        if (floating) EnableWindow(floating, enabled);
    }
}

// Only top-level windows hear of new system colours; the common controls among the children must be
// told to pick them up.
void PassSystemColours(WPARAM wParam, LPARAM lParam) {
    for (HWND child : {Shell().toolbar, Shell().status, Shell().panel}) {
        if (child) SendMessageA(child, WM_SYSCOLORCHANGE, wParam, lParam);
    }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(window) ? 0 : -1;
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    case WM_MOVE:
        if (Doc().open) PlaceHotButtons();
        return 0;
    case WM_SIZE:
        LayOut(window, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_CLOSE:
        OnCloseRequest(window);
        return 0;
    case kDpiChangedMessage:
        OnDpiChanged(window, lParam);
        return 0;
    case WM_ENABLE:
        // A modal dialog or message box of ours disables the main window: the windows that float
        // beside it rest with it, and a close asked for meanwhile runs once it is back.
        EnableFloatingWindows(wParam != 0);
        OnEnable(window, wParam != 0);
        return 0;
    case WM_QUERYENDSESSION:
        return OnQueryEndSession(window);
    case WM_ENDSESSION:
        OnEndSession(window, wParam != 0);
        return 0;
    case WM_ERASEBKGND:
        if (!g_settings.useEuiStyle) break;
        return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_GETMINMAXINFO:
        OnSizeLimits(window, reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_COMMAND:
        DispatchCommand(LOWORD(wParam));
        return 0;
    case WM_MENUSELECT:
        OnMenuSelect(wParam, lParam);
        return 0;
    case WM_MOUSEWHEEL:
        if (!Doc().open) return 0;
        if (GET_WHEEL_DELTA_WPARAM(wParam) > 0) ZoomIn();
        else ZoomOut();
        return 0;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_SYSCOLORCHANGE:
        PassSystemColours(wParam, lParam);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance, HICON icon) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
    wc.lpszClassName = kMainWindowClass;
    return RegisterClassExA(&wc) != 0;
}

HWND CreateMainWindow(HINSTANCE instance) {
    Shell().instance = instance;
    return CreateWindowExA(WS_EX_COMPOSITED | WS_EX_ACCEPTFILES, kMainWindowClass, Lookup("TXT_NAME"),
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
}

void RestorePlacementAndRecentFiles() {
    HWND window = Shell().main;
    LoadWindowSettings();
    // An entry written by hand may be relative; the list holds full paths only.
    for (std::string& path : g_settings.recentFiles) path = AbsolutePath(path);
    // A template named on the command line was opened before the list was read.
    if (Doc().open && !Doc().fileName.empty()) {
        RemoveRecentPath(g_settings, Doc().fileName);
        AddRecentFile(g_settings, Doc().fileName);
        TrimRecentFiles(g_settings);
    }
    BuildRecentMenu();
    if (Shell().undocked) return;  // the undocked main window keeps its own size and place

    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    placement.showCmd = g_settings.isMaximized ? SW_SHOWMAXIMIZED : SW_SHOWNOACTIVATE;
    if (g_settings.windowPos) {
        const WindowRect& saved = *g_settings.windowPos;
        RECT r{saved.left, saved.top, saved.right, saved.bottom};
        // A placement saved on a monitor that is gone is moved onto the nearest one.
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        if (GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor)) {
            const WindowRect area{monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right,
                                  monitor.rcWork.bottom};
            const WindowRect fitted = KeepRectInArea(saved, area);
            r = RECT{fitted.left, fitted.top, fitted.right, fitted.bottom};
        }
        const POINT offset = WorkspaceOffset(r);
        placement.rcNormalPosition = RECT{r.left - offset.x, r.top - offset.y, r.right - offset.x, r.bottom - offset.y};
    }
    SetWindowPlacement(window, &placement);
}

void DispatchCommand(UINT command) {
    HWND main = Shell().main;
    if (command >= IDM_HOT_UP && command <= IDM_HOT_HEIGHT_DOWN) {
        if (Shell().view) SendMessageA(Shell().view, WM_COMMAND, command, 0);
        return;
    }
    if (command >= IDM_RECENT_FIRST && command < IDM_RECENT_FIRST + static_cast<UINT>(kMaxRecentLimit)) {
        if (static_cast<int>(command - IDM_RECENT_FIRST) < g_settings.maxRecent)
            OpenRecentFile(command - IDM_RECENT_FIRST);
        return;
    }
    switch (command) {
    case IDM_NEW: NewTemplateDialog(main); break;
    case IDM_OPEN: OpenCommand(); break;
    case IDM_SAVE: SaveCommand(false); break;
    case IDM_SAVE_AS: SaveCommand(true); break;
    case IDM_SAVE_OPTIONS: SaveOptionsDialog(main); break;
    case IDM_CLOSE: CloseFlow(); break;
    case IDM_EXIT: SendMessageA(main, WM_CLOSE, 0, 0); break;
    case IDM_UNDO: UndoCommand(); break;
    case IDM_REDO: RedoCommand(); break;
    case IDM_COPY_TO_CLIPBOARD: CopyTemplateToClipboard(main); break;
    case IDM_QUICK_EDIT: ToggleQuickEdit(); break;
    case IDM_ZOOM_IN: if (Doc().open) ZoomIn(); break;
    case IDM_ZOOM_OUT: if (Doc().open) ZoomOut(); break;
    case IDM_SHOW_NORMAL_IMAGES: ToggleShowNormalImages(); break;
    case IDM_SHOW_EXTRA_IMAGES: ToggleShowExtraImages(); break;
    case IDM_ADD_TILE: AddTile(); break;
    case IDM_DELETE_TILE: DeleteTile(); break;
    case IDM_CLONE_TILE: CloneTile(); break;
    case IDM_SWAP_TILE: SwapTile(); break;
    case IDM_AUTO_COLOUR: AutoColour(-1); break;
    case IDM_NEXT_TILE: NextTile(); break;
    case IDM_PREVIOUS_TILE: PreviousTile(); break;
    case IDM_UNSELECT: Unselect(); break;
    case IDM_AUTO_COLOUR_ALL: AutoColourAllTiles(); break;
    case IDM_OPEN_FOLDER: ExploreFolder(); break;
    case IDM_CUSTOMIZE: ShowCustomizeSheet(main); break;
    case IDM_LOAD_PALETTE: LoadPaletteCommand(main); break;
    case IDM_SELECT_PALETTE: SelectPaletteDialog(main, GetKeyState(VK_SHIFT) < 0); break;
    case IDM_PALETTE_PREVIEW: PalettePreviewDialog(main); break;
    case IDM_OPTIONS: ShowOptionsDialog(main); break;
    case IDM_TIP_OF_THE_DAY: ShowTipDialog(main); break;
    case IDM_HOME: ShellExecuteA(main, "open", kHomePage, nullptr, nullptr, SW_SHOWNORMAL); break;
    case IDM_ABOUT: AboutCommand(); break;
    case IDM_EXPORT_ALL:
    case IDM_EXPORT_TILES:
    case IDM_COPY_NORMAL_IMAGE:
    case IDM_COPY_EXTRA_IMAGE:
    case IDM_PASTE_NORMAL_IMAGE:
    case IDM_IMPORT_ALL:
    case IDM_STRIP_PAINT_PROGRAM: RunTileImageCommand(command); break;
    case IDM_FULL_SCREEN: OpenFullScreenView(); break;
    case IDM_BATCH_IMPORT: ShowBatchImportDialog(main); break;
    case IDM_OVERVIEW: ShowOverviewDialog(main); break;
    default: break;
    }
}

void ApplyWindowState() {
    HWND main = Shell().main;
    if (!main) return;
    const WindowState state = ComputeWindowState();
    SetWindowTextA(main, state.title.c_str());
    SetStatusText(1, state.familyText.c_str());
    if (Shell().panel) EnablePanel(state.panelEnabled);
    for (const auto& [key, enabled] : state.enabled) {
        if (const UINT command = CommandOfKey(key)) SetCommandEnabled(command, enabled);
    }
    for (const auto& [key, checked] : state.checked) {
        if (const UINT command = CommandOfKey(key)) SetCommandChecked(command, checked);
    }
    SetCommandChecked(IDM_QUICK_EDIT, g_settings.quickEditMode);
    DrawMenuBar(main);
}

void ReloadMainMenu() {
    HWND main = Shell().main;
    if (!main) return;
    HMENU fresh = LoadMenuA(Shell().instance, MAKEINTRESOURCEA(IDR_MAIN_MENU));
    if (!fresh) return;
    TranslateMenu(fresh, HotkeyText);
    HMENU old = GetMenu(main);
    SetMenu(main, fresh);
    if (old) DestroyMenu(old);
    BuildRecentMenu();
    ApplyWindowState();
}

void AddRecentPath(const std::string& path) {
    AddRecentFile(g_settings, path);
    TrimRecentFiles(g_settings);
    BuildRecentMenu();
}

void RemoveRecentPath(const std::string& path) {
    RemoveRecentPath(g_settings, path);
    BuildRecentMenu();
}

void BuildRecentMenu() {
    HWND main = Shell().main;
    if (!main) return;
    HMENU fileMenu = GetSubMenu(GetMenu(main), 0);
    if (!fileMenu) return;
    HMENU popup = CreatePopupMenu();
    if (!popup) return;
    const std::vector<std::string>& list = g_settings.recentFiles;
    for (size_t i = 0; i < list.size(); ++i)
        InsertMenuA(popup, 0, MF_BYPOSITION | MF_STRING, IDM_RECENT_FIRST + i, list[i].c_str());
    // Replacing a submenu item destroys the submenu it held.
    if (!ModifyMenuA(fileMenu, kRecentMenuPosition, MF_BYPOSITION | MF_POPUP | MF_STRING,
                     reinterpret_cast<UINT_PTR>(popup), Lookup("GUI:RECENT")))
        DestroyMenu(popup);
    DrawMenuBar(main);
}

}  // namespace zelt
