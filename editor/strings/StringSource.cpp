#include "editor/strings/StringSource.h"

#include <cstdio>

#include "editor/strings/StringTable.h"
#include "editor/template/Utf8Text.h"

namespace zelt {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AppendUnits(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 | c >> 10);
        out += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
    }
}

bool ValidKey(std::string_view key, std::string& problem) {
    if (key.empty()) {
        problem = "empty key";
        return false;
    }
    if (key.size() > kMaxLabelName) {
        problem = "key longer than 35 characters";
        return false;
    }
    for (char c : key) {
        if (c <= ' ' || c > '~') {
            problem = "key with a character other than printable ASCII";
            return false;
        }
    }
    return true;
}

}  // namespace

bool UnescapeSourceText(std::string_view text, std::u16string& out, std::string& error) {
    out.clear();
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '\\') {
            char32_t c = 0;
            if (!DecodeUtf8At(text, i, c)) {
                error = "text that is not UTF-8";
                return false;
            }
            AppendUnits(out, c);
            continue;
        }
        if (i + 1 >= text.size()) {
            error = "a backslash at the end of the text";
            return false;
        }
        const char e = text[i + 1];
        i += 2;
        switch (e) {
            case 'n': out += u'\n'; break;
            case 't': out += u'\t'; break;
            case 'r': out += u'\r'; break;
            case 's': out += u' '; break;
            case '\\': out += u'\\'; break;
            case 'u': {
                unsigned value = 0;
                for (int k = 0; k < 4; ++k) {
                    const int d = i + k < text.size() ? HexDigit(text[i + k]) : -1;
                    if (d < 0) {
                        error = "\\u needs four hexadecimal digits";
                        return false;
                    }
                    value = value << 4 | static_cast<unsigned>(d);
                }
                i += 4;
                out += static_cast<char16_t>(value);
                break;
            }
            default:
                error = std::string("unknown escape \\") + e;
                return false;
        }
    }
    return true;
}

std::string EscapeSourceText(const std::u16string& value) {
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        const char16_t u = value[i];
        const bool edge = i == 0 || i + 1 == value.size();
        if (u == u'\\') {
            out += "\\\\";
        } else if (u == u'\n') {
            out += "\\n";
        } else if (u == u'\t') {
            out += "\\t";
        } else if (u == u'\r') {
            out += "\\r";
        } else if (u == u' ' && edge) {
            out += "\\s";  // blanks at either end would be trimmed
        } else if (u >= 0xD800 && u <= 0xDBFF && i + 1 < value.size() && value[i + 1] >= 0xDC00 &&
                   value[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (value[i + 1] - 0xDC00));
            ++i;
        } else if (u < 0x20 || u == 0x7F || (u >= 0xD800 && u <= 0xDFFF)) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04X", static_cast<unsigned>(u));
            out += esc;
        } else {
            AppendUtf8(out, u);
        }
    }
    return out;
}

bool ParseStringSource(std::string_view text, std::vector<CsfEntry>& entries, std::string& error) {
    entries.clear();
    std::vector<size_t> lines;  // the line of each entry, for duplicate reports
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view content = Trim(line);
        if (content.empty() || content.front() == '#' || content.front() == ';') continue;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        const size_t equals = content.find('=');
        if (equals == std::string_view::npos) {
            error = where + "no '=' between key and text";
            return false;
        }
        CsfEntry entry;
        entry.name = std::string(Trim(content.substr(0, equals)));
        std::string problem;
        if (!ValidKey(entry.name, problem) || !UnescapeSourceText(Trim(content.substr(equals + 1)), entry.value, problem)) {
            error = where + problem;
            return false;
        }
        if (entry.value.size() > kMaxValueText) {
            error = where + "text longer than 1023 characters";
            return false;
        }
        for (size_t k = 0; k < entries.size(); ++k) {
            if (CompareLabelNames(entries[k].name, entry.name) == 0) {
                error = where + "key " + entry.name + " already given on line " + std::to_string(lines[k]);
                return false;
            }
        }
        entries.push_back(std::move(entry));
        lines.push_back(lineNumber);
    }
    return true;
}

std::string FormatStringSource(const std::vector<CsfEntry>& entries) {
    std::string out;
    for (const CsfEntry& entry : entries) {
        out += entry.name;
        out += " = ";
        out += EscapeSourceText(entry.value);
        out += '\n';
    }
    return out;
}

}  // namespace zelt
