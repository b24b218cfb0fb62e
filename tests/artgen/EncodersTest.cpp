// The encoders against the separate decoders: every file decodes back to the pixels it was made from.
#include <gtest/gtest.h>

#include <random>

#include "tests/artgen/Decoders.h"
#include "tools/artgen/Bmp.h"
#include "tools/artgen/Gif.h"
#include "tools/artgen/Ico.h"
#include "tools/artgen/Palette.h"
#include "tools/artgen/Png.h"

namespace zelt::artgen {
namespace {

using testing::DecodeError;

// Random colours, opaque unless `randomAlpha`.
Image RandomImage(int width, int height, uint32_t seed, bool randomAlpha = false) {
    std::mt19937 random(seed);
    Image image(width, height);
    for (uint32_t& pixel : image.pixels) pixel = randomAlpha ? random() : random() | 0xFF000000u;
    return image;
}

TEST(BmpTest, RoundTripsEveryRowPadding) {
    for (int width = 1; width <= 5; ++width) {
        const Image image = RandomImage(width, 3, static_cast<uint32_t>(width));
        EXPECT_EQ(testing::DecodeBmp24(EncodeBmp24(image)).pixels, image.pixels) << "width " << width;
    }
}

TEST(BmpTest, DropsAlpha) {
    Image image(2, 1, 0x00123456u);
    const Image decoded = testing::DecodeBmp24(EncodeBmp24(image));
    EXPECT_EQ(decoded.At(0, 0), 0xFF123456u);
}

TEST(IcoTest, RoundTripsColourAlphaAndMask) {
    std::vector<Image> images;
    for (int side : {48, 32, 16, 1})
        images.push_back(RandomImage(side, side, static_cast<uint32_t>(side), true));
    const std::vector<testing::IconEntry> entries = testing::DecodeIco(EncodeIco(images));
    ASSERT_EQ(entries.size(), images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        EXPECT_EQ(entries[i].directoryWidth, images[i].width);
        EXPECT_EQ(entries[i].bitCount, 32);
        EXPECT_EQ(entries[i].image.pixels, images[i].pixels);
        for (size_t p = 0; p < images[i].pixels.size(); ++p)
            ASSERT_EQ(entries[i].transparent[p], (images[i].pixels[p] >> 24) < 128)
                << "entry " << i << " pixel " << p;
    }
}

TEST(IcoTest, Writes256AsZeroInTheDirectory) {
    const std::vector<testing::IconEntry> entries =
        testing::DecodeIco(EncodeIco({Image(256, 256, 0xFF0000FFu)}));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].directoryWidth, 0);
    EXPECT_EQ(entries[0].image.width, 256);
}

TEST(IcoTest, RefusesImagesThatAreNotSquare) {
    EXPECT_THROW(EncodeIco({Image(16, 15)}), std::invalid_argument);
    EXPECT_THROW(EncodeIco({Image(257, 257)}), std::invalid_argument);
}

std::vector<uint8_t> RandomIndices(size_t count, int bits, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> indices(count);
    for (uint8_t& index : indices) index = static_cast<uint8_t>(random() & ((1u << bits) - 1));
    return indices;
}

TEST(LzwTest, RoundTripsRandomDataAtEveryCodeSize) {
    for (int bits = 2; bits <= 8; ++bits) {
        // Long enough to fill the 4096-entry table several times over.
        const std::vector<uint8_t> indices = RandomIndices(20000, bits, static_cast<uint32_t>(bits));
        EXPECT_EQ(testing::LzwDecode(LzwEncode(indices, bits), bits), indices) << "code size " << bits;
    }
}

TEST(LzwTest, RoundTripsEveryLengthAroundCodeWidthChanges) {
    // Each length ends the data at a different point relative to the widening of the codes, where
    // the end code's width is easy to get wrong.
    for (int bits : {2, 3, 8}) {
        const std::vector<uint8_t> all = RandomIndices(1500, bits, 7);
        for (size_t length = 0; length <= all.size(); length += (length < 300 ? 1 : 29)) {
            const std::vector<uint8_t> indices(all.begin(),
                                               all.begin() + static_cast<std::ptrdiff_t>(length));
            ASSERT_EQ(testing::LzwDecode(LzwEncode(indices, bits), bits), indices)
                << "code size " << bits << " length " << length;
        }
    }
}

TEST(LzwTest, RoundTripsLongRuns) {
    // A run makes the encoder emit a code it has only just defined.
    std::vector<uint8_t> indices(100000, 3);
    for (size_t i = 0; i < indices.size(); i += 997) indices[i] = 1;
    EXPECT_EQ(testing::LzwDecode(LzwEncode(indices, 2), 2), indices);
}

TEST(GifTest, RoundTripsPictureAndColourTable) {
    Image image(37, 11);
    const uint32_t colours[] = {0xFF102030u, 0xFFFFFFFFu, 0xFF000000u, 0xFFAB5500u, 0xFF00FF00u};
    std::mt19937 random(5);
    for (uint32_t& pixel : image.pixels) pixel = colours[random() % 5];
    const testing::GifPicture picture = testing::DecodeGif(EncodeGif(image));
    EXPECT_EQ(picture.colourTableSize, 8);
    EXPECT_EQ(picture.image.width, 37);
    EXPECT_EQ(picture.image.height, 11);
    EXPECT_EQ(picture.image.pixels, image.pixels);
}

TEST(GifTest, RoundTripsOneColourAnd256Colours) {
    const Image plain(3, 2, 0xFF336699u);
    EXPECT_EQ(testing::DecodeGif(EncodeGif(plain)).image.pixels, plain.pixels);
    Image full(256, 40);
    for (int y = 0; y < full.height; ++y)
        for (int x = 0; x < full.width; ++x)
            full.Set(x, y, 0xFF000000u | static_cast<uint32_t>((x * 7 + y) % 256) * 0x010101u);
    const testing::GifPicture picture = testing::DecodeGif(EncodeGif(full));
    EXPECT_EQ(picture.colourTableSize, 256);
    EXPECT_EQ(picture.image.pixels, full.pixels);
}

TEST(GifTest, RefusesMoreThan256Colours) {
    Image image(257, 1);
    for (int x = 0; x < 257; ++x) image.Set(x, 0, 0xFF000000u | static_cast<uint32_t>(x));
    EXPECT_THROW(EncodeGif(image), std::invalid_argument);
}

TEST(PaletteTest, KeepsTheMostFrequentColoursAndMovesTheRest) {
    Image image(300, 2, 0xFF000000u);
    for (int x = 0; x < 300; ++x) image.Set(x, 0, 0xFF000000u | static_cast<uint32_t>(x) << 8);  // 300 greens
    const Image reduced = LimitColours(image, 256);
    std::vector<uint32_t> colours = reduced.pixels;
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    EXPECT_LE(colours.size(), 256u);
    EXPECT_EQ(reduced.At(5, 1), 0xFF000000u);  // the most frequent colour stays
    for (int x = 0; x < 300; ++x) {
        const int green = static_cast<int>(reduced.At(x, 0) >> 8 & 0xFF);
        EXPECT_LE(std::abs(green - (x & 0xFF)), 50) << x;  // and the others move only a little
    }
    EXPECT_NO_THROW(EncodeGif(reduced));
}

TEST(PaletteTest, LeavesFewColoursAlone) {
    const Image image = RandomImage(4, 4, 9);
    EXPECT_EQ(LimitColours(image, 256).pixels, image.pixels);
}

TEST(PngTest, RoundTripsAcrossSeveralStoredBlocks) {
    const Image image = RandomImage(200, 100, 3, true);  // 80100 bytes of rows: two blocks
    EXPECT_EQ(testing::DecodeStoredPng(EncodePng(image)).pixels, image.pixels);
}

TEST(PngTest, KnownChecksums) {
    const std::string text = "123456789";
    const auto* data = reinterpret_cast<const uint8_t*>(text.data());
    EXPECT_EQ(Crc32(data, text.size()), 0xCBF43926u);
    EXPECT_EQ(Adler32(data, text.size()), 0x091E01DEu);
}

TEST(DecoderTest, TruncatedFilesAreRefused) {
    Bytes bmp = EncodeBmp24(Image(4, 4, 0xFF112233u));
    bmp.pop_back();
    EXPECT_THROW(testing::DecodeBmp24(bmp), DecodeError);
    Bytes gif = EncodeGif(Image(4, 4, 0xFF112233u));
    gif.resize(gif.size() - 3);
    EXPECT_THROW(testing::DecodeGif(gif), DecodeError);
}

}  // namespace
}  // namespace zelt::artgen
