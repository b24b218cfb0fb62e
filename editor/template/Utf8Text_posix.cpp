#include "editor/template/Utf8Text.h"

namespace zelt {

// Without a system code page every byte is its own character.
std::string AnsiToUtf8(std::string_view text) {
    std::u16string units(text.begin(), text.end());
    for (size_t i = 0; i < text.size(); ++i) units[i] = static_cast<unsigned char>(text[i]);
    return Utf16ToUtf8(units);
}

}  // namespace zelt
