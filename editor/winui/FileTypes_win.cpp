#include "editor/winui/FileTypes_win.h"

#include <shlobj.h>

#include "common/WinHandles.h"
#include "editor/settings/ProgramFolder.h"
#include "editor/strings/StringTable.h"
#include "editor/template/GameTables.h"
#include "editor/template/PathText.h"
#include "editor/winui/Message_win.h"

namespace zelt {

namespace {

bool WriteDefaultValue(HKEY root, const RegistryEntry& entry) {
    HKEY raw = nullptr;
    if (RegCreateKeyExA(root, entry.key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        &raw, nullptr) != ERROR_SUCCESS)
        return false;
    UniqueKey key(raw);
    return RegSetValueExA(raw, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(entry.value.c_str()),
                          static_cast<DWORD>(entry.value.size() + 1)) == ERROR_SUCCESS;
}

// Explorer keeps the program a user picked for an extension ("Open with", "Always use this app") in
// UserChoice, guarded so that no program can write it; while it names another type, ours is not the
// one that opens or edits the files.
constexpr const char* kFileExtsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

std::string UserChoiceOf(const char* extension) {
    const std::string key = std::string(kFileExtsKey) + extension + "\\UserChoice";
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) return {};
    UniqueKey owned(raw);
    char value[256] = {};
    DWORD type = 0, size = sizeof value - 1;
    if (RegQueryValueExA(raw, "ProgId", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    return value;
}

// The registered extensions whose user's choice is another program, as ".TEM, .SNO".
std::string ExtensionsChosenElsewhere() {
    std::string list;
    for (const char* extension : kRegisteredExtensions) {
        const std::string choice = UserChoiceOf(extension);
        if (choice.empty() || EqualsNoCase(choice, kFileTypeProgId)) continue;
        if (!list.empty()) list += ", ";
        list += extension;
    }
    return list;
}

}  // namespace

std::optional<std::string> WriteRegistryEntries(HKEY root, const std::vector<RegistryEntry>& entries) {
    for (const RegistryEntry& entry : entries) {
        if (!WriteDefaultValue(root, entry)) return entry.key;
    }
    return std::nullopt;
}

bool RegisterFileVerb(FileVerb verb) {
    const std::string classes = std::string("HKEY_CURRENT_USER\\") + kUserClassesKey;
    std::optional<std::string> failed = classes;
    HKEY raw = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kUserClassesKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &raw, nullptr) == ERROR_SUCCESS) {
        UniqueKey owned(raw);
        failed = WriteRegistryEntries(raw, FileTypeEntries(ProgramPath(), verb));
        if (failed) failed = classes + "\\" + *failed;
    }
    // Explorer keeps the old association until told, even after a partial change.
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    if (!failed) {
        const std::string chosenElsewhere = ExtensionsChosenElsewhere();
        if (!chosenElsewhere.empty()) {
            const std::string text = std::string(Lookup("MSG:USERCHOICE")) + "\n" + chosenElsewhere;
            ShowMessage(MB_ICONINFORMATION, text.c_str());
        }
        return true;
    }
    const std::string text = std::string(Lookup("ERROR:REGISTERKEY")) + "\n" + *failed;
    ShowMessage(MB_ICONERROR, text.c_str());
    return false;
}

bool RegisterEditVerb() {
    return RegisterFileVerb(FileVerb::kEdit);
}

}  // namespace zelt
