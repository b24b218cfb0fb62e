#include "pictor/FormatList.h"

#include <algorithm>

namespace zelt::pictor {

bool CopyFormatName(std::string_view list, int index, char* out, size_t outSize) {
    if (index < 0 || outSize == 0) return false;
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        const size_t end = list.find(';', start);
        if (end == std::string_view::npos) return false;
        start = end + 1;
    }
    const size_t end = list.find(';', start);
    if (end == std::string_view::npos) return false;
    std::string_view entry = list.substr(start, end - start);
    if (entry.starts_with("*.")) entry.remove_prefix(2);
    const size_t length = std::min(entry.size(), outSize - 1);
    std::copy_n(entry.data(), length, out);
    out[length] = '\0';
    return true;
}

std::optional<std::wstring_view> ExtensionOf(std::wstring_view fileName) {
    const size_t dot = fileName.rfind(L'.');
    if (dot == std::wstring_view::npos || dot == 0) return std::nullopt;
    return fileName.substr(dot + 1);
}

namespace {

wchar_t FoldAscii(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

}  // namespace

bool SameMimeType(std::wstring_view a, std::wstring_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](wchar_t x, wchar_t y) { return FoldAscii(x) == FoldAscii(y); });
}

}  // namespace zelt::pictor
