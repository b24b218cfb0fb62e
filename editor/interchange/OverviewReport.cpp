#include "editor/interchange/OverviewReport.h"

#include <cstdio>

#include "editor/template/GameTables.h"

namespace zelt {

const std::array<const char*, kOverviewColumns> kOverviewColumnKeys = {
    "GUI:COLUMN_X",         "GUI:COLUMN_Y",          "GUI:COLUMN_HEIGHT",  "GUI:COLUMN_TERRAIN_TYPE",
    "GUI:COLUMN_RAMP_TYPE", "GUI:COLUMN_HAVE_EXTRA", "GUI:COLUMN_EXTRA_X", "GUI:COLUMN_EXTRA_Y",
    "GUI:COLUMN_EXTRA_DX",  "GUI:COLUMN_EXTRA_DY"};

namespace {

std::string TerrainName(int code) {
    const std::optional<int> name = TerrainNameOfCode(code);
    return name ? kTerrainNames[static_cast<size_t>(*name)] : "";
}

std::string HaveExtraText(const TileRecord& tile, const TextOfKey& text) {
    return text(tile.hasExtra ? "GUI:TRUES" : "GUI:FALSES");
}

}  // namespace

std::array<std::string, kOverviewColumns> OverviewCells(const TileRecord& tile, const TextOfKey& text) {
    std::array<std::string, kOverviewColumns> cells = {
        std::to_string(tile.x),        std::to_string(tile.y),        std::to_string(tile.height),
        TerrainName(tile.terrainCode), std::to_string(tile.rampType), HaveExtraText(tile, text)};
    if (tile.hasExtra) {
        cells[6] = std::to_string(tile.extraX);
        cells[7] = std::to_string(tile.extraY);
        cells[8] = std::to_string(tile.extraWidth);
        cells[9] = std::to_string(tile.extraHeight);
    }
    return cells;
}

void ReportWriter::WriteLineEnd() {
    bytes += "\r\n";
    ++lineEnds;
}

void ReportWriter::WriteText(std::string_view text) {
    bool first = true;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        if (end > start) {
            if (!first) WriteLineEnd();
            bytes.append(text.substr(start, end - start));
            first = false;
        }
        start = end + 1;
    }
}

std::string OverviewReport(const std::vector<TileRecord>& tiles, const std::string& fileName,
                           const TextOfKey& text) {
    ReportWriter w;
    const std::string rule = text("TXT_OVERVIEW_TITLE2");
    w.WriteText(rule);
    w.WriteLineEnd();
    w.WriteText(text("TXT_OVERVIEW_TITLE1"));
    w.WriteLineEnd();
    w.WriteText(rule);
    w.WriteLineEnd();
    w.WriteLineEnd();
    w.WriteText(fileName);
    w.WriteLineEnd();
    w.WriteLineEnd();
    for (size_t i = 0; i < tiles.size(); ++i) {
        const TileRecord& t = tiles[i];
        w.WriteText(
            "Tile: " + std::to_string(i) + "\nX " + std::to_string(t.x) + "\nY: " + std::to_string(t.y) +
            "\nHeight: " + std::to_string(t.height) + "\nTerrain type: " + TerrainName(t.terrainCode) +
            "\nRamp type: " + std::to_string(t.rampType) + "\nHave extra: " + HaveExtraText(t, text) + "\n");
        if (t.hasExtra) {
            w.WriteLineEnd();
            w.WriteText("\nExtra X: " + std::to_string(t.extraX) + "\nExtra Y: " + std::to_string(t.extraY) +
                        "\nExtra DX: " + std::to_string(t.extraWidth) +
                        "\nExtra DY: " + std::to_string(t.extraHeight) + "\n");
        }
        w.WriteLineEnd();
        w.WriteLineEnd();
    }
    return w.bytes;
}

}  // namespace zelt
