#include "editor/app/TemplateDialogs_win.h"

#include <cderr.h>
#include <commdlg.h>

#include "editor/interchange/ImageDialogs_win.h"
#include "editor/settings/Settings.h"
#include "editor/strings/StringTable.h"
#include "editor/template/AbsolutePath_win.h"
#include "editor/template/PathText.h"
#include "editor/winui/Message_win.h"
#include "resources/ResourceIds.h"

namespace zelt {

namespace {

// Pairs of description and pattern, each ended by a zero, the whole list by a second zero.
constexpr char kTemplateFilter[] =
    "Temperate files (*.tem)\0*.tem\0"
    "Snow files (*.sno)\0*.sno\0"
    "Urban files (*.urb)\0*.urb\0"
    "New urban files (*.ubn)\0*.ubn\0"
    "Desert files (*.des)\0*.des\0"
    "Lunar files (*.lun)\0*.lun\0"
    "Zelt files (tem;sno;urb;ubn;des;lun)\0*.tem;*.sno;*.urb;*.ubn;*.des;*.lun\0"
    "All files (*.*)\0*.*\0";

void ReadPathSetting(const char* key) { ReadSetting(*FindSettingKey("Paths", key), g_settings); }
void WritePathSetting(const char* key) { WriteSetting(*FindSettingKey("Paths", key), g_settings); }

// A dialog that ended without a name: cancelled, or a chosen path longer than a template path may be,
// which the dialog reports as a buffer too small. The second is the user's choice failing, not a
// cancel, and is said as such.
std::optional<std::string> RefusedChoice(const char* errorKey) {
    if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) ShowMessageKey(MB_ICONERROR, errorKey);
    return std::nullopt;
}

std::optional<std::string> RunDialog(HWND owner, bool open) {
    ReadPathSetting(open ? "OpenFile" : "SaveFile");
    ReadPathSetting(open ? "OpenIndex" : "SaveIndex");
    std::string& folder = open ? g_settings.openFolder : g_settings.saveFolder;
    int& index = open ? g_settings.openIndex : g_settings.saveIndex;

    char path[kDialogPathSize] = {};
    const std::string title = Lookup("GUI:CHOOSEFILE");
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;  // the larger record of Windows 2000 and later
    ofn.hwndOwner = owner;
    ofn.hInstance = GetModuleHandleA(nullptr);
    ofn.lpstrFilter = kTemplateFilter;
    ofn.nFilterIndex = static_cast<DWORD>(index);
    ofn.lpstrFile = path;
    ofn.nMaxFile = kDialogPathSize;
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = title.c_str();
    ofn.lpstrDefExt = "tem";
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY;
    if (open) {
        ofn.Flags |= OFN_FILEMUSTEXIST | OFN_ENABLETEMPLATE | OFN_ENABLEHOOK;
        ofn.lpTemplateName = MAKEINTRESOURCEA(IDD_OPEN_PREVIEW);
        ofn.lpfnHook = TemplatePreviewHook;
        if (!RegisterZeltPreviewClass()) return std::nullopt;
        if (!GetOpenFileNameA(&ofn)) return RefusedChoice("ERROR:LOADFAILED");
    } else {
        ofn.Flags |= OFN_OVERWRITEPROMPT;
        if (!GetSaveFileNameA(&ofn)) return RefusedChoice("ERROR:SAVEFAILED");
    }
    index = static_cast<int>(ofn.nFilterIndex);
    folder = FolderOf(path);
    WritePathSetting(open ? "OpenIndex" : "SaveIndex");
    WritePathSetting(open ? "OpenFile" : "SaveFile");
    return AbsolutePath(path);
}

}  // namespace

std::optional<std::string> ChooseOpenFile(HWND owner) { return RunDialog(owner, true); }
std::optional<std::string> ChooseSaveFile(HWND owner) { return RunDialog(owner, false); }

}  // namespace zelt
