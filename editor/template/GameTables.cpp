#include "editor/template/GameTables.h"

#include "editor/template/PathText.h"

namespace zelt {

const std::array<TheaterInfo, kTheaterCount> kTheaters = {{
    {"Temperate", "tem", "IsoTem.Pal", true},
    {"Snow", "sno", "IsoSno.Pal", true},
    {"Urban", "urb", "IsoUrb.Pal", false},
    {"New Urban", "ubn", "IsoUbn.Pal", false},
    {"Desert", "des", "IsoDes.Pal", false},
    {"Lunar", "lun", "IsoLun.Pal", false},
}};

const std::array<const char*, 6> kRegisteredExtensions = {".TEM", ".SNO", ".URB", ".UBN", ".LUN", ".DES"};
const std::array<const char*, 6> kViewerScanPatterns = {"*.tem", "*.sno", "*.urb", "*.des", "*.ubn", "*.lun"};

const std::array<const char*, kTerrainNameCount> kTerrainNames = {
    "Clear", "Road", "Water", "Rock", "Wall", "Tiberium", "Beach", "Rough", "Ice", "Railroad", "Tunnel", "Weeds",
};

GameKind FamilyOfCellSize(int cellW, int cellH) {
    if (cellW == 60 && cellH == 30) return kRa2Yr;
    if (cellW == 48 && cellH == 24) return kTsFs;
    return kNoGame;
}

CellSize CellSizeOf(GameKind kind) {
    switch (kind) {
        case kRa2Yr: return {60, 30};
        case kTsFs: return {48, 24};
        default: return {};
    }
}

const char* PaletteSubfolder(GameKind kind) {
    switch (kind) {
        case kRa2Yr: return "RA2_YR\\";
        case kTsFs: return "TS_FS\\";
        default: return "";
    }
}

const char* ShortNameKey(GameKind kind) {
    switch (kind) {
        case kRa2Yr: return "TXT_SHORTRA2YR";
        case kTsFs: return "TXT_SHORTTSFS";
        default: return "";
    }
}

int GameListPosition(GameKind kind) { return kind == kRa2Yr ? 1 : 0; }
GameKind GameOfListPosition(int position) { return position == 1 ? kRa2Yr : kTsFs; }

static std::string PaletteFolder(std::string_view programFolder, GameKind kind) {
    return std::string(programFolder) + "Palettes\\" + PaletteSubfolder(kind);
}

std::string DefaultPaletteFileName(std::string_view programFolder, GameKind kind, std::string_view templatePath) {
    if (kind != kRa2Yr && kind != kTsFs) return {};
    std::string folder = PaletteFolder(programFolder, kind);
    std::optional<std::string> ext = ExtensionOf(templatePath);
    if (!ext) return folder;
    for (const TheaterInfo& t : kTheaters) {
        if (EqualsNoCase(*ext, t.extension) && (kind == kRa2Yr || t.offeredForTsFs)) return folder + t.paletteFile;
    }
    return folder + "IsoTem.Pal";
}

std::string DefaultPaletteFileNameForTheater(std::string_view programFolder, GameKind kind, int theater) {
    if (kind != kRa2Yr && kind != kTsFs) return {};
    const char* file = (theater >= 0 && theater < kTheaterCount) ? kTheaters[theater].paletteFile : "IsoTem.Pal";
    return PaletteFolder(programFolder, kind) + file;
}

std::optional<int> TerrainNameOfCode(int code) {
    static constexpr int kNameOfCode[16] = {0, 8, 8, 8, 8, 10, 9, 3, 3, 2, 6, 1, 1, 0, 7, 3};
    if (code < 0 || code > 15) return std::nullopt;
    return kNameOfCode[code];
}

std::optional<int> TerrainCodeOfName(int nameIndex) {
    static constexpr int kCodeOfName[kTerrainNameCount] = {0, 11, 9, 7, -1, -1, 10, 14, 1, 6, 5, -1};
    if (nameIndex < 0 || nameIndex >= kTerrainNameCount || kCodeOfName[nameIndex] < 0) return std::nullopt;
    return kCodeOfName[nameIndex];
}

const char* GameInstallKey(GameKind kind) {
    switch (kind) {
        case kRa2Yr: return "SOFTWARE\\Westwood\\Red Alert 2";
        case kTsFs: return "SOFTWARE\\Westwood\\Tiberian Sun";
        default: return "";
    }
}

}  // namespace zelt
