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

}  // namespace zelt
