#include <gtest/gtest.h>

#include "editor/interchange/Bmp24.h"
#include "editor/template/ByteReader.h"

using namespace zelt;

TEST(Bmp24, RoundTripKeepsEveryPixelWithRowPadding) {
    ColourImage image(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) image.SetPixel(x, y, 0x00010203u * (x + 1) + 0x00100000u * y);
    std::vector<uint8_t> bytes = EncodeBmp24(image);
    EXPECT_EQ(bytes.size(), 54u + 16u * 3u);  // rows padded to 4 bytes
    auto back = DecodeBmp24(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixels, image.pixels);
    // Top-down files read the same.
    std::vector<uint8_t> topDown = bytes;
    StoreI32(topDown.data() + 22, -3);
    for (int row = 0; row < 3; ++row)
        std::copy(bytes.begin() + 54 + 16 * (2 - row), bytes.begin() + 54 + 16 * (3 - row), topDown.begin() + 54 + 16 * row);
    auto flipped = DecodeBmp24(topDown);
    ASSERT_TRUE(flipped);
    EXPECT_EQ(flipped->pixels, image.pixels);
}

TEST(Bmp24, RefusesWhatItCannotRead) {
    std::vector<uint8_t> good = EncodeBmp24(ColourImage(4, 4, 0x123456));
    EXPECT_FALSE(DecodeBmp24(std::vector<uint8_t>(good.begin(), good.end() - 1)));
    std::vector<uint8_t> bits32 = good;
    bits32[28] = 32;
    EXPECT_FALSE(DecodeBmp24(bits32));
    std::vector<uint8_t> compressed = good;
    compressed[30] = 1;
    EXPECT_FALSE(DecodeBmp24(compressed));
    std::vector<uint8_t> huge = good;
    StoreI32(huge.data() + 18, 0x40000000);
    EXPECT_FALSE(DecodeBmp24(huge));
    EXPECT_FALSE(DecodeBmp24({}));
}
