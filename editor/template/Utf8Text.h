// The program's text is UTF-8: paths, settings, string-table values and toolbar texts. These are the
// conversions at its edges: to and from UTF-16 (what Windows' wide functions and string-table files
// hold), and from the bytes of a file an earlier version wrote in the system's ANSI code page.
#pragma once
#include <string>
#include <string_view>

namespace zelt {

bool IsValidUtf8(std::string_view text);

// Decodes the character at text[i] and steps past it; a malformed or overlong sequence, a surrogate
// or a value beyond U+10FFFF gives false and steps past one byte.
bool DecodeUtf8At(std::string_view text, size_t& i, char32_t& out);
// Appends the UTF-8 form of a character (a scalar value, not a surrogate).
void AppendUtf8(std::string& out, char32_t c);

// A malformed sequence becomes U+FFFD, one for each byte that cannot start a character.
std::u16string Utf8ToUtf16(std::string_view text);
// An unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view units);

// The length of text in UTF-16 units: how Windows counts the characters of a path.
size_t Utf16Length(std::string_view text);

// The longest start of text of at most maxBytes bytes that does not cut a character in two.
std::string_view Utf8Prefix(std::string_view text, size_t maxBytes);
// The longest start of text whose UTF-16 form (how Windows counts characters) is at most maxUnits long.
std::string_view Utf8PrefixOfUnits(std::string_view text, size_t maxUnits);

// The text of stored bytes: valid UTF-8 as it is, anything else read as the system's ANSI code page
// (a settings file written by an earlier version). Bytes that are UTF-8 come back unchanged, so text
// read, written and read again stays the same.
std::string TextOfStoredBytes(std::string_view bytes);

// Platform half: 8-bit text of the system's ANSI code page in UTF-8 (ISO 8859-1 where there is none).
std::string AnsiToUtf8(std::string_view text);

}  // namespace zelt
