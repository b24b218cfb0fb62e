// The process entry of Zelt_Builder: the crash handler first, then the mode from "launch.dat" and
// the command line (the viewer runs and ends here), then the editor's start-up checks.
#include <windows.h>
#include <commctrl.h>

#include "editor/app/ComApartment_win.h"
#include "editor/app/CommandLine.h"
#include "editor/app/CrashReport_win.h"
#include "editor/app/Message_win.h"
#include "editor/app/ProgramFolder.h"
#include "editor/app/Settings.h"
#include "editor/app/SettingsValues.h"
#include "editor/interchange/ImageLibrary_win.h"
#include "editor/strings/StringTable.h"
#include "editor/template/FileBytes.h"
#include "editor/template/PathText.h"
#include "editor/viewer/ViewerWindow_win.h"

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
    g_settingsPath = programFolder + "Zelt_Builder.ini";
    LoadVisualStylesSetting();
    if (flags.noTheme || g_settings.disableVisualStyles) DisableVisualStyles();
    g_settings.disableVisualStyles = flags.noTheme || g_settings.disableVisualStyles;
    LoadSettings();
    return true;
}

}  // namespace

int RunProgram(HINSTANCE instance, const char* commandLine) {
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

    // The editor's main window comes next; until it exists the editor ends after its checks.
    StartEditor(programFolder, flags);
    UnbindImageLibrary();
    FreeStringTable();
    return 0;
}

}  // namespace zelt

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    return zelt::RunProgram(instance, commandLine);
}
