// Pure string helpers over Windows paths (backslash separators), usable on every platform.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zelt {

// Everything up to and including the last backslash; empty when there is none.
std::string FolderOf(std::string_view path);
// The text after the last backslash, or the whole path when there is none.
std::string FileNameOf(std::string_view path);
// The text after the last "." anywhere in the path (a dot in a folder name counts); none without a dot.
std::optional<std::string> ExtensionOf(std::string_view path);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Whether a file name found by a wildcard "*.ext" really ends in that extension (any letter case)
// after at least one other character. Windows also matches a long name by its short 8.3 alias, so
// "*.tem" finds "notes.temp" (alias "NOTES~1.TEM"): the search's results pass through this.
bool MatchesExtensionPattern(std::string_view fileName, std::string_view pattern);

}  // namespace zelt
