#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "editor/strings/CsfFile.h"
#include "editor/strings/StringTable.h"
#include "editor/template/ByteReader.h"
#include "tests/support/TestSupport.h"

namespace zelt {
namespace {

std::vector<uint8_t> Csf(const std::vector<CsfEntry>& entries) { return EncodeCsf(entries); }

void SetLabelCount(std::vector<uint8_t>& bytes, uint32_t count) { StoreI32(bytes.data() + 8, static_cast<int32_t>(count)); }

StringTable Build(const std::vector<uint8_t>& bytes) {
    StringTable table;
    EXPECT_TRUE(BuildStringTable(bytes, table));
    return table;
}

const char* Find(StringTable& table, const char* key) { return LookupIn(table, {}, key); }

TEST(StringTable, HeaderOnlyIsAnEmptyTableWhoseLookupsAreMissing) {
    std::vector<uint8_t> bytes = Csf({});
    ASSERT_EQ(bytes.size(), kCsfHeaderSize);
    StringTable table = Build(bytes);
    EXPECT_TRUE(table.loaded);
    EXPECT_STREQ(Find(table, "GUI:OK"), "MISSING: GUI:OK");
}

TEST(StringTable, LookupIgnoresCaseAndTheFirstOfEqualNamesWins) {
    StringTable table = Build(Csf({{"gui:ok", u"first"}, {"GUI:Cancel", u"Cancel"}, {"GUI:OK", u"second"}}));
    EXPECT_STREQ(Find(table, "GUI:OK"), "first");
    EXPECT_STREQ(Find(table, "Gui:Ok"), "first");
    EXPECT_STREQ(Find(table, "GUI:CANCEL"), "Cancel");
    EXPECT_TRUE(HasString(table, "gui:cancel"));
    EXPECT_FALSE(HasString(table, "GUI:CANCE"));
}

TEST(StringTable, CaseFoldingSortsUnderscoreAndLettersConsistently) {
    // '_' lies between the capital and the small letters: the search must fold before comparing.
    StringTable table = Build(Csf({{"TXT_A", u"1"}, {"TXTA", u"2"}, {"TXT_a_b", u"3"}, {"txt[", u"4"}}));
    EXPECT_STREQ(Find(table, "txt_a"), "1");
    EXPECT_STREQ(Find(table, "TXTa"), "2");
    EXPECT_STREQ(Find(table, "TXT_A_B"), "3");
    EXPECT_STREQ(Find(table, "TXT["), "4");
}

TEST(StringTable, ManyKeysAreAllFound) {
    std::mt19937 rng(7);
    std::vector<CsfEntry> entries;
    for (int i = 0; i < 600; ++i) {
        std::string name = "K" + std::to_string(rng()) + "_" + std::to_string(i);
        entries.push_back({name, std::u16string(name.begin(), name.end())});
    }
    StringTable table = Build(Csf(entries));
    for (const CsfEntry& e : entries) EXPECT_STREQ(Find(table, e.name.c_str()), e.name.c_str());
}

TEST(StringTable, ValuesBecomeUtf8Text) {
    std::u16string longValue(1500, u'x');
    // 1022 Cyrillic letters, then a character of two units across the limit of 1023.
    std::u16string longCyrillic = std::u16string(1022, u'\u0416') + u"\U0001F600";
    StringTable table = Build(Csf({{"EMPTY", u""},
                                   {"LATIN", u"caf\u00e9\n\ttab"},
                                   {"WIDE", u"a\u20acb\u5730\U0001F600"},
                                   {"LONE", std::u16string(u"a") + char16_t(0xD800) + u"b"},
                                   {"ZERO", std::u16string(u"ab\0cd", 5)},
                                   {"LONG", longValue},
                                   {"LONGCYRILLIC", longCyrillic},
                                   {std::string(50, 'N'), u"cut name"}}));
    EXPECT_STREQ(Find(table, "EMPTY"), "");
    EXPECT_STREQ(Find(table, "LATIN"), "caf\xC3\xA9\n\ttab");
    EXPECT_STREQ(Find(table, "WIDE"), "a\xE2\x82\xAC" "b\xE5\x9C\xB0\xF0\x9F\x98\x80");
    EXPECT_STREQ(Find(table, "LONE"), "a\xEF\xBF\xBD" "b");
    EXPECT_STREQ(Find(table, "ZERO"), "ab");
    EXPECT_EQ(std::strlen(Find(table, "LONG")), kMaxValueText);
    std::string cyrillic;
    for (int i = 0; i < 1022; ++i) cyrillic += "\xD0\x96";
    EXPECT_EQ(Find(table, "LONGCYRILLIC"), cyrillic);
    EXPECT_STREQ(Find(table, std::string(35, 'N').c_str()), "cut name");
}

TEST(StringTable, RecordsBeyondTheLabelCountAreIgnored) {
    std::vector<uint8_t> bytes = Csf({{"A", u"a"}, {"B", u"b"}, {"C", u"c"}});
    SetLabelCount(bytes, 2);
    StringTable table = Build(bytes);
    EXPECT_STREQ(Find(table, "B"), "b");
    EXPECT_STREQ(Find(table, "C"), "MISSING: C");
    SetLabelCount(bytes, 0);
    table = Build(bytes);
    EXPECT_TRUE(table.labels.empty());
}

TEST(StringTable, MalformedFilesFailAndLeaveNoTable) {
    const std::vector<uint8_t> good = Csf({{"GUI:OK", u"OK"}, {"GUI:NO", u"No"}});
    const size_t firstRecord = kCsfHeaderSize;
    const size_t valueMagic = firstRecord + 12 + 6;
    struct Case {
        const char* what;
        size_t offset;
    } cases[] = {{"header magic", 0}, {"label magic", firstRecord}, {"value magic", valueMagic}};
    for (const Case& c : cases) {
        std::vector<uint8_t> bad = good;
        bad[c.offset] ^= 0x01;
        StringTable table;
        table.loaded = true;
        EXPECT_FALSE(BuildStringTable(bad, table)) << c.what;
        EXPECT_FALSE(table.loaded) << c.what;
        EXPECT_STREQ(Find(table, "GUI:OK"), "***FATAL***") << c.what;
    }
    for (size_t size = 0; size < kCsfHeaderSize; ++size) {
        StringTable table;
        EXPECT_FALSE(BuildStringTable(std::span(good.data(), size), table)) << size;
    }
}

TEST(StringTable, TheEndOfTheFileInsideARecordKeepsTheRecordsBefore) {
    const std::vector<uint8_t> one = Csf({{"GUI:OK", u"OK"}});
    const std::vector<uint8_t> two = Csf({{"GUI:OK", u"OK"}, {"GUI:NO", u"No"}});
    for (size_t size = one.size(); size < two.size(); ++size) {
        StringTable table = Build(std::vector<uint8_t>(two.begin(), two.begin() + size));
        EXPECT_STREQ(Find(table, "GUI:OK"), "OK") << size;
        EXPECT_STREQ(Find(table, "GUI:NO"), "MISSING: GUI:NO") << size;
    }
}

TEST(StringTable, HugeLengthsEndTheListWithoutAllocating) {
    std::vector<uint8_t> bytes = Csf({{"A", u"a"}, {"B", u"b"}});
    const size_t second = kCsfHeaderSize + 12 + 1 + 8 + 2;
    std::vector<uint8_t> nameTooLong = bytes;
    StoreI32(nameTooLong.data() + second + 8, -1);
    std::vector<uint8_t> valueTooLong = bytes;
    StoreI32(valueTooLong.data() + second + 12 + 1 + 4, 0x7FFFFFFF);
    for (const auto& b : {nameTooLong, valueTooLong}) {
        StringTable table = Build(b);
        EXPECT_STREQ(Find(table, "A"), "a");
        EXPECT_EQ(table.labels.size(), 1u);
    }
}

TEST(StringTable, RunFlagsAndTheMissingTexts) {
    StringTable table = Build(Csf({{"GUI:OK", u"OK"}}));
    EXPECT_STREQ(LookupIn(table, {.keysAsText = true}, "GUI:OK"), "GUI:OK");
    EXPECT_STREQ(LookupIn(table, {.keysAsText = true, .noStrings = true}, "GUI:OK"), "GUI:OK");
    EXPECT_STREQ(LookupIn(table, {.noStrings = true}, "GUI:OK"), "***FATAL***");

    const char* first = Find(table, "GUI:ONE");
    EXPECT_STREQ(first, "MISSING: GUI:ONE");
    const char* second = Find(table, "GUI:TWO");
    // Each missing key has a text of its own: a message box that took the first still shows it.
    EXPECT_STREQ(first, "MISSING: GUI:ONE");
    EXPECT_STREQ(second, "MISSING: GUI:TWO");
    EXPECT_EQ(Find(table, "GUI:ONE"), first);  // asked again, the same text rather than another copy

    const std::string longKey(400, 'K');
    EXPECT_EQ(std::strlen(Find(table, longKey.c_str())), 255u);
    EXPECT_STREQ(Find(table, nullptr), "MISSING: ");
}

TEST(StringTable, LoadAndFreeTheProcessTable) {
    test::ScratchFolder folder;
    const std::string path = folder.File("Zelt_Builder.csf");
    test::WriteFile(path, Csf({{"TXT_NAME", u"Zelt"}}));

    FreeStringTable();
    FreeStringTable();
    EXPECT_STREQ(Lookup("TXT_NAME"), "***FATAL***");
    ASSERT_TRUE(LoadStringTable(path));
    EXPECT_STREQ(Lookup("txt_name"), "Zelt");
    EXPECT_FALSE(LoadStringTable(folder.File("none.csf")));
    EXPECT_STREQ(Lookup("TXT_NAME"), "***FATAL***");

    g_stringFlags.keysAsText = true;
    EXPECT_TRUE(LoadStringTable(folder.File("none.csf")));
    EXPECT_FALSE(g_stringTable.loaded);
    EXPECT_STREQ(Lookup("TXT_NAME"), "TXT_NAME");
    g_stringFlags = {};
    FreeStringTable();
}

}  // namespace
}  // namespace zelt
