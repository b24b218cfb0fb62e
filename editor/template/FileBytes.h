// Whole-file reads and atomic whole-file writes. Paths are Windows paths; elsewhere a backslash
// is taken as the folder separator.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zelt {

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path);

// Writes a temporary file in the target's folder, flushes and closes it, then puts it in place of
// the target. On failure the target is untouched, the temporary file is gone and error says why.
bool WriteFileAtomic(const std::string& path, std::span<const uint8_t> bytes, std::string& error);

// Platform half: the path as the operating system takes it, and replacing one file by another.
std::string NativePath(const std::string& path);
bool ReplaceFileWith(const std::string& from, const std::string& to);

}  // namespace zelt
