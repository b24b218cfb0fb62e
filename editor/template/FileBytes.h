// Whole-file reads and atomic whole-file writes. Paths are Windows paths; elsewhere a backslash
// is taken as the folder separator.
#pragma once
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zelt {

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path);

// Writes a temporary file in the target's folder, flushes it to the disk and closes it, then puts it
// in place of the target, keeping the target's attributes and permissions. A target another program
// holds open is tried again for about a second. A read-only target is refused before anything is
// written. On failure the target is untouched, the temporary file is gone and error says why.
bool WriteFileAtomic(const std::string& path, std::span<const uint8_t> bytes, std::string& error);

// The temporary file WriteFileAtomic writes for path: a short name, unique to this process and call,
// in the target's folder, so a long target path grows by a few characters at most.
std::string TemporaryFileFor(const std::string& path, unsigned long processId, unsigned counter);

// Platform half: the path as the operating system takes it; whether an existing file refuses
// writing; this process's id; writing a new file through to the disk; replacing one file by another
// (false with reason when it failed; retry set when another program held the target); removing one.
std::string NativePath(const std::string& path);
// The file opened for binary reading, whatever characters its name has; null when it cannot be.
std::FILE* OpenFileForReading(const std::string& path);
// The path as std::filesystem takes it, and the text of one it gives.
std::filesystem::path FileSystemPath(const std::string& path);
std::string TextOfFileSystemPath(const std::filesystem::path& path);
bool IsReadOnlyFile(const std::string& path);
unsigned long CurrentProcessId();
bool WriteFileThrough(const std::string& path, std::span<const uint8_t> bytes, std::string& reason);
bool ReplaceFileWith(const std::string& from, const std::string& to, std::string& reason, bool& retry);
void RemoveFile(const std::string& path);

}  // namespace zelt
