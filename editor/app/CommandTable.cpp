#include "editor/app/CommandTable.h"

#include <algorithm>
#include <cstring>

#include "editor/template/Utf8Text.h"
#include "resources/CommandIds.h"

namespace zelt {

CommandTable g_commands;
ToolbarLayout g_toolbarLayout;

namespace {

constexpr uint32_t kKeyF9 = 0x78;  // the virtual-key code of F9; letters are their capitals

struct DefaultHotkey {
    uint32_t command;
    uint32_t key;
    bool ctrl;
};

const DefaultHotkey kDefaultHotkeys[] = {
    {IDM_NEW, 'N', true},      {IDM_SAVE, 'S', true},        {IDM_QUICK_EDIT, 'Q', true},
    {IDM_OPEN, 'O', true},     {IDM_UNDO, 'Z', true},        {IDM_REDO, 'Y', true},
    {IDM_ADD_TILE, 'A', true}, {IDM_DELETE_TILE, 'D', true}, {IDM_FULL_SCREEN, kKeyF9, false},
    {IDM_ABOUT, 'H', true},
};

struct HotButtonCommand {
    uint32_t command;
    const char* key;
};

const HotButtonCommand kHotButtonCommands[] = {
    {IDM_HOT_UP, "TXT_QM_TOP"},
    {IDM_HOT_DOWN, "TXT_QM_BOTTOM"},
    {IDM_HOT_RIGHT, "TXT_QM_RIGHT"},
    {IDM_HOT_LEFT, "TXT_QM_LEFT"},
    {IDM_HOT_SWITCH, "TXT_QM_SWITCH"},
    {IDM_HOT_HEIGHT_UP, "TXT_QM_HTOP"},
    {IDM_HOT_HEIGHT_DOWN, "TXT_QM_HBOTTOM"},
};

// Commands of the tile strip's context menu that can take a hotkey. They come after every other
// command, so the sequence numbers Environment.dat names commands by stay what they were.
const HotButtonCommand kStripCommands[] = {
    {IDM_STRIP_PAINT_PROGRAM, "GUI:STPPAINTPROGRAM"},
};

std::string HintOf(const std::string& key, const TextLookup& lookup) {
    return lookup((key + "HINT").c_str());
}

void AddCommand(CommandTable& table, uint32_t command, std::string name, std::string hint) {
    CommandRecord record;
    record.sequence = static_cast<uint32_t>(table.records.size());
    record.command = command;
    record.name = std::move(name);
    record.hint = std::move(hint);
    table.records.push_back(std::move(record));
}

void AddMenuCommands(CommandTable& table, const std::vector<MenuItem>& items, const std::string& prefix,
                     const TextLookup& lookup) {
    for (const MenuItem& item : items) {
        if (item.submenu) {
            const std::string below = item.text.empty() ? prefix : prefix + lookup(item.text.c_str()) + "-";
            AddMenuCommands(table, item.items, below, lookup);
        } else if (!item.separator && item.id != kNoCommandId) {
            AddCommand(table, item.id, prefix + lookup(item.text.c_str()), HintOf(item.text, lookup));
        }
    }
}

void SetCombination(CommandRecord& record, const KeyCombination& keys) {
    record.key = keys.key;
    record.shift = keys.shift;
    record.alt = keys.alt;
    record.ctrl = keys.ctrl;
    record.extended = keys.extended;
}

}  // namespace

void BuildCommandTableFromMenu(CommandTable& table, const std::vector<MenuItem>& menu,
                               const TextLookup& lookup) {
    table.records.clear();
    AddMenuCommands(table, menu, "", lookup);
    for (const DefaultHotkey& hotkey : kDefaultHotkeys) {
        if (CommandRecord* record = FindCommand(table, hotkey.command)) {
            record->key = hotkey.key;
            record->ctrl = hotkey.ctrl;
            record->shift = 0;
        }
    }
    for (const HotButtonCommand& hot : kHotButtonCommands)
        AddCommand(table, hot.command, lookup(hot.key), HintOf(hot.key, lookup));
    for (const HotButtonCommand& strip : kStripCommands)
        AddCommand(table, strip.command, lookup(strip.key), HintOf(strip.key, lookup));
}

CommandRecord* FindCommand(CommandTable& table, uint32_t command) {
    for (CommandRecord& record : table.records)
        if (record.command == command) return &record;
    return nullptr;
}

const CommandRecord* FindCommand(const CommandTable& table, uint32_t command) {
    return FindCommand(const_cast<CommandTable&>(table), command);
}

KeyCombination CombinationOf(const CommandRecord& record) {
    return {record.key, record.shift != 0, record.alt != 0, record.ctrl != 0, record.extended != 0};
}

bool HasCombination(const CommandRecord& record, const KeyCombination& keys) {
    return record.key == keys.key && (record.shift != 0) == keys.shift && (record.alt != 0) == keys.alt &&
           (record.ctrl != 0) == keys.ctrl && (record.extended != 0) == keys.extended;
}

const CommandRecord* MatchHotkey(const CommandTable& table, const KeyCombination& pressed) {
    if (pressed.key == 0) return nullptr;
    for (const CommandRecord& record : table.records)
        if (!record.disabled && HasCombination(record, pressed)) return &record;
    return nullptr;
}

int FindHotkeyOwner(const CommandTable& table, const KeyCombination& keys, size_t except) {
    if (keys.key == 0) return -1;
    for (size_t i = 0; i < table.records.size(); ++i)
        if (i != except && HasCombination(table.records[i], keys)) return static_cast<int>(i);
    return -1;
}

void AssignHotkey(CommandTable& table, size_t index, const KeyCombination& keys) {
    if (index >= table.records.size()) return;
    if (keys.key == 0) {
        SetCombination(table.records[index], {});
        return;
    }
    for (size_t i = 0; i < table.records.size(); ++i)
        if (i != index && HasCombination(table.records[i], keys)) SetCombination(table.records[i], {});
    SetCombination(table.records[index], keys);
}

void SetButtonText(ToolbarButton& button, const std::string& text) {
    const size_t length = Utf8Prefix(text, kMaxButtonText).size();
    std::memset(button.text, 0, sizeof button.text);
    std::memcpy(button.text, text.data(), length);
}

ToolbarButton& AddToolbarButton(ToolbarLayout& layout, int32_t command, int32_t image,
                                const std::string& text) {
    ToolbarButton button;
    button.command = command;
    button.sequence = static_cast<int32_t>(layout.buttons.size());
    button.image = image;
    SetButtonText(button, text);
    layout.buttons.push_back(button);
    return layout.buttons.back();
}

void SetDefaultToolbar(ToolbarLayout& layout, const TextLookup& lookup) {
    layout.buttons.clear();
    AddToolbarButton(layout, IDM_NEW, 0, lookup("GUI:NEW"));
    AddToolbarButton(layout, IDM_OPEN, 1, lookup("GUI:OPEN"));
    AddToolbarButton(layout, IDM_SAVE, 2, lookup("GUI:SAVE"));
    AddToolbarButton(layout, IDM_QUICK_EDIT, 9, lookup("GUI:QUICK"));
    AddToolbarButton(layout, IDM_ABOUT, 3, lookup("GUI:ABOUT"));
}

}  // namespace zelt
