// The running program file and its folder.
#pragma once
#include <string>

namespace zelt {

// The full path of the running program file.
std::string ProgramPath();
// Its folder, with the trailing separator.
std::string ProgramFolder();

}  // namespace zelt
