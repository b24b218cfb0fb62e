// A portable reader and writer of INI settings files with the private-profile rules: section and key
// names compare without regard to case, the first matching section and the first matching key in it
// win, a missing file, section or key yields the default, and writing one key changes that one line
// (or adds what is missing) and keeps every other line exactly as it was.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zelt {

// The value of key in section of INI text, or nothing. Surrounding blanks are dropped, and so is one
// pair of matching quotes around the whole value.
std::optional<std::string> IniGet(std::string_view text, std::string_view section, std::string_view key);

// The text with key set to value: the first occurrence's line is replaced, or the key is added after
// the last entry of the section, or the section is added at the end. Line breaks follow the text's
// own (CRLF for new text). A value is cut at its first line break so it cannot add lines.
std::string IniSet(std::string_view text, std::string_view section, std::string_view key, std::string_view value);

// True when section and key names can be stored: not empty, no line break, no ']' in a section name,
// no '=' in a key name, no leading ';' or '[' in a key name.
bool IniNameValid(std::string_view section, std::string_view key);

// File forms, one key per call. The read result is cut to maxLength characters (UTF-16
// units, as Windows counts them); a file an earlier version wrote in the ANSI code page reads as that.
std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view fallback, size_t maxLength);
// Creates the file, section or key as needed and replaces the file atomically. False when the names
// cannot be stored or the file cannot be written.
bool WriteIniString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace zelt
