#include "editor/strings/StringTable.h"

#include <algorithm>
#include <cstdio>

#include "editor/strings/CsfFile.h"
#include "editor/template/FileBytes.h"
#include "editor/template/Utf8Text.h"

namespace zelt {

StringTable g_stringTable;
StringRunFlags g_stringFlags;

namespace {

unsigned char FoldCase(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; }

// The program's texts are UTF-8, so every character of the file is shown as it is.
std::string ValueText(const std::u16string& units) {
    // A zero unit would end the text wherever the interface shows it, so it ends it here.
    std::u16string_view value(units.data(), std::min(units.find(u'\0'), units.size()));
    if (value.size() > kMaxValueText) {
        value = value.substr(0, kMaxValueText);
        // A pair of surrogates is one character: it is not cut in two.
        if (value.back() >= 0xD800 && value.back() <= 0xDBFF) value.remove_suffix(1);
    }
    return Utf16ToUtf8(value);
}

}  // namespace

int CompareLabelNames(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = FoldCase(static_cast<unsigned char>(a[i]));
        const unsigned char y = FoldCase(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool BuildStringTable(std::span<const uint8_t> bytes, StringTable& table) {
    table = {};
    CsfContents contents;
    std::string error;
    if (!DecodeCsf(bytes, contents, error)) return false;
    const size_t count = std::min<size_t>(contents.entries.size(), contents.labelCount);
    table.capacity = contents.labelCount;
    table.labels.reserve(count);
    table.values.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const CsfEntry& entry = contents.entries[i];
        // A name is a C text: it ends at a zero byte, and the field holds 35 characters.
        std::string name = entry.name.substr(0, std::min(entry.name.find('\0'), kMaxLabelName));
        table.labels.push_back({std::move(name), static_cast<uint32_t>(i)});
        table.values.push_back(ValueText(entry.value));
    }
    // Stable, so that of names equal but for case the first in the file comes first and is found.
    std::stable_sort(table.labels.begin(), table.labels.end(), [](const StringLabel& a, const StringLabel& b) {
        return CompareLabelNames(a.name, b.name) < 0;
    });
    table.loaded = true;
    return true;
}

bool LoadStringTable(const std::string& path) {
    if (g_stringFlags.keysAsText || g_stringFlags.noStrings) return true;
    FreeStringTable();
    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path);
    if (!bytes) return false;
    return BuildStringTable(*bytes, g_stringTable);
}

void FreeStringTable() { g_stringTable = {}; }

static const StringLabel* FindLabel(const StringTable& table, const char* key) {
    if (!table.loaded) return nullptr;
    const std::string name = key;
    auto it = std::lower_bound(table.labels.begin(), table.labels.end(), name,
                               [](const StringLabel& label, const std::string& k) {
                                   return CompareLabelNames(label.name, k) < 0;
                               });
    return it != table.labels.end() && CompareLabelNames(it->name, name) == 0 ? &*it : nullptr;
}

const char* LookupIn(StringTable& table, const StringRunFlags& flags, const char* key) {
    if (key == nullptr) key = "";
    if (flags.keysAsText) return key;
    if (!table.loaded || flags.noStrings) return "***FATAL***";
    if (const StringLabel* label = FindLabel(table, key)) return table.values[label->value].c_str();
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, "MISSING: %s", key);
    return table.missing.insert(buffer).first->c_str();
}

const char* Lookup(const char* key) { return LookupIn(g_stringTable, g_stringFlags, key); }

bool HasString(const StringTable& table, const char* key) { return key != nullptr && FindLabel(table, key) != nullptr; }

}  // namespace zelt
