// Helpers shared by the tests: scratch folders and generated tiles.
#pragma once
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "editor/template/TileRecord.h"

namespace zelt::test {

// A fresh empty folder for one test, removed when the object goes away. Path ends in a separator.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

std::vector<uint8_t> ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
bool FileExists(const std::string& path);

// A tile on the regular grid with a recognisable diamond (every byte from the seed).
TileRecord GridTile(int cellW, int cellH, int column, int row, uint8_t seed);
// A tile list of random properties and images on distinct grid slots.
std::vector<TileRecord> RandomTiles(std::mt19937& rng, int cellW, int cellH, int count);
// 768 bytes where entry i is (i % 64, (i / 4) % 64, 63 - i % 64).
std::vector<uint8_t> SamplePaletteBytes();

}  // namespace zelt::test
