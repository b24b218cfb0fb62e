// zelt import and import-all: pictures back into a template's tiles, written as a new template file.
#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFiles.h"
#include "editor/interchange/CropArithmetic.h"
#include "editor/interchange/ImportImage.h"
#include "editor/render/TemplateRender.h"
#include "tools/zelt/TemplateInput.h"

namespace zelt::cli {

namespace {

std::string SizeText(int64_t w, int64_t h) {
    return std::to_string(w) + "x" + std::to_string(h);
}

int SaveDocument(const std::string& out) {
    return SaveTemplateFile(out) ? 0 : FileError(out, "cannot be written");
}

}  // namespace

int ImportCommand(const Args& args) {
    ParsedArgs parsed = ParseArgs(args, {"--tile", "--at", "--size", "--palette"}, {"--extra"});
    if (!parsed.error.empty()) return UsageError(parsed.error);
    if (parsed.positional.size() != 3)
        return UsageError("import takes an input template, a picture and an output");
    const std::string &in = parsed.positional[0], &picturePath = parsed.positional[1],
                      &out = parsed.positional[2];
    const std::string* tileText = parsed.Option("--tile");
    if (!tileText) return UsageError("import needs --tile N");
    char* end = nullptr;
    const long tile = std::strtol(tileText->c_str(), &end, 10);
    if (tileText->empty() || *end != '\0' || tile < 0 || tile > 1000000)
        return UsageError("--tile takes a tile number");
    int x = 0, y = 0, width = 0, height = 0;
    const std::string* at = parsed.Option("--at");
    if (at && !ParsePair(*at, x, y)) return UsageError("--at takes X,Y");
    const bool extra = parsed.Option("--extra") != nullptr;
    const std::string* size = parsed.Option("--size");
    if (size && (!extra || !ParsePair(*size, width, height) || width < 1 || height < 1))
        return UsageError("--size takes W,H of at least 1, with --extra");

    if (int status = OpenTemplate(in, parsed.Option("--palette"))) return status;
    if (tile >= TileCount()) return FileError(in, "has no tile " + std::to_string(tile));
    Picture picture;
    if (int status = ReadPicture(picturePath, picture)) return status;
    const int pw = picture.colours.width, ph = picture.colours.height;
    const TemplateDocument& doc = Doc();

    if (extra) {
        const CropRect rect{x, y, size ? width : pw - x, size ? height : ph - y};
        if (x < 0 || y < 0 || rect.width < 1 || rect.height < 1 || x + rect.width > pw ||
            y + rect.height > ph)
            return FileError(picturePath, "is " + SizeText(pw, ph) + ", too small for that rectangle");
        if (!ImportExtraImage(static_cast<int>(tile), picture, rect))
            return FileError(in, "cannot take the image");
        return SaveDocument(out);
    }
    if (FitOfNormalImage(pw, ph, doc.cellW, doc.cellH) == NormalImageFit::kTooSmall)
        return FileError(picturePath, "is " + SizeText(pw, ph) + ", smaller than a cell (" +
                                          SizeText(doc.cellW, doc.cellH) + ")");
    if (x < 0 || y < 0 || x > pw - doc.cellW || y > ph - doc.cellH)
        return FileError(picturePath, "is " + SizeText(pw, ph) + ": a cell at " + std::to_string(x) + "," +
                                          std::to_string(y) + " does not fit in it");
    if (!ImportNormalImage(static_cast<int>(tile), picture, x, y))
        return FileError(in, "cannot take the image");
    return SaveDocument(out);
}

int ImportAllCommand(const Args& args) {
    ParsedArgs parsed = ParseArgs(args, {"--palette"}, {});
    if (!parsed.error.empty()) return UsageError(parsed.error);
    if (parsed.positional.size() != 3)
        return UsageError("import-all takes an input template, a picture and an output");
    const std::string &in = parsed.positional[0], &picturePath = parsed.positional[1],
                      &out = parsed.positional[2];
    if (int status = OpenTemplate(in, parsed.Option("--palette"))) return status;
    Picture picture;
    if (int status = ReadPicture(picturePath, picture)) return status;
    if (!ImportAll(picture)) {
        TemplateBounds bounds;
        ComputeTemplateBounds(bounds);
        return FileError(picturePath, "is " + SizeText(picture.colours.width, picture.colours.height) +
                                          ", the template is " + SizeText(bounds.Width(), bounds.Height()));
    }
    return SaveDocument(out);
}

}  // namespace zelt::cli
