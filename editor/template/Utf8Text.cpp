#include "editor/template/Utf8Text.h"

namespace zelt {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

bool DecodeUtf8At(std::string_view text, size_t& i, char32_t& out) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t min = 0;
    if (c < 0x80) {
        out = c;
        ++i;
        return true;
    } else if ((c & 0xE0) == 0xC0) {
        extra = 1, out = c & 0x1F, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2, out = c & 0x0F, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3, out = c & 0x07, min = 0x10000;
    } else {
        ++i;
        return false;
    }
    if (i + extra >= text.size()) {
        ++i;
        return false;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char d = static_cast<unsigned char>(text[i + k]);
        if ((d & 0xC0) != 0x80) {
            ++i;
            return false;
        }
        out = out << 6 | (d & 0x3F);
    }
    if (out < min || out > 0x10FFFF || (out >= 0xD800 && out <= 0xDFFF)) {
        ++i;
        return false;
    }
    i += static_cast<size_t>(extra) + 1;
    return true;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsValidUtf8(std::string_view text) {
    char32_t c = 0;
    for (size_t i = 0; i < text.size();) {
        if (!DecodeUtf8At(text, i, c)) return false;
    }
    return true;
}

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string units;
    units.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        if (!DecodeUtf8At(text, i, c)) c = kReplacement;
        if (c < 0x10000) {
            units += static_cast<char16_t>(c);
        } else {
            c -= 0x10000;
            units += static_cast<char16_t>(0xD800 | c >> 10);
            units += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
        }
    }
    return units;
}

std::string Utf16ToUtf8(std::u16string_view units) {
    std::string text;
    text.reserve(units.size());
    for (size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        AppendUtf8(text, c);
    }
    return text;
}

size_t Utf16Length(std::string_view text) {
    size_t units = 0;
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        units += DecodeUtf8At(text, i, c) && c >= 0x10000 ? 2 : 1;
    }
    return units;
}

std::string_view Utf8Prefix(std::string_view text, size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    size_t end = maxBytes;
    // Back over continuation bytes to the start of the character that would be cut.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

std::string_view Utf8PrefixOfUnits(std::string_view text, size_t maxUnits) {
    size_t units = 0;
    for (size_t i = 0; i < text.size();) {
        const size_t start = i;
        char32_t c = 0;
        const size_t width = DecodeUtf8At(text, i, c) && c >= 0x10000 ? 2 : 1;
        if (units + width > maxUnits) return text.substr(0, start);
        units += width;
    }
    return text;
}

std::string TextOfStoredBytes(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    return AnsiToUtf8(bytes);
}

}  // namespace zelt
