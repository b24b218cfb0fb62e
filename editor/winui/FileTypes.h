// The file type of templates in the registry: the ProgID "ZeltFileType" with its Open action (the
// viewer) and Edit action (the editor), and the six extensions that point at it.
#pragma once
#include <string>
#include <vector>

namespace zelt {

inline constexpr const char* kFileTypeProgId = "ZeltFileType";

enum class FileVerb { kOpen, kEdit };

struct RegistryEntry {
    std::string key;    // below the classes root
    std::string value;  // the key's default value
};

// The keys of one action in the order they are written: the ProgID's keys first, so that a
// registration that stops half-way never leaves an extension pointing at an unfinished type, then
// the extensions. The program and the file are both quoted, so paths with blanks work.
std::vector<RegistryEntry> FileTypeEntries(const std::string& programPath, FileVerb verb);

}  // namespace zelt
