// The editor's commands with their hotkeys and hints, and the user's toolbar layout. The table is
// built from the menu bar plus the hot-button commands; the message loop matches key presses against
// it, and the customisation sheet edits both lists.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zelt {

// Looks up the text of a string-table key.
using TextLookup = std::function<std::string(const char* key)>;

// A key with its modifiers; key 0 is no hotkey.
struct KeyCombination {
    uint32_t key = 0;  // virtual-key code
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
    bool extended = false;  // an extended key of the keyboard (bit 24 of the key message)
};

struct CommandRecord {
    uint32_t sequence = 0;  // position when the table was built; names the command in "Environment.dat"
    uint32_t key = 0;
    uint32_t command = 0;
    uint8_t shift = 0;
    uint8_t alt = 0;
    uint8_t ctrl = 0;
    uint8_t extended = 0;
    uint8_t disabled = 0;  // a disabled command's hotkey does nothing
    std::string name;
    std::string hint;  // a copy: a missing key's lookup text is overwritten by the next missing lookup
};

struct CommandTable {
    std::vector<CommandRecord> records;
};

// One item of a menu as read from the menu resource: a command, a separator or a submenu.
struct MenuItem {
    std::string text;  // a string-table key; empty for separators
    uint32_t id = 0;
    bool separator = false;
    bool submenu = false;
    std::vector<MenuItem> items;  // of a submenu
};

// The identifier of menu items that are no command (the recent-files placeholder).
inline constexpr uint32_t kNoCommandId = 65535;

extern CommandTable g_commands;

// Empties the table and fills it from the menu: every command item depth-first in position order, its
// name prefixed by the texts of the submenus above it ("File-New"), its hint the lookup of its key
// followed by "HINT"; then the default hotkeys and the seven hot-button commands.
void BuildCommandTableFromMenu(CommandTable& table, const std::vector<MenuItem>& menu,
                               const TextLookup& lookup);

// The record of the first command with that identifier, or null.
CommandRecord* FindCommand(CommandTable& table, uint32_t command);
const CommandRecord* FindCommand(const CommandTable& table, uint32_t command);

KeyCombination CombinationOf(const CommandRecord& record);
bool HasCombination(const CommandRecord& record, const KeyCombination& keys);

// The first enabled command in table order whose key and four flags equal the pressed ones, or null.
// A key of 0 matches nothing.
const CommandRecord* MatchHotkey(const CommandTable& table, const KeyCombination& pressed);

// Index of the first command other than `except` that holds exactly that combination, or -1.
int FindHotkeyOwner(const CommandTable& table, const KeyCombination& keys, size_t except);

// Gives the command at `index` the combination and takes it away from every other command, so a
// combination belongs to one command at most. An empty key clears the command's hotkey.
void AssignHotkey(CommandTable& table, size_t index, const KeyCombination& keys);

// A toolbar button exactly as "Environment.dat" stores it.
struct ToolbarButton {
    int32_t command = -1;  // -1: no action
    int32_t sequence = 0;  // the count of buttons when it was made; kept, not used
    int32_t image = -2;    // index into the toolbar images; -2: no image
    char text[64] = {};    // zero-terminated, at most 63 characters
};
static_assert(sizeof(ToolbarButton) == 76, "a toolbar button is stored as 76 bytes");

inline constexpr int32_t kNoAction = -1;
inline constexpr int32_t kNoImage = -2;
inline constexpr size_t kMaxButtonText = 63;

struct ToolbarLayout {
    std::vector<ToolbarButton> buttons;
};

extern ToolbarLayout g_toolbarLayout;

// Sets the button's text, cut to 63 characters.
void SetButtonText(ToolbarButton& button, const std::string& text);
// Appends a button with the next sequence number.
ToolbarButton& AddToolbarButton(ToolbarLayout& layout, int32_t command, int32_t image,
                                const std::string& text);
// Replaces the layout by the five default buttons: new, open, save, quick edit, about.
void SetDefaultToolbar(ToolbarLayout& layout, const TextLookup& lookup);

}  // namespace zelt
