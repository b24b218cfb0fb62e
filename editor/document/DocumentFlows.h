// The document's flows with the user: open by every route, save, save as, close, the window state
// and the document's folder.
#pragma once
#include <map>
#include <string>

namespace zelt {

enum class OpenRoute { OpenDialog, DroppedFile, RecentFiles, CommandLine };

// Runs the close flow, then loads the file. The open-dialog and drop routes show
// "ERROR:LOADFAILED" on failure; a recent-files entry leaves the list when it is opened and a
// successful load adds the path again as the newest.
bool OpenTemplate(const std::string& path, OpenRoute route);

// Save (saveAs false) or Save As. Reports success also when the user declines or cancels.
bool Save(bool saveAs);
// The "GUI:MENUSAVE" and "GUI:SAVEAS" commands: Save, and "ERROR:SAVEFAILED" when it fails.
bool SaveCommand(bool saveAs);

// Asks "MSG:CLOSEQUESTION" for a modified document, then closes it. False (nothing changed) when
// the user cancels, cancels the save-as dialog after Yes, or the save after Yes fails.
bool CloseFlow();

// The folder of the document's file, up to and including its last backslash; empty when no
// titled document is open.
std::string DocumentFolder();
// "GUI:OPENFOLDER": asks the shell to explore the document's folder.
bool ExploreFolder();

// What the main window shows for the document.
struct WindowState {
    std::string title;
    std::string familyText;  // second part of the status bar; empty without a document
    bool panelEnabled = false;
    std::map<std::string, bool> enabled;  // command key -> enabled
    std::map<std::string, bool> checked;  // command key -> checked (the view switches; quick edit mode is the shell's)
};
WindowState ComputeWindowState();
// Asks the interface to show ComputeWindowState().
void UpdateWindowState();

}  // namespace zelt
