#include "editor/interchange/TileImageCommands_win.h"

#include <cstring>
#include <vector>

#include "common/WinHandles.h"
#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentUi.h"
#include "editor/interchange/CanvasPicture.h"
#include "editor/interchange/CropDialogs_win.h"
#include "editor/interchange/ExportTilesDialog_win.h"
#include "editor/interchange/ImageClipboard_win.h"
#include "editor/interchange/ImageDialogs_win.h"
#include "editor/interchange/ImageLibrary_win.h"
#include "editor/interchange/ImportImage.h"
#include "editor/interchange/PaintProgram.h"
#include "editor/interchange/TileBitmaps.h"
#include "editor/settings/ProgramFolder.h"
#include "editor/settings/Settings.h"
#include "editor/template/PathText.h"
#include "editor/template/WideText_win.h"
#include "editor/winui/Message_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/CommandIds.h"

namespace zelt {

namespace {

HWND MainWindow() {
    return Shell().main;
}

// A remembered path of section "Paths" in a dialog's path buffer; one too long to fit starts empty.
struct PathBuffer {
    char text[kDialogPathSize] = {};
    explicit PathBuffer(const std::string& path) {
        if (path.size() < sizeof text) std::memcpy(text, path.c_str(), path.size() + 1);
    }
};

std::string& RememberedPath(const char* key) {
    const SettingKey& setting = *FindSettingKey("Paths", key);
    ReadSetting(setting, g_settings);
    return g_settings.*std::get<std::string EditorSettings::*>(setting.field);
}

void StorePath(const char* key, const std::string& path) {
    const SettingKey& setting = *FindSettingKey("Paths", key);
    g_settings.*std::get<std::string EditorSettings::*>(setting.field) = path;
    WriteSetting(setting, g_settings);
}

// The image save dialog on the canvas, proposing the remembered name; a name is remembered once the
// picture was written to it.
void SaveWithRememberedName(const char* key, DibCanvas& canvas) {
    PathBuffer path(RememberedPath(key));
    if (ShowImageSaveDialog(path.text, canvas)) StorePath(key, path.text);
}

// The selected tile's normal or extra image on the fill; false without one to show.
bool SelectedTileCanvas(bool extra, uint32_t fill, DibCanvas& canvas) {
    const TemplateDocument& doc = Doc();
    const TileRecord* tile = TileAt(-1);
    if (!tile || !doc.palette) return false;
    Picture picture;
    if (extra) {
        if (!ExtraImagePicture(*tile, *doc.palette, fill, picture)) return false;
    } else {
        picture = NormalImagePicture(*tile, doc.cellW, doc.cellH, *doc.palette, fill);
    }
    return CanvasFromPixels(picture.colours, canvas);
}

void ExportTileImage(bool extra) {
    DibCanvas canvas;
    const uint32_t fill = extra && Doc().palette ? ExportExtraFill(*Doc().palette) : kExportNormalFill;
    if (!SelectedTileCanvas(extra, fill, canvas)) return;
    SaveWithRememberedName(extra ? "ExportEImage" : "ExportNImage", canvas);
}

void ExportWholeTemplate() {
    DibCanvas canvas;
    if (!RenderWholeTemplate(canvas)) return;
    SaveWithRememberedName("ExportAll", canvas);
}

void CopyTileImage(bool extra) {
    DibCanvas canvas;
    if (SelectedTileCanvas(extra, kClipboardFill, canvas)) PutCanvasOnClipboard(MainWindow(), canvas);
}

void ExportTilesCommand() {
    if (!Doc().open) return;
    if (const std::optional<ExportTilesChoice> choice = ShowExportTilesDialog(MainWindow()))
        ExportTilesToFolder(choice->folder, choice->format);
}

// The image open dialog starting in the folder of path; the chosen file's name goes back into path
// (empty when cancelled). False when nothing was chosen or the file could not be read.
bool OpenPicture(std::string& path, ColourImage& picture) {
    PathBuffer buffer(path);
    DibCanvas canvas;
    const bool loaded = ShowImageOpenDialog(buffer.text, canvas);
    path = buffer.text;
    if (!loaded) return false;
    picture = PixelsOfCanvas(canvas);
    return picture.width > 0;
}

Picture AsPicture(const ColourImage& colours) {
    Picture picture;
    picture.colours = colours;
    return picture;
}

// The image open dialog in the folder of the remembered file; the chosen file is remembered.
void ImportFromFile(const char* key, void (*import)(const ColourImage&, const std::string&)) {
    if (!HasSelectedTile()) return;
    std::string path = RememberedPath(key);
    ColourImage picture;
    const bool loaded = OpenPicture(path, picture);
    if (!path.empty()) StorePath(key, path);
    if (loaded) import(picture, path);
}

void PasteNormalImage() {
    if (!HasSelectedTile()) return;
    ColourImage picture;
    if (TakeClipboardPicture(MainWindow(), picture)) ImportNormalPicture(picture, "Clipboard");
}

void ImportAllCommand() {
    if (!Doc().open) return;
    Ui().ShowMessage("MSG:IAWARNING", MessageIcon::Warning);
    // No remembered folder: the template's own folder is where its picture most likely is.
    std::string path = FolderOf(Doc().fileName);
    ColourImage picture;
    if (OpenPicture(path, picture)) ImportAllPicture(picture);
}

// Every enabled, visible top-level window of this thread is disabled while the paint program runs,
// as a modal dialog disables its owner, and enabled again afterwards.
class InputDisabled {
public:
    InputDisabled() { EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(this)); }
    ~InputDisabled() {
        for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
            if (IsWindow(*it)) EnableWindow(*it, TRUE);
        }
        if (HWND main = MainWindow()) SetForegroundWindow(main);
    }
    InputDisabled(const InputDisabled&) = delete;
    InputDisabled& operator=(const InputDisabled&) = delete;

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM self) {
        if (IsWindowVisible(window) && IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            reinterpret_cast<InputDisabled*>(self)->windows_.push_back(window);
        }
        return TRUE;
    }
    std::vector<HWND> windows_;
};

// Delivers every message until the process ends, so the editor paints and answers Windows (which
// otherwise offers to end it as not responding). False when the program is ending meanwhile: the
// quit is put back for the loop that owns it.
bool PumpUntilEnded(HANDLE process) {
    for (;;) {
        const DWORD woke = MsgWaitForMultipleObjectsEx(1, &process, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke != WAIT_OBJECT_0 + 1) return true;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return false;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

FileStamp StampOf(const std::string& file) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data)) return {};
    return {uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32 | data.ftLastWriteTime.dwLowDateTime,
            uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow, true};
}

// By UTF-16 names and with room for any length: the folders (and the user's PATH) may have any characters.
unsigned SystemFolder(wchar_t* text, unsigned size) { return GetSystemDirectoryW(text, size); }
unsigned WindowsFolder(wchar_t* text, unsigned size) { return GetSystemWindowsDirectoryW(text, size); }
unsigned PathVariable(wchar_t* text, unsigned size) { return GetEnvironmentVariableW(L"PATH", text, size); }

// The paint program's full name: the system folder's, else the first on the search path without
// the current folder; empty when there is none.
std::string FindPaintProgram() {
    for (const std::string& candidate : PaintProgramCandidates(TextOfWideCall(SystemFolder), ProgramFolder(),
                                                               TextOfWideCall(WindowsFolder),
                                                               TextOfWideCall(PathVariable))) {
        const DWORD attributes = GetFileAttributesW(WideFromText(candidate).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return candidate;
    }
    return {};
}

// Starts the program and waits for it with the editor's input disabled; false when it could not be
// started or the editor is ending.
bool RunAndWait(const std::string& commandLine, const std::string& folder) {
    std::string line = commandLine;  // CreateProcess may write into it
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &started))
        return false;
    const UniqueKernelHandle process(started.hProcess);
    const UniqueKernelHandle thread(started.hThread);
    const InputDisabled disabled;
    return PumpUntilEnded(process.Get());
}

// The question whether the user still edits the picture: the program ended without changing it (a
// paint program may hand the file to one already running and end at once). While the question is up
// a change of the file answers it with Retry, so the question waits for the next change.
struct UnchangedWatch {
    std::string file;
    FileStamp stamp;
};
UnchangedWatch g_unchangedWatch;

// The question's box: the visible dialog of this thread that has a Retry button.
BOOL CALLBACK AnswerRetry(HWND window, LPARAM) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (!IsWindowVisible(window) || std::strcmp(name, "#32770") != 0 || !GetDlgItem(window, IDRETRY)) return TRUE;
    PostMessageA(window, WM_COMMAND, IDRETRY, 0);
    return FALSE;
}

void CALLBACK CheckForChange(HWND, UINT, UINT_PTR, DWORD) {
    if (StampOf(g_unchangedWatch.file) == g_unchangedWatch.stamp) return;
    EnumThreadWindows(GetCurrentThreadId(), AnswerRetry, 0);
}

// True once the picture differs from the stamp; false when the user gives up (Cancel).
bool WaitForChange(const std::string& file, const FileStamp& written) {
    while (StampOf(file) == written) {
        g_unchangedWatch = {file, written};
        const UINT_PTR timer = SetTimer(nullptr, 0, 250, CheckForChange);
        const int answer = ShowMessageKey(MB_RETRYCANCEL | MB_ICONQUESTION, "MSG:PAINTSTILLEDITING");
        KillTimer(nullptr, timer);
        if (answer != IDRETRY) return false;
    }
    return true;
}

}  // namespace

void ImportNormalPicture(const ColourImage& picture, const std::string& name) {
    const TemplateDocument& doc = Doc();
    if (!HasSelectedTile()) return;
    int x = 0, y = 0;
    switch (FitOfNormalImage(picture.width, picture.height, doc.cellW, doc.cellH)) {
        case NormalImageFit::kTooSmall:
            Ui().ShowMessage("MSG:TOOSMALL", MessageIcon::Error);
            return;
        case NormalImageFit::kExact:
            break;
        case NormalImageFit::kNeedsCrop:
            if (Ui().Ask("MSG:NOTTILESIZE", MessageIcon::Question, false) != Answer::Yes) return;
            if (!ShowNormalImageCrop(MainWindow(), name, picture, doc.cellW, doc.cellH, x, y)) return;
            break;
    }
    ImportNormalImage(-1, AsPicture(picture), x, y);
}

void ImportExtraPicture(const ColourImage& picture, const std::string& name) {
    if (!HasSelectedTile() || picture.width < 1 || picture.height < 1) return;
    CropRect rect{0, 0, picture.width, picture.height};
    if (Ui().Ask("MSG:WANTCROP", MessageIcon::Question, false) == Answer::Yes &&
        !ShowExtraImageCrop(MainWindow(), name, picture, Doc().cellW, Doc().cellH, rect))
        return;
    ImportExtraImage(-1, AsPicture(picture), rect);
}

void ImportAllPicture(const ColourImage& picture) {
    if (!Doc().open || ImportAll(AsPicture(picture))) return;
    const std::string text = ImportAllSizeText();
    if (!text.empty()) ShowMessage(MB_ICONWARNING | MB_OK, text.c_str());
}

bool EditInPaintProgram() {
    const TemplateDocument& doc = Doc();
    const TileRecord* tile = TileAt(-1);
    if (!tile || !doc.palette) return false;
    // By its UTF-16 name: the folder lies under the user's, whose name may have any characters.
    wchar_t folderText[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, folderText);
    if (length == 0 || length > MAX_PATH) return false;
    const std::string folder = TextFromWide(std::wstring_view(folderText, length));
    const std::string file = PaintFileName(folder);
    if (GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES && !DeleteFileA(file.c_str()))
        return false;

    DibCanvas canvas;
    if (!CanvasFromPixels(PaintPicture(*tile, doc.cellW, doc.cellH, *doc.palette).colours, canvas) ||
        SaveCanvasAsImage(file.c_str(), canvas) != 1)
        return false;
    const FileStamp written = StampOf(file);
    const std::string program = FindPaintProgram();
    if (program.empty() || !RunAndWait(PaintCommandLine(program, folder), folder)) {
        DeleteFileA(file.c_str());
        return false;
    }
    // The picture stays where it is for a paint program that still has it open.
    if (!WaitForChange(file, written)) return false;
    const bool loaded = LoadImageIntoCanvas(file.c_str(), canvas);
    DeleteFileA(file.c_str());
    if (!loaded) return false;
    if (canvas.Width() != doc.cellW || canvas.Height() != doc.cellH) {
        Ui().ShowMessage("MSG:CONVERTERROR", MessageIcon::Error);
        return false;
    }
    return ImportNormalImage(-1, AsPicture(PixelsOfCanvas(canvas)), 0, 0);
}

bool RunTileImageCommand(UINT command) {
    switch (command) {
        case IDM_STRIP_SAVE_NORMAL:
            ExportTileImage(false);
            return true;
        case IDM_STRIP_SAVE_EXTRA:
            ExportTileImage(true);
            return true;
        case IDM_EXPORT_ALL:
            ExportWholeTemplate();
            return true;
        case IDM_EXPORT_TILES:
            ExportTilesCommand();
            return true;
        case IDM_COPY_NORMAL_IMAGE:
            CopyTileImage(false);
            return true;
        case IDM_COPY_EXTRA_IMAGE:
            CopyTileImage(true);
            return true;
        case IDM_STRIP_IMPORT_NORMAL:
            ImportFromFile("ImportNImgDir", ImportNormalPicture);
            return true;
        case IDM_PASTE_NORMAL_IMAGE:
            PasteNormalImage();
            return true;
        case IDM_STRIP_IMPORT_EXTRA:
            ImportFromFile("ImportEImgDir", ImportExtraPicture);
            return true;
        case IDM_IMPORT_ALL:
            ImportAllCommand();
            return true;
        case IDM_STRIP_PAINT_PROGRAM:
            EditInPaintProgram();
            return true;
        default:
            return false;
    }
}

}  // namespace zelt
