#include <gtest/gtest.h>

#include "editor/interchange/ImageFilter.h"

using namespace zelt;
using namespace std::string_literals;

TEST(ImageFilter, DescriptionPatternPairsEndInAnExtraZero) {
    const std::string open = "*.BMP;*.DIB;*.RLE;*.JPG;";
    EXPECT_EQ(BuildImageFileFilter(open),
              "Image files:(" + open + ")\0"s + open + "\0All files (*.*)\0*.*\0\0"s);
}

TEST(ImageFilter, ALongListIsCutAtAWholeEntry) {
    std::string open;
    for (int i = 0; i < 40; ++i) open += "*.X" + std::to_string(i) + ";";
    const std::string filter = BuildImageFileFilter(open);
    EXPECT_LE(filter.size(), kImageFilterSize);
    const size_t start = filter.find('(') + 1;
    const std::string kept = filter.substr(start, filter.find(')') - start);
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(kept.back(), ';');
    EXPECT_EQ(open.compare(0, kept.size(), kept), 0);
    // As much as fits: one more entry would overflow the buffer.
    const std::string next = open.substr(kept.size(), open.find(';', kept.size()) + 1 - kept.size());
    EXPECT_GT(filter.size() + 2 * next.size(), kImageFilterSize);
    // The list still ends with the catch-all entry.
    EXPECT_EQ(filter.substr(filter.size() - 6), "*.*\0\0"s.insert(0, "\0"s));
    // One entry longer than the whole buffer leaves an empty list, never an overflow.
    EXPECT_LE(BuildImageFileFilter(std::string(300, 'A') + ";").size(), kImageFilterSize);
}

TEST(ImageFilter, TheSaveFilterOffersOnlyTheWrittenFormatsByTheirOwnExtension) {
    EXPECT_EQ(BuildImageSaveFilter({"BMP", "JPEG", "PNG"}),
              "BMP (*.bmp)\0*.bmp\0JPEG (*.jpeg)\0*.jpeg\0PNG (*.png)\0*.png\0\0"s);
    EXPECT_EQ(BuildImageSaveFilter({"", "GIF"}), "GIF (*.gif)\0*.gif\0\0"s);
    EXPECT_EQ(BuildImageSaveFilter({}), "");
}
