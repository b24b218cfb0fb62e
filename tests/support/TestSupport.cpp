#include "tests/support/TestSupport.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "editor/template/FileBytes.h"
#include "editor/template/TileLayout.h"

namespace zelt::test {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
    static int counter = 0;
    std::random_device seed;
    const fs::path dir = fs::temp_directory_path() /
                         ("zelt-test-" + std::to_string(seed()) + "-" + std::to_string(++counter));
    fs::create_directories(dir);
    path_ = TextOfFileSystemPath(dir / "");
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(FileSystemPath(path_), ignored);
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(FileSystemPath(path), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(FileSystemPath(path), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) { return fs::exists(FileSystemPath(path)); }

TileRecord GridTile(int cellW, int cellH, int column, int row, uint8_t seed) {
    TileRecord t;
    t.x = (column - row) * cellW / 2;
    t.y = (column + row) * cellH / 2;
    t.diamond.assign(static_cast<size_t>(DiamondSize(cellW, cellH)), seed);
    return t;
}

std::vector<TileRecord> RandomTiles(std::mt19937& rng, int cellW, int cellH, int count) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::vector<TileRecord> tiles;
    const int side = 1 + static_cast<int>(std::sqrt(count)) + 1;
    std::vector<int> slots(static_cast<size_t>(side * side));
    for (size_t i = 0; i < slots.size(); ++i) slots[i] = static_cast<int>(i);
    std::shuffle(slots.begin(), slots.end(), rng);
    for (int i = 0; i < count; ++i) {
        TileRecord t = GridTile(cellW, cellH, slots[i] % side, slots[i] / side, 0);
        for (uint8_t& b : t.diamond) b = static_cast<uint8_t>(pick(0, 255));
        t.height = pick(0, 255);
        t.terrainCode = pick(0, 255);
        t.rampType = pick(0, 255);
        t.leftRadar = static_cast<uint32_t>(pick(0, 0xFFFFFF));
        t.rightRadar = static_cast<uint32_t>(pick(0, 0xFFFFFF));
        t.damagedArt = pick(0, 1) == 1;
        if (pick(0, 2) == 0) {
            t.hasExtra = true;
            t.extraX = t.x + pick(-20, 20);
            t.extraY = t.y - pick(0, 40);
            t.extraWidth = pick(0, 3) == 0 ? cellW : pick(1, 70);
            t.extraHeight = pick(1, 50);
            t.extraImage.resize(static_cast<size_t>(t.extraWidth) * t.extraHeight);
            for (uint8_t& b : t.extraImage) b = static_cast<uint8_t>(pick(0, 255));
        }
        if (pick(0, 1) == 1) {
            GenerateZData(t, cellW, cellH);
            GenerateExtraZData(t, cellW, cellH);
            for (uint8_t& b : t.zData) b = static_cast<uint8_t>(pick(0, 255));
        }
        tiles.push_back(std::move(t));
    }
    return tiles;
}

std::vector<uint8_t> SamplePaletteBytes() {
    std::vector<uint8_t> bytes(768);
    for (int i = 0; i < 256; ++i) {
        bytes[3 * i] = static_cast<uint8_t>(i % 64);
        bytes[3 * i + 1] = static_cast<uint8_t>((i / 4) % 64);
        bytes[3 * i + 2] = static_cast<uint8_t>(63 - i % 64);
    }
    return bytes;
}

}  // namespace zelt::test
