// Template files and a program folder with palettes, as the open dialogs' previews find them.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "editor/template/TemplateFile.h"
#include "tests/support/TestSupport.h"

namespace zelt::test {

// Palette entry i is (i % 64, (i / 4) % 64, 63 - i % 64) times 4.
inline void WritePreviewPalettes(const std::string& programFolder) {
    for (const char* family : {"TS_FS", "RA2_YR"}) {
        const std::string folder = programFolder + "Palettes/" + family + "/";
        std::filesystem::create_directories(folder);
        for (const char* file : {"IsoTem.Pal", "IsoSno.Pal"}) WriteFile(folder + file, SamplePaletteBytes());
    }
}

// columns x rows tiles on the grid, each diamond of its own palette index.
inline std::vector<uint8_t> PreviewTemplateBytes(int cellW, int cellH, int columns, int rows) {
    std::vector<TileRecord> tiles;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            tiles.push_back(GridTile(cellW, cellH, c, r, static_cast<uint8_t>(17 + 23 * (r * columns + c))));
    PrepareZData(tiles, cellW, cellH);
    std::vector<uint8_t> bytes;
    std::string error;
    EncodeTemplate(tiles, cellW, cellH, {}, bytes, error);
    return bytes;
}

// The same file with its header's cell size changed to one no game uses.
inline std::vector<uint8_t> WithCellSize(std::vector<uint8_t> bytes, int cellW, int cellH) {
    bytes[8] = static_cast<uint8_t>(cellW);
    bytes[12] = static_cast<uint8_t>(cellH);
    return bytes;
}

}  // namespace zelt::test
