#include <gtest/gtest.h>

#include <string>

#include "pictor/FormatList.h"

namespace zelt::pictor {
namespace {

std::string Name(std::string_view list, int index, size_t room = 64) {
    std::string out(room + 1, '#');
    if (!CopyFormatName(list, index, out.data(), room)) return "<none>";
    EXPECT_EQ(out[room], '#') << "wrote past the room given";
    return out.c_str();
}

TEST(FormatListTest, EntriesByIndexWithoutPatternPrefix) {
    const std::string_view save = "*.BMP;*.JPEG;*.GIF;";
    EXPECT_EQ(Name(save, 0), "BMP");
    EXPECT_EQ(Name(save, 1), "JPEG");
    EXPECT_EQ(Name(save, 2), "GIF");
    EXPECT_EQ(Name(save, 3), "<none>");
    EXPECT_EQ(Name(save, -1), "<none>");
    EXPECT_EQ(Name(save, 1 << 30), "<none>");

    // An open list holds the encoders' own pattern lists, so one encoder gives several entries.
    const std::string_view open = "*.BMP;*.DIB;*.RLE;;*.JPG;";
    EXPECT_EQ(Name(open, 1), "DIB");
    EXPECT_EQ(Name(open, 3), "");
    EXPECT_EQ(Name(open, 4), "JPG");
    EXPECT_EQ(Name(open, 5), "<none>");
    // Text after the last ';' is not an entry.
    EXPECT_EQ(Name("*.PNG;*.TIF", 1), "<none>");
    EXPECT_EQ(Name("", 0), "<none>");
}

TEST(FormatListTest, LongEntryIsCutToTheBuffer) {
    const std::string longName(100, 'X');
    const std::string list = "*.BMP;*." + longName + ";*.PNG;";
    EXPECT_EQ(Name(list, 1), longName.substr(0, 63));
    EXPECT_EQ(Name(list, 1, 4), "XXX");
    EXPECT_EQ(Name(list, 2, 4), "PNG");
    EXPECT_EQ(Name(list, 0, 1), "");
    char untouched = '#';
    EXPECT_FALSE(CopyFormatName(list, 0, &untouched, 0));
    EXPECT_EQ(untouched, '#');
}

TEST(FormatListTest, ExtensionIsTextAfterLastDotPastTheFirstCharacter) {
    EXPECT_EQ(ExtensionOf(L"C:\\maps\\tile.png"), L"png");
    EXPECT_EQ(ExtensionOf(L"a.b.JPEG"), L"JPEG");
    EXPECT_EQ(ExtensionOf(L"name."), L"");
    EXPECT_EQ(ExtensionOf(L"C:\\x.y\\file"), L"y\\file");
    EXPECT_EQ(ExtensionOf(L".png"), std::nullopt);
    EXPECT_EQ(ExtensionOf(L"png"), std::nullopt);
    EXPECT_EQ(ExtensionOf(L""), std::nullopt);
}

TEST(FormatListTest, MimeTypesCompareWithAsciiLettersFolded) {
    EXPECT_TRUE(SameMimeType(L"image/png", L"image/PNG"));
    EXPECT_TRUE(SameMimeType(L"IMAGE/Tiff", L"image/tiff"));
    EXPECT_FALSE(SameMimeType(L"image/tif", L"image/tiff"));
    EXPECT_FALSE(SameMimeType(L"image/jpeg", L"image/jpg"));
    EXPECT_FALSE(SameMimeType(L"image/png", L"image/png "));
    // Only A-Z fold: '@' and '`' sit next to them, and letters beyond ASCII compare exactly.
    EXPECT_FALSE(SameMimeType(L"image/@", L"image/`"));
    EXPECT_FALSE(SameMimeType(L"image/\u00C9", L"image/\u00E9"));
}

}  // namespace
}  // namespace zelt::pictor
