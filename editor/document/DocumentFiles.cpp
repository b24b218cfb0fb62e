#include "editor/document/DocumentFiles.h"

#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentUi.h"
#include "editor/document/SaveOptionsRules.h"
#include "editor/settings/ProgramFolder.h"
#include "editor/template/FileBytes.h"
#include "editor/template/PathText.h"
#include "editor/template/TemplateFile.h"

namespace zelt {

namespace {

std::string& ProgramFolderSetting() {
    static std::string folder = ProgramFolder();
    return folder;
}

}  // namespace

const std::string& DocumentProgramFolder() { return ProgramFolderSetting(); }

void SetDocumentProgramFolder(const std::string& folder) { ProgramFolderSetting() = folder; }

bool LoadTemplateFile(const std::string& path) {
    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path);
    if (!bytes) return false;
    TemplateHeader header;
    if (!ReadTemplateHeader(*bytes, header)) return false;
    const GameKind family = FamilyOfCellSize(header.cellW, header.cellH);
    if (family == kNoGame) return false;

    ReleaseDocumentContents();
    if (!SetDocumentPalette(DefaultPaletteFileName(DocumentProgramFolder(), family, path))) return false;

    LoadedTemplate loaded;
    std::string error;
    if (!DecodeTemplate(*bytes, loaded, error)) return false;  // the tiles read so far are dropped

    TemplateDocument& doc = Doc();
    doc.cellW = loaded.cellW;
    doc.cellH = loaded.cellH;
    doc.gameKind = family;
    doc.tiles = std::move(loaded.tiles);
    doc.selected = 0;
    doc.open = true;
    ResetUndo();
    MarkSaved();
    return true;
}

bool SaveTemplateFile(const std::string& path) {
    TemplateDocument& doc = Doc();
    if (!doc.open || path.empty() || !PathFits(path)) return false;
    PrepareZData(doc.tiles, doc.cellW, doc.cellH);
    SaveOptions options;
    options.signature = SignatureToWrite();
    options.leaveZOut = doc.leaveZOut;
    std::vector<uint8_t> bytes;
    std::string error;
    if (!EncodeTemplate(doc.tiles, doc.cellW, doc.cellH, options, bytes, error)) return false;
    if (!WriteFileAtomic(path, bytes, error)) return false;
    MarkSaved();
    RequestRefresh(kRefreshAll);
    return true;
}

bool SetDocumentPalette(const std::string& path) {
    if (!PathFits(path)) return false;
    std::optional<PaletteTable> table = LoadPaletteFile(path);
    if (!table) return false;
    Doc().palette = *table;
    Doc().paletteName = FileNameOf(path);
    Ui().ShowPaletteName(Doc().paletteName);
    return true;
}

}  // namespace zelt
