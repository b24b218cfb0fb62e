// Text to and from Windows' wide functions. The program's own text is UTF-8; text that is not valid
// UTF-8 came from an ANSI function of a process whose code page is not UTF-8 and is read as that.
#pragma once
#include <string>
#include <string_view>

namespace zelt {

std::wstring WideFromText(std::string_view text);
std::string TextFromWide(std::wstring_view wide);

// The text a wide function writes into a buffer of the size it is given, answering the text's length,
// or the size it needs (with its terminator) when the buffer is too small: GetSystemDirectoryW,
// GetEnvironmentVariableW and the like. Empty when the call fails.
std::string TextOfWideCall(unsigned (*call)(wchar_t* buffer, unsigned size));

}  // namespace zelt
