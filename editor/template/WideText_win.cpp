#include <windows.h>

#include "editor/template/Utf8Text.h"
#include "editor/template/WideText_win.h"

namespace zelt {

namespace {

std::wstring Decode(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// The code page of the system's locale: what GetACP gives in a process without the UTF-8 setting,
// and so what an earlier version stored its texts in.
UINT SystemAnsiCodePage() {
    wchar_t digits[8] = {};
    if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, digits, 8) > 0) {
        const UINT page = static_cast<UINT>(_wtoi(digits));
        if (page != 0 && page != CP_UTF8) return page;
    }
    return 1252;
}

}  // namespace

std::wstring WideFromText(std::string_view text) {
    // In a process whose code page is UTF-8 such text can only be stored text of an earlier version.
    if (!IsValidUtf8(text)) return Decode(GetACP() == CP_UTF8 ? SystemAnsiCodePage() : CP_ACP, text);
    const std::u16string units = Utf8ToUtf16(text);
    return std::wstring(units.begin(), units.end());
}

std::string TextFromWide(std::wstring_view wide) {
    return Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

std::string TextOfWideCall(unsigned (*call)(wchar_t* buffer, unsigned size)) {
    std::wstring text(MAX_PATH, L'\0');
    // The text may grow between the calls (an environment variable set by another thread).
    for (int attempt = 0; attempt < 4; ++attempt) {
        const unsigned length = call(text.data(), static_cast<unsigned>(text.size()));
        if (length == 0) return {};
        if (length < text.size()) return TextFromWide(std::wstring_view(text.data(), length));
        text.assign(length, L'\0');
    }
    return {};
}

std::string AnsiToUtf8(std::string_view text) { return TextFromWide(Decode(SystemAnsiCodePage(), text)); }

}  // namespace zelt
