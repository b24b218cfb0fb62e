// The process-wide string table: every visible text of the editor and the viewer is a key looked up
// here at the moment of use.
#pragma once
#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace zelt {

inline constexpr size_t kMaxLabelName = 35;    // characters of a label name
inline constexpr size_t kMaxValueText = 1023;  // characters of a value

struct StringLabel {
    std::string name;  // at most kMaxLabelName characters
    uint32_t value = 0;  // index into StringTable::values
};

struct StringTable {
    bool loaded = false;
    uint32_t capacity = 0;             // the file's label count
    std::vector<StringLabel> labels;   // the labels read, sorted by name ignoring case
    std::vector<std::string> values;   // UTF-8 texts, value i belongs to the i-th label of the file
    std::set<std::string> missing;     // every "MISSING: key" text given out; each stays where it is
};

// The run flags of the command line: -NOCSF shows keys as text, -NOSTR shows no strings at all.
struct StringRunFlags {
    bool keysAsText = false;
    bool noStrings = false;
};

extern StringTable g_stringTable;
extern StringRunFlags g_stringFlags;

// Builds a table from the bytes of a string-table file. Of labels equal but for case the first in the
// file wins; records beyond the header's label count are ignored; names are cut to 35 characters,
// values to 1023 characters (UTF-16 units) given in UTF-8.
bool BuildStringTable(std::span<const uint8_t> bytes, StringTable& table);

// Loads the file into the process-wide table. With either run flag set it loads nothing and succeeds.
bool LoadStringTable(const std::string& path);
void FreeStringTable();

// The text of key: the key itself with keys-as-text, "***FATAL***" without a table or with no-strings,
// "MISSING: key" for a key not in the table, kept with the table so that a message holding one still
// reads it after other lookups. Never null.
const char* Lookup(const char* key);
const char* LookupIn(StringTable& table, const StringRunFlags& flags, const char* key);

// True when the table holds key (a real entry, not the missing fallback).
bool HasString(const StringTable& table, const char* key);

// Compares label names ignoring ASCII case, then by unsigned bytes: <0, 0 or >0.
int CompareLabelNames(const std::string& a, const std::string& b);

}  // namespace zelt
