// The text source of a string table: one "KEY = text" entry per line, with escapes for line breaks,
// tabs and significant spaces. Compiled into a string-table file by `zelt csf compile`.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "editor/strings/CsfFile.h"

namespace zelt {

// Parses UTF-8 source text. On failure error names the line and the problem.
bool ParseStringSource(std::string_view text, std::vector<CsfEntry>& entries, std::string& error);

// Writes entries in the source format (the inverse of ParseStringSource for well-formed entries).
std::string FormatStringSource(const std::vector<CsfEntry>& entries);

// The value part of one line, unescaped to UTF-16 / escaped from it.
bool UnescapeSourceText(std::string_view text, std::u16string& out, std::string& error);
std::string EscapeSourceText(const std::u16string& value);

}  // namespace zelt
