// The composition drawn band by band against the same composition drawn straight over the whole
// canvas: fill, frame, every tile's diamond and extra image in list order, marker. Band edges cut
// through overlapping tiles, extra images, the frame and the marker at every height from one row up,
// with colours looked up one index or two at a time.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "editor/render/DibCanvas.h"
#include "editor/render/IndexedCanvas.h"
#include "editor/render/TemplateRender.h"
#include "editor/template/TileLayout.h"
#include "tests/support/TestSupport.h"

namespace zelt::test {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

// The whole canvas at once, operation by operation, as a reference nothing is banded in.
void StraightCompose(const TileSet& set, int selected, const RenderStyle& style, Canvas& canvas, int ox, int oy,
                     bool decorate, std::optional<uint32_t> background) {
    if (background) canvas.Clear(*background);
    const TemplateBounds b = ComputeTileBounds(set.tiles, set.cellW, set.cellH);
    if (style.drawBlackFrameAround && decorate)
        canvas.FrameRect(ox, oy, static_cast<int>(b.Width()), static_cast<int>(b.Height()), 0x000000);
    const int64_t dx = ox - b.minX, dy = oy - b.minY;
    for (const TileRecord& t : set.tiles) {
        const int64_t lift = HeightLift(t.height, set.cellH);
        if (style.showNormalImages)
            DrawTileDiamond(t, set.cellW, set.cellH, set.palette, canvas, t.x - set.cellW / 2 + dx, t.y - lift + dy);
        if (style.showExtraImages)
            DrawTileExtra(t, set.palette, canvas, t.extraX - set.cellW / 2 + dx, t.extraY - lift + dy);
    }
    if (!decorate || selected < 0 || static_cast<size_t>(selected) >= set.tiles.size()) return;
    const TileRecord& t = set.tiles[static_cast<size_t>(selected)];
    DrawSelectionMarker(canvas, static_cast<int>(t.x - set.cellW / 2 + dx),
                        static_cast<int>(t.y - HeightLift(t.height, set.cellH) + dy), set.cellW, set.cellH,
                        style.useInvertTileSelect);
}

// Tiles piled on one another: shared and neighbouring slots, heights, holes (index 0), extra images
// reaching over other tiles and past the grid, a short diamond and a short extra image.
std::vector<TileRecord> PiledTiles(std::mt19937& rng, int cellW, int cellH) {
    std::vector<TileRecord> tiles;
    for (int i = 0; i < 14; ++i) {
        TileRecord t = GridTile(cellW, cellH, static_cast<int>(rng() % 3), static_cast<int>(rng() % 3),
                                static_cast<uint8_t>(1 + i));
        t.x += static_cast<int>(rng() % 9) - 4;
        t.y += static_cast<int>(rng() % 7) - 3;
        t.height = static_cast<int>(rng() % 4) - 1;
        for (uint8_t& index : t.diamond) index = rng() % 5 ? static_cast<uint8_t>(rng() % 256) : 0;
        if (i % 3 == 0) {
            t.hasExtra = true;
            t.extraX = t.x + static_cast<int>(rng() % 31) - 15;
            t.extraY = t.y - static_cast<int>(rng() % 40);
            t.extraWidth = 5 + static_cast<int>(rng() % 50);
            t.extraHeight = 3 + static_cast<int>(rng() % 45);
            t.extraImage.resize(static_cast<size_t>(t.extraWidth) * static_cast<size_t>(t.extraHeight));
            for (uint8_t& index : t.extraImage) index = rng() % 4 ? static_cast<uint8_t>(rng() % 256) : 0;
        }
        tiles.push_back(std::move(t));
    }
    tiles[4].diamond.resize(tiles[4].diamond.size() / 3);  // stops in the middle of a row
    tiles[6].extraImage.resize(tiles[6].extraImage.size() / 2 + 3);
    return tiles;
}

PaletteTable RandomPalette(std::mt19937& rng) {
    PaletteTable palette;
    for (uint32_t& colour : palette) colour = rng() & 0xFFFFFF;
    return palette;
}

// Something other than the background, so a band that writes where it should not shows.
template <typename C>
void Scribble(C& canvas) {
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) canvas.SetPixel(x, y, static_cast<uint32_t>(x * 7 + y * 131) & 0xFFFFFF);
}

template <typename C>
std::string FirstDifference(const C& a, const C& b) {
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.GetPixel(x, y) != b.GetPixel(x, y))
                return "(" + std::to_string(x) + ", " + std::to_string(y) + "): " + std::to_string(a.GetPixel(x, y)) +
                       " against " + std::to_string(b.GetPixel(x, y));
    return "";
}

struct Case {
    RenderStyle style;
    bool decorate;
    int selected;
};

std::vector<Case> Cases(int tileCount) {
    return {
        {RenderStyle{true, true, true, false}, true, 3},
        {RenderStyle{true, true, true, true}, true, 4},         // inverted marker over a short diamond
        {RenderStyle{true, true, false, false}, false, 2},
        {RenderStyle{false, true, true, false}, true, tileCount - 1},
        {RenderStyle{true, false, true, true}, true, 0},
    };
}

// The canvas is the template's size, twice it (the template inside, off its corner) or half it
// (the template cut off by the canvas's edges), and the origin moves with it.
struct Placement {
    int64_t width;
    int64_t height;
    int ox;
    int oy;
};

std::vector<Placement> Placements(const TemplateBounds& b) {
    const int64_t w = b.Width(), h = b.Height();
    return {{w, h, 0, 0}, {w * 2, h * 2, 13, 7}, {w / 2 + 1, h / 2 + 1, -5, -9}, {w, h, 3, -17}};
}

template <typename C>
void CompareAllBands(const std::vector<TileRecord>& tiles, int cellW, int cellH, const PaletteTable& palette,
                     const std::string& what) {
    const TileSet set{tiles, cellW, cellH, palette};
    const TemplateBounds bounds = ComputeTileBounds(tiles, cellW, cellH);
    for (const Placement& at : Placements(bounds)) {
        C expected, banded;
        ASSERT_TRUE(expected.Create(static_cast<int>(at.width), static_cast<int>(at.height)));
        ASSERT_TRUE(banded.Create(static_cast<int>(at.width), static_cast<int>(at.height)));
        const int height = expected.Height();
        for (const Case& c : Cases(static_cast<int>(tiles.size()))) {
            for (const std::optional<uint32_t> background : {std::optional<uint32_t>{kWhite}, std::optional<uint32_t>{}}) {
                Scribble(expected);
                StraightCompose(set, c.selected, c.style, expected, at.ox, at.oy, c.decorate, background);
                for (const int rows : {1, 2, 3, 5, 7, 11, 16, 23, 24, 25, 31, height - 1, height, height + 9, 0}) {
                    if (rows < 0) continue;
                    // Every other band height looks colours up two at a time, as large canvases do,
                    // and the bands are shared among one to three workers, as on a large canvas.
                    const int64_t pairsFrom = rows % 2 ? 0 : kPairTableFrom;
                    const int workers = 1 + rows % 3;
                    Scribble(banded);
                    ComposeTemplate(set, c.selected, c.style, banded, at.ox, at.oy, c.decorate,
                                    Banding{background, rows, pairsFrom, 0, workers});
                    const std::string difference = FirstDifference(banded, expected);
                    EXPECT_EQ(difference, "")
                        << what << ", canvas " << at.width << " x " << at.height << " at " << at.ox << ", "
                        << at.oy << ", " << rows << " rows a band, " << (pairsFrom == 0 ? "pairs, " : "")
                        << workers << " workers, " << (background ? "filled" : "not filled") << ", frame "
                        << c.style.drawBlackFrameAround << ", invert " << c.style.useInvertTileSelect;
                    if (!difference.empty()) return;
                }
            }
        }
    }
}

TEST(BandedRender, EveryBandHeightDrawsWhatTheWholeCanvasDraws) {
    std::mt19937 rng(19);
    for (int round = 0; round < 4; ++round) {
        const int cellW = round % 2 ? 60 : 48, cellH = cellW / 2;
        const std::vector<TileRecord> tiles = PiledTiles(rng, cellW, cellH);
        const PaletteTable palette = RandomPalette(rng);
        CompareAllBands<DibCanvas>(tiles, cellW, cellH, palette, "colour canvas, round " + std::to_string(round));
    }
}

TEST(BandedRender, AnIndexedCanvasIsBandedAlike) {
    std::mt19937 rng(23);
    const std::vector<TileRecord> tiles = PiledTiles(rng, 48, 24);
    PaletteTable palette;
    for (size_t i = 0; i < palette.size(); ++i) palette[i] = static_cast<uint32_t>(i);  // colours are indexes
    CompareAllBands<IndexedCanvas>(tiles, 48, 24, palette, "indexed canvas");
}

TEST(BandedRender, BandsFollowTheCanvasWidthAndNeverVanish) {
    EXPECT_EQ(BandRows(6000, 4), kBandBytes / 24000);
    EXPECT_EQ(BandRows(kBandBytes, 4), 1);  // a row wider than a band is a band of its own
    EXPECT_EQ(BandRows(0, 4), kBandBytes / 4);
    EXPECT_GE(BandRows(100, 1), 1);
}

TEST(BandedRender, TheEditorsCompositionIsTheStraightOneOnWhite) {
    std::mt19937 rng(31);
    const std::vector<TileRecord> tiles = PiledTiles(rng, 60, 30);
    const PaletteTable palette = RandomPalette(rng);
    ColourImage picture;
    ASSERT_TRUE(RenderEditorComposition(tiles, 60, 30, palette, picture));
    const TemplateBounds b = ComputeTileBounds(tiles, 60, 30);
    DibCanvas expected;
    ASSERT_TRUE(expected.Create(static_cast<int>(b.Width()), static_cast<int>(b.Height())));
    StraightCompose(TileSet{tiles, 60, 30, palette}, -1, RenderStyle{}, expected, 0, 0, false, kWhite);
    ASSERT_EQ(picture.width, expected.Width());
    ASSERT_EQ(picture.height, expected.Height());
    int differences = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) differences += picture.GetPixel(x, y) != expected.GetPixel(x, y);
    EXPECT_EQ(differences, 0);
}

}  // namespace
}  // namespace zelt::test
