// zelt resave: reads a template and writes it again through the core's reader and writer.
#include "editor/template/FileBytes.h"
#include "editor/template/TemplateFile.h"
#include "tools/zelt/Commands.h"

namespace zelt::cli {

int ResaveCommand(const Args& args) {
    ParsedArgs parsed = ParseArgs(args, {"--signature"}, {"--no-z"});
    if (!parsed.error.empty()) return UsageError(parsed.error);
    if (parsed.positional.size() != 2) return UsageError("resave takes an input and an output file");
    const std::string& in = parsed.positional[0];
    const std::string& out = parsed.positional[1];

    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(in);
    if (!bytes) return FileError(in, "cannot be read");
    LoadedTemplate loaded;
    std::string error;
    if (!DecodeTemplate(*bytes, loaded, error)) return FileError(in, "not a template: " + error);

    SaveOptions options;
    options.leaveZOut = parsed.Option("--no-z") != nullptr;
    if (const std::string* signature = parsed.Option("--signature")) options.signature = *signature;
    PrepareZData(loaded.tiles, loaded.cellW, loaded.cellH);
    std::vector<uint8_t> encoded;
    if (!EncodeTemplate(loaded.tiles, loaded.cellW, loaded.cellH, options, encoded, error))
        return FileError(out, "cannot be written: " + error);
    if (!WriteFileAtomic(out, encoded, error)) return FileError(out, error);
    return 0;
}

}  // namespace zelt::cli
