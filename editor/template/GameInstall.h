// Which registry view holds a game's install path: the games' setup programs are 32-bit, so on a
// 64-bit system their keys live in the 32-bit view; a 64-bit setup would use the 64-bit one.
#pragma once
#include <functional>
#include <optional>
#include <string>

namespace zelt {

enum class RegistryView { k32Bit, k64Bit };

// The game's "InstallPath" as read (and expanded) from one view; none when missing or not a string.
using InstallPathReader = std::function<std::optional<std::string>(RegistryView)>;

// The folder (with its trailing backslash) of the first install path found, the 32-bit view first;
// none when neither view holds a path with a folder.
std::optional<std::string> FindInstallFolder(const InstallPathReader& read);

}  // namespace zelt
