#include <windows.h>

#include "editor/template/FileBytes.h"

namespace zelt {

std::string NativePath(const std::string& path) { return path; }

// MoveFileEx replaces an existing target in one step; the C library's rename would refuse it.
bool ReplaceFileWith(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace zelt
