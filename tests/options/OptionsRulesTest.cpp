// The options dialog's rules and the file type's registry entries.
#include <gtest/gtest.h>

#include "editor/app/OptionsRules.h"
#include "editor/winui/FileTypes.h"

using namespace zelt;

TEST(OptionsRules, RecentLimitIsClampedAndUnreadableTextGivesFour) {
    EXPECT_EQ(RecentLimitFromText("7"), 7);
    EXPECT_EQ(RecentLimitFromText("0"), 0);
    EXPECT_EQ(RecentLimitFromText("20"), 20);
    EXPECT_EQ(RecentLimitFromText("50"), 20);
    EXPECT_EQ(RecentLimitFromText("4294967295"), 20);
    EXPECT_EQ(RecentLimitFromText("4294967296"), 4);
    EXPECT_EQ(RecentLimitFromText(""), 4);
    EXPECT_EQ(RecentLimitFromText("-3"), 4);
    EXPECT_EQ(RecentLimitFromText("1 2"), 4);
}

TEST(OptionsRules, ToolbarStyleRoundTripsThroughTextAndRightText) {
    EditorSettings s;
    for (ToolbarTextStyle style :
         {ToolbarTextStyle::kWithoutText, ToolbarTextStyle::kRightText, ToolbarTextStyle::kBottomText}) {
        SetToolbarStyle(s, style);
        EXPECT_EQ(ToolbarStyleOf(s), style);
    }
    SetToolbarStyle(s, ToolbarTextStyle::kWithoutText);
    EXPECT_FALSE(s.toolbarText);
    EXPECT_FALSE(s.toolbarRightText);
    s.toolbarRightText = true;  // text off wins, whatever RightText says
    EXPECT_EQ(ToolbarStyleOf(s), ToolbarTextStyle::kWithoutText);
}

TEST(FileTypes, ProgIdKeysComeBeforeTheExtensionsAndPathsAreQuoted) {
    const std::string program = "C:\\Program Files\\Zelt\\Zelt_Builder.exe";
    for (FileVerb verb : {FileVerb::kEdit, FileVerb::kOpen}) {
        const auto entries = FileTypeEntries(program, verb);
        ASSERT_EQ(entries.size(), 8u);
        const bool edit = verb == FileVerb::kEdit;
        EXPECT_EQ(entries[0].key, edit ? "ZeltFileType\\Shell\\Edit" : "ZeltFileType\\Shell\\Open");
        EXPECT_EQ(entries[0].value, edit ? "Edit" : "Open");
        EXPECT_EQ(entries[1].key, entries[0].key + "\\command");
        EXPECT_EQ(entries[1].value, "\"" + program + (edit ? "\" -EDITOR \"%1\"" : "\" -PREVIEW \"%1\""));
        const char* extensions[] = {".TEM", ".SNO", ".URB", ".UBN", ".LUN", ".DES"};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(entries[2 + i].key, extensions[i]);
            EXPECT_EQ(entries[2 + i].value, "ZeltFileType");
        }
    }
}
