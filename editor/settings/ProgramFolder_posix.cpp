#include <unistd.h>

#include <climits>

#include "editor/settings/ProgramFolder.h"

namespace zelt {

// Backslash-separated, like every path inside the program; file access maps it back.
std::string ProgramPath() {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    std::string path(buffer, static_cast<size_t>(n));
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

std::string ProgramFolder() {
    const std::string path = ProgramPath();
    return path.substr(0, path.rfind('\\') + 1);
}

}  // namespace zelt
