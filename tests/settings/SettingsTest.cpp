#include <gtest/gtest.h>

#include <set>

#include "editor/settings/IniFile.h"
#include "editor/settings/Settings.h"
#include "tests/support/TestSupport.h"

namespace zelt {
namespace {

// Each test works on its own settings file and a fresh record.
class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        g_settingsPath = folder_.File("Zelt_Builder.ini");
        g_settings = DefaultSettings();
    }
    void TearDown() override {
        g_settingsPath.clear();
        g_settings = DefaultSettings();
    }
    void Write(const std::string& text) {
        test::WriteFile(g_settingsPath, std::vector<uint8_t>(text.begin(), text.end()));
    }
    std::string Text() const {
        const std::vector<uint8_t> bytes = test::ReadFile(g_settingsPath);
        return std::string(bytes.begin(), bytes.end());
    }
    test::ScratchFolder folder_;
};

TEST(SettingsValues, Encodings) {
    EXPECT_TRUE(ParseFlag("YES"));
    EXPECT_TRUE(ParseFlag("yEs"));
    EXPECT_FALSE(ParseFlag("1"));
    EXPECT_FALSE(ParseFlag("yes please"));
    EXPECT_EQ(ParseInt(" -42abc"), -42);
    EXPECT_EQ(ParseInt("+7"), 7);
    EXPECT_FALSE(ParseInt("abc"));
    EXPECT_FALSE(ParseInt(""));
    EXPECT_FALSE(ParseInt("-"));
    EXPECT_EQ(ParseInt("2147483647"), 2147483647);
    EXPECT_EQ(ParseInt("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(ParseInt("2147483648"));  // out of range: does not parse rather than wrap
    EXPECT_FALSE(ParseInt("99999999999999999999999"));

    EXPECT_EQ(ParseColour("300,0,0"), MakeColour(44, 0, 0));
    EXPECT_EQ(ParseColour("-1, 2, 3"), MakeColour(255, 2, 3));
    EXPECT_EQ(ParseColour("192,192,192"), 0xC0C0C0u);
    EXPECT_EQ(ParseColour("1,2,3,4"), MakeColour(1, 2, 3));
    EXPECT_FALSE(ParseColour("1,2"));
    EXPECT_FALSE(ParseColour("1 ,2,3"));  // "%d," wants the comma right after the number
    EXPECT_FALSE(ParseColour("white"));
    EXPECT_EQ(ColourText(MakeColour(1, 2, 3)), "1,2,3");

    EXPECT_EQ(ParseRect("0x10, 0X20, 30, 40"), (WindowRect{16, 32, 30, 40}));
    EXPECT_EQ(ParseRect("010,-5 ,  7,8"), (WindowRect{8, -5, 7, 8}));
    EXPECT_FALSE(ParseRect("1, 2, 3"));
    EXPECT_EQ(ParseRect("1, 2, 3, 0x"), (WindowRect{1, 2, 3, 0}));  // "0" then text that is ignored
    EXPECT_FALSE(ParseRect("08, 2, 3, 4"));  // octal 0 followed by 8: the comma does not come
    EXPECT_EQ(RectText({-4, 5, 806, 605}), "-4, 5, 806, 605");
    EXPECT_EQ(ParseRect(RectText({-4, 5, 806, 605})), (WindowRect{-4, 5, 806, 605}));
}

TEST_F(SettingsFile, TypedReadersKeepTheValueWhenTheTextDoesNotParse) {
    Write("[General]\nQuickEditMode=YES\nUseEUIStyle=1\nStripBColor=300,0,0\nStripFColor=oops\n"
          "[RecentFiles]\nMaxNumber=lots\n[MainWindow]\nWindowPos=not exist\n[Paths]\nOpenFile=" +
          std::string(300, 'p') + "\n");
    bool quick = false, eui = true;
    ReadFlag("General", "QuickEditMode", quick);
    ReadFlag("General", "UseEUIStyle", eui);
    EXPECT_TRUE(quick);
    EXPECT_FALSE(eui);
    ColourRef back = 0, fore = 0x123456;
    ReadColour("General", "StripBColor", back);
    ReadColour("General", "StripFColor", fore);
    EXPECT_EQ(back, MakeColour(44, 0, 0));
    EXPECT_EQ(fore, 0x123456u);
    int max = 6, missing = 9;
    ReadInt("RecentFiles", "MaxNumber", max);
    ReadInt("RecentFiles", "Nothing", missing);
    EXPECT_EQ(max, 6);
    EXPECT_EQ(missing, 9);
    EXPECT_FALSE(ReadRect("MainWindow", "WindowPos"));
    EXPECT_FALSE(ReadRect("MainWindow", "Missing"));
    std::string folder = "kept";
    ReadText("Paths", "OpenFile", folder);
    EXPECT_EQ(folder, std::string(259, 'p'));
    ReadText("Paths", "SaveFile", folder);
    EXPECT_EQ(folder, std::string(259, 'p'));
}

TEST_F(SettingsFile, AFreshInstallationStartsWithTheDefaults) {
    LoadVisualStylesSetting();
    LoadSettings();
    LoadStripColours();
    LoadWindowSettings();
    const EditorSettings& s = g_settings;
    EXPECT_TRUE(s.toolbarText);
    EXPECT_TRUE(s.toolbarRightText);
    EXPECT_TRUE(s.useEuiStyle);
    EXPECT_TRUE(s.tipShowAtStart);
    EXPECT_EQ(s.maxRecent, 6);
    EXPECT_FALSE(s.disableVisualStyles);
    EXPECT_FALSE(s.quickEditMode);
    EXPECT_EQ(s.stripBackColour, MakeColour(255, 255, 255));
    EXPECT_EQ(s.stripForeColour, MakeColour(192, 192, 192));
    EXPECT_FALSE(s.windowPos);
    EXPECT_TRUE(s.recentFiles.empty());
    EXPECT_EQ(s.newWidth, 1);
    EXPECT_EQ(s.newHeight, 1);
    EXPECT_FALSE(test::FileExists(g_settingsPath));  // reading never creates the file
}

TEST_F(SettingsFile, TheTableNamesEveryKeyOnce) {
    std::set<std::string> names;
    for (const SettingKey& k : SettingKeys()) {
        EXPECT_TRUE(IniNameValid(k.section, k.key)) << k.key;
        EXPECT_TRUE(names.insert(std::string(k.section) + "/" + k.key).second) << k.key;
    }
    EXPECT_EQ(names.size(), 35u);
    ASSERT_NE(FindSettingKey("NewDialog", "TerrainType"), nullptr);
    EXPECT_EQ(FindSettingKey("Paths", "Nothing"), nullptr);
}

TEST_F(SettingsFile, MaxNumberIsClampedAndRecentFilesSkipEmptyEntries) {
    Write("[RecentFiles]\nMaxNumber=50\nRecent0=C:\\a.tem\nRecent1=\nRecent2=C:\\b.sno\nRecent19=C:\\z.tem\n"
          "Recent20=C:\\beyond.tem\n[MainWindow]\nIsMaximized=Yes\nWindowPos=0x10, 0x20, 800, 600\n");
    LoadWindowSettings();
    EXPECT_EQ(g_settings.maxRecent, 20);
    EXPECT_EQ(g_settings.recentFiles, (std::vector<std::string>{"C:\\a.tem", "C:\\b.sno", "C:\\z.tem"}));
    EXPECT_TRUE(g_settings.isMaximized);
    EXPECT_EQ(g_settings.windowPos, (WindowRect{16, 32, 800, 600}));

    Write("[RecentFiles]\nMaxNumber=-3\nRecent0=C:\\a.tem\n");
    LoadWindowSettings();
    EXPECT_EQ(g_settings.maxRecent, 0);
    EXPECT_TRUE(g_settings.recentFiles.empty());
    EXPECT_EQ(g_settings.windowPos, (WindowRect{16, 32, 800, 600}));  // an absent rectangle changes nothing
}

// The recent list holds paths of up to 258 characters as Windows counts them: a Cyrillic one of 200
// letters (400 bytes) comes back whole, a longer one is cut between letters.
TEST_F(SettingsFile, RecentFilesOfLettersOutsideAsciiAreCutByCharacters) {
    std::string whole = "C:\\", longer = "C:\\";
    for (int i = 0; i < 200; ++i) whole += "\xD0\x96";
    for (int i = 0; i < 300; ++i) longer += "\xD0\x96";
    Write("[RecentFiles]\nMaxNumber=4\nRecent0=" + whole + "\nRecent1=" + longer + "\n");
    LoadWindowSettings();
    ASSERT_EQ(g_settings.recentFiles.size(), 2u);
    EXPECT_EQ(g_settings.recentFiles[0], whole);
    EXPECT_EQ(g_settings.recentFiles[1], longer.substr(0, 3 + 255 * 2));
}

TEST_F(SettingsFile, SaveWritesTheExitKeysInOrder) {
    g_settings.windowPos = WindowRect{10, 20, 810, 620};
    g_settings.quickEditMode = true;
    g_settings.batchImportOutDir = "C:\\out\\";
    for (int i = 0; i < 8; ++i) AddRecentFile(g_settings, "C:\\maps\\t" + std::to_string(i) + ".tem");
    SaveSettings();
    EXPECT_EQ(Text(),
              "[MainWindow]\r\nIsMaximized=no\r\nWindowPos=10, 20, 810, 620\r\n\r\n"
              "[Open]\r\nBatchImportOutDir=C:\\out\\\r\nBatchImportInDir=\r\n\r\n"
              "[General]\r\nCPShowFull=no\r\nQuickEditMode=yes\r\nStripBColor=255,255,255\r\n"
              "StripFColor=192,192,192\r\nStretchPreview=no\r\nDisableVisualStyles=no\r\n"
              "UseInvertTileSelect=no\r\nUseEUIStyle=yes\r\n\r\n"
              "[Toolbar]\r\nRightText=yes\r\nText=yes\r\n\r\n"
              "[View]\r\nDrawBlackFrameAround=no\r\n\r\n"
              "[RecentFiles]\r\nMaxNumber=6\r\nRecent0=C:\\maps\\t0.tem\r\nRecent1=C:\\maps\\t1.tem\r\n"
              "Recent2=C:\\maps\\t2.tem\r\nRecent3=C:\\maps\\t3.tem\r\nRecent4=C:\\maps\\t4.tem\r\n"
              "Recent5=C:\\maps\\t5.tem\r\n");
}

TEST_F(SettingsFile, WhatIsSavedLoadsBackTheSame) {
    EditorSettings& s = g_settings;
    s.disableVisualStyles = true;
    s.batchImportInDir = "D:\\in dir\\";
    s.drawBlackFrameAround = true;
    s.cpShowFull = true;
    s.toolbarRightText = false;
    s.toolbarText = false;
    s.stretchPreview = true;
    s.useInvertTileSelect = true;
    s.useEuiStyle = false;
    s.stripBackColour = MakeColour(1, 2, 3);
    s.stripForeColour = MakeColour(250, 128, 0);
    s.isMaximized = true;
    s.windowPos = WindowRect{-8, -8, 1288, 1032};
    s.maxRecent = 3;
    s.recentFiles = {"C:\\a.tem", "C:\\b.sno"};
    const EditorSettings saved = s;
    SaveSettings();
    g_settings = DefaultSettings();
    LoadVisualStylesSetting();
    LoadSettings();
    LoadStripColours();
    LoadWindowSettings();
    EXPECT_EQ(g_settings.disableVisualStyles, saved.disableVisualStyles);
    EXPECT_EQ(g_settings.batchImportInDir, saved.batchImportInDir);
    EXPECT_EQ(g_settings.drawBlackFrameAround, saved.drawBlackFrameAround);
    EXPECT_EQ(g_settings.cpShowFull, saved.cpShowFull);
    EXPECT_EQ(g_settings.toolbarRightText, saved.toolbarRightText);
    EXPECT_EQ(g_settings.toolbarText, saved.toolbarText);
    EXPECT_EQ(g_settings.stretchPreview, saved.stretchPreview);
    EXPECT_EQ(g_settings.useInvertTileSelect, saved.useInvertTileSelect);
    EXPECT_EQ(g_settings.useEuiStyle, saved.useEuiStyle);
    EXPECT_EQ(g_settings.stripBackColour, saved.stripBackColour);
    EXPECT_EQ(g_settings.stripForeColour, saved.stripForeColour);
    EXPECT_EQ(g_settings.isMaximized, saved.isMaximized);
    EXPECT_EQ(g_settings.windowPos, saved.windowPos);
    EXPECT_EQ(g_settings.maxRecent, saved.maxRecent);
    EXPECT_EQ(g_settings.recentFiles, saved.recentFiles);
}

TEST_F(SettingsFile, AnUndockedRunLeavesTheOlderRecentKeys) {
    Write("[RecentFiles]\r\nMaxNumber=4\r\nRecent0=C:\\old0.tem\r\nRecent1=C:\\old1.tem\r\n");
    // An undocked run reads neither the placement nor the recent files.
    LoadSettings();
    g_settings.windowPos = WindowRect{0, 0, 300, 120};
    SaveSettings();
    EXPECT_EQ(ReadIniString(g_settingsPath, "RecentFiles", "MaxNumber", "", 255), "6");
    EXPECT_EQ(ReadIniString(g_settingsPath, "RecentFiles", "Recent0", "", 259), "C:\\old0.tem");
    EXPECT_EQ(ReadIniString(g_settingsPath, "RecentFiles", "Recent1", "", 259), "C:\\old1.tem");
    EXPECT_EQ(ReadIniString(g_settingsPath, "MainWindow", "WindowPos", "", 255), "0, 0, 300, 120");
}

TEST(RecentFiles, TrimDropsTheOldestAndRemoveTakesOneOut) {
    EditorSettings s = DefaultSettings();
    for (const char* p : {"a", "b", "c", "d"}) AddRecentFile(s, p);
    s.maxRecent = 2;
    TrimRecentFiles(s);
    EXPECT_EQ(s.recentFiles, (std::vector<std::string>{"c", "d"}));
    RemoveRecentFile(s, 5);
    RemoveRecentFile(s, 0);
    EXPECT_EQ(s.recentFiles, (std::vector<std::string>{"d"}));
    s.maxRecent = 0;
    TrimRecentFiles(s);
    EXPECT_TRUE(s.recentFiles.empty());
}

}  // namespace
}  // namespace zelt
