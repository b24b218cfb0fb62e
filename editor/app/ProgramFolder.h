// The folder of the running program file, with its trailing separator.
#pragma once
#include <string>

namespace zelt {

std::string ProgramFolder();

}  // namespace zelt
