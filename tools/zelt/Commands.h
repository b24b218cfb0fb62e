// The subcommands of the zelt tool. Each returns the process exit status:
// 0 success, 1 a file could not be read, is not a template, is the wrong size or could not be written,
// 2 a usage error.
#pragma once
#include <string>
#include <vector>

namespace zelt::cli {

using Args = std::vector<std::string>;

int InfoCommand(const Args& args);
int ResaveCommand(const Args& args);
int RenderCommand(const Args& args);
int CsfCommand(const Args& args);
int ExportCommand(const Args& args);
int ImportCommand(const Args& args);
int ImportAllCommand(const Args& args);
int ConvertCommand(const Args& args);
int OverviewCommand(const Args& args);
int ThumbnailCommand(const Args& args);

// Prints the usage text to stderr and returns 2.
int UsageError(const std::string& problem);
// Prints "zelt: FILE: reason" to stderr and returns 1.
int FileError(const std::string& file, const std::string& reason);

// Splits options ("--name value" or "--flag") from positional arguments. Unknown options are usage errors.
struct ParsedArgs {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options;
    std::string error;
    const std::string* Option(const std::string& name) const;
};
ParsedArgs ParseArgs(const Args& args, const std::vector<std::string>& valueOptions,
                     const std::vector<std::string>& flagOptions);

}  // namespace zelt::cli
