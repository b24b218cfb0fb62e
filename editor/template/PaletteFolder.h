// The palette folder ("Palettes" beside the program) as the palette selection dialog shows it: the
// eight built-in palettes and the user's own sub-folders, as a list or as a tree.
#pragma once
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace zelt {

// A directory entry of the palette folder that is a folder, with the names of its "*.PAL" files,
// both in the order the file system lists them. "." and ".." are folders too.
struct PaletteFolderEntry {
    std::string name;
    std::vector<std::string> files;
};

// Every sub-folder of palettesFolder (which ends with a backslash), and the palette files in each
// that are not folders themselves.
std::vector<PaletteFolderEntry> ScanPaletteFolder(const std::string& palettesFolder);

struct BuiltInPalette {
    const char* text;          // as the list shows it
    const char* relativePath;  // below the palette folder
};
std::span<const BuiltInPalette> BuiltInPalettes();

struct PaletteChoice {
    std::string text;
    std::string path;  // empty for a folder node of the tree
};

struct PaletteList {
    std::vector<PaletteChoice> entries;  // top first: the last entry inserted comes first
    bool anyBuiltIn = false;             // the user's folders alone do not count
};

// The list form: the built-ins that exist, then every palette of the sub-folders other than "TS_FS"
// and "RA2_YR" as "%-10s%-10s" of folder and file name; each inserted at the top.
PaletteList ListPaletteChoices(const std::string& programFolder,
                               const std::vector<PaletteFolderEntry>& subfolders,
                               const std::function<bool(const std::string&)>& fileExists);

struct PaletteTreeFolder {
    std::string name;
    std::vector<PaletteChoice> palettes;  // file names in capitals, paths built from them
};

// The tree form: one node per sub-folder that holds palette files (the family folders, "." and ".."
// included), its files as children.
std::vector<PaletteTreeFolder> TreePaletteChoices(const std::string& programFolder,
                                                  const std::vector<PaletteFolderEntry>& subfolders);

}  // namespace zelt
