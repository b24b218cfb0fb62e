// Every key the program can look up must have a text in its string source: the keys quoted by the
// code and the resource scripts, the hints the command table forms from the menu items, and the keys
// listed in resources/strings/required_keys.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "editor/strings/StringSource.h"
#include "editor/strings/StringTable.h"

namespace zelt {
namespace {

namespace fs = std::filesystem;

const fs::path kRoot = ZELT_SOURCE_DIR;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<CsfEntry> LoadSource(const char* name) {
    std::vector<CsfEntry> entries;
    std::string error;
    EXPECT_TRUE(ParseStringSource(ReadText(kRoot / "resources/strings" / name), entries, error)) << name << ": " << error;
    return entries;
}

bool Holds(const std::vector<CsfEntry>& entries, const std::string& key) {
    for (const CsfEntry& e : entries) {
        if (CompareLabelNames(e.name, key) == 0) return true;
    }
    return false;
}

// required_keys.txt: "[Zelt_Builder.txt]" and "[Zelt_Viewer.txt]" headings, then one key a line.
std::map<std::string, std::vector<std::string>> RequiredKeys() {
    std::map<std::string, std::vector<std::string>> required;
    std::istringstream in(ReadText(kRoot / "resources/strings/required_keys.txt"));
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            section = line.substr(1, line.find(']') - 1);
            continue;
        }
        required[section].push_back(line);
    }
    return required;
}

struct QuotedKey {
    std::string key;
    std::string where;
};

bool IsKey(std::string_view text) {
    size_t prefix = 0;
    for (std::string_view p : {"GUI:", "MSG:", "ERROR:", "TIP:", "TXT_"}) {
        if (text.substr(0, p.size()) == p) prefix = p.size();
    }
    if (prefix == 0 || text.size() == prefix) return false;
    for (char c : text.substr(prefix)) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    }
    return true;
}

// Every quoted text of a line that is a key.
std::vector<std::string> KeysOfLine(const std::string& line) {
    std::vector<std::string> keys;
    size_t open = line.find('"');
    while (open != std::string::npos) {
        const size_t close = line.find('"', open + 1);
        if (close == std::string::npos) break;
        const std::string text = line.substr(open + 1, close - open - 1);
        if (IsKey(text)) keys.push_back(text);
        open = line.find('"', close + 1);
    }
    return keys;
}

// Quoted keys of the files below folder whose extension is one of exts. With menuHints, a key
// quoted by a MENUITEM also needs its "HINT" key, which the command table shows in the status bar.
std::vector<QuotedKey> QuotedKeys(const fs::path& folder, const std::set<std::string>& exts, bool menuHints) {
    std::vector<QuotedKey> keys;
    if (!fs::exists(folder)) return keys;
    for (const auto& file : fs::recursive_directory_iterator(folder)) {
        if (!file.is_regular_file() || !exts.count(file.path().extension().string())) continue;
        std::istringstream in(ReadText(file.path()));
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            const std::string where = fs::relative(file.path(), kRoot).generic_string() + ":" + std::to_string(number);
            const std::vector<std::string> found = KeysOfLine(line);
            for (const std::string& key : found) keys.push_back({key, where});
            const size_t item = line.find_first_not_of(" \t");
            if (menuHints && item != std::string::npos && line.compare(item, 8, "MENUITEM") == 0 && !found.empty())
                keys.push_back({found.front() + "HINT", where});
        }
    }
    return keys;
}

TEST(StringKeys, TheSourcesCompile) {
    for (const char* name : {"Zelt_Builder.txt", "Zelt_Viewer.txt"}) {
        const std::vector<CsfEntry> entries = LoadSource(name);
        EXPECT_FALSE(entries.empty()) << name;
        for (const CsfEntry& e : entries) EXPECT_FALSE(e.value.empty()) << name << ": " << e.name << " has no text";
    }
}

TEST(StringKeys, EveryRequiredKeyHasAText) {
    const auto required = RequiredKeys();
    ASSERT_EQ(required.size(), 2u);
    for (const auto& [source, keys] : required) {
        const std::vector<CsfEntry> entries = LoadSource(source.c_str());
        for (const std::string& key : keys) EXPECT_TRUE(Holds(entries, key)) << source << " lacks " << key;
    }
}

TEST(StringKeys, EveryKeyTheCodeQuotesHasAText) {
    const std::vector<CsfEntry> builder = LoadSource("Zelt_Builder.txt");
    const std::vector<CsfEntry> viewer = LoadSource("Zelt_Viewer.txt");
    const std::set<std::string> code = {".cpp", ".h"};
    for (const QuotedKey& k : QuotedKeys(kRoot / "editor", code, false)) {
        const bool viewerCode = k.where.rfind("editor/viewer/", 0) == 0;
        EXPECT_TRUE(Holds(viewerCode ? viewer : builder, k.key)) << k.where << ": " << k.key;
    }
    // One resource script serves both modes: a viewer key may have its text in the viewer's source only.
    const auto required = RequiredKeys();
    const std::vector<std::string>& viewerKeys = required.at("Zelt_Viewer.txt");
    for (const QuotedKey& k : QuotedKeys(kRoot / "resources", {".rc"}, true)) {
        const bool inViewer = Holds(viewer, k.key) && std::find(viewerKeys.begin(), viewerKeys.end(), k.key) != viewerKeys.end();
        EXPECT_TRUE(Holds(builder, k.key) || inViewer) << k.where << ": " << k.key;
    }
}

TEST(StringKeys, TipsAreNumberedWithoutGaps) {
    const std::vector<CsfEntry> builder = LoadSource("Zelt_Builder.txt");
    int count = 0;
    char key[32];
    while (std::snprintf(key, sizeof key, "TIP:TIPOFDAY%03d", count), Holds(builder, key)) ++count;
    EXPECT_GE(count, 12);
    int numbered = 0;
    for (const CsfEntry& e : builder) numbered += e.name.rfind("TIP:TIPOFDAY", 0) == 0;
    EXPECT_EQ(numbered, count) << "a tip after a gap would never be shown";
}

}  // namespace
}  // namespace zelt
