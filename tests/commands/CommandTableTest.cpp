// The command table built from a menu, hotkey matching and assignment, the default toolbar, and
// "Environment.dat" with every way a damaged file must leave the defaults alone.
#include <gtest/gtest.h>

#include <cstring>

#include "editor/app/CommandTable.h"
#include "editor/app/Environment.h"
#include "resources/CommandIds.h"
#include "tests/support/TestSupport.h"

using namespace zelt;

namespace {

std::string FakeLookup(const char* key) {
    return std::string("<") + key + ">";
}

MenuItem Command(const char* key, uint32_t id) {
    MenuItem item;
    item.text = key;
    item.id = id;
    return item;
}

MenuItem Separator() {
    MenuItem item;
    item.separator = true;
    return item;
}

MenuItem Popup(const char* key, std::vector<MenuItem> items) {
    MenuItem item;
    item.text = key;
    item.submenu = true;
    item.items = std::move(items);
    return item;
}

// A small menu bar with a nested submenu, a separator and the recent-files placeholder.
std::vector<MenuItem> FakeMenu() {
    return {
        Popup("GUI:FILE", {Command("GUI:MENUNEW", IDM_NEW), Command("GUI:MENUOPEN", IDM_OPEN), Separator(),
                           Command("GUI:RECENT", kNoCommandId), Command("GUI:MENUSAVE", IDM_SAVE)}),
        Popup("GUI:TILE", {Popup("GUI:MORE", {Command("GUI:ADD", IDM_ADD_TILE)}),
                           Command("GUI:DELETE", IDM_DELETE_TILE)}),
        Popup("", {Command("GUI:ABOUT", IDM_ABOUT)}),
        Popup("GUI:TOOLS",
              {Command("GUI:FULLSCREEN", IDM_FULL_SCREEN), Command("GUI:OPENFOLDER", IDM_OPEN_FOLDER)})};
}

CommandTable FakeTable() {
    CommandTable table;
    BuildCommandTableFromMenu(table, FakeMenu(), FakeLookup);
    return table;
}

KeyCombination Ctrl(uint32_t key) {
    KeyCombination keys;
    keys.key = key;
    keys.ctrl = true;
    return keys;
}

ToolbarLayout DefaultLayout() {
    ToolbarLayout layout;
    SetDefaultToolbar(layout, FakeLookup);
    return layout;
}

TEST(CommandTableTest, BuildsFromTheMenuInOrderWithPrefixesHintsAndHotButtons) {
    const CommandTable table = FakeTable();
    const std::vector<uint32_t> ids = {
        IDM_NEW,       IDM_OPEN,        IDM_SAVE,        IDM_ADD_TILE,      IDM_DELETE_TILE,
        IDM_ABOUT,     IDM_FULL_SCREEN, IDM_OPEN_FOLDER, IDM_HOT_UP,        IDM_HOT_DOWN,
        IDM_HOT_RIGHT, IDM_HOT_LEFT,    IDM_HOT_SWITCH,  IDM_HOT_HEIGHT_UP, IDM_HOT_HEIGHT_DOWN,
        IDM_STRIP_PAINT_PROGRAM};
    ASSERT_EQ(table.records.size(), ids.size());
    for (size_t i = 0; i < ids.size(); ++i) {
        EXPECT_EQ(table.records[i].command, ids[i]) << i;
        EXPECT_EQ(table.records[i].sequence, i);
        EXPECT_FALSE(table.records[i].disabled);
    }
    EXPECT_EQ(table.records[0].name, "<GUI:FILE>-<GUI:MENUNEW>");
    EXPECT_EQ(table.records[0].hint, "<GUI:MENUNEWHINT>");
    EXPECT_EQ(table.records[3].name, "<GUI:TILE>-<GUI:MORE>-<GUI:ADD>");
    EXPECT_EQ(table.records[4].name, "<GUI:TILE>-<GUI:DELETE>");
    EXPECT_EQ(table.records[5].name, "<GUI:ABOUT>");  // a submenu without text adds no prefix
    EXPECT_EQ(table.records[9].name, "<TXT_QM_BOTTOM>");
    EXPECT_EQ(table.records[9].hint, "<TXT_QM_BOTTOMHINT>");
    // The strip's paint program command comes last, so it can take a hotkey without moving the others.
    EXPECT_EQ(table.records.back().name, "<GUI:STPPAINTPROGRAM>");
    EXPECT_EQ(table.records.back().hint, "<GUI:STPPAINTPROGRAMHINT>");

    // Default hotkeys: Ctrl with a letter, F9 alone; commands without a default have none.
    EXPECT_TRUE(HasCombination(*FindCommand(table, IDM_NEW), Ctrl('N')));
    EXPECT_TRUE(HasCombination(*FindCommand(table, IDM_DELETE_TILE), Ctrl('D')));
    EXPECT_TRUE(HasCombination(*FindCommand(table, IDM_ABOUT), Ctrl('H')));
    EXPECT_TRUE(HasCombination(*FindCommand(table, IDM_FULL_SCREEN), KeyCombination{0x78}));
    EXPECT_EQ(FindCommand(table, IDM_OPEN_FOLDER)->key, 0u);
    EXPECT_EQ(FindCommand(table, 4711), nullptr);

    // Building again starts from an empty table.
    CommandTable again = table;
    again.records[0].key = 'X';
    BuildCommandTableFromMenu(again, FakeMenu(), FakeLookup);
    EXPECT_EQ(again.records.size(), ids.size());
    EXPECT_EQ(again.records[0].key, static_cast<uint32_t>('N'));
}

TEST(CommandTableTest, MatchesTheFirstEnabledCommandWithExactlyTheseKeys) {
    CommandTable table = FakeTable();
    EXPECT_EQ(MatchHotkey(table, Ctrl('N'))->command, static_cast<uint32_t>(IDM_NEW));
    KeyCombination shifted = Ctrl('N');
    shifted.shift = true;
    EXPECT_EQ(MatchHotkey(table, shifted), nullptr);
    KeyCombination extended = Ctrl('N');
    extended.extended = true;
    EXPECT_EQ(MatchHotkey(table, extended), nullptr);
    EXPECT_EQ(MatchHotkey(table, KeyCombination{'N'}), nullptr);
    // No key never matches the commands that have no hotkey.
    EXPECT_EQ(MatchHotkey(table, KeyCombination{}), nullptr);

    // A disabled command does not react; a later command with the same keys does.
    FindCommand(table, IDM_SAVE)->disabled = 1;
    EXPECT_EQ(MatchHotkey(table, Ctrl('S')), nullptr);
    table.records.back().key = 'S';
    table.records.back().ctrl = 1;
    EXPECT_EQ(MatchHotkey(table, Ctrl('S'))->command, static_cast<uint32_t>(IDM_STRIP_PAINT_PROGRAM));
}

TEST(CommandTableTest, AssigningTakesTheCombinationFromEveryOtherCommand) {
    CommandTable table = FakeTable();
    const size_t open = 1, folder = 7;
    table.records[folder].key = 'N';  // a second holder of Ctrl+N, as a hand-edited file could make
    table.records[folder].ctrl = 1;
    EXPECT_EQ(FindHotkeyOwner(table, Ctrl('N'), open), 0);
    EXPECT_EQ(FindHotkeyOwner(table, Ctrl('N'), 0), static_cast<int>(folder));
    EXPECT_EQ(FindHotkeyOwner(table, KeyCombination{}, open), -1);

    AssignHotkey(table, open, Ctrl('N'));
    EXPECT_TRUE(HasCombination(table.records[open], Ctrl('N')));
    EXPECT_EQ(table.records[0].key, 0u);
    EXPECT_EQ(table.records[folder].key, 0u);
    EXPECT_EQ(table.records[folder].ctrl, 0);
    EXPECT_EQ(MatchHotkey(table, Ctrl('N'))->command, static_cast<uint32_t>(IDM_OPEN));
    EXPECT_EQ(FindHotkeyOwner(table, Ctrl('N'), open), -1);
    // The combination Open had before is free now; an empty key clears only the command itself.
    EXPECT_EQ(MatchHotkey(table, Ctrl('O')), nullptr);
    AssignHotkey(table, 2, KeyCombination{});
    EXPECT_EQ(table.records[2].key, 0u);
    EXPECT_TRUE(HasCombination(table.records[open], Ctrl('N')));
    AssignHotkey(table, table.records.size(), Ctrl('Q'));  // out of range: nothing happens
}

TEST(CommandTableTest, DefaultToolbarAndButtonTexts) {
    const ToolbarLayout layout = DefaultLayout();
    ASSERT_EQ(layout.buttons.size(), 5u);
    const int32_t commands[] = {IDM_NEW, IDM_OPEN, IDM_SAVE, IDM_QUICK_EDIT, IDM_ABOUT};
    const int32_t images[] = {0, 1, 2, 9, 3};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(layout.buttons[i].command, commands[i]);
        EXPECT_EQ(layout.buttons[i].image, images[i]);
        EXPECT_EQ(layout.buttons[i].sequence, static_cast<int32_t>(i));
    }
    EXPECT_STREQ(layout.buttons[3].text, "<GUI:QUICK>");

    ToolbarButton button;
    SetButtonText(button, std::string(100, 'x'));
    EXPECT_EQ(std::strlen(button.text), kMaxButtonText);
    // A text of two-byte letters is cut before the letter that does not fit whole.
    std::string cyrillic;
    for (int i = 0; i < 40; ++i) cyrillic += "\xD0\x96";
    SetButtonText(button, cyrillic);
    EXPECT_EQ(std::string(button.text), cyrillic.substr(0, 62));
    SetButtonText(button, "ab");
    EXPECT_STREQ(button.text, "ab");
    EXPECT_EQ(button.text[3], 0);
}

// A file written for the fake table with changed hotkeys and a custom toolbar.
std::vector<uint8_t> CustomFile() {
    CommandTable table = FakeTable();
    AssignHotkey(table, 7, KeyCombination{0x2E, true, true, false, true});
    ToolbarLayout layout;
    AddToolbarButton(layout, IDM_OPEN_FOLDER, 4, "Folder");
    AddToolbarButton(layout, kNoAction, kNoImage, "");
    return EncodeEnvironment(table, layout);
}

void ExpectDefaults(const CommandTable& table, const ToolbarLayout& layout) {
    const CommandTable fresh = FakeTable();
    ASSERT_EQ(table.records.size(), fresh.records.size());
    for (size_t i = 0; i < fresh.records.size(); ++i) {
        EXPECT_TRUE(HasCombination(table.records[i], CombinationOf(fresh.records[i]))) << i;
    }
    EXPECT_EQ(EncodeEnvironment(table, layout), EncodeEnvironment(fresh, DefaultLayout()));
}

TEST(EnvironmentTest, RoundTripsHotkeysAndToolbar) {
    const std::vector<uint8_t> bytes = CustomFile();
    ASSERT_EQ(bytes.size(), 12 + 12 * FakeTable().records.size() + 8 + 76 * 2);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 4),
              (std::vector<uint8_t>{0x31, 0x56, 0x4E, 0x45}));

    CommandTable table = FakeTable();
    ToolbarLayout layout = DefaultLayout();
    ASSERT_TRUE(DecodeEnvironment(bytes, table, layout));
    EXPECT_TRUE(HasCombination(table.records[7], KeyCombination{0x2E, true, true, false, true}));
    EXPECT_TRUE(HasCombination(table.records[0], Ctrl('N')));
    ASSERT_EQ(layout.buttons.size(), 2u);
    EXPECT_EQ(layout.buttons[0].command, IDM_OPEN_FOLDER);
    EXPECT_EQ(layout.buttons[0].image, 4);
    EXPECT_STREQ(layout.buttons[0].text, "Folder");
    EXPECT_EQ(layout.buttons[1].command, kNoAction);
    EXPECT_EQ(layout.buttons[1].image, kNoImage);
    EXPECT_EQ(EncodeEnvironment(table, layout), bytes);

    // Through a file, and a missing file leaves everything as it was.
    test::ScratchFolder folder;
    std::string error;
    ASSERT_TRUE(SaveEnvironmentFile(folder.File("Environment.dat"), table, layout, error)) << error;
    EXPECT_EQ(test::ReadFile(folder.File("Environment.dat")), bytes);
    CommandTable loaded = FakeTable();
    ToolbarLayout loadedLayout = DefaultLayout();
    EXPECT_EQ(LoadEnvironmentFile(folder.File("Environment.dat"), loaded, loadedLayout),
              EnvironmentLoad::kLoaded);
    EXPECT_EQ(EncodeEnvironment(loaded, loadedLayout), bytes);
    EXPECT_EQ(LoadEnvironmentFile(folder.File("missing.dat"), loaded, loadedLayout),
              EnvironmentLoad::kMissing);
    EXPECT_EQ(EncodeEnvironment(loaded, loadedLayout), bytes);
}

TEST(EnvironmentTest, RecordsOfUnknownCommandsAreSkippedAndTextsCut) {
    CommandTable big = FakeTable();
    CommandRecord extra;
    extra.sequence = 500;
    extra.key = 'K';
    big.records.push_back(extra);
    ToolbarLayout layout;
    AddToolbarButton(layout, IDM_NEW, 0, "x");
    std::vector<uint8_t> bytes = EncodeEnvironment(big, layout);
    // A text without its terminating zero is cut to 63 characters.
    const size_t text = bytes.size() - 64;
    std::memset(bytes.data() + text, 'y', 64);

    CommandTable table = FakeTable();
    ToolbarLayout read;
    ASSERT_TRUE(DecodeEnvironment(bytes, table, read));
    EXPECT_EQ(table.records.size(), FakeTable().records.size());
    EXPECT_EQ(MatchHotkey(table, KeyCombination{'K'}), nullptr);
    EXPECT_EQ(std::string(read.buttons[0].text), std::string(63, 'y'));

    // A text an earlier version stored in the ANSI code page reads as that: "Öffnen".
    std::memset(bytes.data() + text, 0, 64);
    std::memcpy(bytes.data() + text, "\xD6" "ffnen", 6);
    ASSERT_TRUE(DecodeEnvironment(bytes, table, read));
    EXPECT_EQ(std::string(read.buttons[0].text), "\xC3\x96" "ffnen");
}

TEST(EnvironmentTest, EveryDamageKeepsTheDefaults) {
    const std::vector<uint8_t> good = CustomFile();
    const size_t k = FakeTable().records.size();
    auto with32 = [&](size_t offset, uint32_t value) {
        std::vector<uint8_t> bytes = good;
        for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
        return bytes;
    };
    const std::vector<std::pair<const char*, std::vector<uint8_t>>> damaged = {
        {"empty", {}},
        {"first magic wrong", with32(0, 0x454E5632)},
        {"K too big for the file", with32(4, static_cast<uint32_t>(k + 100))},
        {"K over 1024", with32(4, 0x7FFFFFFF)},
        {"K wraps when multiplied", with32(4, 0x40000000)},
        {"second magic wrong", with32(12 + 12 * k, 0x544C4232)},
        {"T differs", with32(16 + 12 * k, 3)},
        {"first T differs", with32(8, 2000)},
        {"cut in a hotkey", std::vector<uint8_t>(good.begin(), good.begin() + 12 + 12 * 3 + 5)},
        {"cut before T again", std::vector<uint8_t>(good.begin(), good.begin() + 12 + 12 * k + 6)},
        {"cut in a button", std::vector<uint8_t>(good.begin(), good.end() - 1)},
        {"header only", std::vector<uint8_t>(good.begin(), good.begin() + 10)},
    };
    std::vector<uint8_t> bothTooBig = with32(8, 2000);
    for (int i = 0; i < 4; ++i) bothTooBig[16 + 12 * k + i] = static_cast<uint8_t>(2000 >> (8 * i));
    for (const auto& [what, bytes] : damaged) {
        CommandTable table = FakeTable();
        ToolbarLayout layout = DefaultLayout();
        EXPECT_FALSE(DecodeEnvironment(bytes, table, layout)) << what;
        ExpectDefaults(table, layout);
    }
    CommandTable table = FakeTable();
    ToolbarLayout layout = DefaultLayout();
    EXPECT_FALSE(DecodeEnvironment(bothTooBig, table, layout));
    ExpectDefaults(table, layout);

    test::ScratchFolder folder;
    test::WriteFile(folder.File("Environment.dat"), with32(12 + 12 * k, 0));
    EXPECT_EQ(LoadEnvironmentFile(folder.File("Environment.dat"), table, layout), EnvironmentLoad::kDamaged);
    ExpectDefaults(table, layout);
}

}  // namespace
