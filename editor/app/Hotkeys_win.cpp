#include "editor/app/Hotkeys_win.h"

#include <vector>

#include "common/WinHandles.h"
#include "editor/app/CommandTable.h"
#include "editor/app/Environment.h"
#include "editor/strings/StringTable.h"
#include "editor/winui/Message_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/CommandIds.h"

namespace zelt {

namespace {

std::string LookupText(const char* key) {
    return Lookup(key);
}

std::vector<MenuItem> ReadMenu(HMENU menu) {
    std::vector<MenuItem> items;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text - 1;
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        MenuItem item;
        item.separator = (info.fType & MFT_SEPARATOR) != 0;
        item.id = info.wID;
        item.text = text;
        if (info.hSubMenu) {
            item.submenu = true;
            item.items = ReadMenu(info.hSubMenu);
        }
        items.push_back(std::move(item));
    }
    return items;
}

// The keyboard layout's name of a key, as the platform reports it for the key's scan code.
std::string KeyName(UINT key, bool extended) {
    const UINT scan = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    LONG data = static_cast<LONG>(scan << 16);
    if (extended) data |= 1 << 24;
    char name[64] = {};
    GetKeyNameTextA(data, name, sizeof name);
    return name;
}

bool Pressed(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

void BuildCommandTable() {
    UniqueMenu menu(LoadMenuA(Shell().instance, MAKEINTRESOURCEA(IDR_MAIN_MENU)));
    std::vector<MenuItem> items;
    if (menu) items = ReadMenu(menu.Get());
    BuildCommandTableFromMenu(g_commands, items, LookupText);
}

void SetDefaultToolbar() {
    SetDefaultToolbar(g_toolbarLayout, LookupText);
}

void LoadEnvironment(const std::string& path) {
    if (LoadEnvironmentFile(path, g_commands, g_toolbarLayout) == EnvironmentLoad::kDamaged)
        ShowMessageKey(MB_ICONERROR, "ERROR:HOTKEYLOAD1");
}

void SaveEnvironment(const std::string& path, bool tellFailure) {
    std::string error;
    if (SaveEnvironmentFile(path, g_commands, g_toolbarLayout, error) || !tellFailure) return;
    // At exit the main window is gone: a destroyed owner would leave the box without a parent anyway.
    if (MessageOwner() && !IsWindow(MessageOwner())) SetMessageOwner(nullptr);
    ShowMessageKey(MB_ICONERROR, "ERROR:HOTKEYSAVE1");
}

bool DispatchHotkey(const MSG& message) {
    if (message.message != WM_KEYDOWN || !Shell().main) return false;
    KeyCombination pressed;
    pressed.key = static_cast<uint32_t>(message.wParam);
    pressed.extended = (message.lParam & (1 << 24)) != 0;
    pressed.shift = Pressed(VK_SHIFT);
    pressed.alt = Pressed(VK_MENU);
    pressed.ctrl = Pressed(VK_CONTROL);
    const CommandRecord* record = MatchHotkey(g_commands, pressed);
    if (!record) return false;
    SendMessageA(Shell().main, WM_COMMAND, MAKEWPARAM(record->command, 0), 0);
    return true;
}

std::string HotkeyText(UINT command) {
    const CommandRecord* record = FindCommand(g_commands, command);
    if (!record || record->key == 0) return {};
    std::string text;
    if (record->ctrl) text += KeyName(VK_CONTROL, false) + "+";
    if (record->shift) text += KeyName(VK_SHIFT, false) + "+";
    if (record->alt) text += KeyName(VK_MENU, false) + "+";
    return text + KeyName(record->key, record->extended != 0);
}

const char* CommandHint(UINT command) {
    const CommandRecord* record = FindCommand(g_commands, command);
    return record ? record->hint.c_str() : nullptr;
}

void FreeCommandTable() {
    g_commands.records.clear();
}

}  // namespace zelt
