// The icon's picture: geometry, colours, palette choice and every malformed file.
#include <gtest/gtest.h>

#include <random>

#include "editor/template/TemplatePreview.h"
#include "iconhandler/IconRender.h"
#include "tests/iconhandler/IconTestFiles.h"
#include "tests/support/TestSupport.h"

namespace zelt::icon {
namespace {

using test::CellOffset;
using test::PatchI32;
using test::PlainTile;
using test::TemplateBytes;

// Cell header fields, from the cell's start.
constexpr int kX = 0, kY = 4, kExtraOffset = 8, kZOffset = 12, kExtraX = 20, kExtraY = 24, kExtraW = 28,
              kExtraH = 32, kFlags = 36, kHeight = 40;

bool Render(const std::vector<uint8_t>& file, IconPicture& picture, const std::string& name = "x.tem") {
    std::string asked;
    return RenderTemplateIcon(file, name, test::RecordingReader(asked), picture);
}

uint32_t At(const IconPicture& p, int x, int y) {
    return p.pixels[static_cast<size_t>(y) * p.size + x];
}

TEST(IconRender, OneTsFsCellSitsWithItsLeftEdgeAtX) {
    const IconPalette pal = test::TestPalette();
    IconPicture p;
    ASSERT_TRUE(Render(TemplateBytes({PlainTile(48, 24, 24, 12, 7)}, 48, 24), p));
    // Bounds 0..72 by 0..36: a 72-pixel square, ox 0, oy 18.
    ASSERT_EQ(p.size, 72);
    ASSERT_EQ(p.pixels.size(), 72u * 72u);
    for (int x = 46; x <= 49; ++x) EXPECT_EQ(At(p, x, 30), pal[7]) << x;
    EXPECT_EQ(At(p, 45, 30), pal[0]);
    EXPECT_EQ(At(p, 50, 30), pal[0]);
    EXPECT_EQ(At(p, 47, 29), pal[0]);
    // The widest row (11) spans the whole cell box; the last row (23) is empty.
    EXPECT_EQ(At(p, 24, 41), pal[7]);
    EXPECT_EQ(At(p, 71, 41), pal[7]);
    EXPECT_EQ(At(p, 23, 41), pal[0]);
    EXPECT_EQ(At(p, 47, 53), pal[0]);
    // The empty strip left of the cell box and the rows above and below keep colour 0.
    EXPECT_EQ(At(p, 0, 0), pal[0]);
    EXPECT_EQ(At(p, 71, 71), pal[0]);
}

TEST(IconRender, RaisedRa2CellIsDrawnHigherAndWidensTheBoundsUpwards) {
    const IconPalette pal = test::TestPalette();
    TileRecord flat = PlainTile(60, 30, -30, 15, 5);
    TileRecord raised = PlainTile(60, 30, 30, 15, 9);
    raised.height = 2;
    IconPicture p;
    ASSERT_TRUE(Render(TemplateBytes({flat, raised}, 60, 30), p));
    // x -30..90 (120 wide), y from 15 - 30 = -15 to 45: a 120 square, oy = (120 - 60) / 2 + 15.
    ASSERT_EQ(p.size, 120);
    const int oy = 45, ox = 30;
    const int flatTop = 15 + oy, raisedTop = 15 - 30 + oy;
    EXPECT_EQ(At(p, -30 + 28 + ox, flatTop), pal[5]);
    EXPECT_EQ(At(p, -30 + 28 + ox, flatTop - 1), pal[0]);
    EXPECT_EQ(At(p, 30 + 28 + ox, raisedTop), pal[9]);
    EXPECT_EQ(At(p, 30 + 28 + ox, raisedTop - 1), pal[0]);
}

TEST(IconRender, PaletteFileFollowsFamilyAndExtension) {
    struct Case {
        IconFamily family;
        const char* name;
        const char* file;
    };
    const Case cases[] = {
        {IconFamily::kRa2Yr, "x.ubn", "RA2_YR\\IsoUbn.pal"},
        {IconFamily::kTsFs, "x.ubn", "TS_FS\\IsoTem.pal"},
        {IconFamily::kRa2Yr, "C:\\maps\\X.SNO", "RA2_YR\\IsoSno.pal"},
        {IconFamily::kTsFs, "x.Sno", "TS_FS\\IsoSno.pal"},
        {IconFamily::kRa2Yr, "x.urb", "RA2_YR\\IsoUrb.pal"},
        {IconFamily::kRa2Yr, "x.des", "RA2_YR\\IsoDes.pal"},
        {IconFamily::kRa2Yr, "x.lun", "RA2_YR\\IsoLun.pal"},
        {IconFamily::kTsFs, "x.lun", "TS_FS\\IsoTem.pal"},
        {IconFamily::kRa2Yr, "x.tem", "RA2_YR\\IsoTem.pal"},
        // Without any '.' both families use the temperate palette.
        {IconFamily::kRa2Yr, "C:\\maps\\template", "RA2_YR\\IsoTem.pal"},
        {IconFamily::kTsFs, "template", "TS_FS\\IsoTem.pal"},
        // The last '.' of the whole name counts, even in a folder.
        {IconFamily::kRa2Yr, "C:\\maps.sno\\template", ""},
        {IconFamily::kTsFs, "C:\\maps.sno\\template", "TS_FS\\IsoTem.pal"},
        {IconFamily::kTsFs, "x.abc", "TS_FS\\IsoTem.pal"},
        {IconFamily::kRa2Yr, "x.abc", ""},
        {IconFamily::kRa2Yr, "x.", ""},
        {IconFamily::kRa2Yr, "x.ubnx", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IconPaletteFile(c.family, c.name), c.file) << c.name;
    }
}

TEST(IconRender, RenderAsksForThePaletteOfItsNameAndFallsBackWithout) {
    const auto ra2 = TemplateBytes({PlainTile(60, 30, 0, 0, 1)}, 60, 30);
    const auto tsfs = TemplateBytes({PlainTile(48, 24, 0, 0, 1)}, 48, 24);
    std::string asked;
    IconPicture p;
    EXPECT_TRUE(RenderTemplateIcon(ra2, "x.ubn", test::RecordingReader(asked), p));
    EXPECT_EQ(asked, "RA2_YR\\IsoUbn.pal");
    EXPECT_TRUE(RenderTemplateIcon(tsfs, "x.ubn", test::RecordingReader(asked), p));
    EXPECT_EQ(asked, "TS_FS\\IsoTem.pal");
    asked.clear();
    EXPECT_FALSE(RenderTemplateIcon(ra2, "x.abc", test::RecordingReader(asked), p));
    EXPECT_EQ(asked, "");

    // A palette that cannot be read, or is shorter than 768 bytes, fails; a longer one is fine.
    auto reader = [](size_t size, bool ok) {
        return [size, ok](const std::string&, std::vector<uint8_t>& bytes) {
            bytes = test::TestPaletteBytes();
            bytes.resize(size, 0xFF);
            return ok;
        };
    };
    EXPECT_FALSE(RenderTemplateIcon(ra2, "x.tem", reader(768, false), p));
    EXPECT_FALSE(RenderTemplateIcon(ra2, "x.tem", reader(767, true), p));
    EXPECT_TRUE(RenderTemplateIcon(ra2, "x.tem", reader(769, true), p));
}

TEST(IconRender, PaletteEntriesAreSixBitComponentsTimesFour) {
    std::vector<uint8_t> bytes(768, 0);
    bytes[3] = 63, bytes[4] = 0, bytes[5] = 32;
    bytes[6] = 64, bytes[7] = 65, bytes[8] = 1;
    IconPalette pal{};
    ASSERT_TRUE(DecodeIconPalette(bytes, pal));
    EXPECT_EQ(pal[1], 0xFC0080u);
    EXPECT_EQ(pal[2], 0x000404u);  // 64 and 65 wrap to 0 and 4
}

TEST(IconRender, LaterCellCoversEarlierWithItsIndexZeroPixels) {
    const IconPalette pal = test::TestPalette();
    TileRecord under = PlainTile(48, 24, 24, 12, 7);
    TileRecord over = PlainTile(48, 24, 0, 24, 0);  // another slot, moved onto the first below
    over.hasExtra = true;
    over.extraX = 30, over.extraY = 0, over.extraWidth = 2, over.extraHeight = 1;
    over.extraImage = {0, 9};  // the extra image's index 0 stays transparent
    auto file = TemplateBytes({under, over}, 48, 24);
    const int32_t second = CellOffset(file, 3);  // slot of (0, 24): column 1, row 1, grid 2 wide
    ASSERT_NE(second, 0);
    PatchI32(file, second + kX, 24);
    PatchI32(file, second + kY, 12);
    IconPicture p;
    ASSERT_TRUE(Render(file, p));
    ASSERT_EQ(p.size, 72);
    EXPECT_EQ(At(p, 46, 30), pal[0]);
    EXPECT_EQ(At(p, 24, 41), pal[0]);
    // The extra image sits at its own left edge (30, 0) + (0, 18).
    EXPECT_EQ(At(p, 30, 18), pal[0]);
    EXPECT_EQ(At(p, 31, 18), pal[9]);
}

// Generated templates: with no index 0 in any diamond, the icon equals the editor's preview of
// the same file, moved by half a cell and centred on the square.
TEST(IconRender, GeneratedTemplatesMatchTheEditorsPreview) {
    std::mt19937 rng(1234);
    for (const auto& [cellW, cellH] : {std::pair{48, 24}, std::pair{60, 30}}) {
        for (int round = 0; round < 4; ++round) {
            std::vector<TileRecord> tiles = zelt::test::RandomTiles(rng, cellW, cellH, 12);
            for (TileRecord& t : tiles) {
                t.height %= 4;  // small enough for a square that is not scaled
                for (uint8_t& b : t.diamond) b = b == 0 ? 1 : b;
                // Transparent stretches of every length in the extra images, as drawn artwork has.
                bool clear = false;
                for (size_t at = 0; at < t.extraImage.size(); clear = !clear) {
                    const size_t run = std::uniform_int_distribution<size_t>(1, 20)(rng);
                    for (size_t i = at; i < std::min(at + run, t.extraImage.size()); ++i) {
                        if (clear) t.extraImage[i] = 0;
                    }
                    at += run;
                }
            }
            const auto file = TemplateBytes(tiles, cellW, cellH);
            const IconPalette pal = test::TestPalette();

            IconTemplate tmpl;
            ASSERT_TRUE(ReadIconTemplate(file, tmpl));
            ASSERT_EQ(tmpl.cells.size(), tiles.size());
            IconPicture icon;
            ASSERT_TRUE(DrawTemplateIcon(tmpl, pal, icon));

            TemplateBounds eb;
            ASSERT_TRUE(ComputeFileBounds(file, eb));
            ColourImage preview(static_cast<int>(eb.Width()), static_cast<int>(eb.Height()), pal[0]);
            ASSERT_TRUE(PreviewTemplate(file, preview, pal));

            const IconBounds ib = BoundsOfIcon(tmpl);
            const int64_t w = ib.maxX - ib.minX, h = ib.maxY - ib.minY;
            ASSERT_EQ(icon.size, std::max(w, h));
            const int64_t dx = (icon.size - w) / 2 - ib.minX + eb.minX + cellW / 2;
            const int64_t dy = (icon.size - h) / 2 - ib.minY + eb.minY;
            int mismatches = 0;
            for (int y = 0; y < icon.size; ++y) {
                for (int x = 0; x < icon.size; ++x) {
                    const int64_t px = x - dx, py = y - dy;
                    const bool inside = px >= 0 && py >= 0 && px < preview.width && py < preview.height;
                    const uint32_t expected = inside ? preview.GetPixel(int(px), int(py)) : pal[0];
                    mismatches += At(icon, x, y) != expected;
                }
            }
            EXPECT_EQ(mismatches, 0) << cellW << " round " << round;
        }
    }
}

TEST(IconRender, HugePictureIsScaledDownToTheLargestSquare) {
    const IconPalette pal = test::TestPalette();
    auto file = TemplateBytes({PlainTile(48, 24, 0, 0, 3), PlainTile(48, 24, 24, 12, 4)}, 48, 24);
    PatchI32(file, CellOffset(file, 1) + kX, 4000);  // slot (1, 0)
    IconPicture p;
    ASSERT_TRUE(Render(file, p));
    ASSERT_EQ(p.size, 1024);
    ASSERT_EQ(p.pixels.size(), 1024u * 1024u);
    // The square is 4048 wide; the second cell's widest row lands at x 4000..4047 of it.
    const int64_t size = 4048, oy = (size - 36) / 2;
    EXPECT_EQ(At(p, 0, int((oy + 11) * 1024 / size)), pal[3]);
    EXPECT_EQ(At(p, 1023, int((oy + 23) * 1024 / size)), pal[4]);

    // Coordinates at the ends of the 32-bit range still give a 1024 square.
    PatchI32(file, CellOffset(file, 1) + kX, INT32_MAX);
    PatchI32(file, CellOffset(file, 1) + kY, INT32_MIN);
    ASSERT_TRUE(Render(file, p));
    EXPECT_EQ(p.size, 1024);
}

TEST(IconRender, ScaledExtraImageKeepsWhatLiesBeneathItsTransparentBytes) {
    const IconPalette pal = test::TestPalette();
    TileRecord tile = PlainTile(48, 24, 0, 0, 3);
    tile.hasExtra = true;
    tile.extraWidth = 48, tile.extraHeight = 24;
    tile.extraImage.assign(48 * 24, 0);
    for (int row = 0; row < 24; ++row) {
        for (int x = 24; x < 48; ++x) tile.extraImage[static_cast<size_t>(row) * 48 + x] = 5;
    }
    auto file = TemplateBytes({tile, PlainTile(48, 24, 24, 12, 4)}, 48, 24);
    PatchI32(file, CellOffset(file, 1) + kX, 4000);
    IconPicture p;
    ASSERT_TRUE(Render(file, p));
    ASSERT_EQ(p.size, 1024);
    // Picture row 510 shows diamond rows 11 to 13 (full square rows 2017 to 2019, oy 2006).
    const int y = int((11 + (4048 - 36) / 2) * 1024 / 4048);
    EXPECT_EQ(At(p, 2, y), pal[3]);   // x 8..11: transparent bytes over the diamond
    EXPECT_EQ(At(p, 10, y), pal[5]);  // x 40..43: the extra image
    EXPECT_EQ(At(p, 20, y), pal[0]);  // beyond the first cell
}

class MalformedIcon : public ::testing::Test {
  protected:
    void SetUp() override {
        TileRecord tile = PlainTile(60, 30, 0, 0, 2);
        tile.hasExtra = true;
        tile.extraWidth = 4, tile.extraHeight = 3;
        tile.extraImage.assign(12, 6);
        file = TemplateBytes({tile}, 60, 30);
        cell = CellOffset(file, 0);
        IconPicture p;
        ASSERT_TRUE(Render(file, p));
    }
    bool Renders() {
        IconPicture p;
        return Render(file, p);
    }
    std::vector<uint8_t> file;
    int32_t cell = 0;
};

TEST_F(MalformedIcon, ShortFilesAndForeignCellSizesFail) {
    file.resize(16);
    EXPECT_FALSE(Renders());
    SetUp();
    PatchI32(file, 8, 60);
    PatchI32(file, 12, 24);
    EXPECT_FALSE(Renders());
    file.clear();
    EXPECT_FALSE(Renders());
}

TEST_F(MalformedIcon, EmptyTemplatesFail) {
    PatchI32(file, 16, 0);  // the only slot empty
    EXPECT_FALSE(Renders());
    SetUp();
    PatchI32(file, 0, -1);  // a negative cell count
    EXPECT_FALSE(Renders());
    std::vector<uint8_t> header(17, 0);
    PatchI32(header, 8, 48);
    PatchI32(header, 12, 24);
    file = header;
    EXPECT_FALSE(Renders());
}

TEST_F(MalformedIcon, EveryOffsetAndSizeIsCheckedAgainstTheFile) {
    const struct {
        const char* what;
        int64_t offset;
        int32_t value;
    } patches[] = {
        {"index past the end", 0, 1000},
        {"cell past the end", 16, 1 << 30},
        {"negative cell", 16, -52},
        {"cell header cut", 16, 0},  // patched below to the last bytes
        {"extra past the end", cell + kExtraOffset, 1 << 20},
        {"extra before the file", cell + kExtraOffset, -cell - 1},
        {"negative extra width", cell + kExtraW, -4},
        {"extra too wide", cell + kExtraW, 801},
        {"extra too high", cell + kExtraH, 801},
        {"Z past the end", cell + kZOffset, 1 << 20},
    };
    for (const auto& patch : patches) {
        SetUp();
        if (std::string(patch.what) == "cell header cut") {
            PatchI32(file, 16, static_cast<int32_t>(file.size() - 51));
        } else {
            PatchI32(file, patch.offset, patch.value);
        }
        EXPECT_FALSE(Renders()) << patch.what;
    }
    // Cut anywhere inside the cell's blocks.
    for (size_t size : {size_t(20), size_t(cell + 10), file.size() - 1}) {
        SetUp();
        file.resize(size);
        EXPECT_FALSE(Renders()) << size;
    }
}

TEST_F(MalformedIcon, LoaderLimitsApplyEvenWithoutAnExtraImage) {
    PatchI32(file, cell + kFlags, 2);  // Z data only
    EXPECT_TRUE(Renders());
    PatchI32(file, cell + kExtraW, 801);
    EXPECT_FALSE(Renders());
    SetUp();
    PatchI32(file, cell + kFlags, 2);
    PatchI32(file, cell + kExtraW, -5);  // meaningless without the flag
    PatchI32(file, cell + kExtraOffset, -1000);
    EXPECT_TRUE(Renders());

    // More than 10000 cells is refused even when the index fits in the file.
    SetUp();
    std::vector<uint8_t> big(16 + 4 * 10001 + 4, 0);
    PatchI32(big, 0, 10001);
    PatchI32(big, 4, 1);
    PatchI32(big, 8, 60);
    PatchI32(big, 12, 30);
    file = big;
    EXPECT_FALSE(Renders());
}

TEST_F(MalformedIcon, CellsSharingOneHugeExtraImageCannotDrawWithoutEnd) {
    // 10000 slots all pointing at one cell with an 800 x 800 extra image: 6.4e9 pixels.
    std::vector<uint8_t> big(16 + 4 * 10000, 0);
    PatchI32(big, 0, 100);
    PatchI32(big, 4, 100);
    PatchI32(big, 8, 60);
    PatchI32(big, 12, 30);
    const int32_t at = static_cast<int32_t>(big.size());
    big.resize(big.size() + 52 + 900 + 800 * 800, 1);
    for (int slot = 0; slot < 10000; ++slot) PatchI32(big, 16 + 4 * slot, at);
    PatchI32(big, at + kExtraOffset, 52 + 900);
    PatchI32(big, at + kZOffset, 0);
    PatchI32(big, at + 16, 0);
    PatchI32(big, at + kExtraX, 0);
    PatchI32(big, at + kExtraY, 0);
    PatchI32(big, at + kExtraW, 800);
    PatchI32(big, at + kExtraH, 800);
    PatchI32(big, at + kFlags, 1);
    big[at + kHeight] = 0;
    file = big;
    EXPECT_FALSE(Renders());
    // Twenty-five of them draw.
    PatchI32(file, 0, 5);
    PatchI32(file, 4, 5);
    EXPECT_TRUE(Renders());
}

}  // namespace
}  // namespace zelt::icon
