#include "editor/interchange/TileImageCommands_win.h"

#include <cstring>

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
#include "editor/settings/Settings.h"
#include "editor/template/PathText.h"
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

// Paints the windows waiting for repainting, and nothing else: input waits until the wait is over.
void WaitPainting(HANDLE process) {
    while (MsgWaitForMultipleObjectsEx(1, &process, INFINITE, QS_PAINT, MWMO_INPUTAVAILABLE) ==
           WAIT_OBJECT_0 + 1) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) DispatchMessageA(&message);
    }
}

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
    WaitPainting(process.Get());
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
    char folderText[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof folderText, folderText);
    if (length == 0 || length >= sizeof folderText) return false;
    const std::string folder = folderText;
    const std::string file = PaintFileName(folder);
    if (GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES && !DeleteFileA(file.c_str()))
        return false;

    DibCanvas canvas;
    if (!CanvasFromPixels(PaintPicture(*tile, doc.cellW, doc.cellH, *doc.palette).colours, canvas) ||
        SaveCanvasAsImage(file.c_str(), canvas) != 1)
        return false;
    if (!RunAndWait(PaintCommandLine(folder), folder)) {
        DeleteFileA(file.c_str());
        return false;
    }
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
