// Pixels between pictures in memory (top row first) and colour canvases (stored bottom row first).
#include <gtest/gtest.h>

#include "editor/interchange/CanvasPicture.h"

namespace zelt {
namespace {

TEST(CanvasPicture, PixelsKeepTheirPlacesBothWays) {
    ColourImage picture(3, 2);
    for (size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = static_cast<uint32_t>(0x10101 * (i + 1));
    DibCanvas canvas;
    ASSERT_TRUE(CanvasFromPixels(picture, canvas));
    EXPECT_EQ(canvas.GetPixel(0, 0), 0x010101u);  // the top row stays on top
    EXPECT_EQ(canvas.GetPixel(2, 1), 0x060606u);
    EXPECT_EQ(PixelsOfCanvas(canvas).pixels, picture.pixels);

    // A picture whose pixels do not match its size, or an empty one, makes no canvas.
    ColourImage broken(3, 2);
    broken.pixels.pop_back();
    EXPECT_FALSE(CanvasFromPixels(broken, canvas));
    EXPECT_FALSE(CanvasFromPixels(ColourImage(), canvas));
    EXPECT_TRUE(PixelsOfCanvas(DibCanvas()).pixels.empty());
}

}  // namespace
}  // namespace zelt
