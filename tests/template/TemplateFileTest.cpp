#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "editor/template/ByteReader.h"
#include "editor/template/TemplateFile.h"
#include "editor/template/TileLayout.h"
#include "tests/support/TestSupport.h"

using namespace zelt;
using zelt::test::GridTile;

namespace {

std::vector<uint8_t> Encode(std::vector<TileRecord> tiles, int cellW, int cellH, SaveOptions options = {}) {
    PrepareZData(tiles, cellW, cellH);
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(EncodeTemplate(tiles, cellW, cellH, options, bytes, error)) << error;
    return bytes;
}

LoadedTemplate Decode(const std::vector<uint8_t>& bytes) {
    LoadedTemplate loaded;
    std::string error;
    EXPECT_TRUE(DecodeTemplate(bytes, loaded, error)) << error;
    return loaded;
}

bool DecodeFails(const std::vector<uint8_t>& bytes) {
    LoadedTemplate loaded;
    std::string error;
    const bool ok = DecodeTemplate(bytes, loaded, error);
    if (!ok) {
        EXPECT_FALSE(error.empty());
    }
    return !ok;
}

int32_t I32(const std::vector<uint8_t>& b, size_t at) { return LoadI32(b.data() + at); }
void Put(std::vector<uint8_t>& b, size_t at, int32_t v) { StoreI32(b.data() + at, v); }

}  // namespace

TEST(TemplateWriter, TwoFlatTilesMakeTheKnownFile) {
    std::vector<uint8_t> bytes = Encode({GridTile(48, 24, 0, 0, 5), GridTile(48, 24, 1, 0, 6)}, 48, 24);
    ASSERT_EQ(bytes.size(), 2432u);
    EXPECT_EQ(I32(bytes, 0), 2);
    EXPECT_EQ(I32(bytes, 4), 1);
    EXPECT_EQ(I32(bytes, 8), 48);
    EXPECT_EQ(I32(bytes, 12), 24);
    EXPECT_EQ(I32(bytes, 16), 24);
    EXPECT_EQ(I32(bytes, 20), 1228);
    for (size_t cell : {24u, 1228u}) {
        EXPECT_EQ(I32(bytes, cell + 36), 2);    // flags: Z data only
        EXPECT_EQ(I32(bytes, cell + 12), 628);  // Z offset
        EXPECT_EQ(I32(bytes, cell + 8), 0);
        EXPECT_EQ(I32(bytes, cell + 16), 0);
    }
    EXPECT_EQ(I32(bytes, 1228 + 0), 24);  // X of the second tile
    EXPECT_EQ(I32(bytes, 1228 + 4), 12);
    EXPECT_EQ(bytes[24 + 52], 5);
    EXPECT_EQ(bytes[24 + 628], 23);  // generated depth, first row
}

TEST(TemplateWriter, SignatureSitsBetweenIndexAndCells) {
    SaveOptions options;
    options.signature = "made by hand";
    std::vector<uint8_t> bytes = Encode({GridTile(60, 30, 0, 0, 1)}, 60, 30, options);
    EXPECT_EQ(std::string(bytes.begin() + 20, bytes.begin() + 32), "made by hand");
    EXPECT_EQ(I32(bytes, 16), 32);
    EXPECT_EQ(Decode(bytes).tiles.size(), 1u);
}

TEST(TemplateWriter, LeavingZOutKeepsTheDamagedBit) {
    TileRecord t = GridTile(48, 24, 0, 0, 9);
    t.damagedArt = true;
    t.hasExtra = true;
    t.extraWidth = 4;
    t.extraHeight = 2;
    t.extraImage.assign(8, 3);
    SaveOptions options;
    options.leaveZOut = true;
    std::vector<uint8_t> bytes = Encode({t}, 48, 24, options);
    const size_t cell = 20;
    EXPECT_EQ(I32(bytes, cell + 36), 1 | 4);
    EXPECT_EQ(I32(bytes, cell + 12), 0);
    EXPECT_EQ(I32(bytes, cell + 16), 0);
    EXPECT_EQ(I32(bytes, cell + 8), 52 + 576);
    EXPECT_EQ(bytes.size(), cell + 52 + 576 + 8);
    LoadedTemplate back = Decode(bytes);
    EXPECT_FALSE(back.tiles[0].hasZ);
    EXPECT_TRUE(back.tiles[0].damagedArt);
}

TEST(TemplateWriter, HeightAndPropertiesKeepTheirLowByte) {
    TileRecord t = GridTile(48, 24, 0, 0, 1);
    t.height = -1;
    t.terrainCode = 256 + 13;
    t.leftRadar = 0x00332211;
    LoadedTemplate back = Decode(Encode({t}, 48, 24));
    EXPECT_EQ(back.tiles[0].height, 255);
    EXPECT_EQ(back.tiles[0].terrainCode, 13);
    EXPECT_EQ(back.tiles[0].leftRadar, 0x00332211u);
}

TEST(TemplateWriter, SharedSlotKeepsTheLaterTile) {
    TileRecord first = GridTile(48, 24, 1, 0, 1);
    TileRecord second = GridTile(48, 24, 1, 0, 2);
    second.x += 3;  // still column 1, row 0
    std::vector<uint8_t> bytes = Encode({first, second}, 48, 24);
    EXPECT_EQ(I32(bytes, 0), 2);
    EXPECT_EQ(I32(bytes, 16), 0);
    EXPECT_EQ(I32(bytes, 20), 24 + 1204);  // both cells written, the index names the later
    LoadedTemplate back = Decode(bytes);
    ASSERT_EQ(back.tiles.size(), 1u);
    EXPECT_EQ(back.tiles[0].diamond[0], 2);
}

TEST(TemplateWriter, EmptyTrailingRowsShrinkTheGrid) {
    std::vector<uint8_t> bytes = Encode({GridTile(48, 24, 0, 0, 1), GridTile(48, 24, 1, 1, 1)}, 48, 24);
    // Widen the grid to 2 x 5 by hand: rows 2..4 stay empty.
    std::vector<uint8_t> wide(bytes.begin(), bytes.begin() + 16);
    Put(wide, 4, 5);
    const int32_t shift = 4 * 6;
    for (int slot = 0; slot < 10; ++slot) wide.insert(wide.end(), {0, 0, 0, 0});
    Put(wide, 16 + 0, I32(bytes, 16) + shift);
    Put(wide, 16 + 12, I32(bytes, 28) + shift);
    wide.insert(wide.end(), bytes.begin() + 32, bytes.end());
    LoadedTemplate loaded = Decode(wide);
    ASSERT_EQ(loaded.tiles.size(), 2u);
    std::vector<uint8_t> again;
    std::string error;
    ASSERT_TRUE(EncodeTemplate(loaded.tiles, 48, 24, {}, again, error));
    EXPECT_EQ(again, bytes);
}

TEST(TemplateWriter, RefusesTilesItCannotPlace) {
    std::vector<uint8_t> out;
    std::string error;
    TileRecord left = GridTile(48, 24, 0, 0, 1);
    left.x = -60;  // column -1
    EXPECT_FALSE(EncodeTemplate({GridTile(48, 24, 0, 0, 1), left}, 48, 24, {}, out, error));
    EXPECT_NE(error.find("outside the grid"), std::string::npos);

    TileRecord far = GridTile(48, 24, 101, 100, 1);  // a grid of 102 x 101 cells
    EXPECT_FALSE(EncodeTemplate({far}, 48, 24, {}, out, error));
    EXPECT_NE(error.find("10000"), std::string::npos);
    EXPECT_TRUE(EncodeTemplate({GridTile(48, 24, 99, 99, 1)}, 48, 24, {}, out, error));

    TileRecord badExtra = GridTile(48, 24, 0, 0, 1);
    badExtra.hasExtra = true;
    badExtra.extraWidth = 5;
    badExtra.extraHeight = 5;
    badExtra.extraImage.assign(24, 1);
    EXPECT_FALSE(EncodeTemplate({badExtra}, 48, 24, {}, out, error));
    TileRecord shortDiamond = GridTile(48, 24, 0, 0, 1);
    shortDiamond.diamond.pop_back();
    EXPECT_FALSE(EncodeTemplate({shortDiamond}, 48, 24, {}, out, error));
    EXPECT_FALSE(EncodeTemplate({}, 50, 25, {}, out, error));
}

TEST(TemplateRoundTrip, RandomTileListsSurviveSaveAndLoad) {
    std::mt19937 rng(1234);
    for (int round = 0; round < 40; ++round) {
        const bool ra2 = round % 2 == 0;
        const int cellW = ra2 ? 60 : 48, cellH = ra2 ? 30 : 24;
        std::vector<TileRecord> tiles = zelt::test::RandomTiles(rng, cellW, cellH, 1 + round % 13);
        PrepareZData(tiles, cellW, cellH);
        SaveOptions options;
        options.signature = round % 3 ? "" : "sig";
        std::vector<uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(EncodeTemplate(tiles, cellW, cellH, options, bytes, error)) << error;
        LoadedTemplate loaded = Decode(bytes);
        EXPECT_EQ(loaded.family, ra2 ? kRa2Yr : kTsFs);
        // The file lists tiles in slot order: compare as sets keyed by position.
        ASSERT_EQ(loaded.tiles.size(), tiles.size());
        for (TileRecord& t : tiles) t.height &= 0xFF, t.terrainCode &= 0xFF, t.rampType &= 0xFF;
        auto byPosition = [](const TileRecord& a, const TileRecord& b) {
            return std::pair(a.y, a.x) < std::pair(b.y, b.x);
        };
        std::sort(tiles.begin(), tiles.end(), byPosition);
        std::vector<TileRecord> back = loaded.tiles;
        std::sort(back.begin(), back.end(), byPosition);
        for (size_t i = 0; i < tiles.size(); ++i) EXPECT_EQ(back[i], tiles[i]) << "round " << round << " tile " << i;
        // A file of our own writer comes back byte for byte.
        std::vector<uint8_t> again;
        ASSERT_TRUE(EncodeTemplate(loaded.tiles, cellW, cellH, options, again, error));
        LoadedTemplate loadedAgain = Decode(again);
        std::vector<uint8_t> third;
        ASSERT_TRUE(EncodeTemplate(loadedAgain.tiles, cellW, cellH, options, third, error));
        EXPECT_EQ(again, third);
    }
}

TEST(TemplateReader, ReadsCellsInSlotOrderWhateverTheirPlaceInTheFile) {
    std::vector<uint8_t> bytes = Encode({GridTile(48, 24, 0, 0, 1), GridTile(48, 24, 1, 0, 2)}, 48, 24);
    // Swap the index entries and the tiles' positions: the second cell in the file is slot 0.
    std::vector<uint8_t> swapped = bytes;
    Put(swapped, 16, I32(bytes, 20));
    Put(swapped, 20, I32(bytes, 16));
    LoadedTemplate loaded = Decode(swapped);
    ASSERT_EQ(loaded.tiles.size(), 2u);
    EXPECT_EQ(loaded.tiles[0].diamond[0], 2);
    EXPECT_EQ(loaded.tiles[1].diamond[0], 1);
    // Two slots naming one cell give two equal tiles.
    Put(swapped, 20, I32(bytes, 20));
    LoadedTemplate twice = Decode(swapped);
    ASSERT_EQ(twice.tiles.size(), 2u);
    EXPECT_EQ(twice.tiles[0], twice.tiles[1]);
}

// The blocks of a file's tiles share one allocation; each tile still owns its own bytes, and they
// live on after the loaded template and beside copies of the tile.
TEST(TemplateReader, EveryTileOwnsItsBlocksAlone) {
    TileRecord with = GridTile(60, 30, 1, 0, 4);
    with.hasExtra = true;
    with.extraWidth = 3, with.extraHeight = 2;
    with.extraImage.assign(6, 9);
    std::vector<uint8_t> bytes = Encode({GridTile(60, 30, 0, 0, 3), with}, 60, 30);
    Put(bytes, 20, I32(bytes, 16));  // slot 1 names the first cell too
    std::vector<TileRecord> tiles = Decode(bytes).tiles;
    ASSERT_EQ(tiles.size(), 2u);
    const uint8_t z = tiles[1].zData.back();
    tiles[0].diamond[0] = 8;
    tiles[0].zData.back() = 0x77;
    EXPECT_EQ(tiles[1].diamond[0], 3);
    EXPECT_EQ(tiles[1].zData.back(), z);

    const TileRecord copy = CopyTile(tiles[0]);
    tiles[0].diamond.assign(900, 5);
    tiles[0].zData.resize(2000, 6);  // grows past its place in the shared allocation
    EXPECT_EQ(copy.diamond[0], 8);
    EXPECT_EQ(tiles[1].diamond[0], 3);
    EXPECT_EQ(tiles[0].zData[1999], 6);

    tiles = Decode(Encode({GridTile(60, 30, 0, 0, 3), with}, 60, 30)).tiles;
    ASSERT_EQ(tiles.size(), 2u);
    TileRecord moved = std::move(tiles[1]);
    tiles.clear();
    EXPECT_EQ(moved.extraImage, std::vector<uint8_t>(6, 9));
    EXPECT_EQ(moved.extraZData.size(), 6u);
}

TEST(TemplateReader, EmptyIndexAndNonPositiveGridsLoadEmpty) {
    std::vector<uint8_t> bytes(16 + 4 * 6, 0);
    Put(bytes, 0, 3);
    Put(bytes, 4, 2);
    Put(bytes, 8, 60);
    Put(bytes, 12, 30);
    LoadedTemplate loaded = Decode(bytes);
    EXPECT_EQ(loaded.family, kRa2Yr);
    EXPECT_TRUE(loaded.tiles.empty());
    Put(bytes, 0, 0);
    EXPECT_TRUE(Decode(bytes).tiles.empty());
    Put(bytes, 0, -4);
    EXPECT_TRUE(Decode(bytes).tiles.empty());
}

TEST(TemplateReader, ZFlagWithoutExtraGivesZDataOnly) {
    std::vector<uint8_t> bytes = Encode({GridTile(48, 24, 0, 0, 1)}, 48, 24);
    Put(bytes, 20 + 28, 7);  // extra width without the extra flag is ignored
    LoadedTemplate loaded = Decode(bytes);
    ASSERT_EQ(loaded.tiles.size(), 1u);
    EXPECT_TRUE(loaded.tiles[0].hasZ);
    EXPECT_FALSE(loaded.tiles[0].hasExtra);
    EXPECT_EQ(loaded.tiles[0].extraWidth, 0);
    EXPECT_TRUE(loaded.tiles[0].extraZData.empty());
    EXPECT_EQ(loaded.tiles[0].zData.size(), 576u);
}

TEST(TemplateReader, RefusesEveryFileThatPointsOutsideItself) {
    TileRecord t = GridTile(48, 24, 0, 0, 1);
    t.hasExtra = true;
    t.extraWidth = 10;
    t.extraHeight = 10;
    t.extraImage.assign(100, 4);
    t.x = 24;  // the next slot of the first row
    t.y = 12;
    const std::vector<uint8_t> good = Encode({GridTile(48, 24, 0, 0, 1), t}, 48, 24);
    ASSERT_FALSE(DecodeFails(good));
    const size_t cell = static_cast<size_t>(I32(good, 20));  // the second tile's cell

    EXPECT_TRUE(DecodeFails({}));
    EXPECT_TRUE(DecodeFails(std::vector<uint8_t>(good.begin(), good.begin() + 15)));
    for (size_t cut : {good.size() - 1, cell + 51, cell + 52 + 575, size_t{20}})
        EXPECT_TRUE(DecodeFails(std::vector<uint8_t>(good.begin(), good.begin() + cut))) << cut;

    auto patched = [&](size_t at, int32_t value) {
        std::vector<uint8_t> b = good;
        Put(b, at, value);
        return b;
    };
    EXPECT_TRUE(DecodeFails(patched(8, 60)));                       // cell size of neither family
    EXPECT_TRUE(DecodeFails(patched(0, 10001)));                    // too many cells
    EXPECT_TRUE(DecodeFails(patched(0, 100)));                      // index past the end
    EXPECT_TRUE(DecodeFails(patched(20, -8)));                      // negative cell offset
    EXPECT_TRUE(DecodeFails(patched(20, static_cast<int32_t>(good.size()))));
    EXPECT_TRUE(DecodeFails(patched(cell + 8, 1 << 30)));           // extra offset
    EXPECT_TRUE(DecodeFails(patched(cell + 8, -static_cast<int32_t>(cell) - 1)));
    EXPECT_TRUE(DecodeFails(patched(cell + 12, 1 << 30)));          // Z offset
    EXPECT_TRUE(DecodeFails(patched(cell + 16, 0x7FFFFFFF)));       // extra Z offset
    EXPECT_TRUE(DecodeFails(patched(cell + 28, 801)));              // extra wider than 800
    EXPECT_TRUE(DecodeFails(patched(cell + 32, -1)));               // negative extra height
    EXPECT_TRUE(DecodeFails(patched(cell + 28, 800)));              // 800 x 10 reaches past the end
    // The width limit holds without the extra flag too.
    std::vector<uint8_t> plain = Encode({GridTile(48, 24, 0, 0, 1)}, 48, 24);
    Put(plain, 20 + 32, 900);
    EXPECT_TRUE(DecodeFails(plain));
    // The cell count is the 32-bit product of the sides: 0x10001 x 0x10000 is 65536 cells.
    std::vector<uint8_t> wrapped = patched(0, 0x10001);
    Put(wrapped, 4, 0x10000);
    EXPECT_TRUE(DecodeFails(wrapped));
}

TEST(TemplateReader, CellsSharingOneLargeBlockCannotAskForGigabytes) {
    TileRecord t = GridTile(60, 30, 0, 0, 1);
    t.hasExtra = true;
    t.extraWidth = 800;
    t.extraHeight = 800;
    t.extraImage.assign(640000, 4);
    const std::vector<uint8_t> one = Encode({t}, 60, 30);
    const size_t cell = static_cast<size_t>(I32(one, 16));

    // The same cell in every slot of a 100 x 100 grid: 2.6 MB of file, 12.8 GB of tiles.
    auto sharing = [&](int32_t side) {
        const size_t cells = static_cast<size_t>(side) * side, start = 16 + 4 * cells;
        std::vector<uint8_t> b(start);
        std::copy(one.begin(), one.begin() + 16, b.begin());
        Put(b, 0, side);
        Put(b, 4, side);
        for (size_t slot = 0; slot < cells; ++slot) Put(b, 16 + 4 * slot, static_cast<int32_t>(start));
        b.insert(b.end(), one.begin() + static_cast<std::ptrdiff_t>(cell), one.end());
        return b;
    };
    LoadedTemplate loaded;
    std::string error;
    EXPECT_FALSE(DecodeTemplate(sharing(100), loaded, error));
    EXPECT_NE(error.find("share"), std::string::npos) << error;
    EXPECT_TRUE(loaded.tiles.empty());
    // Some sharing stays readable: four cells of one block.
    EXPECT_EQ(Decode(sharing(2)).tiles.size(), 4u);
}

TEST(TemplateReader, AFailedLoadKeepsTheTilesBeforeIt) {
    std::vector<uint8_t> bytes = Encode({GridTile(48, 24, 0, 0, 1), GridTile(48, 24, 1, 0, 2)}, 48, 24);
    Put(bytes, static_cast<size_t>(I32(bytes, 20)) + 28, 900);
    LoadedTemplate loaded;
    std::string error;
    EXPECT_FALSE(DecodeTemplate(bytes, loaded, error));
    EXPECT_EQ(loaded.tiles.size(), 1u);
    EXPECT_NE(error.find("cell 1"), std::string::npos);
}
