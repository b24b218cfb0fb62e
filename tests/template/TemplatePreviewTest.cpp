#include <gtest/gtest.h>

#include "editor/template/TemplateFile.h"
#include "editor/template/TemplatePreview.h"
#include "tests/support/TestSupport.h"

using namespace zelt;
using zelt::test::GridTile;

namespace {

std::vector<uint8_t> Encode(std::vector<TileRecord> tiles, int cellW, int cellH) {
    PrepareZData(tiles, cellW, cellH);
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(EncodeTemplate(tiles, cellW, cellH, {}, bytes, error)) << error;
    return bytes;
}

PaletteTable Table() {
    PaletteTable table{};
    for (int i = 0; i < 256; ++i) table[i] = 0x010000u * i + 0x000100u * (255 - i) + 7;
    return table;
}

constexpr uint32_t kBackground = 0x00ABCDEF;

ColourImage Preview(const std::vector<uint8_t>& bytes, TemplateBounds& bounds) {
    EXPECT_TRUE(ComputeFileBounds(bytes, bounds));
    ColourImage canvas(static_cast<int>(bounds.Width()), static_cast<int>(bounds.Height()), kBackground);
    EXPECT_TRUE(PreviewTemplate(bytes, canvas, Table()));
    return canvas;
}

}  // namespace

TEST(TemplatePreview, OneCellRightOfTheOrigin) {
    TemplateBounds b;
    ColourImage canvas = Preview(Encode({GridTile(48, 24, 1, 0, 9)}, 48, 24), b);  // X 24, Y 12
    EXPECT_EQ(b.minX, 0);
    EXPECT_EQ(b.maxX, 48);
    EXPECT_EQ(b.minY, 0);
    EXPECT_EQ(b.maxY, 36);
    ASSERT_EQ(canvas.width, 48);
    ASSERT_EQ(canvas.height, 36);
    const uint32_t c = Table()[9];
    // The widest row (row 11) is canvas row 23 and spans the whole width.
    EXPECT_EQ(canvas.GetPixel(0, 23), c);
    EXPECT_EQ(canvas.GetPixel(47, 23), c);
    EXPECT_EQ(canvas.GetPixel(0, 22), kBackground);
    // The top row's four pixels sit in the middle of row 12; nothing above it.
    EXPECT_EQ(canvas.GetPixel(22, 12), c);
    EXPECT_EQ(canvas.GetPixel(25, 12), c);
    EXPECT_EQ(canvas.GetPixel(21, 12), kBackground);
    EXPECT_EQ(canvas.GetPixel(24, 11), kBackground);
    // The last row of the cell box is empty.
    for (int x = 0; x < 48; ++x) EXPECT_EQ(canvas.GetPixel(x, 35), kBackground);
}

TEST(TemplatePreview, RaisedCellsShiftThePictureDown) {
    TileRecord raised = GridTile(48, 24, 0, 0, 3);
    raised.height = 2;  // 24 pixels higher, above the origin
    TemplateBounds b;
    ColourImage canvas = Preview(Encode({raised}, 48, 24), b);
    EXPECT_EQ(b.minY, -24);
    EXPECT_EQ(b.maxY, 0);
    EXPECT_EQ(b.minX, -24);
    EXPECT_EQ(canvas.GetPixel(0, 11), Table()[3]);
}

TEST(TemplatePreview, TransparencyOverlapAndExtraImages) {
    TileRecord under = GridTile(48, 24, 0, 0, 5);
    // The next slot raised one level overlaps the first cell's right half.
    TileRecord over = GridTile(48, 24, 1, 0, 0);
    over.height = 1;
    over.diamond[0] = 8;  // one visible pixel, the rest transparent
    over.hasExtra = true;
    over.extraX = 12;
    over.extraY = -10;
    over.extraWidth = 2;
    over.extraHeight = 2;
    over.extraImage = {0, 6, 6, 6};
    TemplateBounds b;
    ColourImage canvas = Preview(Encode({under, over}, 48, 24), b);
    EXPECT_EQ(b.minY, -22);  // the extra image, lifted with its tile, reaches above the origin
    const int ox = static_cast<int>(-b.minX - 24), oy = static_cast<int>(-b.minY);
    auto at = [&](int x, int y) { return canvas.GetPixel(x + 24 + ox, y + oy); };  // template space
    EXPECT_EQ(at(0, 11), Table()[5]);  // under the later cell's transparent pixels
    EXPECT_EQ(at(22, 0), Table()[8]);
    EXPECT_EQ(at(-12, -22), kBackground);
    EXPECT_EQ(at(-11, -22), Table()[6]);
    EXPECT_EQ(at(-12, -21), Table()[6]);
}

TEST(TemplatePreview, ExtraFieldsWithoutTheFlagChangeNothing) {
    std::vector<uint8_t> bytes = Encode({GridTile(48, 24, 1, 0, 1)}, 48, 24);
    TemplateBounds before;
    ASSERT_TRUE(ComputeFileBounds(bytes, before));
    bytes[20 + 20] = 200;  // extra X
    bytes[20 + 28] = 100;  // extra width
    TemplateBounds after;
    ASSERT_TRUE(ComputeFileBounds(bytes, after));
    EXPECT_EQ(after.maxX, before.maxX);
}

TEST(TemplatePreview, MalformedFilesDrawNothing) {
    std::vector<uint8_t> bytes = Encode({GridTile(48, 24, 0, 0, 1), GridTile(48, 24, 1, 0, 1)}, 48, 24);
    TemplateBounds b;
    EXPECT_FALSE(ComputeFileBounds({}, b));
    std::vector<uint8_t> cut(bytes.begin(), bytes.end() - 1);
    EXPECT_FALSE(ComputeFileBounds(cut, b));
    ColourImage canvas(48, 24, kBackground);
    EXPECT_FALSE(PreviewTemplate(cut, canvas, Table()));
    for (uint32_t p : canvas.pixels) ASSERT_EQ(p, kBackground);
}
