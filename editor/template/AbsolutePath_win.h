// A path as the shell needs it: fully qualified against this process's current folders.
#pragma once
#include <string>

namespace zelt {

// path made fully qualified (MakeAbsolutePath) against the current folder, or against the current
// folder of the drive a path like "D:name" names. The shell's file operations ignore "allow undo"
// for a relative path, so every path handed to them goes through here first.
std::string AbsolutePath(const std::string& path);

}  // namespace zelt
