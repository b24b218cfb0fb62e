#include "editor/template/PaletteFolder.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

#include "editor/template/PathText.h"

namespace zelt {

namespace {

constexpr std::array<BuiltInPalette, 8> kBuiltIns = {{
    {"TS/FS  IsoTem.Pal", "TS_FS\\IsoTem.Pal"},
    {"TS/FS  IsoSno.Pal", "TS_FS\\IsoSno.Pal"},
    {"RA2/YR IsoTem.Pal", "RA2_YR\\IsoTem.Pal"},
    {"RA2/YR IsoSno.Pal", "RA2_YR\\IsoSno.Pal"},
    {"RA2/YR IsoUrb.Pal", "RA2_YR\\IsoUrb.Pal"},
    {"YR     IsoDes.Pal", "RA2_YR\\IsoDes.Pal"},
    {"YR     IsoLun.Pal", "RA2_YR\\IsoLun.Pal"},
    {"YR     IsoUbn.Pal", "RA2_YR\\IsoUbn.Pal"},
}};

std::string SubfolderPath(const std::string& programFolder, const std::string& name) {
    return programFolder + "Palettes\\" + name;
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}  // namespace

std::span<const BuiltInPalette> BuiltInPalettes() {
    return kBuiltIns;
}

PaletteList ListPaletteChoices(const std::string& programFolder,
                               const std::vector<PaletteFolderEntry>& subfolders,
                               const std::function<bool(const std::string&)>& fileExists) {
    PaletteList list;
    auto insertAtTop = [&list](std::string text, std::string path) {
        list.entries.insert(list.entries.begin(), PaletteChoice{std::move(text), std::move(path)});
    };
    for (const BuiltInPalette& builtIn : kBuiltIns) {
        const std::string path = programFolder + "Palettes\\" + builtIn.relativePath;
        if (!fileExists(path)) continue;
        insertAtTop(builtIn.text, path);
        list.anyBuiltIn = true;
    }
    for (const PaletteFolderEntry& folder : subfolders) {
        if (EqualsNoCase(folder.name, "RA2_YR") || EqualsNoCase(folder.name, "TS_FS")) continue;
        for (const std::string& file : folder.files) {
            char text[300];
            std::snprintf(text, sizeof text, "%-10s%-10s", folder.name.c_str(), file.c_str());
            insertAtTop(text, SubfolderPath(programFolder, folder.name) + "\\" + file);
        }
    }
    return list;
}

std::vector<PaletteTreeFolder> TreePaletteChoices(const std::string& programFolder,
                                                  const std::vector<PaletteFolderEntry>& subfolders) {
    std::vector<PaletteTreeFolder> tree;
    for (const PaletteFolderEntry& folder : subfolders) {
        if (folder.files.empty()) continue;
        PaletteTreeFolder node{folder.name, {}};
        for (const std::string& file : folder.files) {
            const std::string name = Upper(file);
            node.palettes.push_back({name, SubfolderPath(programFolder, folder.name) + "\\" + name});
        }
        tree.push_back(std::move(node));
    }
    return tree;
}

}  // namespace zelt
