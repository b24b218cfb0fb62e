// The thumbnail provider through COM as Explorer calls it: class object, factory, a stream of the
// file, Initialize, GetThumbnail; its bitmaps against the viewer's composition.
#include <gtest/gtest.h>
#include <windows.h>
// shlwapi.h needs windows.h first.
#include <shlobj.h>
#include <shlwapi.h>
#include <thumbcache.h>

#include <vector>

#include "tests/iconhandler/ComTestSupport.h"
#include "tests/iconhandler/IconTestFiles.h"
#include "tests/support/TestSupport.h"

namespace zelt::icon::test {
namespace {

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

// The bitmap's pixels in memory order. GetObject reports the height without its sign, so the
// comparisons with pictures that differ top and bottom show the rows are stored top row first.
ArgbPicture PixelsOf(HBITMAP bitmap) {
    ArgbPicture out;
    DIBSECTION dib = {};
    if (GetObject(bitmap, sizeof(dib), &dib) != sizeof(dib)) return out;
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 32);
    out.width = dib.dsBm.bmWidth;
    out.height = dib.dsBm.bmHeight;
    const auto* bits = static_cast<const uint32_t*>(dib.dsBm.bmBits);
    out.pixels.assign(bits, bits + static_cast<size_t>(out.width) * out.height);
    return out;
}

class ThumbnailCom : public ::testing::Test {
  protected:
    // Explorer's order: a new object per file, Initialize with the file's stream, GetThumbnail.
    HRESULT Thumbnail(const std::string& path, UINT cx, ArgbPicture& picture, WTS_ALPHATYPE& alpha) {
        Ref<IClassFactory> factory;
        Ref<IInitializeWithStream> init;
        Ref<IThumbnailProvider> provider;
        Ref<IStream> stream;
        EXPECT_EQ(Library().getClassObject(kThumbnailClsid, IID_IClassFactory, factory.Out()), S_OK);
        EXPECT_EQ(factory->CreateInstance(nullptr, IID_IInitializeWithStream, init.Out()), S_OK);
        EXPECT_EQ(SHCreateStreamOnFileEx(Wide(path).c_str(), STGM_READ | STGM_SHARE_DENY_NONE, 0, FALSE, nullptr,
                                         &stream.p),
                  S_OK);
        EXPECT_EQ(init->Initialize(stream.p, STGM_READ), S_OK);
        EXPECT_EQ(init->Initialize(stream.p, STGM_READ), HRESULT_FROM_WIN32(ERROR_ALREADY_INITIALIZED));
        EXPECT_EQ(init->QueryInterface(__uuidof(IThumbnailProvider), provider.Out()), S_OK);
        HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);
        const HRESULT result = provider->GetThumbnail(cx, &bitmap, &alpha);
        if (SUCCEEDED(result)) {
            picture = PixelsOf(bitmap);
            DeleteObject(bitmap);
        } else {
            EXPECT_EQ(bitmap, nullptr);
        }
        return result;
    }

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        const std::string path = scratch.File(name);
        WriteBytes(path, bytes.data(), bytes.size());
        return path;
    }

    zelt::test::ScratchFolder scratch;
};

// Small and large templates of both families; the test palettes exist for .tem and RA2/YR .ubn.
TEST_F(ThumbnailCom, SmallAndLargeTemplatesOfBothFamilies) {
    const IconPalette palette = TestPalette();
    std::mt19937 rng(7);
    for (int cellW : {48, 60}) {
        const int cellH = cellW / 2;
        const std::string ext = cellW == 60 ? "x.ubn" : "x.tem";
        for (int count : {1, 30}) {
            const std::vector<uint8_t> file =
                TemplateBytes(zelt::test::RandomTiles(rng, cellW, cellH, count), cellW, cellH);
            const std::string path = Write(std::to_string(cellW) + "-" + std::to_string(count) + ext, file);
            const ArgbPicture viewer = ViewerComposition(file, palette);
            const int longer = std::max(viewer.width, viewer.height);
            for (UINT cx : {UINT(longer), UINT(longer + 100), UINT(256), UINT(96), UINT(32)}) {
                ArgbPicture got;
                WTS_ALPHATYPE alpha = WTSAT_UNKNOWN;
                ASSERT_EQ(Thumbnail(path, cx, got, alpha), S_OK) << path << " " << cx;
                EXPECT_EQ(alpha, WTSAT_ARGB);
                const bool reduced = static_cast<int>(cx) < longer;
                const PictureSize size = FitWithin(viewer.width, viewer.height, cx, cx);
                const ArgbPicture expected = reduced ? BoxReduction(viewer, size.width, size.height) : viewer;
                ASSERT_EQ(got.width, expected.width) << path << " " << cx;
                ASSERT_EQ(got.height, expected.height);
                EXPECT_TRUE(got.pixels == expected.pixels) << path << " " << cx;
            }
        }
    }
}

TEST_F(ThumbnailCom, RefusedFilesFail) {
    const std::vector<uint8_t> good = TemplateBytes({PlainTile(60, 30, 0, 0, 7)}, 60, 30);
    std::vector<uint8_t> cut = good;
    cut.resize(40);
    for (const std::string& path : {Write("x.abc", good), Write("x.lun", good), Write("cut.tem", cut),
                                    Write("empty.tem", TemplateBytes({}, 48, 24))}) {
        ArgbPicture got;
        WTS_ALPHATYPE alpha = WTSAT_ARGB;
        EXPECT_EQ(Thumbnail(path, 256, got, alpha), E_FAIL) << path;
        EXPECT_EQ(alpha, WTSAT_UNKNOWN);
    }
}

// All bytes on every heap of the process that are in use.
size_t HeapBytesInUse() {
    HANDLE heaps[256];
    const DWORD count = GetProcessHeaps(256, heaps);
    size_t total = 0;
    for (DWORD i = 0; i < count && i < 256; ++i) {
        PROCESS_HEAP_ENTRY entry = {};
        if (!HeapLock(heaps[i])) continue;
        while (HeapWalk(heaps[i], &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
        }
        HeapUnlock(heaps[i]);
    }
    return total;
}

// Committed private memory, region by region: where a bitmap's pixels live, on Windows as under
// Wine (whose GDI object count reads 0).
size_t CommittedPrivateBytes() {
    size_t total = 0;
    MEMORY_BASIC_INFORMATION region = {};
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof(region)) == sizeof(region);
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    }
    return total;
}

TEST_F(ThumbnailCom, AThousandThumbnailsLeakNothing) {
    std::mt19937 rng(3);
    const std::string path = Write("many.tem", TemplateBytes(zelt::test::RandomTiles(rng, 48, 24, 12), 48, 24));
    ArgbPicture got;
    WTS_ALPHATYPE alpha = WTSAT_UNKNOWN;
    for (int i = 0; i < 20; ++i) ASSERT_EQ(Thumbnail(path, 64, got, alpha), S_OK);  // settle every cache
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const size_t heapBefore = HeapBytesInUse();
    const size_t committedBefore = CommittedPrivateBytes();
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(Thumbnail(path, 64, got, alpha), S_OK);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore);
    // One bitmap or picture kept per call would be 16 KiB each, 16 MB in all.
    EXPECT_LT(HeapBytesInUse(), heapBefore + 256 * 1024);
    EXPECT_LT(CommittedPrivateBytes(), committedBefore + 4 * 1024 * 1024);
    EXPECT_EQ(Library().canUnloadNow(), S_OK);
}

TEST_F(ThumbnailCom, InterfacesOfTheObject) {
    Ref<IClassFactory> factory;
    ASSERT_EQ(Library().getClassObject(kThumbnailClsid, IID_IClassFactory, factory.Out()), S_OK);
    Ref<IUnknown> object;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, object.Out()), S_OK);
    Ref<IInitializeWithStream> init;
    Ref<IThumbnailProvider> provider;
    Ref<IExtractIconA> none;
    EXPECT_EQ(object->QueryInterface(IID_IInitializeWithStream, init.Out()), S_OK);
    EXPECT_EQ(object->QueryInterface(__uuidof(IThumbnailProvider), provider.Out()), S_OK);
    EXPECT_EQ(object->QueryInterface(IID_IExtractIconA, none.Out()), E_NOINTERFACE);
    EXPECT_EQ(init->Initialize(nullptr, STGM_READ), E_INVALIDARG);
    // Without a stream there is nothing to draw.
    HBITMAP bitmap = nullptr;
    EXPECT_EQ(provider->GetThumbnail(64, &bitmap, nullptr), E_FAIL);
    EXPECT_EQ(provider->GetThumbnail(64, nullptr, nullptr), E_POINTER);
    EXPECT_EQ(Library().canUnloadNow(), S_FALSE);
}

}  // namespace
}  // namespace zelt::icon::test
