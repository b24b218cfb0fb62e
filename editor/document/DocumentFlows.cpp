#include "editor/document/DocumentFlows.h"

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFiles.h"
#include "editor/document/DocumentUi.h"
#include "editor/document/ViewFlags.h"
#include "editor/template/FileBytes.h"
#include "editor/template/PathText.h"

namespace zelt {

namespace {

enum class SaveOutcome { Saved, Declined, Cancelled, Failed };

// The message for a save that failed: why, where the program can tell.
const char* g_saveFailure = "ERROR:SAVEFAILED";

SaveOutcome WriteTo(const std::string& path) {
    if (IsReadOnlyFile(path)) {
        g_saveFailure = "ERROR:SAVEREADONLY";
        return SaveOutcome::Failed;
    }
    return SaveTemplateFile(path) ? SaveOutcome::Saved : SaveOutcome::Failed;
}

SaveOutcome SaveDocument(bool saveAs) {
    TemplateDocument& doc = Doc();
    g_saveFailure = "ERROR:SAVEFAILED";
    if (!doc.open) return SaveOutcome::Failed;
    // A file without tiles would not load again.
    if (doc.tiles.empty()) {
        g_saveFailure = "ERROR:SAVENOTILES";
        return SaveOutcome::Failed;
    }
    if (!doc.modified && Ui().Ask("MSG:NOTCHANGEDSAVE", MessageIcon::Question, false) != Answer::Yes)
        return SaveOutcome::Declined;
    if (!saveAs && !doc.fileName.empty()) return WriteTo(doc.fileName);

    std::optional<std::string> path = Ui().AskSavePath();
    if (!path) return SaveOutcome::Cancelled;
    // The chosen path becomes the document's only once the file is written, so a failed save
    // neither renames the document nor lists a file that does not exist.
    if (WriteTo(*path) != SaveOutcome::Saved) return SaveOutcome::Failed;
    doc.fileName = *path;
    Ui().AddRecentFile(*path);
    RequestRefresh(kRefreshWindowState);
    return SaveOutcome::Saved;
}

void CloseDocument() {
    ReleaseDocumentContents();
    RequestRefresh(kRefreshHotButtons);
    UpdateWindowState();
    RequestRefresh(kRefreshPanel | kRefreshMainView | kRefreshStrip);
}

const char* const kDocumentCommands[] = {
    "GUI:MENUSAVE",     "GUI:SAVEAS",        "GUI:CLOSE",          "GUI:MENULOAD",    "GUI:EXPORTALL",
    "GUI:MENUSELECT",   "GUI:PALPREVIEW",    "GUI:QUICK",          "GUI:ZOOMIN",      "GUI:ZOOMOUT",
    "GUI:SHOWNIMAGE",   "GUI:SHOWEIMAGE",    "GUI:ADD",            "GUI:OPENFOLDER",  "GUI:DELETE",
    "GUI:CLONETILE",    "GUI:NEXTTILE",      "GUI:PREVTILE",       "GUI:BATCHIMPORT", "GUI:COPYEIMAGE",
    "GUI:COPYNIMAGE",   "GUI:COPYTOCLIPBOARD", "GUI:FULLSCREEN",   "GUI:IMPORTALL",   "GUI:AUTOCOLOR",
    "GUI:UNSELECT",     "GUI:SWAPTILE",      "GUI:OVERVIEW",       "GUI:TILESAUTOCLR", "GUI:PASTENIMAGE",
    "GUI:EXPORTTILES",
};

}  // namespace

bool OpenTemplate(const std::string& path, OpenRoute route) {
    // A path the document cannot hold is refused before anything is closed.
    if (path.empty() || !PathFits(path)) return false;
    if (!CloseFlow()) return false;
    if (route == OpenRoute::RecentFiles) Ui().RemoveRecentFile(path);
    TemplateDocument& doc = Doc();
    doc.fileName = path;
    if (!LoadTemplateFile(path)) {
        doc.fileName.clear();
        CloseDocument();
        if (route == OpenRoute::OpenDialog || route == OpenRoute::DroppedFile)
            Ui().ShowMessage("ERROR:LOADFAILED", MessageIcon::Error);
        return false;
    }
    Views().stripCurrentTile = 0;
    RequestRefresh(kRefreshAll | kRefreshHotButtons);
    Ui().AddRecentFile(path);
    return true;
}

bool Save(bool saveAs) { return SaveDocument(saveAs) != SaveOutcome::Failed; }

bool SaveCommand(bool saveAs) {
    if (Save(saveAs)) return true;
    Ui().ShowMessage(g_saveFailure, MessageIcon::Error);
    return false;
}

bool CloseFlow() {
    TemplateDocument& doc = Doc();
    if (doc.open && doc.modified) {
        switch (Ui().Ask("MSG:CLOSEQUESTION", MessageIcon::Exclamation, true)) {
        case Answer::Cancel:
            return false;
        case Answer::Yes:
            switch (SaveDocument(false)) {
            case SaveOutcome::Saved:
                break;
            case SaveOutcome::Failed:
                Ui().ShowMessage(g_saveFailure, MessageIcon::Error);
                return false;
            case SaveOutcome::Declined:
            case SaveOutcome::Cancelled:
                return false;
            }
            break;
        case Answer::No:
            break;
        }
    }
    CloseDocument();
    return true;
}

std::string DocumentFolder() {
    const TemplateDocument& doc = Doc();
    if (!doc.open || doc.fileName.empty()) return {};
    return FolderOf(doc.fileName);
}

bool ExploreFolder() {
    const std::string folder = DocumentFolder();
    if (folder.empty()) return false;
    Ui().ExploreFolder(folder);
    return true;
}

WindowState ComputeWindowState() {
    const TemplateDocument& doc = Doc();
    WindowState state;
    const bool open = doc.open;
    state.panelEnabled = open;
    for (const char* key : kDocumentCommands) state.enabled[key] = open;
    if (open) {
        const std::string name = doc.fileName.empty() ? Ui().Text("TXT_UNTITLED") : doc.fileName;
        state.title = Ui().Text("TXT_NAME") + " - [" + name + "]";
        state.familyText = Ui().Text(doc.gameKind == kRa2Yr ? "TXT_SHORTRA2YR" : "TXT_SHORTTSFS");
        state.enabled["GUI:OPENFOLDER"] = !doc.fileName.empty();
        // Delete and Clone need a tile to work on.
        state.enabled["GUI:DELETE"] = !doc.tiles.empty();
        state.enabled["GUI:CLONETILE"] = !doc.tiles.empty();
    } else {
        state.title = Ui().Text("TXT_NAME");
    }
    state.checked["GUI:SHOWNIMAGE"] = Views().showNormalImages;
    state.checked["GUI:SHOWEIMAGE"] = Views().showExtraImages;
    state.enabled["GUI:UNDO"] = CanUndo();
    state.enabled["GUI:REDO"] = CanRedo();
    return state;
}

void UpdateWindowState() { RequestRefresh(kRefreshWindowState); }

}  // namespace zelt
