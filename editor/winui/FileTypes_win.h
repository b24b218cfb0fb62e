// Writing the template file type into the registry, shared by the viewer (Open) and the editor (Edit).
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "editor/winui/FileTypes.h"

namespace zelt {

// The user's own classes below HKEY_CURRENT_USER. The classes root shows them over the machine's,
// and a user may write them without administrator rights; the classes are the same for 32-bit and
// 64-bit programs, so no registry view is chosen.
inline constexpr const char* kUserClassesKey = "Software\\Classes";

// Writes each entry's default value as text below root, in order, creating or opening the keys with
// full access. Stops at the first key that cannot be created or written and returns its name;
// nothing when every entry was written. Deletes nothing.
std::optional<std::string> WriteRegistryEntries(HKEY root, const std::vector<RegistryEntry>& entries);

// Registers one action of the file type for the running program under the user's classes and tells
// the shell. A registration that stops says so in a message naming the key. True when complete; an
// extension the user gave to another program in Explorer stays with it, and a message names such
// extensions and says how to change the choice.
bool RegisterFileVerb(FileVerb verb);

// The editor as the Edit action of the template files.
bool RegisterEditVerb();

}  // namespace zelt
