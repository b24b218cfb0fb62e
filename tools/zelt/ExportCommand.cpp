// zelt export: every tile's normal and extra image as pictures, named as the editor's Export tiles
// names them.
#include "editor/interchange/PictureFile.h"
#include "editor/interchange/TileBitmaps.h"
#include "editor/document/DocumentClass.h"
#include "tools/zelt/TemplateInput.h"

namespace zelt::cli {

int ExportCommand(const Args& args) {
    ParsedArgs parsed = ParseArgs(args, {"--format", "--palette"}, {"--indexed"});
    if (!parsed.error.empty()) return UsageError(parsed.error);
    if (parsed.positional.size() != 2)
        return UsageError("export takes an input template and an output folder");
    const std::string& in = parsed.positional[0];
    const std::string folder = FolderWithSeparator(parsed.positional[1]);
    const std::string* formatOption = parsed.Option("--format");
    const std::string format = formatOption ? *formatOption : "BMP";
    const std::optional<PictureFormat> kind = PictureFormatOfName("tile." + format);
    if (!kind) return UsageError("--format takes BMP or PNG");
    const bool indexed = parsed.Option("--indexed") != nullptr;
    if (indexed && *kind == PictureFormat::kPng && !PngWritesIndexes())
        return UsageError("--indexed pictures are written as BMP here");

    if (int status = OpenTemplate(in, parsed.Option("--palette"))) return status;
    if (!IsFolder(folder)) return FileError(parsed.positional[1], "is not a folder");
    const TemplateDocument& doc = Doc();
    const bool written = ExportTiles(doc.tiles, doc.cellW, doc.cellH, *doc.palette, folder, format,
                                     [&](const std::string& path, const Picture& picture) {
                                         if (indexed) return WritePicture(path, picture) == 0;
                                         Picture colours;
                                         colours.colours = picture.colours;
                                         return WritePicture(path, colours) == 0;
                                     });
    return written ? 0 : 1;
}

}  // namespace zelt::cli
