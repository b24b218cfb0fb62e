// The template viewer's window: one template at a time, browsing the files of its folder.
#pragma once
#include <windows.h>

#include <string>

namespace zelt {

struct ViewerSettings {
    int slideShowDelay = 1000;  // milliseconds
    bool extendedUiStyle = true;
    bool noVisualTheme = true;
};

ViewerSettings ReadViewerSettings(const std::string& iniPath);
void WriteViewerSettings(const std::string& iniPath, const ViewerSettings& settings);

// Runs the viewer on path until its window closes; returns the process exit code (0).
int RunViewer(HINSTANCE instance, const std::string& path);

// Registers the viewer as the Open action of the template files; a failure is shown naming the key.
bool RegisterFileTypes();

// The viewer's settings dialog; true when confirmed.
bool ShowViewerSettingsDialog(HWND owner, ViewerSettings& settings);

}  // namespace zelt
