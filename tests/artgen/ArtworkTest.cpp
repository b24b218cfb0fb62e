// The generated artwork: the files the resource scripts expect, with the sizes and formats they need,
// the same bytes on every run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/artgen/Decoders.h"
#include "tools/artgen/Artwork.h"
#include "tools/artgen/EditorToolbar.h"
#include "tools/artgen/Font.h"
#include "tools/artgen/HotButtons.h"
#include "tools/artgen/Toolbar.h"

namespace zelt::artgen {
namespace {

// Made once: drawing everything takes a moment under the sanitizers.
const std::vector<ArtworkFile>& Artwork() {
    static const std::vector<ArtworkFile> files = MakeArtwork();
    return files;
}

const ArtworkFile& Find(const std::vector<ArtworkFile>& files, const std::string& name) {
    for (const ArtworkFile& file : files)
        if (file.name == name) return file;
    throw std::runtime_error("no " + name);
}

TEST(ArtworkTest, MakesEveryFileTheResourcesName) {
    const std::vector<ArtworkFile>& files = Artwork();
    std::vector<std::string> names;
    for (const ArtworkFile& file : files) names.push_back(file.name);
    std::vector<std::string> expected{"zelt.ico",           "viewer.ico",  "splash.bmp",  "viewer_toolbar.bmp",
                                      "editor_toolbar.bmp", "bbanner.gif", "vbanner.gif", "help.gif"};
    for (const char* ramp : {"ramp00", "ramp01", "ramp02", "ramp03", "ramp04", "ramp05", "ramp06",
                             "ramp07", "ramp08", "ramp09", "ramp10", "ramp11", "ramp12", "ramp13",
                             "ramp14", "ramp15", "ramp16", "ramp17", "ramp18", "ramp19", "ramp20"})
        expected.push_back(std::string(ramp) + ".bmp");
    expected.push_back("tip.bmp");
    for (const char* button : {"up", "right", "down", "left", "extra", "raise", "lower"}) {
        expected.push_back(std::string("hot_") + button + ".bmp");
        expected.push_back(std::string("hot_") + button + "_hover.bmp");
    }
    expected.push_back("pixel_tools.bmp");
    EXPECT_EQ(names, expected);
}

TEST(ArtworkTest, RampPicturesShowTheirRaisedCorners) {
    const std::vector<ArtworkFile>& files = Artwork();
    const Image flat = testing::DecodeBmp24(Find(files, "ramp00.bmp").bytes);
    ASSERT_EQ(flat.width, 72);
    ASSERT_EQ(flat.height, 56);
    // Above the flat diamond's north corner is white; the ramp raised to the north covers it.
    const uint32_t white = 0xFFFFFFFFu;
    EXPECT_EQ(flat.At(36, 16), white);
    EXPECT_NE(testing::DecodeBmp24(Find(files, "ramp05.bmp").bytes).At(36, 16), white);
    EXPECT_EQ(testing::DecodeBmp24(Find(files, "ramp07.bmp").bytes).At(36, 16), white);
    // Every type is its own picture, and the corner of each is the white the list draws it on.
    for (int i = 0; i <= 20; ++i) {
        const std::string name = std::string("ramp") + char('0' + i / 10) + char('0' + i % 10) + ".bmp";
        const Image ramp = testing::DecodeBmp24(Find(files, name).bytes);
        EXPECT_EQ(ramp.At(0, 0), white) << name;
        if (i > 0) EXPECT_NE(ramp.pixels, flat.pixels) << name;
    }
    EXPECT_EQ(testing::DecodeBmp24(Find(files, "tip.bmp").bytes).width, 64);
}

TEST(ArtworkTest, HotButtonsAreDistinct24PixelBitmapsWithAHoveredLook) {
    const std::vector<ArtworkFile>& files = Artwork();
    std::vector<Image> normal;
    for (int i = 0; i < kHotButtonPictures; ++i) {
        const Image plain = testing::DecodeBmp24(Find(files, HotButtonFileName(i, false)).bytes);
        const Image hovered = testing::DecodeBmp24(Find(files, HotButtonFileName(i, true)).bytes);
        EXPECT_EQ(plain.width, kHotButtonSide);
        EXPECT_EQ(plain.height, kHotButtonSide);
        EXPECT_EQ(hovered.width, kHotButtonSide);
        EXPECT_NE(plain.pixels, hovered.pixels) << i;
        for (const Image& other : normal) EXPECT_NE(plain.pixels, other.pixels) << i;
        normal.push_back(plain);
    }
}

TEST(ArtworkTest, IsTheSameOnEveryRun) {
    const std::vector<ArtworkFile>& first = Artwork();
    const std::vector<ArtworkFile> second = MakeArtwork();
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) EXPECT_EQ(first[i].bytes, second[i].bytes) << first[i].name;
}

TEST(ArtworkTest, IconsHold48And32And16PixelImagesWithAlpha) {
    const std::vector<ArtworkFile>& files = Artwork();
    for (const char* name : {"zelt.ico", "viewer.ico"}) {
        const ArtworkFile& file = Find(files, name);
        const std::vector<testing::IconEntry> entries = testing::DecodeIco(file.bytes);
        ASSERT_EQ(entries.size(), 3u) << name;
        const int sides[] = {48, 32, 16};
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(entries[i].image.width, sides[i]) << name;
            EXPECT_EQ(entries[i].image.pixels, file.images[i].pixels) << name;
            // The corners are clear, the middle is drawn.
            EXPECT_EQ(entries[i].image.At(0, 0) >> 24, 0u) << name;
            EXPECT_TRUE(entries[i].transparent[0]) << name;
            const int middle = sides[i] / 2;
            EXPECT_EQ(entries[i].image.At(middle, middle) >> 24, 0xFFu) << name;
            EXPECT_FALSE(entries[i].transparent[static_cast<size_t>(middle) * sides[i] + middle]) << name;
        }
    }
    EXPECT_NE(Find(files, "zelt.ico").bytes, Find(files, "viewer.ico").bytes);
}

TEST(ArtworkTest, SplashIsA24BitBitmap) {
    const std::vector<ArtworkFile>& files = Artwork();
    const ArtworkFile& file = Find(files, "splash.bmp");
    const Image splash = testing::DecodeBmp24(file.bytes);
    EXPECT_EQ(splash.width, 420);
    EXPECT_EQ(splash.height, 240);
    EXPECT_EQ(splash.pixels, file.images[0].pixels);
}

// Every button of a strip is distinct, has transparent background and something drawn on it.
void ExpectToolbarStrip(const std::string& name, int count, int side, uint32_t transparent) {
    const Image strip = testing::DecodeBmp24(Find(Artwork(), name).bytes);
    ASSERT_EQ(strip.width, count * side) << name;
    ASSERT_EQ(strip.height, side) << name;
    std::vector<Image> buttons;
    for (int button = 0; button < count; ++button) {
        Image image(side, side);
        int key = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                image.Set(x, y, strip.At(button * side + x, y));
                if (image.At(x, y) == transparent) ++key;
            }
        EXPECT_GT(key, side) << name << " button " << button << " has almost no transparent background";
        EXPECT_LT(key, side * side - side * 5 / 2) << name << " button " << button << " is nearly empty";
        for (const Image& earlier : buttons) EXPECT_NE(image.pixels, earlier.pixels) << name << " button " << button;
        buttons.push_back(image);
    }
}

TEST(ArtworkTest, ToolbarsHaveDistinctButtonsOnTheirKeys) {
    ExpectToolbarStrip("viewer_toolbar.bmp", 17, 16, kToolbarKey);
    // The editor's toolbar: at least ten 48 x 48 images on RGB (200, 200, 200).
    ExpectToolbarStrip("editor_toolbar.bmp", kEditorToolbarButtons, 48, Rgb(0xC8C8C8));
    EXPECT_GE(kEditorToolbarButtons, 10);
}

TEST(ArtworkTest, AboutPicturesAreGifsOfTheirSizes) {
    const std::vector<ArtworkFile>& files = Artwork();
    const struct {
        const char* name;
        int width, height;
    } expected[] = {{"bbanner.gif", 413, 77}, {"vbanner.gif", 413, 77}, {"help.gif", 57, 57}};
    for (const auto& e : expected) {
        const ArtworkFile& file = Find(files, e.name);
        const testing::GifPicture picture = testing::DecodeGif(file.bytes);
        EXPECT_EQ(picture.image.width, e.width) << e.name;
        EXPECT_EQ(picture.image.height, e.height) << e.name;
        EXPECT_EQ(picture.image.pixels, file.images[0].pixels) << e.name;
    }
}

TEST(FontTest, MeasuresWhatItDraws) {
    EXPECT_EQ(TextWidth("", 3), 0);
    EXPECT_EQ(TextWidth("1:1", 1), 3 + 1 + 1 + 1 + 3);
    EXPECT_EQ(TextWidth("ab", 2), 2 * TextWidth("ab", 1));
    Image image(60, 20);
    const int width = DrawText(image, 2, 2, "Zelt", 2, 0xFFFFFFFFu);
    int right = -1, bottom = -1;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.At(x, y) != 0) right = std::max(right, x), bottom = std::max(bottom, y);
    EXPECT_EQ(right, 2 + width - 1);
    EXPECT_EQ(bottom, 2 + kFontCapHeight * 2 - 1);
}

#ifdef ZELT_ARTGEN_TOOL
Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

TEST(ArtgenToolTest, TwoRunsWriteTheSameFiles) {
    const auto base =
        std::filesystem::temp_directory_path() /
        ("zelt_artgen_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::remove_all(base);
    for (const char* run : {"a", "b"}) {
        const std::string command =
            std::string("\"") + ZELT_ARTGEN_TOOL + "\" \"" + (base / run).string() + "\"";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    for (const ArtworkFile& file : Artwork()) {
        const Bytes a = ReadFile(base / "a" / file.name);
        EXPECT_FALSE(a.empty()) << file.name;
        EXPECT_EQ(a, ReadFile(base / "b" / file.name)) << file.name;
        EXPECT_EQ(a, file.bytes) << file.name;
    }
    std::filesystem::remove_all(base);
}
#endif

}  // namespace
}  // namespace zelt::artgen
