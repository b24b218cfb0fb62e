#include "editor/app/ShellUi_win.h"

#include <windows.h>

#include <shellapi.h>

#include "editor/app/MainWindow_win.h"
#include "editor/app/TemplateDialogs_win.h"
#include "editor/app/TileNumberDialog_win.h"
#include "editor/document/DocumentUi.h"
#include "editor/editing/PropertiesPanel_win.h"
#include "editor/settings/Settings.h"
#include "editor/strings/StringTable.h"
#include "editor/views/HotButtons_win.h"
#include "editor/views/MainView_win.h"
#include "editor/views/TileStrip_win.h"
#include "editor/winui/Message_win.h"
#include "editor/winui/ShellWindows_win.h"

namespace zelt {

namespace {

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error: return MB_ICONERROR;
    case MessageIcon::Warning: return MB_ICONWARNING;
    case MessageIcon::Information: return MB_ICONINFORMATION;
    case MessageIcon::Question: return MB_ICONQUESTION;
    case MessageIcon::Exclamation: return MB_ICONEXCLAMATION;
    }
    return 0;
}

class ShellUi final : public DocumentUi {
public:
    Answer Ask(const char* key, MessageIcon icon, bool withCancel) override {
        switch (ShowMessageKey(IconStyle(icon) | (withCancel ? MB_YESNOCANCEL : MB_YESNO), key)) {
        case IDYES: return Answer::Yes;
        case IDNO: return Answer::No;
        default: return Answer::Cancel;
        }
    }
    void ShowMessage(const char* key, MessageIcon icon) override { ShowMessageKey(IconStyle(icon), key); }
    std::optional<std::string> AskSavePath() override { return ChooseSaveFile(MessageOwner()); }
    std::optional<int> AskNumber(const char*) override {
        int number = 1;
        if (!AskTileNumber(MessageOwner(), number)) return std::nullopt;
        return number;
    }
    std::string Text(const char* key) override { return Lookup(key); }
    void AddRecentFile(const std::string& path) override { AddRecentPath(path); }
    void RemoveRecentFile(const std::string& path) override { RemoveRecentPath(path); }
    void ExploreFolder(const std::string& folder) override {
        ShellExecuteA(Shell().main, "explore", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
    void ShowPaletteName(const std::string& name) override {
        if (Shell().panel) ShowPanelPaletteName(name);
    }
    void Refresh(unsigned parts) override {
        // Nothing to show before the windows exist (a template named on the command line loads
        // before the main window is created) or after they are gone.
        if (!Shell().main) return;
        if (parts & kRefreshWindowState) ApplyWindowState();
        if ((parts & kRefreshPanel) && Shell().panel) RefreshPanel(-1);
        if ((parts & kRefreshMainView) && Shell().view) RepaintMainView();
        if ((parts & kRefreshStrip) && Shell().strip) RedrawStrip();
        if ((parts & kRefreshHotButtons) && Shell().view) {
            PlaceHotButtons();
            UpdateHotButtonVisibility();
        }
    }
};

ShellUi g_shellUi;

}  // namespace

void InstallShellUi() { SetDocumentUi(&g_shellUi); }
void RemoveShellUi() { SetDocumentUi(nullptr); }

}  // namespace zelt
