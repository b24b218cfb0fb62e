// Writes the bundled sample templates of both families: flat and raised tiles, extra images,
// Z data and a signature, all drawn from the palette ramps of our own palettes (16 shades each).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "editor/template/FileBytes.h"
#include "editor/template/TemplateFile.h"
#include "editor/template/TileLayout.h"

using namespace zelt;

namespace {

// Ramps of our palettes.
enum Ramp { kGrass = 1, kDarkGrass = 2, kDirt = 3, kSand = 4, kRock = 5, kDarkRock = 6, kWater = 7,
            kRoad = 9, kConcrete = 10, kCliff = 14 };

// Mid colours of the ramps as radar colours take them: 0x00BBGGRR, red in the low byte.
const uint32_t kRampColour[16] = {
    0x808080, 0x388C5C, 0x29613D, 0x386185, 0x75B3CC, 0x80878C, 0x54575C, 0xAD6B33,
    0x753D1A, 0x524D4D, 0x9EA6A8, 0xF2E0D1, 0x33479E, 0x2EB3DB, 0x334D70, 0x94527F,
};

uint8_t Shade(int ramp, int shade) { return static_cast<uint8_t>(ramp * 16 + std::clamp(shade, 0, 15)); }

// A small deterministic noise so surfaces do not look flat.
int Noise(int x, int y, int seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + static_cast<uint32_t>(seed) * 2147483647u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<int>((h ^ (h >> 16)) % 3) - 1;
}

struct Painter {
    int cellW, cellH;
    // ramp of a pixel at (column in cell box, diamond row)
    std::vector<uint8_t> Diamond(int ramp, int seed, int brightness = 9) const {
        std::vector<uint8_t> d;
        for (int r = 0; r < cellH; ++r) {
            const int w = DiamondRowWidth(r, cellH), start = DiamondRowStart(r, cellW, cellH);
            for (int i = 0; i < w; ++i) {
                const int x = start + i;
                // Light falls from the upper left: brighter towards the top-left edge.
                const int light = brightness + 2 - (x + 2 * r) * 4 / (cellW + cellH);
                d.push_back(Shade(ramp, light + Noise(x, r, seed)));
            }
        }
        return d;
    }
};

TileRecord Tile(const Painter& p, int column, int row, int height, int ramp, int terrain, int seed) {
    TileRecord t;
    t.x = (column - row) * p.cellW / 2;
    t.y = (column + row) * p.cellH / 2;
    t.height = height;
    t.terrainCode = terrain;
    const std::vector<uint8_t> diamond = p.Diamond(ramp, seed, 8 + height);
    t.diamond.assign(diamond.begin(), diamond.end());
    // Radar colours: the ramp's colour, the left half lit and the right half in shade.
    const uint32_t base = kRampColour[ramp];
    auto scaled = [&](int percent) {
        uint32_t packed = 0;
        for (int c = 0; c < 3; ++c) packed |= std::min(255u, ((base >> (8 * c)) & 0xFF) * percent / 100) << (8 * c);
        return packed;
    };
    t.leftRadar = scaled(110);
    t.rightRadar = scaled(80);
    return t;
}

// A rock spire standing on the tile: an extra image of the given size rising above the diamond.
void AddSpire(const Painter& p, TileRecord& t, int width, int height, int ramp) {
    t.hasExtra = true;
    t.extraWidth = width;
    t.extraHeight = height;
    t.extraX = t.x + (p.cellW - width) / 2;
    t.extraY = t.y + p.cellH / 2 - height;
    t.extraImage.assign(static_cast<size_t>(width) * height, 0);
    for (int j = 0; j < height; ++j) {
        // The spire narrows towards its top.
        const double half = (width / 2.0) * (0.35 + 0.65 * j / height);
        for (int i = 0; i < width; ++i) {
            const double dx = i - width / 2.0 + 0.5;
            if (std::fabs(dx) > half) continue;
            const int shade = dx < 0 ? 11 - static_cast<int>(-dx * 4 / half) : 6 - static_cast<int>(dx * 3 / half);
            t.extraImage[static_cast<size_t>(j) * width + i] = Shade(ramp, shade + Noise(i, j, 7));
        }
    }
}

bool Save(const std::string& path, std::vector<TileRecord> tiles, int cellW, int cellH, const std::string& signature) {
    PrepareZData(tiles, cellW, cellH);
    SaveOptions options;
    options.signature = signature;
    std::vector<uint8_t> bytes;
    std::string error;
    if (!EncodeTemplate(tiles, cellW, cellH, options, bytes, error) || !WriteFileAtomic(path, bytes, error)) {
        std::fprintf(stderr, "gen_samples: %s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_samples FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const Painter ts{48, 24}, ra2{60, 30};
    bool ok = true;

    std::vector<TileRecord> meadow;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) meadow.push_back(Tile(ts, c, r, 0, (c + r) % 3 == 1 ? kDarkGrass : kGrass, 0, c * 3 + r));
    ok = Save(folder + "Meadow.tem", meadow, 48, 24, "") && ok;

    std::vector<TileRecord> ridge;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) ridge.push_back(Tile(ts, c, r, c + r, kRock, 7, 11 + c + r));
    AddSpire(ts, ridge[3], 32, 40, kDarkRock);
    ridge[3].rampType = 2;
    ok = Save(folder + "Ridge.sno", ridge, 48, 24, "Zelt sample: Ridge") && ok;

    std::vector<TileRecord> plaza;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) plaza.push_back(Tile(ra2, c, r, r == 1 && c == 2 ? 1 : 0, r == 0 ? kRoad : kConcrete, r == 0 ? 11 : 0, c + 5 * r));
    ok = Save(folder + "Plaza.urb", plaza, 60, 30, "") && ok;

    std::vector<TileRecord> mesa;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c) mesa.push_back(Tile(ra2, c, r, 1, c == r ? kSand : kDirt, 14, 3 * c + r));
    AddSpire(ra2, mesa[0], 60, 48, kCliff);
    mesa[3].damagedArt = true;
    ok = Save(folder + "Mesa.des", mesa, 60, 30, "Zelt sample: Mesa") && ok;
    return ok ? 0 : 1;
}
