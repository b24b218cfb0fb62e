// zelt overview: the overview report of a template, byte for byte as the editor saves it.
#include <filesystem>

#include "editor/interchange/OverviewReport.h"
#include "editor/settings/ProgramFolder.h"
#include "editor/strings/StringTable.h"
#include "editor/template/FileBytes.h"
#include "editor/template/TemplateFile.h"
#include "tools/zelt/Commands.h"

namespace zelt::cli {

int OverviewCommand(const Args& args) {
    ParsedArgs parsed = ParseArgs(args, {"--csf"}, {});
    if (!parsed.error.empty()) return UsageError(parsed.error);
    if (parsed.positional.size() != 2)
        return UsageError("overview takes an input template and an output file");
    const std::string &in = parsed.positional[0], &out = parsed.positional[1];
    const std::string* csfOption = parsed.Option("--csf");
    const std::string csf = csfOption ? *csfOption : ProgramFolder() + "Zelt_Builder.csf";

    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(in);
    if (!bytes) return FileError(in, "cannot be read");
    LoadedTemplate loaded;
    std::string error;
    if (!DecodeTemplate(*bytes, loaded, error)) return FileError(in, "not a template: " + error);
    if (loaded.family == kNoGame) return FileError(in, "not a template: unknown cell size");
    std::optional<std::vector<uint8_t>> table = ReadWholeFile(csf);
    StringTable strings;
    if (!table || !BuildStringTable(*table, strings))
        return FileError(csf, "cannot be loaded as a string table");

    std::error_code ignored;
    const std::string fullPath = TextOfFileSystemPath(std::filesystem::absolute(FileSystemPath(in), ignored));
    const StringRunFlags flags;
    const std::string report =
        OverviewReport(loaded.tiles, fullPath.empty() ? in : fullPath,
                       [&](const char* key) { return std::string(LookupIn(strings, flags, key)); });
    const std::vector<uint8_t> text(report.begin(), report.end());
    if (!WriteFileAtomic(out, text, error)) return FileError(out, error);
    return 0;
}

}  // namespace zelt::cli
