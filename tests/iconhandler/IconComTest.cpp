// The icon handler through COM, called as the shell calls it: class object, factory, object,
// Load, GetIconLocation, Extract, and the icons' pixels against the portable renderer's.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <vector>

#include "tests/iconhandler/ComTestSupport.h"
#include "tests/iconhandler/IconTestFiles.h"
#include "tests/support/TestSupport.h"

namespace zelt::icon::test {
namespace {

struct IconPixels {
    int width = 0, height = 0;
    PicturePixels pixels;  // top row first, 0x00RRGGBB
};

IconPixels PixelsOf(HICON icon) {
    IconPixels out;
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) return out;
    BITMAP bm = {};
    GetObject(info.hbmColor, sizeof(bm), &bm);
    out.width = bm.bmWidth;
    out.height = bm.bmHeight;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = bm.bmWidth;
    bi.bmiHeader.biHeight = -bm.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    out.pixels.resize(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, info.hbmColor, 0, bm.bmHeight, out.pixels.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    for (uint32_t& p : out.pixels) p &= 0xFFFFFF;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return out;
}

struct Icons {
    HICON large = nullptr, small = nullptr;
    ~Icons() {
        if (large != nullptr) DestroyIcon(large);
        if (small != nullptr) DestroyIcon(small);
    }
};

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

class IconHandlerCom : public ::testing::Test {
  protected:
    void SetUp() override {
        const HandlerLibrary& lib = Library();
        ASSERT_EQ(lib.getClassObject(kHandlerClsid, IID_IClassFactory, factory.Out()), S_OK);
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_IExtractIconA, extract.Out()), S_OK);
        ASSERT_EQ(extract->QueryInterface(IID_IPersistFile, persist.Out()), S_OK);
    }

    // Shell order: Load, GetIconLocation, Extract.
    HRESULT ExtractIcons(const std::string& file, Icons& icons, UINT sizes = MAKELONG(48, 16)) {
        EXPECT_EQ(persist->Load(Wide(file).c_str(), STGM_READ), S_OK);
        char location[MAX_PATH] = {};
        int index = -1;
        UINT flags = 0;
        EXPECT_EQ(extract->GetIconLocation(0, location, MAX_PATH, &index, &flags), S_OK);
        EXPECT_EQ(index, 0);
        return extract->Extract(location, static_cast<UINT>(index), &icons.large, &icons.small, sizes);
    }

    zelt::test::ScratchFolder scratch;
    Ref<IClassFactory> factory;
    Ref<IExtractIconA> extract;
    Ref<IPersistFile> persist;
};

TEST_F(IconHandlerCom, IconsCarryTheRenderersPixels) {
    std::vector<TileRecord> tiles = {PlainTile(60, 30, -30, 15, 5), PlainTile(60, 30, 30, 15, 9)};
    tiles[1].height = 1;
    tiles[1].hasExtra = true;
    tiles[1].extraX = 40, tiles[1].extraY = -10, tiles[1].extraWidth = 3, tiles[1].extraHeight = 2;
    tiles[1].extraImage = {1, 0, 2, 3, 4, 0};
    const std::vector<uint8_t> file = TemplateBytes(tiles, 60, 30);
    const std::string path = scratch.File("x.ubn");
    WriteBytes(path, file.data(), file.size());

    IconPicture expected;
    std::string asked;
    ASSERT_TRUE(RenderTemplateIcon(file, path, RecordingReader(asked), expected));

    for (UINT sizes : {UINT(MAKELONG(48, 16)), UINT(0), UINT(MAKELONG(256, 256))}) {
        Icons icons;
        ASSERT_EQ(ExtractIcons(path, icons, sizes), S_OK);
        ASSERT_NE(icons.large, nullptr);
        ASSERT_NE(icons.small, nullptr);
        ASSERT_NE(icons.large, icons.small);
        for (HICON icon : {icons.large, icons.small}) {
            const IconPixels got = PixelsOf(icon);
            ASSERT_EQ(got.width, expected.size) << sizes;
            ASSERT_EQ(got.height, expected.size);
            EXPECT_TRUE(got.pixels == expected.pixels) << sizes;
        }
    }
}

TEST_F(IconHandlerCom, LocationIsTheLibraryAndExtractDrawsTheLoadedName) {
    const std::vector<uint8_t> file = TemplateBytes({PlainTile(48, 24, 24, 12, 7)}, 48, 24);
    const std::string path = scratch.File("x.tem");
    WriteBytes(path, file.data(), file.size());
    ASSERT_EQ(persist->Load(Wide(path).c_str(), 0), S_OK);

    char location[MAX_PATH] = {};
    int index = -1;
    UINT flags = 0;
    ASSERT_EQ(extract->GetIconLocation(0, location, MAX_PATH, &index, &flags), S_OK);
    EXPECT_STRCASEEQ(location, Library().file.c_str());
    EXPECT_EQ(index, 0);
    EXPECT_EQ(flags, 0x18u);
    char shortBuffer[5] = {'x', 'x', 'x', 'x', 'x'};
    ASSERT_EQ(extract->GetIconLocation(0, shortBuffer, 4, &index, &flags), S_OK);
    EXPECT_EQ(std::string(shortBuffer), Library().file.substr(0, 3));

    Icons none;
    EXPECT_EQ(extract->Extract(path.c_str(), 1, &none.large, &none.small, 0), S_FALSE);
    EXPECT_EQ(none.large, nullptr);
    EXPECT_EQ(none.small, nullptr);

    Icons icons;
    ASSERT_EQ(extract->Extract("no such file", 0, &icons.large, &icons.small, 0), S_OK);
    EXPECT_EQ(PixelsOf(icons.large).width, 72);
}

TEST_F(IconHandlerCom, BadFilesGetTheLibrarysOwnIcon) {
    std::vector<uint8_t> sixteen = TemplateBytes({PlainTile(48, 24, 24, 12, 7)}, 48, 24);
    sixteen.resize(16);
    WriteBytes(scratch.File("short.tem"), sixteen.data(), sixteen.size());
    std::vector<uint8_t> outside = TemplateBytes({PlainTile(60, 30, 0, 0, 7)}, 60, 30);
    PatchI32(outside, 16, 1 << 30);
    WriteBytes(scratch.File("outside.tem"), outside.data(), outside.size());
    const std::vector<uint8_t> good = TemplateBytes({PlainTile(60, 30, 0, 0, 7)}, 60, 30);
    WriteBytes(scratch.File("x.abc"), good.data(), good.size());
    WriteBytes(scratch.File("x.lun"), good.data(), good.size());  // no RA2_YR\IsoLun.pal here

    HMODULE module = Library().module;
    for (int side : {48, 32, 16}) {
        HICON own = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(101), IMAGE_ICON, side, side, 0));
        ASSERT_NE(own, nullptr) << side;
        const IconPixels ownPixels = PixelsOf(own);
        DestroyIcon(own);
        EXPECT_EQ(ownPixels.width, side);

        const std::string longName(300, 'a');
        for (const std::string& name :
             {scratch.File("short.tem"), scratch.File("outside.tem"), scratch.File("x.abc"),
              scratch.File("x.lun"), scratch.File("missing.tem"), scratch.File(longName + ".tem")}) {
            Icons icons;
            ASSERT_EQ(ExtractIcons(name, icons, MAKELONG(side, side)), S_OK) << name;
            ASSERT_NE(icons.large, nullptr);
            ASSERT_NE(icons.small, nullptr);
            const IconPixels large = PixelsOf(icons.large);
            EXPECT_EQ(large.width, side) << name;
            EXPECT_TRUE(large.pixels == ownPixels.pixels) << name;
            EXPECT_EQ(PixelsOf(icons.small).width, side) << name;
        }
    }
}

// Writes bytes to a file named in UTF-16.
void WriteWide(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, bytes.size());
}

// An install folder and a template whose names the ANSI code page cannot spell: the icon is still
// drawn with the palette beside the library.
TEST(IconHandlerNames, FolderAndFileOutsideTheAnsiCodePage) {
    wchar_t temp[MAX_PATH] = {};
    ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
    const std::wstring folder =
        std::wstring(temp) + L"zelt-\u0416\u4E2D-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    const std::wstring library = folder + L"Zelt_IconHandler.dll";
    const std::wstring palette = folder + L"Palettes\\RA2_YR\\IsoTem.pal";
    const std::wstring templateFile = folder + L"\u0416\u4E2D.tem";
    for (const wchar_t* sub : {L"", L"Palettes\\", L"Palettes\\RA2_YR\\"}) CreateDirectoryW((folder + sub).c_str(), nullptr);
    WriteWide(palette, TestPaletteBytes());
    std::vector<TileRecord> tiles = {PlainTile(60, 30, -30, 15, 5), PlainTile(60, 30, 30, 15, 9)};
    const std::vector<uint8_t> file = TemplateBytes(tiles, 60, 30);
    WriteWide(templateFile, file);
    ASSERT_TRUE(CopyFileW(Wide(Library().file).c_str(), library.c_str(), FALSE));

    IconPicture expected;
    std::string asked;
    ASSERT_TRUE(RenderTemplateIcon(file, "x.tem", RecordingReader(asked), expected));
    IconPixels got;
    {
        HMODULE module = LoadLibraryW(library.c_str());
        ASSERT_NE(module, nullptr);
        auto getClassObject = reinterpret_cast<GetClassObjectFn>(
            reinterpret_cast<void (*)()>(GetProcAddress(module, "DllGetClassObject")));
        ASSERT_NE(getClassObject, nullptr);
        {
            Ref<IClassFactory> factory;
            Ref<IExtractIconA> extract;
            Ref<IPersistFile> persist;
            ASSERT_EQ(getClassObject(kHandlerClsid, IID_IClassFactory, factory.Out()), S_OK);
            ASSERT_EQ(factory->CreateInstance(nullptr, IID_IExtractIconA, extract.Out()), S_OK);
            ASSERT_EQ(extract->QueryInterface(IID_IPersistFile, persist.Out()), S_OK);
            ASSERT_EQ(persist->Load(templateFile.c_str(), STGM_READ), S_OK);
            Icons icons;
            ASSERT_EQ(extract->Extract("", 0, &icons.large, &icons.small, MAKELONG(48, 16)), S_OK);
            got = PixelsOf(icons.large);
        }
        FreeLibrary(module);
    }
    for (const std::wstring& name : {templateFile, palette, library}) DeleteFileW(name.c_str());
    for (const wchar_t* sub : {L"Palettes\\RA2_YR", L"Palettes", L""}) RemoveDirectoryW((folder + sub).c_str());
    EXPECT_EQ(got.width, expected.size);
    EXPECT_TRUE(got.pixels == expected.pixels);
}

// Counts its references, so the test sees what the handler holds.
class CountingDataObject : public IDataObject {
  public:
    ULONG refs = 1;
    STDMETHODIMP QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }
    STDMETHODIMP GetData(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP DUnadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
};

TEST(IconHandlerObject, InitializeHoldsOneDataObjectAtATime) {
    Ref<IClassFactory> factory;
    ASSERT_EQ(Library().getClassObject(kHandlerClsid, IID_IClassFactory, factory.Out()), S_OK);
    CountingDataObject first, second;
    {
        Ref<IShellExtInit> init;
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_IShellExtInit, init.Out()), S_OK);
        ASSERT_EQ(init->Initialize(nullptr, &first, nullptr), S_OK);
        EXPECT_EQ(first.refs, 2u);
        ASSERT_EQ(init->Initialize(nullptr, &second, nullptr), S_OK);
        EXPECT_EQ(first.refs, 1u);
        EXPECT_EQ(second.refs, 2u);
        ASSERT_EQ(init->Initialize(nullptr, nullptr, nullptr), S_OK);
        EXPECT_EQ(second.refs, 1u);
        ASSERT_EQ(init->Initialize(nullptr, &first, nullptr), S_OK);
    }
    EXPECT_EQ(first.refs, 1u);  // the last Release let go of it
}

TEST(IconHandlerObject, InterfacesReferencesAndUnloading) {
    const HandlerLibrary& lib = Library();
    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(lib.getClassObject(IID_IUnknown, IID_IClassFactory, &none), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(none, nullptr);
    none = reinterpret_cast<void*>(1);
    EXPECT_EQ(lib.getClassObject(kHandlerClsid, IID_IExtractIconA, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(lib.canUnloadNow(), S_OK);

    IClassFactory* factory = nullptr;
    ASSERT_EQ(lib.getClassObject(kHandlerClsid, IID_IUnknown, reinterpret_cast<void**>(&factory)), S_OK);
    EXPECT_EQ(lib.canUnloadNow(), S_FALSE);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);

    Ref<IUnknown> outer;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, outer.Out()), S_OK);
    void* aggregated = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->CreateInstance(outer.p, IID_IUnknown, &aggregated), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(aggregated, nullptr);
    void* wide = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IExtractIconW, &wide), E_NOINTERFACE);
    EXPECT_EQ(wide, nullptr);
    EXPECT_EQ(factory->Release(), 0u);
    EXPECT_EQ(lib.canUnloadNow(), S_FALSE);  // the object created above is still alive

    // IShellExtInit is the object's IUnknown; IExtractIconA and IPersistFile follow it.
    IUnknown* unknown = nullptr;
    IShellExtInit* init = nullptr;
    IExtractIconA* extract = nullptr;
    IPersistFile* persist = nullptr;
    ASSERT_EQ(outer->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    ASSERT_EQ(outer->QueryInterface(IID_IShellExtInit, reinterpret_cast<void**>(&init)), S_OK);
    ASSERT_EQ(outer->QueryInterface(IID_IExtractIconA, reinterpret_cast<void**>(&extract)), S_OK);
    ASSERT_EQ(outer->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)), S_OK);
    const auto base = reinterpret_cast<uintptr_t>(unknown);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(init), base);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(extract), base + sizeof(void*));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(persist), base + 2 * sizeof(void*));
    void* w = reinterpret_cast<void*>(1);
    EXPECT_EQ(persist->QueryInterface(IID_IExtractIconW, &w), E_NOINTERFACE);
    EXPECT_EQ(w, nullptr);

    // Every interface counts on the one object: outer + four queries = 5.
    EXPECT_EQ(extract->AddRef(), 6u);
    EXPECT_EQ(persist->Release(), 5u);
    CLSID clsid;
    EXPECT_EQ(persist->GetClassID(&clsid), E_FAIL);
    EXPECT_EQ(persist->IsDirty(), S_FALSE);
    EXPECT_EQ(persist->Save(nullptr, FALSE), E_FAIL);
    EXPECT_EQ(persist->SaveCompleted(nullptr), E_FAIL);
    LPOLESTR cur = nullptr;
    EXPECT_EQ(persist->GetCurFile(&cur), E_FAIL);
    EXPECT_EQ(persist->Release(), 4u);
    EXPECT_EQ(extract->Release(), 3u);
    EXPECT_EQ(init->Release(), 2u);
    EXPECT_EQ(unknown->Release(), 1u);
    EXPECT_EQ(lib.canUnloadNow(), S_FALSE);
    EXPECT_EQ(outer.p->Release(), 0u);
    outer.p = nullptr;
    EXPECT_EQ(lib.canUnloadNow(), S_OK);
}

}  // namespace
}  // namespace zelt::icon::test
