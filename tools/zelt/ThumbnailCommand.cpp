// zelt thumbnail: the picture file managers show for a template, the same as Explorer's thumbnail
// provider draws: the viewer's composition with transparency, scaled down to the size asked.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "editor/settings/ProgramFolder.h"
#include "editor/template/FileBytes.h"
#include "iconhandler/IconThumbnail.h"
#include "tools/zelt/Commands.h"
#include "tools/zelt/ThumbnailPng.h"

namespace zelt::cli {

namespace {

constexpr long kMaxSize = 16384;

bool ParseSize(const std::string& text, int& size) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 1 || value > kMaxSize) return false;
    size = static_cast<int>(value);
    return true;
}

// As the icon handler reads a file: a larger one is refused before it is read.
bool ReadBounded(const std::string& path, std::vector<uint8_t>& bytes) {
    std::error_code error;
    const auto size = std::filesystem::file_size(FileSystemPath(path), error);
    if (error || size > static_cast<uintmax_t>(icon::kMaxTemplateFileBytes)) return false;
    std::optional<std::vector<uint8_t>> read = ReadWholeFile(path);
    if (!read) return false;
    bytes = std::move(*read);
    return true;
}

// The family's palette in the Palettes folder beside the program, its name matched without
// regard to case as Windows matches it (the files are named "IsoTem.Pal").
std::string InstalledPalette(const std::string& relative) {
    const size_t slash = relative.find('\\');
    const std::string folder = ProgramFolder() + "Palettes\\" + relative.substr(0, slash + 1);
    const std::string wanted = relative.substr(slash + 1);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(FileSystemPath(folder), error)) {
        const std::string name = TextOfFileSystemPath(entry.path().filename());
        if (name.size() == wanted.size() &&
            std::equal(name.begin(), name.end(), wanted.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            })) {
            return folder + name;
        }
    }
    return folder + wanted;
}

}  // namespace

int ThumbnailCommand(const Args& args) {
    ParsedArgs parsed = ParseArgs(args, {"--size", "--palette"}, {});
    if (!parsed.error.empty()) return UsageError(parsed.error);
    if (parsed.positional.size() != 2) return UsageError("thumbnail takes an input template and an output PNG");
    const std::string& in = parsed.positional[0];
    const std::string& out = parsed.positional[1];
    const std::string* sizeText = parsed.Option("--size");
    int size = 0;
    if (sizeText == nullptr || !ParseSize(*sizeText, size)) return UsageError("--size wants a side from 1 to 16384");

    std::vector<uint8_t> bytes;
    if (!ReadBounded(in, bytes)) return FileError(in, "cannot be read, or is larger than 64 MiB");
    icon::IconTemplate tmpl;
    if (!icon::ReadIconTemplate(bytes, tmpl)) return FileError(in, "not a template, or damaged");

    // The palette named, or the one the icon handler would take from the Palettes folder beside us.
    std::string palettePath;
    if (const std::string* p = parsed.Option("--palette")) {
        palettePath = *p;
    } else {
        const std::string relative = icon::IconPaletteFile(tmpl.family, in);
        if (relative.empty()) return FileError(in, "has no palette of its own: name one with --palette");
        palettePath = InstalledPalette(relative);
    }
    std::optional<std::vector<uint8_t>> paletteBytes = ReadWholeFile(palettePath);
    icon::IconPalette palette;
    if (!paletteBytes || !icon::DecodeIconPalette(*paletteBytes, palette))
        return FileError(palettePath, "cannot be loaded as a palette (768 bytes)");

    icon::ComposedTemplate composed;
    if (!icon::ComposeTemplate(tmpl, composed)) return FileError(in, "has no tiles to draw, or is too large to draw");
    icon::ArgbPicture picture;
    icon::ColourComposition(composed, palette, icon::FitWithin(composed.width, composed.height, size, size), picture);

    std::vector<uint8_t> png;
    std::string error;
    if (!EncodeArgbPng(picture, png, error) || !WriteFileAtomic(out, png, error)) return FileError(out, error);
    return 0;
}

}  // namespace zelt::cli
