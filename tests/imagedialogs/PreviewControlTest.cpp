// The preview controls of the open dialogs in a window of the test: the pixels they show against
// the pictures the core makes, driven through the dialog hooks as the file dialogs drive them.
#include <gtest/gtest.h>
#include <windows.h>

#include <commdlg.h>

#include <cstring>
#include <string>

#include "common/WinHandles.h"
#include "editor/interchange/ImageDialogs_win.h"
#include "editor/interchange/ImageLibrary_win.h"
#include "editor/interchange/OpenPreview.h"
#include "editor/interchange/PreviewFit.h"
#include "editor/render/DibCanvas_win.h"
#include "editor/settings/ProgramFolder.h"
#include "editor/settings/Settings.h"
#include "editor/strings/StringTable.h"
#include "resources/ResourceIds.h"
#include "tests/imagedialogs/PreviewFiles.h"
#include "tests/support/Program_win.h"

using namespace zelt;
using namespace zelt::test;

namespace {

// The file dialog as the hooks see it: it answers CDM_GETFILEPATH with the "selected" path.
std::string g_selected;
LRESULT CALLBACK FakeFileDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == CDM_GETFILEPATH) {
        const size_t needed = g_selected.size() + 1;
        if (needed > static_cast<size_t>(wParam)) return static_cast<LRESULT>(needed);
        std::memcpy(reinterpret_cast<char*>(lParam), g_selected.c_str(), needed);
        return static_cast<LRESULT>(needed);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

uint32_t FaceRgb() {
    const COLORREF c = GetSysColor(COLOR_BTNFACE);
    return (uint32_t{GetRValue(c)} << 16) | (uint32_t{GetGValue(c)} << 8) | GetBValue(c);
}

class PreviewControls : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        const std::string dist = HostToWindowsPath(ZELT_DIST_DIR);
        SetDllDirectoryA(dist.c_str());
        ASSERT_TRUE(BindImageLibrary());
        ASSERT_TRUE(LoadStringTable(dist + "\\Zelt_Builder.csf"));
        WNDCLASSA wc{};
        wc.lpfnWndProc = FakeFileDialogProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = "FakeFileDialog";
        RegisterClassA(&wc);
        // The template hook finds the palettes beside the running program, as the editor does.
        WritePreviewPalettes(ProgramFolder());
    }
    static void TearDownTestSuite() {
        FreeStringTable();
        UnbindImageLibrary();
    }

    void SetUp() override {
        ASSERT_TRUE(RegisterZeltPreviewClass());
        ASSERT_TRUE(RegisterZeltPreviewClass());  // a second registration is no error
        frame_ = CreateWindowExA(WS_EX_TOPMOST, "FakeFileDialog", "", WS_POPUP | WS_VISIBLE, 0, 0, 700, 500,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(frame_);
        child_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 700, 500, frame_, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME, 10, 10, 100, 100, child_,
                        reinterpret_cast<HMENU>(IDC_PREVIEW_FRAME), GetModuleHandleA(nullptr), nullptr);
        g_settings.stretchPreview = false;
    }
    void TearDown() override {
        DestroyWindow(frame_);
        ClearTemplatePreview();
        ClearImagePreview();
    }

    HWND Preview(int w, int h) {
        HWND preview =
            CreateWindowExA(0, "ZeltPreview", "", WS_CHILD | WS_VISIBLE, 20, 20, w, h, child_,
                            reinterpret_cast<HMENU>(IDC_PREVIEW), GetModuleHandleA(nullptr), nullptr);
        EXPECT_TRUE(preview);
        return preview;
    }

    // The selection change as the file dialog reports it to the hook.
    void Select(LPOFNHOOKPROC hook, const std::string& path) {
        g_selected = path;
        OFNOTIFYA notify{};
        notify.hdr.hwndFrom = frame_;
        notify.hdr.code = CDN_SELCHANGE;
        hook(child_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
    }

    ColourImage Shown(HWND preview) {
        RedrawWindow(preview, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        GdiFlush();
        return CaptureClient(preview);
    }

    std::string Map(const std::string& name, const std::vector<uint8_t>& bytes) {
        WriteFile(maps_.File(name), bytes);
        return maps_.File(name);
    }

    // The picture the template preview must show for the file.
    ColourImage Expected(const std::string& path) {
        TemplatePreviewState state;
        SelectTemplatePreview(state, path, ProgramFolder());
        ColourImage picture;
        EXPECT_TRUE(RenderTemplatePreview(state, FaceRgb(), picture));
        return picture;
    }

    ScratchFolder maps_;
    HWND frame_ = nullptr;
    HWND child_ = nullptr;
};

// A client drawn as a painter would draw text alone on the button face.
ColourImage TextAlone(int w, int h, const char* text, RECT rect) {
    DibCanvas canvas;
    EXPECT_TRUE(canvas.Create(w, h));
    canvas.Clear(FaceRgb());
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    {
        SelectScope select(dc.Get(), static_cast<HBITMAP>(canvas.BitmapHandle()));
        SetBkMode(dc.Get(), TRANSPARENT);
        DrawTextA(dc.Get(), text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        GdiFlush();
    }
    ColourImage image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.pixels[static_cast<size_t>(y) * w + x] = canvas.GetPixel(x, y);
    return image;
}

// Whether colour is the picture's pixel (sx, sy) or, when stretched, one of its neighbours: a
// stretch may take either side of its exact source point.
bool NearPixel(const ColourImage& picture, int sx, int sy, uint32_t colour, bool stretched) {
    const int reach = stretched ? 1 : 0;
    for (int py = sy - reach; py <= sy + reach; ++py)
        for (int px = sx - reach; px <= sx + reach; ++px)
            if (px >= 0 && py >= 0 && px < picture.width && py < picture.height &&
                picture.GetPixel(px, py) == colour)
                return true;
    return false;
}

// Pixels of the placed picture that differ from the picture, rows from labelTop down left out.
int WrongPixels(const ColourImage& shown, const ColourImage& picture, const PreviewPlacement& place,
                int labelTop) {
    int wrong = 0;
    for (int y = 0; y < place.height && place.y + y < labelTop; ++y)
        for (int x = 0; x < place.width; ++x) {
            const int sx = static_cast<int>(int64_t{x} * picture.width / place.width);
            const int sy = static_cast<int>(int64_t{y} * picture.height / place.height);
            wrong += !NearPixel(picture, sx, sy, shown.GetPixel(place.x + x, place.y + y), place.stretched);
        }
    return wrong;
}

// Pixels outside the placed picture and above labelTop that are not the button face.
int NonFaceAround(const ColourImage& shown, const PreviewPlacement& place, int labelTop) {
    int count = 0;
    for (int y = 0; y < labelTop; ++y)
        for (int x = 0; x < shown.width; ++x) {
            const bool inside =
                x >= place.x && x < place.x + place.width && y >= place.y && y < place.y + place.height;
            count += !inside && shown.GetPixel(x, y) != FaceRgb();
        }
    return count;
}

bool HasInk(const ColourImage& shown, int top, int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < shown.width; ++x)
            if (shown.GetPixel(x, y) != FaceRgb()) return true;
    return false;
}

}  // namespace

TEST_F(PreviewControls, TemplateOneToOneAndStretched) {
    HWND preview = Preview(276, 209);
    const std::string path = Map("a.tem", PreviewTemplateBytes(48, 24, 2, 2));
    Select(TemplatePreviewHook, path);
    const ColourImage picture = Expected(path);
    ASSERT_EQ(picture.width, 96);

    ColourImage shown = Shown(preview);
    PreviewPlacement place = FitTemplatePreview(276, 209, picture.width, picture.height, false);
    EXPECT_FALSE(place.stretched);
    EXPECT_EQ(WrongPixels(shown, picture, place, 209 - 20), 0);
    EXPECT_EQ(NonFaceAround(shown, place, 209 - 20), 0);
    EXPECT_TRUE(HasInk(shown, 209 - 20, 209));  // the label

    g_settings.stretchPreview = true;
    shown = Shown(preview);
    place = FitTemplatePreview(276, 209, picture.width, picture.height, true);
    EXPECT_EQ(place.width, 276);
    EXPECT_EQ(WrongPixels(shown, picture, place, 209 - 20), 0);
    EXPECT_EQ(NonFaceAround(shown, place, 209 - 20), 0);

    // A template larger than the control is shrunk even without the option.
    g_settings.stretchPreview = false;
    const std::string wide = Map("wide.sno", PreviewTemplateBytes(60, 30, 10, 1));
    Select(TemplatePreviewHook, wide);
    const ColourImage widePicture = Expected(wide);
    ASSERT_GT(widePicture.width, 276);
    shown = Shown(preview);
    place = FitTemplatePreview(276, 209, widePicture.width, widePicture.height, false);
    EXPECT_TRUE(place.stretched);
    EXPECT_EQ(WrongPixels(shown, widePicture, place, 209 - 20), 0);
}

TEST_F(PreviewControls, TemplateLabelNamesFamilyAndGrid) {
    HWND preview = Preview(276, 209);
    // The label is drawn over an empty strip: compare it with the text drawn alone.
    const std::string path = Map("b.tem", PreviewTemplateBytes(60, 30, 3, 2));
    Select(TemplatePreviewHook, path);
    ColourImage shown = Shown(preview);
    const std::string label = std::string("Type:") + Lookup("TXT_SHORTRA2YR") + ",CellDX:3,CellDY:2";
    const ColourImage alone = TextAlone(276, 209, label.c_str(), RECT{0, 209 - 20, 276, 209});
    const PreviewPlacement place =
        FitTemplatePreview(276, 209, Expected(path).width, Expected(path).height, false);
    ASSERT_LE(place.y + place.height, 209 - 20);
    int wrong = 0;
    for (int y = 209 - 20; y < 209; ++y)
        for (int x = 0; x < 276; ++x) wrong += shown.GetPixel(x, y) != alone.GetPixel(x, y);
    EXPECT_EQ(wrong, 0);
}

TEST_F(PreviewControls, NoPreviewForUnknownCellSizesAndUnreadableSelections) {
    HWND preview = Preview(276, 209);
    ASSERT_STREQ(Lookup("TXT_NOPREVIEW"), "No preview");
    const ColourImage noPreview = TextAlone(276, 209, "No preview", RECT{0, 0, 276, 209});
    auto expectNoPreview = [&](const std::string& path) {
        Select(TemplatePreviewHook, Map("good.tem", PreviewTemplateBytes(48, 24, 1, 1)));
        EXPECT_NE(Shown(preview).pixels, noPreview.pixels);
        Select(TemplatePreviewHook, path);
        EXPECT_EQ(Shown(preview).pixels, noPreview.pixels) << path;
    };
    expectNoPreview(Map("c.tem", WithCellSize(PreviewTemplateBytes(48, 24, 1, 1), 30, 15)));
    expectNoPreview(Map("d.tem", {1, 2, 3}));
    expectNoPreview(maps_.File("missing.tem"));
    expectNoPreview(Map("e.lun", PreviewTemplateBytes(60, 30, 1, 1)));  // no such palette here
    // A selected path longer than the 260-byte buffer is no selection.
    expectNoPreview(Map("f.tem", PreviewTemplateBytes(48, 24, 1, 1)) + std::string(300, 'x'));

    // The dialog going away frees the selection.
    Select(TemplatePreviewHook, Map("good.tem", PreviewTemplateBytes(48, 24, 1, 1)));
    TemplatePreviewHook(child_, WM_DESTROY, 0, 0);
    EXPECT_EQ(Shown(preview).pixels, noPreview.pixels);
}

TEST_F(PreviewControls, ImagePreviewFitsShrinksAndLabelsTheSize) {
    HWND preview = Preview(210, 200);
    ImagePreviewHook(child_, WM_INITDIALOG, 0, 0);  // takes over the control's painting
    auto imageFile = [&](const std::string& name, int w, int h) {
        DibCanvas canvas;
        EXPECT_TRUE(canvas.Create(w, h));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                canvas.SetPixel(x, y,
                                static_cast<uint32_t>((x * 7 & 0xFF) << 16 | (y * 5 & 0xFF) << 8 | 0x40));
        EXPECT_EQ(SaveCanvasAsImage(maps_.File(name).c_str(), canvas), 1);
        ColourImage image(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) image.pixels[static_cast<size_t>(y) * w + x] = canvas.GetPixel(x, y);
        return image;
    };

    const ColourImage tall = imageFile("tall.bmp", 100, 400);
    Select(ImagePreviewHook, maps_.File("tall.bmp"));
    ColourImage shown = Shown(preview);
    PreviewPlacement place = FitImagePreview(210, 200, 100, 400);
    EXPECT_EQ(place.x, 80);
    EXPECT_EQ(place.width, 50);
    EXPECT_EQ(WrongPixels(shown, tall, place, 200 - 30), 0);
    // The label "100x400" across the bottom 30 rows: where the picture alone is not what is shown,
    // the text drawn alone has ink.
    const ColourImage label = TextAlone(210, 200, "100x400", RECT{0, 200 - 30, 210, 200});
    int changed = 0, stray = 0;
    for (int y = 200 - 30; y < 200; ++y)
        for (int x = 0; x < 210; ++x) {
            const uint32_t got = shown.GetPixel(x, y);
            const bool inPicture = x >= place.x && x < place.x + place.width;
            if (inPicture ? NearPixel(tall, (x - place.x) * 2, y * 2, got, true) : got == FaceRgb()) continue;
            ++changed;
            stray += label.GetPixel(x, y) == FaceRgb();
        }
    EXPECT_GT(changed, 20);
    EXPECT_EQ(stray, 0);

    const ColourImage exact = imageFile("exact.bmp", 210, 200);
    Select(ImagePreviewHook, maps_.File("exact.bmp"));
    shown = Shown(preview);
    place = FitImagePreview(210, 200, 210, 200);
    EXPECT_FALSE(place.stretched);
    EXPECT_EQ(WrongPixels(shown, exact, place, 200 - 30), 0);

    const ColourImage wider = imageFile("wider.png", 211, 200);
    Select(ImagePreviewHook, maps_.File("wider.png"));
    shown = Shown(preview);
    place = FitImagePreview(210, 200, 211, 200);
    EXPECT_TRUE(place.stretched);
    EXPECT_EQ(place.height, 199);
    EXPECT_EQ(WrongPixels(shown, wider, place, 200 - 30), 0);

    WriteFile(maps_.File("text.bmp"), {'h', 'e', 'l', 'l', 'o'});
    Select(ImagePreviewHook, maps_.File("text.bmp"));
    EXPECT_EQ(Shown(preview).pixels, TextAlone(210, 200, "No preview", RECT{0, 0, 210, 200}).pixels);
    ImagePreviewHook(child_, WM_DESTROY, 0, 0);
}

TEST_F(PreviewControls, HooksResizeFrameAndPreviewWithTheDialog) {
    HWND preview = Preview(100, 100);
    using Size = std::pair<int, int>;
    auto size = [](HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        return Size{r.right - r.left, r.bottom - r.top};
    };
    TemplatePreviewHook(child_, WM_SIZE, 0, MAKELPARAM(500, 400));
    EXPECT_EQ(size(GetDlgItem(child_, IDC_PREVIEW_FRAME)), Size(230, 300));
    EXPECT_EQ(size(preview), Size(210, 280));
    // A dialog squeezed below the margins leaves the controls empty, never negative.
    ImagePreviewHook(child_, WM_SIZE, 0, MAKELPARAM(500, 60));
    EXPECT_EQ(size(GetDlgItem(child_, IDC_PREVIEW_FRAME)), Size(230, 0));
    EXPECT_EQ(size(preview), Size(210, 0));
}

TEST_F(PreviewControls, DialogsOfferTheLibrarysFormats) {
    const std::string open = g_imageLibrary.openFilterStr();
    ASSERT_FALSE(open.empty());
    const std::string& filter = g_imageLibrary.fileFilter;
    const std::string expected =
        "Image files:(" + open + ")" + '\0' + open + '\0' + "All files (*.*)" + '\0' + "*.*" + '\0' + '\0';
    EXPECT_EQ(filter, expected);
    for (const char* pattern : {"*.BMP", "*.PNG", "*.GIF"}) EXPECT_NE(open.find(pattern), std::string::npos);
    EXPECT_STREQ(ImageLibraryDescription(), "Image library - using GDI+ (BMP, GIF, PNG, TIFF, JPEG)");
    ASSERT_TRUE(ImageSaveFormatName(0));
    EXPECT_FALSE(ImageSaveFormatName(100));
}
