// The drawing operations of both canvases, and what is particular to each.
#include <gtest/gtest.h>

#include "editor/render/DibCanvas.h"
#include "editor/render/IndexedCanvas.h"

namespace zelt::test {
namespace {

template <typename C>
class CanvasTest : public ::testing::Test {
protected:
    C canvas;
    void SetUp() override { ASSERT_TRUE(canvas.Create(8, 6)); }
    int Count(uint32_t value) {
        int n = 0;
        for (int y = 0; y < canvas.Height(); ++y)
            for (int x = 0; x < canvas.Width(); ++x) n += canvas.GetPixel(x, y) == value;
        return n;
    }
};
using CanvasKinds = ::testing::Types<DibCanvas, IndexedCanvas>;
TYPED_TEST_SUITE(CanvasTest, CanvasKinds);

TYPED_TEST(CanvasTest, PixelsOutsideAreIgnoredAndReadAsZero) {
    auto& c = this->canvas;
    EXPECT_EQ(this->Count(0), 48);  // a new surface is all 0
    EXPECT_FALSE(c.Create(0, 5));
    ASSERT_TRUE(c.Create(8, 6));
    c.Clear(7);
    c.SetPixel(-1, 0, 9);
    c.SetPixel(8, 0, 9);
    c.SetPixel(0, 6, 9);
    c.InvertPixel(0, -1);
    EXPECT_EQ(this->Count(7), 48);
    EXPECT_EQ(c.GetPixel(8, 5), 0u);
    EXPECT_EQ(c.GetPixel(-3, 2), 0u);
    EXPECT_EQ(c.RowPointer(6), nullptr);
}

TYPED_TEST(CanvasTest, LineLeavesOutItsEndPoint) {
    auto& c = this->canvas;
    c.Line(2, 2, 2, 2, 5);
    EXPECT_EQ(this->Count(5), 0);
    c.Line(0, 0, 3, 0, 5);
    EXPECT_EQ(c.GetPixel(0, 0), 5u);
    EXPECT_EQ(c.GetPixel(2, 0), 5u);
    EXPECT_EQ(c.GetPixel(3, 0), 0u);
    EXPECT_EQ(this->Count(5), 3);
    // A slope of one half steps every second pixel.
    c.Line(0, 5, 4, 3, 6);
    EXPECT_EQ(c.GetPixel(0, 5), 6u);
    EXPECT_EQ(c.GetPixel(1, 5), 6u);
    EXPECT_EQ(c.GetPixel(2, 4), 6u);
    EXPECT_EQ(c.GetPixel(3, 4), 6u);
    EXPECT_EQ(this->Count(6), 4);
    c.Line(-4, 1, 20, 1, 3);  // only the inside of a line is drawn
    EXPECT_EQ(this->Count(3), 8);
}

TYPED_TEST(CanvasTest, FillRectDrawsOnlyWhollyInsideRectangles) {
    auto& c = this->canvas;
    c.FillRect(-1, 0, 2, 2, 4);
    c.FillRect(7, 0, 2, 2, 4);
    c.FillRect(0, 5, 2, 2, 4);
    c.FillRect(1, 1, 3, 0, 4);
    EXPECT_EQ(this->Count(4), 0);
    c.FillRect(6, 4, 2, 2, 4);
    EXPECT_EQ(this->Count(4), 4);
    EXPECT_EQ(c.GetPixel(7, 5), 4u);
}

TYPED_TEST(CanvasTest, FrameRectOutlinesAndInvertedCornersComeBack) {
    auto& c = this->canvas;
    c.FrameRect(1, 1, 4, 3, 2);
    EXPECT_EQ(this->Count(2), 10);
    EXPECT_EQ(c.GetPixel(2, 2), 0u);
    c.FrameRect(5, 0, 4, 1, 2);  // reaches past the right edge
    EXPECT_EQ(this->Count(2), 10);
    if constexpr (std::is_same_v<TypeParam, DibCanvas>) {
        c.Clear(0x000000);
        c.InvertFrameRect(0, 0, 3, 3);
        EXPECT_EQ(c.GetPixel(0, 0), 0u);  // inverted twice
        EXPECT_EQ(c.GetPixel(1, 0), 0xFFFFFFu);
        EXPECT_EQ(c.GetPixel(0, 1), 0xFFFFFFu);
        EXPECT_EQ(c.GetPixel(1, 1), 0u);
        EXPECT_EQ(this->Count(0xFFFFFF), 4);
    }
}

TYPED_TEST(CanvasTest, CopiesBetweenCanvases) {
    auto& c = this->canvas;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) c.SetPixel(x, y, static_cast<uint32_t>(10 * y + x));
    IndexedCanvas region;
    ASSERT_TRUE(region.Create(3, 2));
    region.CopyRegionFrom(c, 4, 3, 3, 2);
    EXPECT_EQ(region.GetPixel(0, 0), 34u);
    EXPECT_EQ(region.GetPixel(2, 1), 46u);
    c.Clear(0);
    c.PasteFrom(region, 6, 5);  // clipped at the corner
    EXPECT_EQ(c.GetPixel(6, 5), 34u);
    EXPECT_EQ(c.GetPixel(7, 5), 35u);
    EXPECT_EQ(this->Count(0), 46);
    region.SetPixel(1, 0, 0);
    c.Clear(1);
    c.PasteFromKeyed(region, 0, 0, 0);
    EXPECT_EQ(c.GetPixel(1, 0), 1u);
    EXPECT_EQ(c.GetPixel(2, 0), 36u);
}

TEST(DibCanvas, RowsAreStoredBottomUp) {
    DibCanvas c;
    ASSERT_TRUE(c.Create(3, 2));
    EXPECT_EQ(c.Kind(), kColourCanvas);
    EXPECT_EQ(c.Stride(), 12);
    c.SetPixel(0, 0, 0x00112233);
    c.SetPixel(2, 1, 0x00445566);
    EXPECT_EQ(c.Bits()[3], 0x00112233u);
    EXPECT_EQ(c.Bits()[2], 0x00445566u);
    EXPECT_EQ(c.RowPointer(0), reinterpret_cast<const uint8_t*>(c.Bits() + 3));
    const uint8_t* row = c.RowPointer(0);
    EXPECT_EQ(row[0], 0x33);  // blue, green, red, 0 in memory
    EXPECT_EQ(row[2], 0x11);
    c.InvertPixel(0, 0);
    EXPECT_EQ(c.GetPixel(0, 0), 0x00EEDDCCu);
    c.SetPixel(1, 1, 0xFF000000);
    c.InvertPixel(1, 1);
    EXPECT_EQ(c.GetPixel(1, 1), 0x00FFFFFFu);  // the top byte always ends 0
    EXPECT_FALSE(c.Create(65536, 65536));  // larger than a bitmap can be
    EXPECT_FALSE(c.Valid());
}

TEST(DibCanvas, SizeWithoutSurfaceDrawsNothing) {
    DibCanvas c;
    EXPECT_TRUE(c.SetSize(10, 10));
    EXPECT_TRUE(c.Valid());
    c.SetPixel(1, 1, 5);
    c.FillRect(0, 0, 10, 10, 5);
    c.Clear(3);
    EXPECT_EQ(c.GetPixel(1, 1), 0u);
    EXPECT_EQ(c.RowPointer(0), nullptr);

    // After Create, a new size lets go of the small surface instead of writing past it.
    DibCanvas made;
    ASSERT_TRUE(made.Create(2, 2));
    EXPECT_TRUE(made.SetSize(100, 100));
    EXPECT_EQ(made.Bits(), nullptr);
    EXPECT_EQ(made.RowPointer(99), nullptr);
    made.SetPixel(99, 99, 5);
    made.Clear(7);
    EXPECT_EQ(made.GetPixel(99, 99), 0u);
    EXPECT_EQ(made.Width(), 100);
}

TEST(IndexedCanvas, InvertsThroughItsOwnPalette) {
    IndexedCanvas c;
    ASSERT_TRUE(c.Create(2, 2));
    EXPECT_EQ(c.Kind(), kIndexedCanvas);
    EXPECT_EQ(c.Stride(), 2);
    c.palette.fill(0x00808080);
    c.palette[3] = 0x00FFFFFF;
    c.palette[5] = 0x00000000;
    c.palette[6] = 0x00000000;  // equally near: the lower index wins
    c.palette[7] = 0x00F0F0F0;
    c.SetPixel(1, 0, 3);
    c.InvertPixel(1, 0);
    EXPECT_EQ(c.GetPixel(1, 0), 5u);
    c.InvertPixel(1, 0);
    EXPECT_EQ(c.GetPixel(1, 0), 3u);
    c.SetPixel(0, 1, 0x1FF);
    EXPECT_EQ(c.GetPixel(0, 1), 0xFFu);  // one byte per pixel
    EXPECT_EQ(c.RowPointer(1)[0], 0xFF);
}

}  // namespace
}  // namespace zelt::test
