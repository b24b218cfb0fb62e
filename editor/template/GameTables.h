// The constant tables of the two game families, the six theaters and the terrain types.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zelt {

enum GameKind : int { kNoGame = 0, kRa2Yr = 1, kTsFs = 2 };

struct CellSize {
    int w = 0;
    int h = 0;
};

// 1 for (60, 30), 2 for (48, 24), 0 for anything else.
GameKind FamilyOfCellSize(int cellW, int cellH);
CellSize CellSizeOf(GameKind kind);
// "RA2_YR\\" or "TS_FS\\"; empty for no family.
const char* PaletteSubfolder(GameKind kind);
// String-table key of the family's short name.
const char* ShortNameKey(GameKind kind);
// Position of the family in the New template dialog's game list, and back.
int GameListPosition(GameKind kind);
GameKind GameOfListPosition(int position);

struct TheaterInfo {
    const char* name;         // shown as is, never translated
    const char* extension;    // without the dot
    const char* paletteFile;  // default palette in the family's sub-folder
    bool offeredForTsFs;
};
inline constexpr int kTheaterCount = 6;
extern const std::array<TheaterInfo, kTheaterCount> kTheaters;

// Extension order of the file-type registration (Lunar before Desert).
extern const std::array<const char*, 6> kRegisteredExtensions;
// Pattern order of the viewer's folder scan.
extern const std::array<const char*, 6> kViewerScanPatterns;

// Full path of the default palette of a template: programFolder + "Palettes\\" + sub-folder + file,
// where the file is chosen by the text after the last "." of templatePath. A path without any "."
// gives the sub-folder path alone. No family gives an empty string.
std::string DefaultPaletteFileName(std::string_view programFolder, GameKind kind, std::string_view templatePath);
// The same folder with the theater's file for indexes 0 to 5, "IsoTem.Pal" otherwise.
std::string DefaultPaletteFileNameForTheater(std::string_view programFolder, GameKind kind, int theater);

inline constexpr int kTerrainNameCount = 12;
extern const std::array<const char*, kTerrainNameCount> kTerrainNames;
// Name index of a stored terrain code 0..15; none for other codes.
std::optional<int> TerrainNameOfCode(int code);
// Code written when the user picks a name; none for Wall, Tiberium, Weeds and indexes out of range.
std::optional<int> TerrainCodeOfName(int nameIndex);

inline constexpr int kMaxRampType = 20;

// Registry keys (under HKEY_LOCAL_MACHINE) whose "InstallPath" names the game's program file.
const char* GameInstallKey(GameKind kind);

}  // namespace zelt
