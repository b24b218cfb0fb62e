#include <gtest/gtest.h>

#include "editor/settings/IniFile.h"
#include "tests/support/TestSupport.h"

namespace zelt {
namespace {

std::string Get(std::string_view text, std::string_view section, std::string_view key) {
    return IniGet(text, section, key).value_or("<none>");
}

TEST(IniGet, NamesIgnoreCaseAndTheFirstOccurrenceWins) {
    const std::string text =
        "Orphan=before any section\r\n"
        "[General]\r\n"
        "QuickEditMode=yes\r\n"
        "quickeditmode=no\r\n"
        "  Spaced Key  =   padded value  \r\n"
        "; Commented=1\r\n"
        "NoEquals\r\n"
        "Empty=\r\n"
        "Quoted=\"  kept inside  \"\r\n"
        "Half=\"open\r\n"
        "Eq=a=b\r\n"
        "[ general ]\r\n"
        "Later=from the second section\r\n"
        "[View]\r\n"
        "DrawBlackFrameAround=yes";
    EXPECT_EQ(Get(text, "GENERAL", "QUICKEDITMODE"), "yes");
    EXPECT_EQ(Get(text, "general", "spaced key"), "padded value");
    EXPECT_EQ(Get(text, "General", "Empty"), "");
    EXPECT_EQ(Get(text, "General", "Quoted"), "  kept inside  ");
    EXPECT_EQ(Get(text, "General", "Half"), "\"open");
    EXPECT_EQ(Get(text, "General", "Eq"), "a=b");
    EXPECT_EQ(Get(text, "View", "DrawBlackFrameAround"), "yes");
    for (const char* missing : {"Commented", "; Commented", "NoEquals", "Later", "Orphan"})
        EXPECT_EQ(Get(text, "General", missing), "<none>") << missing;
    EXPECT_EQ(Get(text, "Toolbar", "Text"), "<none>");
    EXPECT_EQ(Get("", "General", "Text"), "<none>");
}

TEST(IniSet, ChangesOneLineAndKeepsEveryOtherByteAsItWas) {
    const std::string text =
        "; my settings\r\n"
        "[General]\r\n"
        "  QuickEditMode = no   ; old\r\n"
        "quickeditmode=second\r\n"
        "\r\n"
        "[View]\r\n"
        "odd line without equals\r\n";
    EXPECT_EQ(IniSet(text, "general", "QUICKEDITMODE", "yes"),
              "; my settings\r\n"
              "[General]\r\n"
              "QuickEditMode=yes\r\n"
              "quickeditmode=second\r\n"
              "\r\n"
              "[View]\r\n"
              "odd line without equals\r\n");
    // A new key goes after the section's last entry, before its trailing blank lines.
    EXPECT_EQ(IniSet(text, "General", "CPShowFull", "no"),
              "; my settings\r\n"
              "[General]\r\n"
              "  QuickEditMode = no   ; old\r\n"
              "quickeditmode=second\r\n"
              "CPShowFull=no\r\n"
              "\r\n"
              "[View]\r\n"
              "odd line without equals\r\n");
    EXPECT_EQ(IniSet(text, "View", "DrawBlackFrameAround", "yes"),
              "; my settings\r\n"
              "[General]\r\n"
              "  QuickEditMode = no   ; old\r\n"
              "quickeditmode=second\r\n"
              "\r\n"
              "[View]\r\n"
              "DrawBlackFrameAround=yes\r\n"
              "odd line without equals\r\n");
    EXPECT_EQ(IniSet(text, "Toolbar", "Text", "yes"), text + "\r\n[Toolbar]\r\nText=yes\r\n");
}

TEST(IniSet, CreatesWhatIsMissingWithTheFilesOwnLineBreaks) {
    EXPECT_EQ(IniSet("", "General", "A", "1"), "[General]\r\nA=1\r\n");
    EXPECT_EQ(IniSet("[General]\nA=1", "General", "B", "2"), "[General]\nA=1\nB=2\n");
    EXPECT_EQ(IniSet("[General]", "General", "B", "2"), "[General]\r\nB=2\r\n");
    EXPECT_EQ(IniSet("x=1\n", "S", "K", "v"), "x=1\n\n[S]\nK=v\n");
    EXPECT_EQ(IniSet("\xEF\xBB\xBF", "S", "K", "v"), "\xEF\xBB\xBF[S]\r\nK=v\r\n");
    EXPECT_EQ(IniSet("\xEF\xBB\xBF[S]\r\nK=old\r\n", "s", "k", "new"), "\xEF\xBB\xBF[S]\r\nK=new\r\n");
    // A last line ending in a lone carriage return still names its section.
    const std::string lone = IniSet("[General\r", "General", "A", "1");
    EXPECT_EQ(lone, "[General\r\nA=1\r\n");
    EXPECT_EQ(IniGet(lone, "General", "A"), "1");
}

TEST(IniSet, AValueCannotAddLines) {
    const std::string text = IniSet("", "Paths", "OpenFile", "C:\\maps\\\r\n[General]\r\nQuickEditMode=yes");
    EXPECT_EQ(text, "[Paths]\r\nOpenFile=C:\\maps\\\r\n");
    EXPECT_FALSE(IniGet(text, "General", "QuickEditMode"));
    EXPECT_FALSE(IniNameValid("Gen]eral", "Key"));
    EXPECT_FALSE(IniNameValid("General", "Key=1"));
    EXPECT_FALSE(IniNameValid("General", "Key\nOther"));
    EXPECT_FALSE(IniNameValid("General", ";Key"));
    EXPECT_FALSE(IniNameValid("", "Key"));
    EXPECT_TRUE(IniNameValid("RecentFiles", "Recent0"));
}

TEST(ProfileFile, MissingFileGivesTheDefaultAndWritingCreatesIt) {
    test::ScratchFolder folder;
    const std::string path = folder.File("Zelt_Builder.ini");
    EXPECT_EQ(ReadIniString(path, "General", "Text", "fallback", 259), "fallback");
    EXPECT_EQ(ReadIniString(path, "General", "Text", "fallback", 4), "fall");
    ASSERT_TRUE(WriteIniString(path, "General", "Text", "yes"));
    ASSERT_TRUE(WriteIniString(path, "General", "Long", std::string(300, 'x')));
    EXPECT_EQ(ReadIniString(path, "general", "text", "no", 259), "yes");
    EXPECT_EQ(ReadIniString(path, "General", "Long", "", 259).size(), 259u);
    EXPECT_FALSE(WriteIniString(path, "General", "Bad=Key", "1"));
    EXPECT_FALSE(WriteIniString(folder.File("no such folder\\x.ini"), "General", "Text", "yes"));
    const std::vector<uint8_t> bytes = test::ReadFile(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "[General]\r\nText=yes\r\nLong=" + std::string(300, 'x') + "\r\n");
}

TEST(ProfileFile, TextOfAnEarlierVersionInTheAnsiCodePageLoadsAndIsWrittenBackInUtf8) {
    test::ScratchFolder folder;
    const std::string path = folder.File("Zelt_Builder.ini");
    const std::string old = "[RecentFiles]\r\nRecent0=C:\\Karten\\M\xE4rz.tem\r\n";
    test::WriteFile(path, std::vector<uint8_t>(old.begin(), old.end()));
    EXPECT_EQ(ReadIniString(path, "RecentFiles", "Recent0", "", 259), "C:\\Karten\\M\xC3\xA4rz.tem");
    // A path of Cyrillic and CJK letters: stored as UTF-8, the rest of the file converted with it.
    const std::string path1 = "C:\\\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0 \xE5\x9C\xB0\xE5\x9B\xB3\\Meadow.tem";
    ASSERT_TRUE(WriteIniString(path, "RecentFiles", "Recent1", path1));
    const std::vector<uint8_t> bytes = test::ReadFile(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "[RecentFiles]\r\nRecent0=C:\\Karten\\M\xC3\xA4rz.tem\r\nRecent1=" + path1 + "\r\n");
    EXPECT_EQ(ReadIniString(path, "RecentFiles", "Recent1", "", 259), path1);
    // The length limit counts characters, and never cuts one in two.
    EXPECT_EQ(ReadIniString(path, "RecentFiles", "Recent1", "", 4), "C:\\\xD0\x9A");
}

}  // namespace
}  // namespace zelt
