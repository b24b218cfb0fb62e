// Pictor.Dll as its users meet it: loaded by file name, its exports bound by name.
// clang-format off
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "pictor/Pictor.h"
#include "tests/support/TestSupport.h"

namespace zelt::pictor {
namespace {

using test::ScratchFolder;

struct Exports {
    HMODULE module = nullptr;
    ImageInitFn init = nullptr;
    ImageUnInitFn unInit = nullptr;
    ImageGetDescFn getDesc = nullptr;
    ImageOpenFilterStrFn openFilter = nullptr;
    ImageSaveFilterStrFn saveFilter = nullptr;
    ImageGetOpenFormatNameFn openName = nullptr;
    ImageGetSaveFormatNameFn saveName = nullptr;
    ImageGetSizeFn getSize = nullptr;
    ImageLoadFn load = nullptr;
    ImageSaveFn save = nullptr;
};

template <typename Fn>
void Bind(HMODULE module, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    ASSERT_NE(fn, nullptr) << name;
}

Exports g_pictor;

void LoadPictor() {
    Exports& p = g_pictor;
    p.module = LoadLibraryA(ZELT_PICTOR_DLL);
    ASSERT_NE(p.module, nullptr) << ZELT_PICTOR_DLL;
    Bind(p.module, "ImageInit", p.init);
    Bind(p.module, "ImageUnInit", p.unInit);
    Bind(p.module, "ImageGetDesc", p.getDesc);
    Bind(p.module, "ImageOpenFilterStr", p.openFilter);
    Bind(p.module, "ImageSaveFilterStr", p.saveFilter);
    Bind(p.module, "ImageGetOpenFormatName", p.openName);
    Bind(p.module, "ImageGetSaveFormatName", p.saveName);
    Bind(p.module, "ImageGetSize", p.getSize);
    Bind(p.module, "ImageLoad", p.load);
    Bind(p.module, "ImageSave", p.save);
}

// Entries of a list of ';'-terminated entries.
std::vector<std::string> Entries(const std::string& list) {
    std::vector<std::string> entries;
    size_t start = 0;
    for (size_t end; (end = list.find(';', start)) != std::string::npos; start = end + 1) {
        entries.push_back(list.substr(start, end - start));
    }
    return entries;
}

std::vector<uint32_t> RandomPixels(int width, int height, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (uint32_t& p : pixels) p = rng() & 0x00FFFFFF;
    return pixels;
}

// Blocks of web-safe colours: few colours, each one a GIF encoder keeps as it is.
std::vector<uint32_t> FewColourPixels(int width, int height) {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t r = (x / 4) % 6 * 0x33, g = (y / 3) % 6 * 0x33, b = (x + y) / 5 % 2 * 0xFF;
            pixels.push_back(r << 16 | g << 8 | b);
        }
    }
    return pixels;
}

// A smooth picture, for a lossy round trip.
std::vector<uint32_t> GradientPixels(int width, int height) {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t r = x * 255 / width, g = y * 255 / height, b = 128;
            pixels.push_back(r << 16 | g << 8 | b);
        }
    }
    return pixels;
}

int LargestChannelDifference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, double* mean) {
    int largest = 0;
    double sum = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        for (int shift = 0; shift < 24; shift += 8) {
            const int d =
                std::abs(static_cast<int>(a[i] >> shift & 0xFF) - static_cast<int>(b[i] >> shift & 0xFF));
            largest = std::max(largest, d);
            sum += d;
        }
    }
    *mean = sum / (a.size() * 3.0);
    return largest;
}

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A bottom-up BMP file of `bits` 8 (with the given colour table) or 24, rows padded to 4 bytes.
std::vector<uint8_t> BmpFile(int width, int height, int bits, const std::vector<uint32_t>& table,
                             const std::vector<uint32_t>& valuesTopRowFirst) {
    const int rowBytes = (width * bits / 8 + 3) / 4 * 4;
    const uint32_t offset = 14 + 40 + static_cast<uint32_t>(table.size()) * 4;
    std::vector<uint8_t> file{'B', 'M'};
    PutLe(file, offset + rowBytes * height, 4);
    PutLe(file, 0, 4);
    PutLe(file, offset, 4);
    PutLe(file, 40, 4);
    PutLe(file, width, 4);
    PutLe(file, height, 4);
    PutLe(file, 1, 2);
    PutLe(file, bits, 2);
    for (int i = 0; i < 6; ++i) PutLe(file, i == 4 ? table.size() : 0, 4);
    for (uint32_t colour : table) PutLe(file, colour, 4);
    for (int y = height - 1; y >= 0; --y) {
        const size_t rowStart = file.size();
        for (int x = 0; x < width; ++x) PutLe(file, valuesTopRowFirst[y * width + x], bits / 8);
        file.resize(rowStart + rowBytes, 0xEE);
    }
    return file;
}

// A GIF of at most four colours, its LZW data written as plain codes: a clear code before every
// second pixel keeps the code width at three bits.
std::vector<uint8_t> GifFile(int width, int height, const std::vector<uint32_t>& table,
                             const std::vector<uint32_t>& indices) {
    std::vector<uint8_t> file{'G', 'I', 'F', '8', '9', 'a'};
    PutLe(file, width, 2);
    PutLe(file, height, 2);
    file.insert(file.end(), {0x81, 0, 0});
    for (int i = 0; i < 4; ++i) {
        const uint32_t c = i < static_cast<int>(table.size()) ? table[i] : 0;
        file.insert(file.end(),
                    {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c)});
    }
    file.push_back(0x2C);
    PutLe(file, 0, 4);
    PutLe(file, width, 2);
    PutLe(file, height, 2);
    file.push_back(0);
    std::vector<uint32_t> codes;
    for (size_t i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0) codes.push_back(4);
        codes.push_back(indices[i]);
    }
    codes.push_back(5);
    std::vector<uint8_t> data((codes.size() * 3 + 7) / 8, 0);
    for (size_t i = 0; i < codes.size(); ++i) {
        for (int bit = 0; bit < 3; ++bit) {
            if (codes[i] >> bit & 1)
                data[(i * 3 + bit) / 8] |= static_cast<uint8_t>(1 << ((i * 3 + bit) % 8));
        }
    }
    file.push_back(2);
    for (size_t start = 0; start < data.size(); start += 255) {
        const size_t length = std::min<size_t>(255, data.size() - start);
        file.push_back(static_cast<uint8_t>(length));
        file.insert(file.end(), data.begin() + start, data.begin() + start + length);
    }
    file.insert(file.end(), {0x00, 0x3B});
    return file;
}

bool RunningOnWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// The PNG encoder's class identifier, the same in every GDI+.
const CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// A PNG with an alpha channel, written by GDI+ itself from 0xAARRGGBB values.
bool WriteArgbPng(const std::string& path, std::vector<uint32_t> argb, int width, int height) {
    namespace gp = Gdiplus::DllExports;
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (gp::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppARGB,
                                      reinterpret_cast<BYTE*>(argb.data()), &bitmap) != Gdiplus::Ok) {
        return false;
    }
    const std::wstring wide(path.begin(), path.end());
    const bool saved = gp::GdipSaveImageToFile(bitmap, wide.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
    gp::GdipDisposeImage(bitmap);
    return saved;
}

// Before ImageInit and after ImageUnInit only the description answers; nothing crashes.
TEST(PictorLifecycleTest, InitAndUnInit) {
    LoadPictor();
    if (HasFatalFailure()) return;
    const Exports& p = g_pictor;
    EXPECT_STREQ(p.getDesc(), "Image library - using GDI+ (BMP, GIF, PNG, TIFF, JPEG)");
    EXPECT_EQ(p.getDesc(), p.getDesc());

    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(p.openFilter(), nullptr);
        EXPECT_EQ(p.saveFilter(), nullptr);
        EXPECT_EQ(p.openName(0), nullptr);
        EXPECT_EQ(p.saveName(0), nullptr);
        int size[2] = {7, 9};
        EXPECT_EQ(p.getSize(ZELT_PICTOR_DLL, size), 0);
        EXPECT_EQ(size[0], 7);
        const uint32_t pixel = 0;
        ScratchFolder folder;
        EXPECT_EQ(p.save(folder.File("early.bmp").c_str(), &pixel, 1, 1), 0);

        ASSERT_EQ(p.init(), 1);
        const char* open = p.openFilter();
        ASSERT_NE(open, nullptr);
        // A second ImageInit keeps what the first one built.
        EXPECT_EQ(p.init(), 1);
        EXPECT_EQ(p.openFilter(), open);
        p.unInit();
        p.unInit();
    }
}

class PictorTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (g_pictor.module == nullptr) LoadPictor();
        ASSERT_NE(g_pictor.init, nullptr);
        ASSERT_EQ(g_pictor.init(), 1);
    }
    static void TearDownTestSuite() {
        if (g_pictor.unInit != nullptr) g_pictor.unInit();
    }
    void SetUp() override {
        if (g_pictor.load == nullptr || g_pictor.openFilter() == nullptr)
            GTEST_SKIP() << "Pictor.Dll not ready";
    }

    // Saves, then reads the size and the pixels back; false if any step fails.
    bool RoundTrip(const std::string& name, const std::vector<uint32_t>& pixels, int width, int height,
                   std::vector<uint32_t>& back) {
        const std::string path = folder_.File(name);
        if (p_.save(path.c_str(), pixels.data(), width, height) != 1) return false;
        int size[2] = {-1, -1};
        if (p_.getSize(path.c_str(), size) != 1) return false;
        EXPECT_EQ(size[0], width) << name;
        EXPECT_EQ(size[1], height) << name;
        back.assign(pixels.size(), 0xDEADBEEF);
        return size[0] == width && size[1] == height && p_.load(path.c_str(), back.data()) == 1;
    }

    const Exports& p_ = g_pictor;
    ScratchFolder folder_;
};

TEST_F(PictorTest, FilterStringsListTheEncoders) {
    const std::string open = p_.openFilter();
    const std::string save = p_.saveFilter();
    ASSERT_FALSE(open.empty());
    EXPECT_EQ(open.back(), ';');
    EXPECT_EQ(save.back(), ';');

    std::set<std::string> openPatterns;
    for (const std::string& entry : Entries(open)) {
        EXPECT_EQ(entry.rfind("*.", 0), 0u) << entry;
        openPatterns.insert(entry);
    }
    for (const char* pattern : {"*.BMP", "*.JPG", "*.JPEG", "*.GIF", "*.TIF", "*.TIFF", "*.PNG"}) {
        EXPECT_TRUE(openPatterns.count(pattern)) << pattern << " missing from " << open;
    }
    std::set<std::string> saveNames;
    for (const std::string& entry : Entries(save)) {
        ASSERT_EQ(entry.rfind("*.", 0), 0u) << entry;
        saveNames.insert(entry.substr(2));
    }
    EXPECT_EQ(saveNames, (std::set<std::string>{"BMP", "JPEG", "GIF", "TIFF", "PNG"})) << save;
}

// Asked by index until null, each list gives back its entries without "*.".
TEST_F(PictorTest, FormatNamesByIndexUntilNull) {
    struct List {
        std::string text;
        ImageGetSaveFormatNameFn name;
    };
    for (const List& list : {List{p_.saveFilter(), p_.saveName}, List{p_.openFilter(), p_.openName}}) {
        const std::vector<std::string> entries = Entries(list.text);
        int index = 0;
        for (const char* name; (name = list.name(index)) != nullptr; ++index) {
            ASSERT_LT(index, static_cast<int>(entries.size()));
            EXPECT_EQ(entries[index], std::string("*.") + name);
        }
        EXPECT_EQ(index, static_cast<int>(entries.size())) << list.text;
        for (int outside : {-1, INT_MIN, INT_MAX, index + 1})
            EXPECT_EQ(list.name(outside), nullptr) << outside;
    }
}

TEST_F(PictorTest, LosslessFormatsRoundTripExactly) {
    const int width = 37, height = 23;  // an odd width: rows of three bytes need padding in a BMP
    const std::vector<uint32_t> pixels = RandomPixels(width, height, 5);
    for (const char* name : {"a.bmp", "a.png", "a.tiff", "b.BMP", "b.PNG", "b.Tiff"}) {
        std::vector<uint32_t> back;
        ASSERT_TRUE(RoundTrip(name, pixels, width, height, back)) << name;
        EXPECT_EQ(back, pixels) << name;
    }
    // Every extension the save list names is accepted as it stands.
    for (int i = 0; const char* name = p_.saveName(i); ++i) {
        const std::string file = folder_.File(std::string("listed.") + name);
        EXPECT_EQ(p_.save(file.c_str(), pixels.data(), width, height), 1) << name;
    }
}

TEST_F(PictorTest, GifAndJpegRoundTrip) {
    const int width = 48, height = 24;
    std::vector<uint32_t> back;
    const std::vector<uint32_t> few = FewColourPixels(width, height);
    if (RunningOnWine()) {
        // Wine's GIF encoder reports success for a 32-bit picture but writes a frame without
        // pixel data, so only the save itself is checked there.
        EXPECT_EQ(p_.save(folder_.File("few.gif").c_str(), few.data(), width, height), 1);
        EXPECT_EQ(test::ReadFile(folder_.File("few.gif")).at(0), 'G');
    } else {
        ASSERT_TRUE(RoundTrip("few.gif", few, width, height, back));
        EXPECT_EQ(back, few);
    }

    const std::vector<uint32_t> smooth = GradientPixels(width, height);
    for (const char* name : {"smooth.jpeg", "smooth.JPEG"}) {
        ASSERT_TRUE(RoundTrip(name, smooth, width, height, back)) << name;
        double mean = 0;
        const int largest = LargestChannelDifference(back, smooth, &mean);
        EXPECT_LT(mean, 4.0) << name;
        EXPECT_LT(largest, 48) << name;
        for (uint32_t value : back) ASSERT_EQ(value >> 24, 0u);
    }
}

// The extension must be the encoder's own format name; nothing is written otherwise.
TEST_F(PictorTest, SaveRefusesNamesWithoutAnEncoder) {
    const std::vector<uint32_t> pixels = RandomPixels(4, 4, 1);
    CreateDirectoryA(folder_.File("x.y").c_str(), nullptr);
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    SetCurrentDirectoryA(folder_.Path().c_str());
    for (const std::string& name :
         {folder_.File("a.jpg"), folder_.File("a.tif"), folder_.File("a.dib"), folder_.File("noextension"),
          folder_.File("dot."), folder_.File("x.y\\file"), std::string(".png"), std::string("png")}) {
        EXPECT_EQ(p_.save(name.c_str(), pixels.data(), 4, 4), 0) << name;
        EXPECT_EQ(GetFileAttributesA(name.c_str()), INVALID_FILE_ATTRIBUTES) << name;
    }
    SetCurrentDirectoryA(cwd);

    const std::string good = folder_.File("good.png");
    EXPECT_EQ(p_.save(good.c_str(), pixels.data(), 0, 4), 0);
    EXPECT_EQ(p_.save(good.c_str(), pixels.data(), 4, -1), 0);
    EXPECT_EQ(p_.save(good.c_str(), nullptr, 4, 4), 0);
    EXPECT_EQ(p_.save(nullptr, pixels.data(), 4, 4), 0);
    EXPECT_EQ(GetFileAttributesA(good.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(PictorTest, AlphaIsDiscarded) {
    const int width = 5, height = 3;
    std::vector<uint32_t> withAlpha = RandomPixels(width, height, 9);
    std::mt19937 rng(3);
    for (uint32_t& value : withAlpha) value |= (rng() & 0xFF) << 24;
    std::vector<uint32_t> back;
    for (const char* name : {"alpha.bmp", "alpha.png"}) {
        ASSERT_TRUE(RoundTrip(name, withAlpha, width, height, back)) << name;
        for (size_t i = 0; i < back.size(); ++i)
            ASSERT_EQ(back[i], withAlpha[i] & 0x00FFFFFF) << name << " " << i;
    }

    // A file with a real alpha channel: opaque pixels keep their colour, no value keeps alpha.
    const std::vector<uint32_t> argb = {0xFF102030, 0x80405060, 0x00708090,
                                        0xFFFFFFFF, 0x01000000, 0xFFA0B0C0};
    const std::string png = folder_.File("argb.png");
    ASSERT_TRUE(WriteArgbPng(png, argb, 3, 2));
    int size[2] = {};
    ASSERT_EQ(p_.getSize(png.c_str(), size), 1);
    ASSERT_EQ(size[0] * size[1], 6);
    std::vector<uint32_t> loaded(6, 0xDEADBEEF);
    ASSERT_EQ(p_.load(png.c_str(), loaded.data()), 1);
    for (size_t i = 0; i < loaded.size(); ++i) {
        EXPECT_EQ(loaded[i] >> 24, 0u) << i;
        if (argb[i] >> 24 == 0xFF) {
            EXPECT_EQ(loaded[i], argb[i] & 0x00FFFFFF) << i;
        }
    }
}

// Files the library did not write: a GIF, and palette and 24-bit BMPs, bottom-up, with padded rows.
TEST_F(PictorTest, LoadsOtherDepthsTopRowFirst) {
    const int width = 3, height = 2;
    const std::vector<uint32_t> table = {0x000000, 0x123456, 0xABCDEF, 0x00FF00};
    const std::vector<uint32_t> indices = {1, 2, 3, 3, 0, 2};
    test::WriteFile(folder_.File("indexed.bmp"), BmpFile(width, height, 8, table, indices));
    const std::vector<uint32_t> colours = {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x010203};
    test::WriteFile(folder_.File("rgb.bmp"), BmpFile(width, height, 24, {}, colours));

    const int gifWidth = 5, gifHeight = 3;
    const std::vector<uint32_t> gifIndices = {0, 1, 2, 3, 0, 3, 3, 2, 1, 1, 2, 0, 0, 1, 3};
    test::WriteFile(folder_.File("four.gif"), GifFile(gifWidth, gifHeight, table, gifIndices));

    std::vector<uint32_t> expected, gifExpected;
    for (uint32_t i : indices) expected.push_back(table[i]);
    for (uint32_t i : gifIndices) gifExpected.push_back(table[i]);
    struct Case {
        const char* name;
        int width, height;
        std::vector<uint32_t> want;
    };
    for (const Case& c :
         {Case{"indexed.bmp", width, height, expected}, Case{"rgb.bmp", width, height, colours},
          Case{"four.gif", gifWidth, gifHeight, gifExpected}}) {
        const auto& [name, w, h, want] = c;
        const std::string path = folder_.File(name);
        int size[2] = {};
        ASSERT_EQ(p_.getSize(path.c_str(), size), 1) << name;
        EXPECT_EQ(size[0], w) << name;
        EXPECT_EQ(size[1], h) << name;
        std::vector<uint32_t> back(want.size(), 0xDEADBEEF);
        ASSERT_EQ(p_.load(path.c_str(), back.data()), 1) << name;
        EXPECT_EQ(back, want) << name;
    }
}

TEST_F(PictorTest, UnreadableAndMissingFiles) {
    const std::string text = folder_.File("notes.png");
    test::WriteFile(text, {'j', 'u', 's', 't', ' ', 't', 'e', 'x', 't', '\n'});
    int size[2] = {7, 9};
    EXPECT_EQ(p_.getSize(text.c_str(), size), 1);
    EXPECT_EQ(size[0], 0);
    EXPECT_EQ(size[1], 0);
    uint32_t pixel = 0xDEADBEEF;
    EXPECT_EQ(p_.load(text.c_str(), &pixel), 0);
    EXPECT_EQ(pixel, 0xDEADBEEF);

    // A folder exists but is no image either.
    size[0] = size[1] = 7;
    EXPECT_EQ(p_.getSize(folder_.Path().c_str(), size), 1);
    EXPECT_EQ(size[0], 0);

    const std::string missing = folder_.File("missing.bmp");
    size[0] = 7;
    size[1] = 9;
    EXPECT_EQ(p_.getSize(missing.c_str(), size), 0);
    EXPECT_EQ(size[0], 7);
    EXPECT_EQ(size[1], 9);
    EXPECT_EQ(p_.load(missing.c_str(), &pixel), 0);
    EXPECT_EQ(p_.getSize(nullptr, size), 0);
    EXPECT_EQ(p_.getSize(text.c_str(), nullptr), 0);
    EXPECT_EQ(p_.load(nullptr, &pixel), 0);
    EXPECT_EQ(pixel, 0xDEADBEEF);
}

// Names longer than the library's 511 wide characters are refused, never cut to another file.
// Names are UTF-8 whatever the process's code page (this test's is not UTF-8): a folder named
// "Карта 地図" is reached whole; a name in that code page that is not UTF-8 ("März") still works.
TEST_F(PictorTest, NamesAreUtf8OrElseTheProcesssCodePage) {
    ASSERT_NE(GetACP(), static_cast<UINT>(CP_UTF8));
    const std::wstring root(folder_.Path().begin(), folder_.Path().end());  // plain ASCII
    const std::wstring folder = root + L"\u041a\u0430\u0440\u0442\u0430 \u5730\u56f3\\";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::vector<uint32_t> pixels = RandomPixels(3, 2, 6);
    std::vector<uint32_t> back;
    ASSERT_TRUE(RoundTrip("\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0 \xE5\x9C\xB0\xE5\x9B\xB3\\a.png", pixels, 3, 2, back));
    EXPECT_EQ(back, pixels);
    EXPECT_NE(GetFileAttributesW((folder + L"a.png").c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(RoundTrip("M\xE4rz.bmp", pixels, 3, 2, back));
    EXPECT_EQ(back, pixels);
    EXPECT_NE(GetFileAttributesW((root + L"M\u00e4rz.bmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(PictorTest, OverlongNamesAreRefused) {
    const std::vector<uint32_t> pixels = RandomPixels(2, 2, 4);
    for (size_t length : {512u, 600u, 5000u}) {
        std::string name = folder_.Path();
        name.append(length > name.size() + 4 ? length - name.size() - 4 : 0, 'n');
        name += ".png";
        EXPECT_EQ(p_.save(name.c_str(), pixels.data(), 2, 2), 0) << length;
        int size[2] = {7, 9};
        EXPECT_EQ(p_.getSize(name.c_str(), size), 0) << length;
        EXPECT_EQ(size[0], 7);
        uint32_t pixel = 0xDEADBEEF;
        EXPECT_EQ(p_.load(name.c_str(), &pixel), 0) << length;
        EXPECT_EQ(pixel, 0xDEADBEEF);
    }
}

}  // namespace
}  // namespace zelt::pictor
