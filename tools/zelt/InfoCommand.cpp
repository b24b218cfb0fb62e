// zelt info: the header and every tile of a template file, as text or as one JSON object.
#include <cstdio>
#include <string>

#include "editor/template/FileBytes.h"
#include "editor/template/GameTables.h"
#include "editor/template/TemplateFile.h"
#include "tools/zelt/Commands.h"

namespace zelt::cli {

namespace {

const char* FamilyName(GameKind kind) { return kind == kRa2Yr ? "RA2/YR" : kind == kTsFs ? "TS/FS" : "none"; }

std::string TerrainText(int code) {
    std::optional<int> name = TerrainNameOfCode(code);
    return name ? kTerrainNames[*name] : "unknown";
}

std::string RadarText(const uint8_t rgb[3]) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", rgb[0], rgb[1], rgb[2]);
    return text;
}

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            out += esc;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string FlagNames(uint8_t flags) {
    std::string names;
    if (flags & kFlagExtra) names += "extra ";
    if (flags & kFlagZ) names += "z ";
    if (flags & kFlagDamaged) names += "damaged ";
    if (names.empty()) return "none";
    names.pop_back();
    return names;
}

}  // namespace

int InfoCommand(const Args& args) {
    ParsedArgs parsed = ParseArgs(args, {}, {"--json"});
    if (!parsed.error.empty()) return UsageError(parsed.error);
    if (parsed.positional.size() != 1) return UsageError("info takes one file");
    const std::string& path = parsed.positional[0];
    const bool json = parsed.Option("--json") != nullptr;

    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path);
    if (!bytes) return FileError(path, "cannot be read");
    TemplateHeader header;
    if (!ReadTemplateHeader(*bytes, header)) return FileError(path, "not a template: shorter than a header");
    std::vector<CellView> cells;
    std::string error;
    if (!ForEachCell(*bytes, [&](const CellView& cell) { cells.push_back(cell); }, error))
        return FileError(path, "not a template: " + error);
    const GameKind family = FamilyOfCellSize(header.cellW, header.cellH);

    if (json) {
        std::printf("{\"file\":%s,\"family\":\"%s\",\"gridWidth\":%d,\"gridHeight\":%d,\"cellWidth\":%d,"
                    "\"cellHeight\":%d,\"fileSize\":%zu,\"tiles\":[",
                    JsonString(path).c_str(), FamilyName(family), header.gridWidth, header.gridHeight, header.cellW,
                    header.cellH, bytes->size());
        for (size_t i = 0; i < cells.size(); ++i) {
            const CellView& c = cells[i];
            std::printf("%s{\"slot\":%d,\"x\":%d,\"y\":%d,\"height\":%d,\"terrainCode\":%d,\"terrainName\":\"%s\","
                        "\"rampType\":%d,\"leftRadar\":\"%s\",\"rightRadar\":\"%s\",\"flags\":%d,"
                        "\"hasExtra\":%s,\"hasZ\":%s,\"damagedArt\":%s,"
                        "\"extra\":{\"x\":%d,\"y\":%d,\"width\":%d,\"height\":%d}}",
                        i ? "," : "", c.slot, c.x, c.y, c.height, c.terrainCode, TerrainText(c.terrainCode).c_str(),
                        c.rampType, RadarText(c.leftRadar).c_str(), RadarText(c.rightRadar).c_str(), c.flags,
                        (c.flags & kFlagExtra) ? "true" : "false", (c.flags & kFlagZ) ? "true" : "false",
                        (c.flags & kFlagDamaged) ? "true" : "false", c.extraX, c.extraY, c.extraWidth,
                        c.extraHeight);
        }
        std::printf("]}\n");
        return 0;
    }

    std::printf("file:       %s\n", path.c_str());
    std::printf("family:     %s\n", FamilyName(family));
    std::printf("grid:       %d x %d\n", header.gridWidth, header.gridHeight);
    std::printf("cell size:  %d x %d\n", header.cellW, header.cellH);
    std::printf("file size:  %zu bytes\n", bytes->size());
    std::printf("tiles:      %zu\n", cells.size());
    for (const CellView& c : cells) {
        std::printf("slot %d: X %d, Y %d, height %d, terrain %d (%s), ramp %d, radar %s / %s, flags %d (%s)", c.slot,
                    c.x, c.y, c.height, c.terrainCode, TerrainText(c.terrainCode).c_str(), c.rampType,
                    RadarText(c.leftRadar).c_str(), RadarText(c.rightRadar).c_str(), c.flags,
                    FlagNames(c.flags).c_str());
        std::printf(", extra %d, %d, %d x %d\n", c.extraX, c.extraY, c.extraWidth, c.extraHeight);
    }
    return 0;
}

}  // namespace zelt::cli
