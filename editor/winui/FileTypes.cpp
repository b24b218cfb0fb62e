#include "editor/winui/FileTypes.h"

#include "editor/template/GameTables.h"

namespace zelt {

std::vector<RegistryEntry> FileTypeEntries(const std::string& programPath, FileVerb verb) {
    const bool edit = verb == FileVerb::kEdit;
    const std::string action = std::string(kFileTypeProgId) + (edit ? "\\Shell\\Edit" : "\\Shell\\Open");
    std::vector<RegistryEntry> entries;
    entries.push_back({action, edit ? "Edit" : "Open"});
    // An unquoted C:\Program Files\... could start C:\Program.exe, and a file path with blanks must
    // arrive as one argument.
    entries.push_back(
        {action + "\\command", "\"" + programPath + (edit ? "\" -EDITOR \"%1\"" : "\" -PREVIEW \"%1\"")});
    for (const char* extension : kRegisteredExtensions) entries.push_back({extension, kFileTypeProgId});
    return entries;
}

}  // namespace zelt
