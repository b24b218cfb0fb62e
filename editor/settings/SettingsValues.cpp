#include "editor/settings/SettingsValues.h"

#include <cstdint>

#include "editor/settings/IniFile.h"
#include "editor/template/PathText.h"

namespace zelt {

std::string g_settingsPath;

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// Scans one number as "%d" (base 10) or "%i" (base 0: 0x hexadecimal, leading 0 octal, else decimal)
// would, after skipping blanks. A number outside the int range does not scan: the text does not parse.
std::optional<int> ScanNumber(std::string_view text, size_t& at, int base) {
    while (at < text.size() && IsSpace(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    if (base == 0) {
        base = 10;
        if (at < text.size() && text[at] == '0') {
            base = 8;
            if (at + 2 < text.size() && (text[at + 1] == 'x' || text[at + 1] == 'X') &&
                DigitValue(text[at + 2]) < 16) {
                base = 16;
                at += 2;
            }
        }
    }
    const size_t first = at;
    int64_t value = 0;
    while (at < text.size() && DigitValue(text[at]) < base) {
        value = value * base + DigitValue(text[at++]);
        if (value > int64_t{INT32_MAX} + 1) return std::nullopt;
    }
    if (at == first) return std::nullopt;
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
    return static_cast<int>(value);
}

// Skips blanks when the pattern has a blank there, then expects the literal character.
bool ScanLiteral(std::string_view text, size_t& at, char c, bool blanksBefore) {
    if (blanksBefore)
        while (at < text.size() && IsSpace(text[at])) ++at;
    if (at >= text.size() || text[at] != c) return false;
    ++at;
    return true;
}

std::string Read(const char* section, const char* key, const std::string& fallback, size_t maxLength) {
    return ReadIniString(g_settingsPath, section, key, fallback, maxLength);
}

}  // namespace

std::string FlagText(bool on) { return on ? "yes" : "no"; }
bool ParseFlag(std::string_view text) { return EqualsNoCase(text, "yes"); }

std::string IntText(int value) { return std::to_string(value); }

std::optional<int> ParseInt(std::string_view text) {
    size_t at = 0;
    return ScanNumber(text, at, 10);
}

std::string ColourText(ColourRef colour) {
    return std::to_string(colour & 0xFF) + "," + std::to_string(colour >> 8 & 0xFF) + "," +
           std::to_string(colour >> 16 & 0xFF);
}

std::optional<ColourRef> ParseColour(std::string_view text) {
    size_t at = 0;
    std::optional<int> r = ScanNumber(text, at, 10);
    if (!r || !ScanLiteral(text, at, ',', false)) return std::nullopt;
    std::optional<int> g = ScanNumber(text, at, 10);
    if (!g || !ScanLiteral(text, at, ',', false)) return std::nullopt;
    std::optional<int> b = ScanNumber(text, at, 10);
    if (!b) return std::nullopt;
    return MakeColour(*r, *g, *b);
}

std::string RectText(const WindowRect& rect) {
    return std::to_string(rect.left) + ", " + std::to_string(rect.top) + ", " + std::to_string(rect.right) + ", " +
           std::to_string(rect.bottom);
}

std::optional<WindowRect> ParseRect(std::string_view text) {
    size_t at = 0;
    int v[4] = {};
    for (int i = 0; i < 4; ++i) {
        if (i > 0 && !ScanLiteral(text, at, ',', true)) return std::nullopt;
        std::optional<int> n = ScanNumber(text, at, 0);
        if (!n) return std::nullopt;
        v[i] = *n;
    }
    return WindowRect{v[0], v[1], v[2], v[3]};
}

void ReadText(const char* section, const char* key, std::string& value) {
    value = Read(section, key, value, kMaxSettingText);
}

void ReadInt(const char* section, const char* key, int& value) {
    if (std::optional<int> n = ParseInt(Read(section, key, IntText(value), kMaxSettingNumber))) value = *n;
}

void ReadFlag(const char* section, const char* key, bool& value) {
    value = ParseFlag(Read(section, key, FlagText(value), kMaxSettingNumber));
}

void ReadColour(const char* section, const char* key, ColourRef& value) {
    if (std::optional<ColourRef> c = ParseColour(Read(section, key, ColourText(value), kMaxSettingNumber))) value = *c;
}

std::optional<WindowRect> ReadRect(const char* section, const char* key) {
    const std::string text = Read(section, key, "Not exist", kMaxSettingNumber);
    if (EqualsNoCase(text, "Not exist")) return std::nullopt;
    return ParseRect(text);
}

void WriteText(const char* section, const char* key, const std::string& value) {
    WriteIniString(g_settingsPath, section, key, value);
}
void WriteInt(const char* section, const char* key, int value) {
    WriteIniString(g_settingsPath, section, key, IntText(value));
}
void WriteFlag(const char* section, const char* key, bool value) {
    WriteIniString(g_settingsPath, section, key, FlagText(value));
}
void WriteColour(const char* section, const char* key, ColourRef value) {
    WriteIniString(g_settingsPath, section, key, ColourText(value));
}
void WriteRect(const char* section, const char* key, const WindowRect& value) {
    WriteIniString(g_settingsPath, section, key, RectText(value));
}

}  // namespace zelt
