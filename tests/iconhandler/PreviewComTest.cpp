// The preview handler in a test window, called as the preview host calls it: Initialize with the
// file's stream, SetWindow, SetRect, DoPreview; captures of its pane against the composition,
// resizing, Unload, and a second file in the same object.
#include <gtest/gtest.h>
#include <windows.h>
// shlwapi.h needs windows.h first.
#include <shlwapi.h>
#include <shobjidl.h>

#include <vector>

#include "editor/render/DibCanvas.h"
#include "iconhandler/PreviewLayout.h"
#include "tests/iconhandler/ComTestSupport.h"
#include "tests/iconhandler/IconTestFiles.h"
#include "tests/support/Program_win.h"
#include "tests/support/TestSupport.h"

namespace zelt::icon::test {
namespace {

constexpr COLORREF kBackground = RGB(30, 60, 90);
constexpr COLORREF kText = RGB(250, 240, 10);

HWND MakeHost() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZeltPreviewTestHost";
    RegisterClassA(&wc);
    HWND host = CreateWindowA("ZeltPreviewTestHost", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                              700, 600, nullptr, nullptr, wc.hInstance, nullptr);
    return host;
}

LOGFONTW TestFont() {
    LOGFONTW font = {};
    font.lfHeight = -14;
    lstrcpyW(font.lfFaceName, L"Tahoma");
    return font;
}

int TextHeightOf(const LOGFONTW& description) {
    HFONT font = CreateFontIndirectW(&description);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return metrics.tmHeight;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

uint32_t Rgb(COLORREF c) {
    return static_cast<uint32_t>(GetRValue(c)) << 16 | static_cast<uint32_t>(GetGValue(c)) << 8 | GetBValue(c);
}

class PreviewCom : public ::testing::Test {
  protected:
    void SetUp() override {
        host = MakeHost();
        ASSERT_NE(host, nullptr);
        ASSERT_EQ(Library().getClassObject(kPreviewClsid, IID_IClassFactory, factory.Out()), S_OK);
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_IPreviewHandler, preview.Out()), S_OK);
        ASSERT_EQ(preview->QueryInterface(IID_IInitializeWithStream, init.Out()), S_OK);
        ASSERT_EQ(preview->QueryInterface(IID_IOleWindow, window.Out()), S_OK);
        ASSERT_EQ(preview->QueryInterface(IID_IPreviewHandlerVisuals, visuals.Out()), S_OK);
    }
    void TearDown() override {
        if (host != nullptr) DestroyWindow(host);
    }

    HRESULT Load(const std::string& path) {
        Ref<IStream> stream;
        const std::wstring wide(path.begin(), path.end());
        EXPECT_EQ(SHCreateStreamOnFileEx(wide.c_str(), STGM_READ | STGM_SHARE_DENY_NONE, 0, FALSE, nullptr, &stream.p),
                  S_OK);
        return init->Initialize(stream.p, STGM_READ);
    }

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        const std::string path = scratch.File(name);
        WriteBytes(path, bytes.data(), bytes.size());
        return path;
    }

    HWND Pane() {
        HWND pane = nullptr;
        return SUCCEEDED(window->GetWindow(&pane)) ? pane : nullptr;
    }

    // The pane's client area as painted, checked against the layout: the picture in its place as the
    // composition reduced and laid over the background, the line of text under it, background elsewhere.
    void ExpectPaneShows(const std::vector<uint8_t>& file, int width, int height, const char* capture = nullptr) {
        HWND pane = Pane();
        ASSERT_NE(pane, nullptr);
        EXPECT_EQ(GetParent(pane), host);
        RECT client = {};
        GetClientRect(pane, &client);
        ASSERT_EQ(client.right, width);
        ASSERT_EQ(client.bottom, height);
        DibCanvas canvas;
        ASSERT_TRUE(zelt::test::PrintClient(pane, canvas));
        if (capture != nullptr) SaveCapture(canvas, capture);

        const ArgbPicture viewer = ViewerComposition(file, TestPalette());
        const int textHeight = TextHeightOf(TestFont());
        const PaneLayout layout = LayOutPane(width, height, textHeight, viewer.width, viewer.height);
        ASSERT_GT(layout.picture.width, 0);
        const bool reduced = layout.picture.width < viewer.width;
        const ArgbPicture picture =
            reduced ? BoxReduction(viewer, layout.picture.width, layout.picture.height) : viewer;
        const std::vector<uint32_t> shown = OverBackground(picture, Rgb(kBackground));
        size_t differing = 0, textPixels = 0, strayPixels = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const uint32_t got = canvas.GetPixel(x, y) & 0xFFFFFF;
                const int px = x - layout.pictureX, py = y - layout.pictureY;
                if (px >= 0 && py >= 0 && px < picture.width && py < picture.height) {
                    differing += got != shown[static_cast<size_t>(py) * picture.width + px];
                } else if (y >= layout.textTop && y < layout.textTop + textHeight) {
                    textPixels += got != Rgb(kBackground);
                } else {
                    strayPixels += got != Rgb(kBackground);
                }
            }
        }
        EXPECT_EQ(differing, 0u) << width << " x " << height;
        EXPECT_GT(textPixels, 20u) << "the line under the picture";
        EXPECT_EQ(strayPixels, 0u);
    }

    // ZELT_CAPTURE_DIR names a folder to keep the captures in, as BMP files, for a person to look at.
    static void SaveCapture(const DibCanvas& canvas, const char* name) {
        char folder[MAX_PATH] = {};
        if (GetEnvironmentVariableA("ZELT_CAPTURE_DIR", folder, MAX_PATH) == 0) return;
        const int w = canvas.Width(), h = canvas.Height();
        BITMAPFILEHEADER fileHeader = {};
        BITMAPINFOHEADER info = {};
        info.biSize = sizeof(info);
        info.biWidth = w;
        info.biHeight = h;  // the canvas keeps its rows bottom-up
        info.biPlanes = 1;
        info.biBitCount = 32;
        const DWORD pixelBytes = static_cast<DWORD>(w) * h * 4;
        fileHeader.bfType = 0x4D42;
        fileHeader.bfOffBits = sizeof(fileHeader) + sizeof(info);
        fileHeader.bfSize = fileHeader.bfOffBits + pixelBytes;
        std::vector<uint8_t> bytes(fileHeader.bfSize);
        memcpy(bytes.data(), &fileHeader, sizeof(fileHeader));
        memcpy(bytes.data() + sizeof(fileHeader), &info, sizeof(info));
        memcpy(bytes.data() + fileHeader.bfOffBits, canvas.Bits(), pixelBytes);
        WriteBytes(std::string(folder) + "\\" + name, bytes.data(), bytes.size());
    }

    zelt::test::ScratchFolder scratch;
    HWND host = nullptr;
    Ref<IClassFactory> factory;
    Ref<IPreviewHandler> preview;
    Ref<IInitializeWithStream> init;
    Ref<IOleWindow> window;
    Ref<IPreviewHandlerVisuals> visuals;
};

TEST_F(PreviewCom, ShowsFollowsTheRectUnloadsAndTakesASecondFile) {
    std::mt19937 rng(11);
    const std::vector<uint8_t> first = TemplateBytes(zelt::test::RandomTiles(rng, 60, 30, 9), 60, 30);
    const std::vector<uint8_t> second = TemplateBytes({PlainTile(48, 24, 24, 12, 7), PlainTile(48, 24, 0, 24, 40)}, 48, 24);
    const std::string firstPath = Write("first.ubn", first);
    const std::string secondPath = Write("second.tem", second);

    ASSERT_EQ(Load(firstPath), S_OK);
    RECT rect = {10, 20, 10 + 320, 20 + 240};
    ASSERT_EQ(preview->SetWindow(host, &rect), S_OK);
    const LOGFONTW font = TestFont();
    ASSERT_EQ(visuals->SetFont(&font), S_OK);
    ASSERT_EQ(visuals->SetBackgroundColor(kBackground), S_OK);
    ASSERT_EQ(visuals->SetTextColor(kText), S_OK);
    EXPECT_EQ(Pane(), nullptr);
    ASSERT_EQ(preview->DoPreview(), S_OK);
    Pump();
    HWND pane = Pane();
    ASSERT_NE(pane, nullptr);
    RECT placed = {};
    GetWindowRect(pane, &placed);
    MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 10);
    EXPECT_EQ(placed.top, 20);
    ExpectPaneShows(first, 320, 240, "preview-small.bmp");

    // The host resizes the pane: the picture is laid out anew.
    rect = {0, 0, 640, 560};
    ASSERT_EQ(preview->SetRect(&rect), S_OK);
    Pump();
    ExpectPaneShows(first, 640, 560, "preview-large.bmp");

    ASSERT_EQ(preview->Unload(), S_OK);
    EXPECT_FALSE(IsWindow(pane));
    EXPECT_EQ(Pane(), nullptr);

    // The same object shows another file, in the rect it was last given.
    ASSERT_EQ(Load(secondPath), S_OK);
    ASSERT_EQ(preview->DoPreview(), S_OK);
    Pump();
    ExpectPaneShows(second, 640, 560, "preview-second.bmp");
    ASSERT_EQ(preview->Unload(), S_OK);
}

TEST_F(PreviewCom, RefusedFileShowsNoPane) {
    const std::vector<uint8_t> good = TemplateBytes({PlainTile(60, 30, 0, 0, 7)}, 60, 30);
    ASSERT_EQ(Load(Write("x.abc", good)), S_OK);
    RECT rect = {0, 0, 200, 200};
    ASSERT_EQ(preview->SetWindow(host, &rect), S_OK);
    EXPECT_EQ(preview->DoPreview(), E_FAIL);
    EXPECT_EQ(Pane(), nullptr);
    EXPECT_EQ(preview->Unload(), S_OK);
}

// Counts its references and hands out nothing: what the handler holds of its site shows.
class CountingSite : public IUnknown {
  public:
    ULONG refs = 1;
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown)) return E_NOINTERFACE;
        *out = this;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }
};

TEST_F(PreviewCom, SiteWindowAndFocus) {
    Ref<IObjectWithSite> withSite;
    ASSERT_EQ(preview->QueryInterface(IID_IObjectWithSite, withSite.Out()), S_OK);
    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(withSite->GetSite(IID_IUnknown, &none), E_FAIL);
    EXPECT_EQ(none, nullptr);
    CountingSite site;
    ASSERT_EQ(withSite->SetSite(&site), S_OK);
    EXPECT_EQ(site.refs, 2u);
    Ref<IUnknown> got;
    EXPECT_EQ(withSite->GetSite(IID_IUnknown, got.Out()), S_OK);
    EXPECT_EQ(got.p, &site);
    got.p->Release();
    got.p = nullptr;
    MSG msg = {};
    EXPECT_EQ(preview->TranslateAccelerator(&msg), S_FALSE);  // no frame to hand it to
    ASSERT_EQ(withSite->SetSite(nullptr), S_OK);
    EXPECT_EQ(site.refs, 1u);

    HWND pane = reinterpret_cast<HWND>(1);
    EXPECT_EQ(window->GetWindow(&pane), E_FAIL);
    EXPECT_EQ(pane, nullptr);
    EXPECT_EQ(window->ContextSensitiveHelp(TRUE), E_NOTIMPL);
    EXPECT_EQ(preview->DoPreview(), E_UNEXPECTED);  // no window given yet
    EXPECT_EQ(preview->SetWindow(host, nullptr), E_INVALIDARG);
    EXPECT_EQ(preview->SetRect(nullptr), E_INVALIDARG);
}

}  // namespace
}  // namespace zelt::icon::test
