#include "editor/template/AbsolutePath.h"

#include <cctype>
#include <vector>

#include "editor/template/PathText.h"

namespace zelt {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// A path cut into its root ("C:", "\\server\share" or none) and the rest.
struct PathParts {
    std::string root;
    std::string_view rest;
    bool unc = false;
    bool fromRoot = false;  // the rest starts at the root's top folder
};

// The text up to the next separator, taken off the front of text.
std::string_view TakeName(std::string_view& text) {
    size_t end = 0;
    while (end < text.size() && !IsSeparator(text[end])) ++end;
    std::string_view name = text.substr(0, end);
    text.remove_prefix(end < text.size() ? end + 1 : end);
    return name;
}

PathParts Split(std::string_view path) {
    PathParts parts;
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        std::string_view rest = path.substr(2);
        const std::string_view server = TakeName(rest);
        const std::string_view share = TakeName(rest);
        parts.root = "\\\\" + std::string(server);
        if (!share.empty()) parts.root += "\\" + std::string(share);
        parts.rest = rest;
        parts.unc = parts.fromRoot = true;
        return parts;
    }
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
        parts.root = std::string(path.substr(0, 2));
        path.remove_prefix(2);
    }
    parts.rest = path;
    parts.fromRoot = !path.empty() && IsSeparator(path[0]);
    return parts;
}

// Adds the names of text to the folder names so far, resolving "." and "..".
void AddNames(std::vector<std::string_view>& names, std::string_view text) {
    while (!text.empty()) {
        const std::string_view name = TakeName(text);
        if (name.empty() || name == ".") continue;
        if (name == "..") {
            if (!names.empty()) names.pop_back();
            continue;
        }
        names.push_back(name);
    }
}

}  // namespace

std::string MakeAbsolutePath(std::string_view path, std::string_view currentFolder) {
    if (path.empty()) return {};
    if (path.size() >= 4 && IsSeparator(path[0]) && IsSeparator(path[1]) &&
        (path[2] == '?' || path[2] == '.') && IsSeparator(path[3]))
        return std::string(path);
    const PathParts own = Split(path);
    const PathParts current = Split(currentFolder);
    std::string root = own.root;
    std::vector<std::string_view> names;
    if (own.root.empty()) {
        root = current.root;
        if (!own.fromRoot) AddNames(names, current.rest);
    } else if (!own.fromRoot && EqualsNoCase(own.root, current.root)) {
        root = current.root;  // "D:name" while the current folder is on drive D
        AddNames(names, current.rest);
    }
    AddNames(names, own.rest);
    std::string result = root;
    for (std::string_view name : names) result.append("\\").append(name);
    if (names.empty() || IsSeparator(path.back())) result += "\\";
    return result;
}

}  // namespace zelt
