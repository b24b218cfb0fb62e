#include "editor/settings/IniFile.h"

#include <span>
#include <vector>

#include "editor/template/FileBytes.h"
#include "editor/template/PathText.h"
#include "editor/template/Utf8Text.h"

namespace zelt {

namespace {

// The file's text without the byte-order mark an editor may have put before it.
std::string StoredText(const std::vector<uint8_t>& bytes) {
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    return TextOfStoredBytes(text);
}

// A carriage return is a blank too: a lone one must not become part of a name.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// One line of the file: where it starts and ends (without its line break), and what it is.
struct IniLine {
    size_t begin = 0;
    size_t end = 0;
    enum Kind { kOther, kSection, kEntry } kind = kOther;
    std::string_view name;   // section or key name, trimmed
    std::string_view value;  // entry value, trimmed
};

std::vector<IniLine> SplitLines(std::string_view text) {
    std::vector<IniLine> lines;
    size_t at = 0;
    // A byte-order mark belongs to no line's content.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") at = 3;
    while (at < text.size()) {
        size_t next = text.find('\n', at);
        const size_t stop = next == std::string_view::npos ? text.size() : next;
        IniLine line;
        line.begin = at;
        line.end = (stop > at && text[stop - 1] == '\r') ? stop - 1 : stop;
        const std::string_view content = Trim(text.substr(line.begin, line.end - line.begin));
        if (!content.empty() && content.front() == '[') {
            line.kind = IniLine::kSection;
            const size_t close = content.rfind(']');
            line.name = Trim(content.substr(1, close == std::string_view::npos || close == 0 ? std::string_view::npos
                                                                                               : close - 1));
        } else if (!content.empty() && content.front() != ';' && content.find('=') != std::string_view::npos) {
            const size_t equals = content.find('=');
            line.kind = IniLine::kEntry;
            line.name = Trim(content.substr(0, equals));
            line.value = Trim(content.substr(equals + 1));
        }
        lines.push_back(line);
        at = next == std::string_view::npos ? text.size() : next + 1;
    }
    return lines;
}

// The first section of that name: the index of its header line, or lines.size().
size_t FindSection(const std::vector<IniLine>& lines, std::string_view section) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == IniLine::kSection && EqualsNoCase(lines[i].name, section)) return i;
    }
    return lines.size();
}

// The line after the last line of the section whose header is at index header.
size_t SectionEnd(const std::vector<IniLine>& lines, size_t header) {
    size_t i = header + 1;
    while (i < lines.size() && lines[i].kind != IniLine::kSection) ++i;
    return i;
}

std::string_view LineBreakOf(std::string_view text) {
    const size_t first = text.find('\n');
    if (first == std::string_view::npos) return "\r\n";
    return first > 0 && text[first - 1] == '\r' ? "\r\n" : "\n";
}

std::string_view OneLine(std::string_view value) { return value.substr(0, value.find_first_of("\r\n")); }

}  // namespace

bool IniNameValid(std::string_view section, std::string_view key) {
    const std::string_view s = Trim(section), k = Trim(key);
    if (s.empty() || k.empty()) return false;
    if (s.find_first_of("\r\n]") != std::string_view::npos) return false;
    if (k.find_first_of("\r\n=") != std::string_view::npos) return false;
    return k.front() != ';' && k.front() != '[';
}

std::optional<std::string> IniGet(std::string_view text, std::string_view section, std::string_view key) {
    const std::vector<IniLine> lines = SplitLines(text);
    const size_t header = FindSection(lines, Trim(section));
    if (header == lines.size()) return std::nullopt;
    const size_t end = SectionEnd(lines, header);
    for (size_t i = header + 1; i < end; ++i) {
        if (lines[i].kind != IniLine::kEntry || !EqualsNoCase(lines[i].name, Trim(key))) continue;
        std::string_view value = lines[i].value;
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return std::nullopt;
}

std::string IniSet(std::string_view text, std::string_view section, std::string_view key, std::string_view value) {
    const std::vector<IniLine> lines = SplitLines(text);
    const std::string_view lineBreak = LineBreakOf(text);
    const std::string entry = std::string(Trim(key)) + "=" + std::string(OneLine(value));
    const size_t header = FindSection(lines, Trim(section));
    if (header == lines.size()) {
        std::string out(text);
        const bool hasLines = !lines.empty();  // a file of only a byte-order mark has none
        if (hasLines && out.back() != '\n') out += out.back() == '\r' ? std::string_view("\n") : lineBreak;
        if (hasLines) out += lineBreak;
        out += "[" + std::string(Trim(section)) + "]";
        out += lineBreak;
        out += entry;
        out += lineBreak;
        return out;
    }
    const size_t end = SectionEnd(lines, header);
    size_t lastEntry = header;
    for (size_t i = header + 1; i < end; ++i) {
        if (lines[i].kind != IniLine::kEntry) continue;
        if (EqualsNoCase(lines[i].name, Trim(key))) {
            // Keep the key's own spelling, replace the rest of the line.
            const std::string kept = std::string(lines[i].name) + "=" + std::string(OneLine(value));
            return std::string(text.substr(0, lines[i].begin)) + kept + std::string(text.substr(lines[i].end));
        }
        lastEntry = i;
    }
    // Insert behind the line break of the last entry (or of the header); a last line without one gets it.
    const size_t nextLine = lastEntry + 1 < lines.size() ? lines[lastEntry + 1].begin : text.size();
    std::string out(text.substr(0, nextLine));
    if (nextLine == text.size() && (out.empty() || out.back() != '\n'))
        out += (!out.empty() && out.back() == '\r') ? std::string_view("\n") : lineBreak;
    out += entry;
    out += lineBreak;
    out += text.substr(nextLine);
    return out;
}

std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view fallback, size_t maxLength) {
    std::string result(fallback);
    if (std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path)) {
        const std::string text = StoredText(*bytes);
        if (std::optional<std::string> value = IniGet(text, section, key)) result = std::move(*value);
    }
    result.resize(Utf8PrefixOfUnits(result, maxLength).size());
    return result;
}

bool WriteIniString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
    if (!IniNameValid(section, key)) return false;
    std::string text;
    // A file an earlier version wrote in the ANSI code page is written back in UTF-8 whole.
    if (std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path)) text = StoredText(*bytes);
    const std::string updated = IniSet(text, section, key, value);
    std::string error;
    return WriteFileAtomic(path, std::span(reinterpret_cast<const uint8_t*>(updated.data()), updated.size()), error);
}

}  // namespace zelt
