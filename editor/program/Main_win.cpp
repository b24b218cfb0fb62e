// The process entry of Zelt_Builder: the crash handler first, then the mode from "launch.dat" and
// the command line (the viewer runs and ends here), then the editor: its checks, settings, window
// classes, hotkeys, splash screen, main window, message loop and tear-down.
#include <windows.h>
#include <commctrl.h>

#include "common/WinHandles.h"
#include "editor/app/Hotkeys_win.h"
#include "editor/app/MainLayout.h"
#include "editor/app/MainWindow_win.h"
#include "editor/app/ShellUi_win.h"
#include "editor/app/TemplateDialogs_win.h"
#include "editor/app/TipDialog_win.h"
#include "editor/app/Toolbar_win.h"
#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFlows.h"
#include "editor/document/DocumentUi.h"
#include "editor/interchange/ImageDialogs_win.h"
#include "editor/interchange/ImageLibrary_win.h"
#include "editor/program/CrashReport_win.h"
#include "editor/program/Splash_win.h"
#include "editor/settings/CommandLine.h"
#include "editor/settings/DataFolder_win.h"
#include "editor/settings/ProgramFolder.h"
#include "editor/settings/Settings.h"
#include "editor/settings/SettingsValues.h"
#include "editor/strings/StringTable.h"
#include "editor/template/AbsolutePath_win.h"
#include "editor/template/FileBytes.h"
#include "editor/template/PathText.h"
#include "editor/viewer/ViewerWindow_win.h"
#include "editor/views/FullScreenView_win.h"
#include "editor/views/MainView_win.h"
#include "editor/views/TileStrip_win.h"
#include "editor/winui/ComApartment_win.h"
#include "editor/winui/DisplayScale_win.h"
#include "editor/winui/Message_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/ResourceIds.h"

namespace zelt {

namespace {

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Visual styles off for this process, through UxTheme loaded by name; a missing one is skipped.
void DisableVisualStyles() {
    HMODULE theme = LoadLibraryA("UxTheme.dll");
    if (!theme) return;
    using SetThemeAppPropertiesFn = void(WINAPI*)(DWORD);
    if (auto set = reinterpret_cast<SetThemeAppPropertiesFn>(
            reinterpret_cast<void*>(GetProcAddress(theme, "SetThemeAppProperties"))))
        set(0);
    FreeLibrary(theme);
}

void ShowCommandLineHint(const std::string& programFolder) {
    LoadStringTable(programFolder + "Zelt_Builder.csf");
    MessageBoxA(nullptr, Lookup("MSG:CMDLINEHINT"), Lookup("TXT_NAME"), MB_ICONINFORMATION);
    FreeStringTable();
}

// The editor's start-up checks; false ends the process after the message each one shows.
bool StartEditor(const std::string& programFolder, const RunFlags& flags) {
    if (!LoadStringTable(programFolder + "Zelt_Builder.csf")) {
        MessageBoxA(nullptr, "Error: Can't init csf system.\nCheck Zelt_Builder.Csf file!", Lookup("TXT_NAME"),
                    MB_ICONERROR);
        return false;
    }
    if (!FolderExists(programFolder + "Palettes")) {
        ShowMessageKey(MB_ICONERROR, "MSG:NOPALDIR");
        return false;
    }
    if (!IsProgramFileName(FileNameOf(ProgramPath()))) {
        ShowMessageKey(MB_ICONERROR, "MSG:INVALIDENAME");
        return false;
    }
    if (!BindImageLibrary()) {
        ShowMessageKey(MB_ICONERROR, "MSG:PICTORERROR");
        return false;
    }
    g_settingsPath = DataFilePath("Zelt_Builder.ini");
    LoadVisualStylesSetting();
    if (flags.noTheme || g_settings.disableVisualStyles) DisableVisualStyles();
    g_settings.disableVisualStyles = flags.noTheme || g_settings.disableVisualStyles;
    LoadSettings();
    return true;
}

bool RegisterViewClasses(HINSTANCE instance) {
    return RegisterStripClass(instance) && RegisterZeltPreviewClass() && RegisterMainViewClasses(instance) &&
           RegisterFullScreenViewClass(instance);
}

// Key-down messages go to the hotkeys first, then to the properties panel, then the usual way.
int RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN && DispatchHotkey(message)) continue;
        if (Shell().panel && IsDialogMessageA(Shell().panel, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

void ShowMainWindow(HWND window) {
    RestorePlacementAndRecentFiles();
    if (Shell().undocked) {
        ShowWindow(window, SW_SHOWNORMAL);
        RECT toolbar{}, status{};
        if (Shell().toolbar) GetClientRect(Shell().toolbar, &toolbar);
        GetClientRect(Shell().status, &status);
        const int dpi = WindowDpi(window);
        SetWindowPos(window, nullptr, 0, 0, ScaleForDpi(kUndockedWidth, dpi),
                     UndockedWindowHeight(toolbar.bottom, status.bottom, dpi), SWP_NOMOVE | SWP_NOZORDER);
    }
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

int RunEditor(HINSTANCE instance, const std::string& programFolder, const RunFlags& flags) {
    // A template named on the command line is loaded before anything else; the window shows it.
    if (!flags.file.empty()) OpenTemplate(AbsolutePath(flags.file), OpenRoute::CommandLine);
    if (!StartEditor(programFolder, flags)) return 0;

    UniqueIcon icon(LoadIconA(instance, MAKEINTRESOURCEA(IDI_APPLICATION_ICON)));
    Shell().instance = instance;
    Shell().undocked = flags.undocked;
    if (!RegisterViewClasses(instance)) {
        ShowMessageKey(MB_ICONERROR, "MSG:ERROR1");
        return 0;
    }
    BuildCommandTable();
    SetDefaultToolbar();
    LoadEnvironment(DataFilePath("Environment.dat"));
    if (!RegisterMainWindowClass(instance, icon.Get())) {
        ShowMessageKey(MB_ICONERROR, "MSG:ERROR1");
        return 0;
    }
    StartSplash(instance, kSplashMilliseconds);

    InstallShellUi();
    HWND window = CreateMainWindow(instance);
    if (!window) {
        RemoveShellUi();
        ShowMessageKey(MB_ICONERROR, "MSG:ERROR1");
        return 0;
    }
    SetSplashSuccessor(window);
    // A template named on the command line got its palette before the panel existed.
    Ui().ShowPaletteName(Doc().paletteName);
    SetCrashDialogOwner(window);
    ShowMainWindow(window);
    RequestRefresh(kRefreshAll | kRefreshHotButtons);
    CountTips();
    ShowTipAtStart(window);

    const int exitCode = RunMessageLoop();

    SetSplashSuccessor(nullptr);
    SetCrashDialogOwner(nullptr);
    RemoveShellUi();
    icon.Reset();
    DestroyToolbarImages();
    SaveEnvironment(DataFilePath("Environment.dat"));
    FreeCommandTable();
    g_settings.recentFiles.clear();
    FreeMainViewResources();
    FreeStripResources();
    return exitCode;
}

}  // namespace

int RunProgram(HINSTANCE instance, const char* commandLine) {
    // Where the settings, "Environment.dat" and a crash report go is decided once, here.
    ProcessDataFolder();
    InstallCrashHandler();
    const ComApartment apartment;  // for the shell's verbs and file operations, viewer and editor alike
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const std::string programFolder = ProgramFolder();
    if (programFolder.empty()) return 0;

    std::optional<bool> launchMode;
    if (auto launch = ReadWholeFile(programFolder + "launch.dat")) launchMode = ViewerModeFromLaunchFile(*launch);
    const RunFlags flags = ParseCommandLine(commandLine ? commandLine : "", launchMode, PathExists);
    g_stringFlags.keysAsText = flags.keysAsText;
    g_stringFlags.noStrings = flags.noStrings;
    if (flags.showHelp) {
        ShowCommandLineHint(programFolder);
        return 0;
    }
    if (flags.viewerMode) return flags.file.empty() ? 0 : RunViewer(instance, flags.file);

    const int exitCode = RunEditor(instance, programFolder, flags);
    FreeStringTable();
    UnbindImageLibrary();
    return exitCode;
}

}  // namespace zelt

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    return zelt::RunProgram(instance, commandLine);
}
