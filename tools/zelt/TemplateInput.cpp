#include "tools/zelt/TemplateInput.h"

#include <cstdlib>
#include <filesystem>

#include "editor/document/DocumentClass.h"
#include "editor/interchange/PictureFile.h"
#include "editor/settings/ProgramFolder.h"
#include "editor/template/FileBytes.h"
#include "editor/template/TemplateFile.h"

namespace zelt::cli {

int OpenTemplate(const std::string& path, const std::string* palettePath) {
    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path);
    if (!bytes) return FileError(path, "cannot be read");
    LoadedTemplate loaded;
    std::string error;
    if (!DecodeTemplate(*bytes, loaded, error)) return FileError(path, "not a template: " + error);
    if (loaded.family == kNoGame) return FileError(path, "not a template: unknown cell size");
    const std::string paletteFile =
        palettePath ? *palettePath : DefaultPaletteFileName(ProgramFolder(), loaded.family, path);
    std::optional<PaletteTable> palette = LoadPaletteFile(paletteFile);
    if (!palette) return FileError(paletteFile, "cannot be loaded as a palette (768 bytes)");

    ReleaseDocumentContents();
    TemplateDocument& doc = Doc();
    doc.palette = *palette;
    doc.cellW = loaded.cellW;
    doc.cellH = loaded.cellH;
    doc.gameKind = loaded.family;
    doc.tiles = std::move(loaded.tiles);
    doc.selected = 0;
    doc.open = true;
    doc.fileName = path;
    ResetUndo();
    return 0;
}

int ReadPicture(const std::string& path, Picture& picture) {
    std::string error;
    return ReadPictureFile(path, picture, error) ? 0 : FileError(path, error);
}

int WritePicture(const std::string& path, const Picture& picture) {
    std::string error;
    return WritePictureFile(path, picture, error) ? 0 : FileError(path, error);
}

int CheckPictureName(const std::string& path) {
    if (PictureFormatOfName(path)) return 0;
    return UsageError(path + ": pictures are written as .bmp or .png");
}

bool ParsePair(const std::string& text, int& a, int& b) {
    const char* s = text.c_str();
    char* end = nullptr;
    const long first = std::strtol(s, &end, 10);
    if (end == s || *end != ',') return false;
    const char* second = end + 1;
    const long last = std::strtol(second, &end, 10);
    if (end == second || *end != '\0' || first < -1000000 || first > 1000000 || last < -1000000 ||
        last > 1000000)
        return false;
    a = static_cast<int>(first);
    b = static_cast<int>(last);
    return true;
}

std::string FolderWithSeparator(const std::string& folder) {
    if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) return folder;
    return folder + "/";
}

bool IsFolder(const std::string& path) {
    std::error_code ignored;
    return !path.empty() && std::filesystem::is_directory(FileSystemPath(path), ignored);
}

}  // namespace zelt::cli
