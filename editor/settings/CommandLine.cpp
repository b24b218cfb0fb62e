#include "editor/settings/CommandLine.h"

#include "editor/template/ByteReader.h"
#include "editor/template/PathText.h"

namespace zelt {

std::optional<bool> ViewerModeFromLaunchFile(std::span<const uint8_t> bytes) {
    int32_t value = 0;
    if (!ReadI32(bytes, 0, value)) return std::nullopt;
    if (value == 1) return true;
    if (value == 2) return false;
    return std::nullopt;
}

std::vector<std::string> SplitCommandLine(std::string_view text) {
    std::vector<std::string> tokens;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
            continue;
        }
        if (text[i] == '"') {
            const size_t close = text.find('"', i + 1);
            const size_t end = close == std::string_view::npos ? text.size() : close;
            tokens.emplace_back(text.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        size_t end = i;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
        tokens.emplace_back(text.substr(i, end - i));
        i = end;
    }
    return tokens;
}

RunFlags ParseCommandLine(std::string_view text, std::optional<bool> launchViewerMode,
                          const std::function<bool(const std::string&)>& pathExists) {
    RunFlags flags;
    flags.viewerMode = launchViewerMode.value_or(false);
    for (const std::string& token : SplitCommandLine(text)) {
        if (EqualsNoCase(token, "-HELP")) {
            flags.showHelp = true;
            break;
        }
        if (EqualsNoCase(token, "-NOSTR")) {
            flags.noStrings = true;
        } else if (EqualsNoCase(token, "-NOCSF")) {
            flags.keysAsText = true;
        } else if (EqualsNoCase(token, "-NOTHEME")) {
            flags.noTheme = true;
        } else if (EqualsNoCase(token, "-UNDOCK")) {
            flags.undocked = true;
        } else if (EqualsNoCase(token, "-EDITOR")) {
            flags.viewerMode = false;
        } else if (EqualsNoCase(token, "-PREVIEW")) {
            flags.viewerMode = true;
        } else if (flags.file.empty() && !token.empty() && pathExists(token)) {
            flags.file = token;
        }
    }
    return flags;
}

bool IsProgramFileName(std::string_view fileName) {
    return EqualsNoCase(fileName, "Zelt_Builder.exe") || EqualsNoCase(fileName, "Zelt_Viewer.exe");
}

}  // namespace zelt
