#include "editor/template/PathText.h"

#include <cctype>

namespace zelt {

std::string FolderOf(std::string_view path) {
    size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string FileNameOf(std::string_view path) {
    size_t slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::optional<std::string> ExtensionOf(std::string_view path) {
    size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) return std::nullopt;
    return std::string(path.substr(dot + 1));
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

bool MatchesExtensionPattern(std::string_view fileName, std::string_view pattern) {
    if (pattern.empty() || pattern.front() != '*') return false;
    const std::string_view extension = pattern.substr(1);  // ".tem"
    return fileName.size() > extension.size() &&
           EqualsNoCase(fileName.substr(fileName.size() - extension.size()), extension);
}

}  // namespace zelt
