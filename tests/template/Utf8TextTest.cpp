// The program's text is UTF-8: its conversions to UTF-16 and the reading of text an earlier version
// stored in the ANSI code page.
#include <gtest/gtest.h>

#include "editor/template/Utf8Text.h"

namespace zelt {
namespace {

// "Карта 地図\😀" in UTF-8 and in UTF-16.
const std::string kMixed = "C:\\\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0 \xE5\x9C\xB0\xE5\x9B\xB3\\\xF0\x9F\x98\x80.tem";
const std::u16string kMixedUnits = u"C:\\\u041a\u0430\u0440\u0442\u0430 \u5730\u56f3\\\U0001F600.tem";

TEST(Utf8Text, ConvertsEveryCharacterBothWays) {
    EXPECT_TRUE(IsValidUtf8(kMixed));
    EXPECT_EQ(Utf8ToUtf16(kMixed), kMixedUnits);
    EXPECT_EQ(Utf16ToUtf8(kMixedUnits), kMixed);
    EXPECT_EQ(Utf8ToUtf16(""), u"");
    // The largest character and the last before the surrogates.
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("\xF4\x8F\xBF\xBF\xED\x9F\xBF")), "\xF4\x8F\xBF\xBF\xED\x9F\xBF");
}

TEST(Utf8Text, MalformedTextIsNotUtf8AndEachBadByteBecomesOneReplacement) {
    // A lone continuation byte, an overlong slash, an encoded surrogate, a character beyond U+10FFFF,
    // a sequence cut by the end, and ANSI text of a Western code page ("März").
    for (const std::string bad : {"a\x80" "b", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "x\xE5\x9C",
                                  "M\xE4rz"}) {
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;
    }
    EXPECT_EQ(Utf8ToUtf16("a\x80" "b"), u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("M\xE4rz"), u"M\uFFFDrz");
    EXPECT_EQ(Utf8ToUtf16("x\xE5\x9C"), u"x\uFFFD\uFFFD");
    // UTF-16 with a surrogate that has no partner.
    EXPECT_EQ(Utf16ToUtf8(std::u16string(u"a") + char16_t(0xDC00) + u"b" + char16_t(0xD800)),
              "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}

TEST(Utf8Text, CutsNeverSplitACharacter) {
    const std::string text = "ab\xD0\x96\xE5\x9C\xB0\xF0\x9F\x98\x80";  // a b Ж 地 😀
    EXPECT_EQ(Utf8Prefix(text, 100), text);
    EXPECT_EQ(Utf8Prefix(text, 3), "ab");
    EXPECT_EQ(Utf8Prefix(text, 4), "ab\xD0\x96");
    EXPECT_EQ(Utf8Prefix(text, 8), "ab\xD0\x96\xE5\x9C\xB0");
    EXPECT_EQ(Utf8Prefix(text, 0), "");
    // Counted as Windows counts characters: the last one takes two units.
    EXPECT_EQ(Utf8PrefixOfUnits(text, 4), "ab\xD0\x96\xE5\x9C\xB0");
    EXPECT_EQ(Utf8PrefixOfUnits(text, 5), "ab\xD0\x96\xE5\x9C\xB0");
    EXPECT_EQ(Utf8PrefixOfUnits(text, 6), text);
    EXPECT_EQ(Utf8PrefixOfUnits(text, 0), "");
}

TEST(Utf8Text, StoredTextIsUtf8OrElseTheAnsiCodePage) {
    EXPECT_EQ(TextOfStoredBytes(kMixed), kMixed);
    // A byte-order mark is text like any other: a field read twice must not lose one each time.
    EXPECT_EQ(TextOfStoredBytes("\xEF\xBB\xBF\xEF\xBB\xBFNew"), "\xEF\xBB\xBF\xEF\xBB\xBFNew");
    // What an earlier version wrote on a Western system: "ä" of its code page.
    EXPECT_EQ(TextOfStoredBytes("Recent0=C:\\Karten\\M\xE4rz.tem\r\n"), "Recent0=C:\\Karten\\M\xC3\xA4rz.tem\r\n");
    EXPECT_EQ(TextOfStoredBytes(""), "");
}

}  // namespace
}  // namespace zelt
