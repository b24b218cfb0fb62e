// The open and save dialogs for template files, with their remembered folders and filters.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace zelt {

// The explorer-style open dialog with the template preview pane; the chosen path, none on Cancel.
std::optional<std::string> ChooseOpenFile(HWND owner);
// The save dialog with the same filters; the chosen path, none on Cancel.
std::optional<std::string> ChooseSaveFile(HWND owner);

}  // namespace zelt
