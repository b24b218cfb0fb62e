#include <cstdio>

#include "editor/template/FileBytes.h"

namespace zelt {

std::string NativePath(const std::string& path) {
    std::string native = path;
    for (char& c : native) {
        if (c == '\\') c = '/';
    }
    return native;
}

bool ReplaceFileWith(const std::string& from, const std::string& to) {
    return std::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
}

}  // namespace zelt
