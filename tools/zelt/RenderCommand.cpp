// zelt render: the preview composition of a template file, written as a BMP or PNG picture.
#include <cctype>
#include <cstdlib>

#include "editor/interchange/PictureFile.h"
#include "editor/render/TemplateRender.h"
#include "editor/settings/ProgramFolder.h"
#include "editor/template/FileBytes.h"
#include "editor/template/GameTables.h"
#include "editor/template/TemplateFile.h"
#include "editor/template/TemplatePreview.h"
#include "tools/zelt/TemplateInput.h"

namespace zelt::cli {

namespace {

constexpr int64_t kMaxPictureSide = 16384;

bool ParseColour(const std::string& text, uint32_t& colour) {
    if (text.size() != 6) return false;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    }
    colour = static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 16));
    return true;
}

}  // namespace

int RenderCommand(const Args& args) {
    ParsedArgs parsed = ParseArgs(args, {"--palette", "--background"}, {"--editor"});
    if (!parsed.error.empty()) return UsageError(parsed.error);
    if (parsed.positional.size() != 2) return UsageError("render takes an input template and an output picture");
    const std::string& in = parsed.positional[0];
    const std::string& out = parsed.positional[1];
    if (int status = CheckPictureName(out)) return status;
    uint32_t background = 0;
    if (const std::string* text = parsed.Option("--background"); text && !ParseColour(*text, background))
        return UsageError("--background wants six hex digits RRGGBB");

    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(in);
    if (!bytes) return FileError(in, "cannot be read");
    TemplateHeader header;
    if (!ReadTemplateHeader(*bytes, header)) return FileError(in, "not a template: shorter than a header");
    const GameKind family = FamilyOfCellSize(header.cellW, header.cellH);
    if (family == kNoGame) return FileError(in, "not a template: unknown cell size");

    std::string palettePath;
    if (const std::string* p = parsed.Option("--palette")) {
        palettePath = *p;
    } else {
        palettePath = DefaultPaletteFileName(ProgramFolder(), family, in);
    }
    std::optional<PaletteTable> palette = LoadPaletteFile(palettePath);
    if (!palette) return FileError(palettePath, "cannot be loaded as a palette (768 bytes)");

    ColourImage canvas;
    if (parsed.Option("--editor")) {
        // The editor's composition: every tile on white, without frame or selection marker.
        LoadedTemplate loaded;
        std::string error;
        if (!DecodeTemplate(*bytes, loaded, error)) return FileError(in, "not a template: " + error);
        if (!RenderEditorComposition(loaded.tiles, loaded.cellW, loaded.cellH, *palette, canvas, kMaxPictureSide))
            return FileError(in, "the template has no tiles to draw, or is larger than 16384 pixels on a side");
    } else {
        TemplateBounds bounds;
        if (!ComputeFileBounds(*bytes, bounds)) {
            std::string error;
            ForEachCell(*bytes, [](const CellView&) {}, error);
            return FileError(in, "not a template: " + error);
        }
        if (bounds.Width() <= 0 || bounds.Height() <= 0) return FileError(in, "the template has no tiles to draw");
        if (bounds.Width() > kMaxPictureSide || bounds.Height() > kMaxPictureSide)
            return FileError(in, "the picture would be larger than 16384 pixels on a side");
        canvas = ColourImage(static_cast<int>(bounds.Width()), static_cast<int>(bounds.Height()), background);
        PreviewTemplate(*bytes, canvas, *palette);
    }

    Picture picture;
    picture.colours = std::move(canvas);
    return WritePicture(out, picture);
}

}  // namespace zelt::cli
