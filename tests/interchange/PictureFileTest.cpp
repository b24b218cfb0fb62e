// Picture files: the BMP codec's bit depths and refusals, PNG natively, the choice of format by the
// name, and the exact 8-bit round trip of a palette that holds one colour twice.
#include <gtest/gtest.h>

#include "editor/interchange/BmpFile.h"
#include "editor/interchange/ImportImage.h"
#include "editor/interchange/PictureFile.h"
#include "editor/template/ByteReader.h"
#include "tests/support/TestSupport.h"

namespace zelt::test {
namespace {

Picture Indexed(int w, int h, std::vector<uint32_t> palette) {
    Picture p;
    p.colours = ColourImage(w, h);
    p.indexes.resize(static_cast<size_t>(w * h));
    for (size_t i = 0; i < p.indexes.size(); ++i) {
        p.indexes[i] = static_cast<uint8_t>((i * 7) % palette.size());
        p.colours.pixels[i] = palette[p.indexes[i]];
    }
    p.palette = std::move(palette);
    return p;
}

PaletteTable DuplicatingPalette() {
    PaletteTable table{};
    for (uint32_t i = 0; i < 256; ++i) table[i] = i << 16 | (255 - i) << 8 | 0x40;
    table[9] = table[3];    // one colour twice
    table[200] = table[0];  // entry 0's colour again
    return table;
}

TEST(BmpFile, EightAndTwentyFourBitFilesComeBackWhole) {
    const PaletteTable table = DuplicatingPalette();
    const Picture indexed = Indexed(7, 3, std::vector<uint32_t>(table.begin(), table.end()));
    Picture back;
    std::string error;
    ASSERT_TRUE(DecodeBmp(EncodeBmp(indexed), back, error)) << error;
    EXPECT_EQ(back.indexes, indexed.indexes);
    EXPECT_EQ(back.palette, indexed.palette);
    EXPECT_EQ(back.colours.pixels, indexed.colours.pixels);

    Picture colour;
    colour.colours = indexed.colours;
    ASSERT_TRUE(DecodeBmp(EncodeBmp(colour), back, error)) << error;
    EXPECT_FALSE(back.Indexed());
    EXPECT_EQ(back.colours.pixels, colour.colours.pixels);
}

// A 2 x 2 file of 32 bits per pixel, top-down, with the plain masks.
std::vector<uint8_t> ThirtyTwoBitFile(int32_t compression) {
    std::vector<uint8_t> file(14 + 40 + 12 + 16, 0);
    file[0] = 'B';
    file[1] = 'M';
    StoreI32(&file[10], 14 + 40 + 12);
    StoreI32(&file[14], 40);
    StoreI32(&file[18], 2);
    StoreI32(&file[22], -2);
    file[26] = 1;
    file[28] = 32;
    StoreI32(&file[30], compression);
    StoreI32(&file[54], 0xFF0000);
    StoreI32(&file[58], 0xFF00);
    StoreI32(&file[62], 0xFF);
    const uint32_t pixels[4] = {0x112233, 0x445566, 0x778899, 0xAABBCC};
    for (int i = 0; i < 4; ++i) StoreI32(&file[66 + 4 * i], static_cast<int32_t>(pixels[i] | 0xFF000000u));
    return file;
}

TEST(BmpFile, ThirtyTwoBitFilesAreRead) {
    for (int32_t compression : {0, 3}) {
        Picture p;
        std::string error;
        ASSERT_TRUE(DecodeBmp(ThirtyTwoBitFile(compression), p, error)) << error;
        EXPECT_EQ(p.colours.pixels, (std::vector<uint32_t>{0x112233, 0x445566, 0x778899, 0xAABBCC}));
    }
}

TEST(BmpFile, DamagedFilesAreRefused) {
    Picture p;
    std::string error;
    std::vector<uint8_t> file = ThirtyTwoBitFile(3);
    StoreI32(&file[54], 0xFF);  // other masks
    EXPECT_FALSE(DecodeBmp(file, p, error));
    file = ThirtyTwoBitFile(1);  // run-length compressed
    EXPECT_FALSE(DecodeBmp(file, p, error));
    file = ThirtyTwoBitFile(0);
    file.resize(file.size() - 1);  // pixels cut short
    EXPECT_FALSE(DecodeBmp(file, p, error));
    file = EncodeBmp(Indexed(2, 2, {1, 2, 3}));
    StoreI32(&file[14 + 32], 2);  // two palette entries, pixels use index 2
    EXPECT_FALSE(DecodeBmp(file, p, error));
    EXPECT_FALSE(p.Indexed());
}

TEST(BmpFile, AnEightBitFileThatSaysZeroColoursUsedHasAllTwoHundredFiftySixEntries) {
    // Most programs write 0 for "colours used" in an 8-bit file: the palette then holds 256 entries.
    const PaletteTable table = DuplicatingPalette();
    Picture written = Indexed(16, 16, std::vector<uint32_t>(table.begin(), table.end()));
    for (size_t i = 0; i < written.indexes.size(); ++i) {  // every index, the last ones included
        written.indexes[i] = static_cast<uint8_t>(i);
        written.colours.pixels[i] = table[i];
    }
    std::vector<uint8_t> file = EncodeBmp(written);
    StoreI32(&file[14 + 32], 0);
    Picture back;
    std::string error;
    ASSERT_TRUE(DecodeBmp(file, back, error)) << error;
    ASSERT_EQ(back.palette.size(), 256u);
    EXPECT_EQ(back.palette, written.palette);
    EXPECT_EQ(back.indexes, written.indexes);
    EXPECT_EQ(back.colours.pixels, written.colours.pixels);
    // Imported with the template's palette, each pixel keeps its own index, doubled colours too.
    PixelIndexer indexer(back, table);
    EXPECT_TRUE(indexer.Direct());
    for (int i = 0; i < 256; ++i) EXPECT_EQ(indexer.At(i % 16, i / 16), i);
}

TEST(BmpFile, APictureLargerThanTheLimitIsRefusedBeforeItsPixelsAreRead) {
    Picture colour;
    colour.colours = ColourImage(1, 1);
    std::vector<uint8_t> file = EncodeBmp(colour);
    Picture p;
    std::string error;
    // The header claims a picture one pixel wider than allowed, whose pixels the file does not even
    // hold: the size is refused first, and says so.
    StoreI32(&file[18], kMaxPictureSide + 1);
    EXPECT_FALSE(DecodeBmp(file, p, error));
    EXPECT_NE(error.find("larger than 16384 x 16384"), std::string::npos) << error;
    StoreI32(&file[18], 1);
    StoreI32(&file[22], -(kMaxPictureSide + 1));  // top-down
    EXPECT_FALSE(DecodeBmp(file, p, error));
    EXPECT_NE(error.find("larger than"), std::string::npos) << error;
    // At the limit the size passes and only the missing pixels refuse the file.
    StoreI32(&file[22], kMaxPictureSide);
    EXPECT_FALSE(DecodeBmp(file, p, error));
    EXPECT_EQ(error.find("larger than"), std::string::npos) << error;
}

TEST(PictureFile, TheNameChoosesTheFormat) {
    EXPECT_EQ(PictureFormatOfName("a\\b.BmP"), PictureFormat::kBmp);
    EXPECT_EQ(PictureFormatOfName("x/y.png"), PictureFormat::kPng);
    EXPECT_FALSE(PictureFormatOfName("dir.png\\picture"));
    EXPECT_FALSE(PictureFormatOfName("picture.gif"));

    ScratchFolder folder;
    Picture colour;
    colour.colours = ColourImage(3, 2, 0x123456);
    std::string error;
    EXPECT_FALSE(WritePictureFile(folder.File("p.gif"), colour, error));
    EXPECT_FALSE(FileExists(folder.File("p.gif")));
    ASSERT_TRUE(WritePictureFile(folder.File("p.png"), colour, error)) << error;
    EXPECT_EQ(ReadFile(folder.File("p.png"))[1], 'P');
    Picture back;
    ASSERT_TRUE(ReadPictureFile(folder.File("p.png"), back, error)) << error;
    EXPECT_EQ(back.colours.pixels, colour.colours.pixels);
    WriteFile(folder.File("junk.png"), {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0});
    EXPECT_FALSE(ReadPictureFile(folder.File("junk.png"), back, error));
    EXPECT_FALSE(ReadPictureFile(folder.File("none.bmp"), back, error));
}

TEST(PictureFile, AnIndexedPictureGivesBackItsIndexesEvenForDoubledColours) {
    const PaletteTable table = DuplicatingPalette();
    ScratchFolder folder;
    for (const char* name : {"i.bmp", "i.png"}) {
        if (name[2] == 'p' && !PngWritesIndexes()) continue;  // PNG through the image library holds colours
        const Picture written = Indexed(16, 16, std::vector<uint32_t>(table.begin(), table.end()));
        std::string error;
        ASSERT_TRUE(WritePictureFile(folder.File(name), written, error)) << error;
        Picture back;
        ASSERT_TRUE(ReadPictureFile(folder.File(name), back, error)) << error;
        PixelIndexer indexer(back, table);
        EXPECT_TRUE(indexer.Direct()) << name;
        for (int i = 0; i < 256; ++i) EXPECT_EQ(indexer.At(i % 16, i / 16), written.indexes[i]) << name << i;

        // Another palette: the colours are matched instead, the first of a doubled colour winning
        // (entry 255 moved away, so its old colour is nearest to 254).
        PaletteTable other = table;
        other[255] ^= 4;
        PixelIndexer matched(back, other);
        EXPECT_FALSE(matched.Direct());
        for (int i = 0; i < 256; ++i) {
            const uint8_t index = written.indexes[i];
            const uint8_t expected = index == 9 ? 3 : index == 200 ? 0 : index == 255 ? 254 : index;
            EXPECT_EQ(matched.At(i % 16, i / 16), expected) << name << i;
        }
    }
}

}  // namespace
}  // namespace zelt::test
