// zelt csf: compiles a string source into a string-table file, and dumps a string-table file back
// into the source format.
#include <cstdio>
#include <string>

#include "editor/strings/CsfFile.h"
#include "editor/strings/StringSource.h"
#include "editor/template/FileBytes.h"
#include "tools/zelt/Commands.h"

namespace zelt::cli {

namespace {

int Compile(const std::string& sourcePath, const std::string& outPath) {
    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(sourcePath);
    if (!bytes) return FileError(sourcePath, "cannot be read");
    std::vector<CsfEntry> entries;
    std::string error;
    if (!ParseStringSource(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), entries,
                           error))
        return FileError(sourcePath, error);
    const std::vector<uint8_t> csf = EncodeCsf(entries);
    if (!WriteFileAtomic(outPath, csf, error)) return FileError(outPath, error);
    return 0;
}

int Dump(const std::string& path) {
    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path);
    if (!bytes) return FileError(path, "cannot be read");
    CsfContents contents;
    std::string error;
    if (!DecodeCsf(*bytes, contents, error)) return FileError(path, error);
    std::printf("# %s: version %u, language %u, label count %u, %zu records\n", path.c_str(), contents.version,
                contents.language, contents.labelCount, contents.entries.size());
    if (contents.entries.size() > contents.labelCount)
        std::printf("# records beyond the label count are not loaded by the program\n");
    std::fputs(FormatStringSource(contents.entries).c_str(), stdout);
    return 0;
}

}  // namespace

int CsfCommand(const Args& args) {
    ParsedArgs parsed = ParseArgs(args, {}, {});
    if (!parsed.error.empty()) return UsageError(parsed.error);
    const std::vector<std::string>& p = parsed.positional;
    if (p.size() == 3 && p[0] == "compile") return Compile(p[1], p[2]);
    if (p.size() == 2 && p[0] == "dump") return Dump(p[1]);
    return UsageError("csf takes \"compile SRC OUT.csf\" or \"dump FILE.csf\"");
}

}  // namespace zelt::cli
