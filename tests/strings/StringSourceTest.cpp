#include <gtest/gtest.h>

#include <random>

#include "editor/strings/StringSource.h"
#include "editor/strings/StringTable.h"

namespace zelt {
namespace {

std::vector<CsfEntry> Parse(std::string_view text) {
    std::vector<CsfEntry> entries;
    std::string error;
    EXPECT_TRUE(ParseStringSource(text, entries, error)) << error;
    return entries;
}

std::string Failure(std::string_view text) {
    std::vector<CsfEntry> entries;
    std::string error;
    EXPECT_FALSE(ParseStringSource(text, entries, error)) << text;
    return error;
}

TEST(StringSource, EntriesCommentsBlanksAndLineEnds) {
    const auto entries = Parse(
        "\xEF\xBB\xBF# comment\r\n"
        "\n"
        "  ; another comment\n"
        "GUI:OK = OK\r\n"
        "\tMSG:Q=Save\\nnow?\\tYes  \n"
        "TXT_SPACE = \\s padded \\s\n"
        "TXT_EMPTY =\n"
        "TXT_EQ = a = b");
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].name, "GUI:OK");
    EXPECT_EQ(entries[0].value, u"OK");
    EXPECT_EQ(entries[1].name, "MSG:Q");
    EXPECT_EQ(entries[1].value, u"Save\nnow?\tYes");
    EXPECT_EQ(entries[2].value, u"  padded  ");
    EXPECT_EQ(entries[3].value, u"");
    EXPECT_EQ(entries[4].value, u"a = b");
}

TEST(StringSource, TextIsUtf8WithEscapes) {
    const auto entries = Parse("A = caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \\\\ \\u0001");
    EXPECT_EQ(entries[0].value, u"caf\u00e9 \u20ac \U0001F600 \\ \u0001");
}

TEST(StringSource, MistakesNameTheirLine) {
    EXPECT_EQ(Failure("A = 1\njust text\n"), "line 2: no '=' between key and text");
    EXPECT_EQ(Failure(" = text"), "line 1: empty key");
    EXPECT_EQ(Failure("GUI:OK = 1\n\ngui:ok = 2"), "line 3: key gui:ok already given on line 1");
    EXPECT_EQ(Failure("A = \\q"), "line 1: unknown escape \\q");
    EXPECT_EQ(Failure("A = ends in \\"), "line 1: a backslash at the end of the text");
    EXPECT_EQ(Failure("A = \\u12G4"), "line 1: \\u needs four hexadecimal digits");
    EXPECT_EQ(Failure("A = \xC3"), "line 1: text that is not UTF-8");
    EXPECT_EQ(Failure("A = \xC0\xAF"), "line 1: text that is not UTF-8");  // overlong
    EXPECT_EQ(Failure("A = \xED\xA0\x80"), "line 1: text that is not UTF-8");  // a surrogate
    EXPECT_EQ(Failure(std::string(36, 'K') + " = x"), "line 1: key longer than 35 characters");
    EXPECT_EQ(Failure("MY KEY = x"), "line 1: key with a character other than printable ASCII");
    EXPECT_EQ(Failure("A = " + std::string(1024, 'x')), "line 1: text longer than 1023 characters");
    Parse("A = " + std::string(1023, 'x'));
}

TEST(StringSource, FormatThenParseGivesTheSameEntries) {
    std::mt19937 rng(3);
    std::vector<CsfEntry> entries;
    const char16_t alphabet[] = u" \\\n\t\rab=#;\u00e9\u20ac\u0001\u007f\xD83D\xDE00\xDC00";
    for (int i = 0; i < 200; ++i) {
        CsfEntry e{"KEY_" + std::to_string(i), {}};
        const int length = static_cast<int>(rng() % 12);
        for (int k = 0; k < length; ++k) e.value += alphabet[rng() % (sizeof alphabet / 2 - 1)];
        entries.push_back(e);
    }
    const std::string text = FormatStringSource(entries);
    const auto again = Parse(text);
    ASSERT_EQ(again.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(again[i].name, entries[i].name);
        EXPECT_EQ(again[i].value, entries[i].value) << i;
    }
}

TEST(StringSource, CompiledSourceLooksUpAsUtf8Text) {
    const auto entries = Parse("TXT_NAME = Zelt\nGUI:CAFE = Caf\xC3\xA9\nMSG:TWO = one\\ntwo");
    StringTable table;
    ASSERT_TRUE(BuildStringTable(EncodeCsf(entries), table));
    EXPECT_STREQ(LookupIn(table, {}, "GUI:CAFE"), "Caf\xC3\xA9");
    EXPECT_STREQ(LookupIn(table, {}, "MSG:TWO"), "one\ntwo");
}

}  // namespace
}  // namespace zelt
