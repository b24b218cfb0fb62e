// The program's command line and "launch.dat": which mode to run in, the run flags and the file.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelt {

struct RunFlags {
    bool viewerMode = false;  // the editor runs when this is false
    bool keysAsText = false;  // -NOCSF
    bool noStrings = false;   // -NOSTR
    bool noTheme = false;     // -NOTHEME
    bool undocked = false;    // -UNDOCK
    bool showHelp = false;    // -HELP: show the hint with the flags set so far, then end
    std::string file;         // the first argument naming an existing file or folder
};

// The mode "launch.dat" asks for: 1 viewer, 2 editor; none for anything else or a short file.
std::optional<bool> ViewerModeFromLaunchFile(std::span<const uint8_t> bytes);

// Splits at blanks (runs of blanks are one separator). A token that starts with a double quote runs
// to the closing quote, blanks included, and loses its quotes, so "C:\My Maps\a.tem" is one path.
std::vector<std::string> SplitCommandLine(std::string_view text);

// Applies the tokens in order over the mode from "launch.dat". Tokens after -HELP are not examined.
RunFlags ParseCommandLine(std::string_view text, std::optional<bool> launchViewerMode,
                          const std::function<bool(const std::string&)>& pathExists);

// The program runs only under its own file names: "Zelt_Builder.exe" or "Zelt_Viewer.exe", any case.
bool IsProgramFileName(std::string_view fileName);

}  // namespace zelt
