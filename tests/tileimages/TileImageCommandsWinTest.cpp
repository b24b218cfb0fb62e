// The tile image commands in-process with the program's own resources and the image library of the
// program folder: the Export tiles dialog and the export in every save format, the clipboard, the
// crop dialogs and the size rules of the imports, and the round trip through the paint program.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <dlgs.h>

#include <atomic>
#include <cctype>
#include <functional>
#include <string>
#include <thread>

#include "editor/interchange/CanvasPicture.h"
#include "editor/interchange/CropDialogs_win.h"
#include "editor/interchange/ExportTilesDialog_win.h"
#include "editor/interchange/ImageClipboard_win.h"
#include "editor/interchange/ImageDialogs_win.h"
#include "editor/interchange/ImageLibrary_win.h"
#include "editor/interchange/PictureFile.h"
#include "editor/interchange/TileBitmaps.h"
#include "editor/interchange/TileImageCommands_win.h"
#include "editor/settings/Settings.h"
#include "editor/settings/SettingsValues.h"
#include "editor/strings/StringTable.h"
#include "editor/template/TileLayout.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/CommandIds.h"
#include "resources/InterchangeIds.h"
#include "tests/document/DocumentFixture.h"
#include "tests/support/Program_win.h"

namespace zelt::test {
namespace {

std::string Text(HWND dialog, int id) {
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void Type(HWND dialog, int id, const std::string& text) {
    SetDlgItemTextA(dialog, id, text.c_str());
}

std::pair<int, int> SpinRange(HWND dialog, int id) {
    int low = -1, high = -1;
    SendDlgItemMessageA(dialog, id, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                        reinterpret_cast<LPARAM>(&high));
    return {low, high};
}

// A left-button release at the preview's point (fx, fy), as fractions of its size.
void ClickPreview(HWND dialog, double fx, double fy) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, IDC_CROP_PREVIEW), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    const int x = r.left + static_cast<int>((r.right - r.left) * fx);
    const int y = r.top + static_cast<int>((r.bottom - r.top) * fy);
    SendMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

ColourImage Gradient(int width, int height) {
    ColourImage picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, static_cast<uint32_t>(x << 16 | y << 8 | 0x40));
    return picture;
}

class TileImageCommands : public DocumentFixture {
  protected:
    static void SetUpTestSuite() {
        const std::string dist = HostToWindowsPath(ZELT_DIST_DIR);
        SetDllDirectoryA(dist.c_str());
        ASSERT_TRUE(BindImageLibrary());
        ASSERT_TRUE(LoadStringTable(dist + "\\Zelt_Builder.csf"));
        InitCommonControls();
    }
    static void TearDownTestSuite() {
        FreeStringTable();
        UnbindImageLibrary();
    }
    void SetUp() override {
        DocumentFixture::SetUp();
        g_settingsPath = At("Zelt_Builder.ini");
        g_settings = DefaultSettings();
        // The clipboard takes bitmaps only from a window that owns it.
        Shell().main = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(Shell().main);
    }
    void TearDown() override {
        DestroyWindow(Shell().main);
        Shell().main = nullptr;
        DocumentFixture::TearDown();
    }

    const PaletteTable& Palette() { return *Doc().palette; }
    // Tile 0 with indexes 1 ... 63 only, which the sample palette holds once each.
    void DistinctColoursInTileZero() {
        TileBytes& diamond = Doc().tiles[0].diamond;
        for (size_t i = 0; i < diamond.size(); ++i) diamond[i] = static_cast<uint8_t>(1 + i % 63);
    }
    std::vector<std::string> SaveFormats() {
        std::vector<std::string> names;
        for (int i = 0; ImageSaveFormatName(i); ++i) names.push_back(ImageSaveFormatName(i));
        return names;
    }
};

TEST_F(TileImageCommands, ExportTilesDialogOffersEverySaveFormatAndRefusesAnEmptyFolder) {
    OpenThreeTiles();
    g_settings.exportImagesFolder = "C:\\earlier";
    WriteSetting(*FindSettingKey("Paths", "ExportImgsDir"), g_settings);
    const std::vector<std::string> formats = SaveFormats();
    ASSERT_GE(formats.size(), 2u);

    LRESULT count = 0, selected = -1;
    std::string shownFolder;
    bool openAfterEmpty = false;
    DialogDriver driver([&](HWND dialog) {
        count = SendDlgItemMessageA(dialog, IDC_ET_FORMAT, CB_GETCOUNT, 0, 0);
        selected = SendDlgItemMessageA(dialog, IDC_ET_FORMAT, CB_GETCURSEL, 0, 0);
        shownFolder = Text(dialog, IDC_ET_FOLDER);
        Type(dialog, IDC_ET_FOLDER, "  ");
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        openAfterEmpty = IsWindow(dialog) && IsWindowVisible(dialog);
        Type(dialog, IDC_ET_FOLDER, "C:\\out");
        SendDlgItemMessageA(dialog, IDC_ET_FORMAT, CB_SETCURSEL, count - 1, 0);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    const std::optional<ExportTilesChoice> choice = ShowExportTilesDialog(nullptr);
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(count, static_cast<LRESULT>(formats.size()));  // no empty entry at the end
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(shownFolder, "C:\\earlier");
    EXPECT_TRUE(openAfterEmpty);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"ERROR:NOEXPORTFOLDER"});
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->folder, "C:\\out\\");
    EXPECT_EQ(choice->format, formats.back());
    g_settings.exportImagesFolder.clear();
    ReadSetting(*FindSettingKey("Paths", "ExportImgsDir"), g_settings);
    EXPECT_EQ(g_settings.exportImagesFolder, "C:\\out\\");
}

TEST_F(TileImageCommands, ExportTilesWritesEveryImageInEverySaveFormat) {
    OpenThreeTiles();
    TileRecord& withExtra = Doc().tiles[1];
    withExtra.hasExtra = true;
    withExtra.extraWidth = 5;
    withExtra.extraHeight = 4;
    withExtra.extraImage.assign(20, 0);
    for (size_t i = 1; i < 20; ++i) withExtra.extraImage[i] = static_cast<uint8_t>(i);
    for (const std::string& format : SaveFormats()) {
        SCOPED_TRACE(format);
        const std::string out = At(format + "\\");
        ASSERT_TRUE(CreateDirectoryA(out.c_str(), nullptr));
        ui.messages.clear();
        ASSERT_TRUE(ExportTilesToFolder(out, format));
        EXPECT_EQ(ui.messages, std::vector<std::string>{"MSG:BATCHEXPORTFINISHED"});
        EXPECT_FALSE(Exists(out + "tile0E." + format));
        const bool lossless = format == "BMP" || format == "PNG";
        for (const auto& [name, tile, extra] :
             {std::tuple{"tile0N.", 0, false}, std::tuple{"tile1N.", 1, false},
              std::tuple{"tile1E.", 1, true}, std::tuple{"tile2N.", 2, false}}) {
            const std::string file = out + name + format;
            if (format == "GIF") {
                // Wine's GIF encoder writes frames without pixels, so only the file itself is checked.
                EXPECT_EQ(Read(file).at(0), 'G') << name;
                continue;
            }
            DibCanvas canvas;
            ASSERT_TRUE(LoadImageIntoCanvas(file.c_str(), canvas)) << name;
            Picture expected = NormalImagePicture(Doc().tiles[tile], 48, 24, Palette(), kExportNormalFill);
            if (extra) {
                ASSERT_TRUE(
                    ExtraImagePicture(Doc().tiles[tile], Palette(), ExportExtraFill(Palette()), expected));
            }
            EXPECT_EQ(canvas.Width(), expected.colours.width) << name;
            EXPECT_EQ(canvas.Height(), expected.colours.height) << name;
            if (lossless) {
                EXPECT_EQ(PixelsOfCanvas(canvas).pixels, expected.colours.pixels) << name;
            }
        }
    }
    ui.messages.clear();
    EXPECT_FALSE(ExportTilesToFolder(At("missing\\"), "BMP"));
    // Names past the path limit fail; none is cut to fit.
    const std::string deep = At(std::string(250 - At("").size(), 'd') + "\\");
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    EXPECT_FALSE(ExportTilesToFolder(deep, "BMP"));
    EXPECT_FALSE(Exists(deep + "tile0N.BMP"));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"ERROR:BATCHEXPORT", "ERROR:BATCHEXPORT"}));
}

TEST_F(TileImageCommands, ExportOfATileImageRemembersTheNameEvenWhenCancelled) {
    OpenThreeTiles();
    Doc().selected = 1;
    const std::string proposed = At("normal.bmp");
    g_settings.exportNormalImage = proposed;
    WriteSetting(*FindSettingKey("Paths", "ExportNImage"), g_settings);

    DialogDriver cancel([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    ASSERT_TRUE(RunTileImageCommand(IDM_STRIP_SAVE_NORMAL));
    ASSERT_TRUE(cancel.Acted());
    EXPECT_FALSE(Exists(proposed));
    g_settings.exportNormalImage.clear();
    ReadSetting(*FindSettingKey("Paths", "ExportNImage"), g_settings);
    EXPECT_EQ(g_settings.exportNormalImage, proposed);

    DialogDriver confirm([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDOK, 0); });
    ASSERT_TRUE(RunTileImageCommand(IDM_STRIP_SAVE_NORMAL));
    ASSERT_TRUE(confirm.Acted());
    DibCanvas written;
    ASSERT_TRUE(LoadImageIntoCanvas(proposed.c_str(), written));
    EXPECT_EQ(PixelsOfCanvas(written).pixels,
              NormalImagePicture(Doc().tiles[1], 48, 24, Palette(), kExportNormalFill).colours.pixels);
    EXPECT_EQ(written.GetPixel(0, 0), 0x000000u);  // black outside the diamond
}

TEST_F(TileImageCommands, CopiedImagesPasteBackIntoAnotherTile) {
    OpenThreeTiles();
    DistinctColoursInTileZero();
    Doc().selected = 0;
    ASSERT_TRUE(RunTileImageCommand(IDM_COPY_NORMAL_IMAGE));
    ColourImage taken;
    ASSERT_TRUE(TakeClipboardPicture(nullptr, taken));
    EXPECT_EQ(taken.pixels,
              NormalImagePicture(Doc().tiles[0], 48, 24, Palette(), kClipboardFill).colours.pixels);
    // A tile without an extra image copies nothing: the clipboard keeps the normal image.
    ASSERT_TRUE(RunTileImageCommand(IDM_COPY_EXTRA_IMAGE));
    ASSERT_TRUE(TakeClipboardPicture(nullptr, taken));
    EXPECT_EQ(taken.width, 48);

    Doc().selected = 2;
    ASSERT_TRUE(RunTileImageCommand(IDM_PASTE_NORMAL_IMAGE));
    EXPECT_EQ(Doc().tiles[2].diamond, Doc().tiles[0].diamond);
    EXPECT_TRUE(Doc().modified);
    EXPECT_TRUE(CanUndo());
    EXPECT_FALSE(RunTileImageCommand(IDM_SAVE));
}

TEST_F(TileImageCommands, ABusyClipboardIsTriedAgainBrieflyThenReportedBusy) {
    OpenThreeTiles();
    Doc().selected = 0;
    // Another thread holds the clipboard open, as another program would, until it is told to let go.
    std::atomic<bool> opened{false}, release{false};
    auto holder = [&](int milliseconds) {
        return std::thread([&, milliseconds] {
            opened = OpenClipboard(nullptr) != FALSE;
            for (int waited = 0; !release && (milliseconds < 0 || waited < milliseconds); waited += 10) Sleep(10);
            if (opened) CloseClipboard();
        });
    };

    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    // Let go after a tenth of a second: the copy gets through without a word.
    std::thread brief = holder(100);
    ASSERT_TRUE(WaitFor([&] { return opened.load(); }, 2000));
    EXPECT_TRUE(RunTileImageCommand(IDM_COPY_NORMAL_IMAGE));
    brief.join();
    ColourImage taken;
    ASSERT_TRUE(TakeClipboardPicture(nullptr, taken));
    EXPECT_EQ(taken.width, 48);

    // Held on: the copy says the clipboard is busy.
    opened = false;
    std::thread held = holder(-1);
    ASSERT_TRUE(WaitFor([&] { return opened.load(); }, 2000));
    std::string said;
    DialogDriver driver([&](HWND box) {
        said = StaticTexts(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(RunTileImageCommand(IDM_COPY_NORMAL_IMAGE));
    EXPECT_TRUE(driver.Acted());
    release = true;
    held.join();
    EXPECT_NE(said.find(Lookup("ERROR:CLIPBOARDBUSY")), std::string::npos) << said;
}

TEST_F(TileImageCommands, TheSaveDialogOffersTheWrittenFormatsAndAFailedWriteIsSaidAndNotRemembered) {
    OpenThreeTiles();
    const std::string earlier = At("earlier.bmp");
    g_settings.exportAll = earlier;
    WriteSetting(*FindSettingKey("Paths", "ExportAll"), g_settings);
    const std::vector<std::string> formats = SaveFormats();
    std::vector<std::string> offered;
    std::string said;
    const std::string unwritable = At("picture.jpg");  // the library knows "jpeg", not "jpg"
    DialogDriver driver([&](HWND dialog) {
        const LRESULT count = SendDlgItemMessageA(dialog, cmb1, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char text[128] = {};
            SendDlgItemMessageA(dialog, cmb1, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            offered.push_back(text);
        }
        if (!SetDlgItemTextA(dialog, edt1, unwritable.c_str())) SetDlgItemTextA(dialog, cmb13, unwritable.c_str());
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
        HWND box = nullptr;
        WaitFor([&] { return (box = DialogOfThread(thread, dialog)) != nullptr && !IsWindow(dialog); }, 8000);
        if (!box) return;
        said = StaticTexts(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    ASSERT_TRUE(RunTileImageCommand(IDM_EXPORT_ALL));
    ASSERT_TRUE(driver.Acted());
    ASSERT_EQ(offered.size(), formats.size());
    for (size_t i = 0; i < formats.size(); ++i) {
        std::string lower = formats[i];
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(offered[i], formats[i] + " (*." + lower + ")");
    }
    EXPECT_NE(said.find(Lookup("ERROR:IMAGESAVE")), std::string::npos) << said;
    EXPECT_FALSE(Exists(unwritable));
    g_settings.exportAll.clear();
    ReadSetting(*FindSettingKey("Paths", "ExportAll"), g_settings);
    EXPECT_EQ(g_settings.exportAll, earlier);
}

TEST_F(TileImageCommands, NormalCropDialogClampsTypedValuesAndCentresOnClicks) {
    const ColourImage picture = Gradient(96, 48);
    std::string name, cell;
    std::pair<int, int> xRange, yRange;
    std::string clickedX, clickedY, typedX;
    DialogDriver driver([&](HWND dialog) {
        name = Text(dialog, IDC_CROP_NAME);
        cell = Text(dialog, IDC_CROP_CELL);
        xRange = SpinRange(dialog, IDC_CROP_X_SPIN);
        yRange = SpinRange(dialog, IDC_CROP_Y_SPIN);
        ClickPreview(dialog, 0.5, 0.5);
        clickedX = Text(dialog, IDC_CROP_X);
        clickedY = Text(dialog, IDC_CROP_Y);
        Type(dialog, IDC_CROP_X, "100");  // kept as typed, taken as 48
        typedX = Text(dialog, IDC_CROP_X);
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    int x = -1, y = -1;
    ASSERT_TRUE(ShowNormalImageCrop(nullptr, "C:\\pictures\\wide.bmp", picture, 48, 24, x, y));
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(name, "C:\\pictures\\wide.bmp");
    EXPECT_EQ(cell, "48x24");
    EXPECT_EQ(xRange, std::make_pair(0, 48));
    EXPECT_EQ(yRange, std::make_pair(0, 24));
    EXPECT_NEAR(std::stoi(clickedX), 24, 1);
    EXPECT_NEAR(std::stoi(clickedY), 12, 1);
    EXPECT_EQ(typedX, "100");
    EXPECT_EQ(x, 48);
    EXPECT_EQ(y, std::stoi(clickedY));

    DialogDriver cancel([](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_FALSE(ShowNormalImageCrop(nullptr, "x", picture, 48, 24, x, y));
    EXPECT_TRUE(cancel.Acted());
}

TEST_F(TileImageCommands, ExtraCropDialogKeepsTheRectangleInsideAndAtLeastOnePixel) {
    const ColourImage picture = Gradient(100, 50);
    std::string width, height;
    std::pair<int, int> xRange, widthRange;
    MINMAXINFO limits{};
    DialogDriver driver([&](HWND dialog) {
        width = Text(dialog, IDC_CROP_WIDTH);
        height = Text(dialog, IDC_CROP_HEIGHT);
        xRange = SpinRange(dialog, IDC_CROP_X_SPIN);
        widthRange = SpinRange(dialog, IDC_CROP_WIDTH_SPIN);
        SendMessageA(dialog, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        Type(dialog, IDC_CROP_WIDTH, "10");
        Type(dialog, IDC_CROP_X, "95");  // up to 100 - 10
        Type(dialog, IDC_CROP_HEIGHT, "0");
        Type(dialog, IDC_CROP_Y, "7");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    CropRect rect;
    ASSERT_TRUE(ShowExtraImageCrop(nullptr, "tall.png", picture, 48, 24, rect));
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(width, "100");
    EXPECT_EQ(height, "50");
    EXPECT_EQ(xRange, std::make_pair(0, 52));
    EXPECT_EQ(widthRange, std::make_pair(0, 100));
    EXPECT_EQ(limits.ptMinTrackSize.x, 440);
    EXPECT_EQ(limits.ptMinTrackSize.y, 334);
    EXPECT_EQ(rect.x, 90);
    EXPECT_EQ(rect.width, 10);
    EXPECT_EQ(rect.height, 1);
    EXPECT_EQ(rect.y, 7);
}

TEST_F(TileImageCommands, ImportsFollowTheSizeRules) {
    OpenThreeTiles();
    Doc().selected = 1;
    const std::vector<TileRecord> before = Doc().tiles;

    ImportNormalPicture(ColourImage(47, 24, Palette()[5]), "small");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"MSG:TOOSMALL"});
    ui.answers.push_back(Answer::No);
    ImportNormalPicture(ColourImage(49, 24, Palette()[5]), "wide");
    EXPECT_EQ(ui.questions, std::vector<std::string>{"MSG:NOTTILESIZE"});
    EXPECT_EQ(Doc().tiles, before);
    EXPECT_FALSE(Doc().modified);

    // Yes, then the crop dialog moves the window past the first column.
    ColourImage wide(49, 24, Palette()[9]);
    for (int y = 0; y < 24; ++y) wide.SetPixel(0, y, Palette()[7]);
    ui.answers.push_back(Answer::Yes);
    DialogDriver driver([](HWND dialog) {
        Type(dialog, IDC_CROP_X, "1");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    ImportNormalPicture(wide, "wide");
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(Doc().tiles[1].diamond, std::vector<uint8_t>(DiamondSize(48, 24), 9));
    EXPECT_TRUE(CanUndo());

    ImportNormalPicture(ColourImage(48, 24, Palette()[3]), "exact");
    EXPECT_EQ(Doc().tiles[1].diamond, std::vector<uint8_t>(DiamondSize(48, 24), 3));

    // An extra image without cropping takes the whole picture, whatever its size.
    ui.answers.push_back(Answer::No);
    ImportExtraPicture(ColourImage(5, 3, Palette()[4]), "extra");
    EXPECT_TRUE(Doc().tiles[1].hasExtra);
    EXPECT_EQ(Doc().tiles[1].extraImage, std::vector<uint8_t>(15, 4));
    EXPECT_EQ(ui.questions.back(), "MSG:WANTCROP");
}

TEST_F(TileImageCommands, ImportAllOfTheWrongSizeNamesTheSizeItNeeds) {
    OpenThreeTiles();
    const std::vector<TileRecord> before = Doc().tiles;
    std::string shown;
    DialogDriver driver([&](HWND box) {
        shown = StaticTexts(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    ImportAllPicture(ColourImage(3, 3));
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(shown, ImportAllSizeText());
    EXPECT_EQ(Doc().tiles, before);
}

TEST_F(TileImageCommands, ThePaintProgramGetsThePictureWholeAndGivesItBack) {
    OpenThreeTiles();
    Doc().selected = 0;
    TileBytes& diamond = Doc().tiles[0].diamond;
    for (size_t i = 0; i < diamond.size(); ++i) diamond[i] = static_cast<uint8_t>(i % 5);  // with index 0
    std::vector<uint8_t> expected(diamond.begin(), diamond.end());
    size_t centre = 0;
    for (int r = 0; r < 12; ++r) centre += static_cast<size_t>(DiamondRowWidth(r, 24));
    centre += static_cast<size_t>(24 - DiamondRowStart(12, 48, 24));
    ASSERT_LT(centre, expected.size());
    expected[centre] = static_cast<uint8_t>(NearestPaletteIndex(0x123456, Palette()));
    ASSERT_NE(Palette()[0], 0u);  // index 0 must come back as 0, not as black would

    // A temporary folder with a blank in its name must reach the program as one argument.
    const std::string temporary = At("temp folder\\");
    ASSERT_TRUE(CreateDirectoryA(temporary.c_str(), nullptr));
    ASSERT_TRUE(SetEnvironmentVariableA("TMP", temporary.c_str()));
    ASSERT_TRUE(SetEnvironmentVariableA("TEMP", temporary.c_str()));
    const bool edited = EditInPaintProgram();
    SetEnvironmentVariableA("TMP", nullptr);
    SetEnvironmentVariableA("TEMP", nullptr);
    ASSERT_TRUE(edited);
    EXPECT_EQ(Doc().tiles[0].diamond, expected);
    EXPECT_FALSE(Exists(temporary + "ImgTmp.bmp"));
    EXPECT_TRUE(CanUndo());
}

// The temporary folder a test's paint program round trip uses, and how the stand-in behaves.
class PaintRun {
public:
    PaintRun(const std::string& folder, const char* behaviour) : folder_(folder) {
        CreateDirectoryA(folder.c_str(), nullptr);
        SetEnvironmentVariableA("TMP", folder.c_str());
        SetEnvironmentVariableA("TEMP", folder.c_str());
        SetEnvironmentVariableA("ZELT_PAINT_STANDIN", behaviour);
    }
    ~PaintRun() {
        SetEnvironmentVariableA("TMP", nullptr);
        SetEnvironmentVariableA("TEMP", nullptr);
        SetEnvironmentVariableA("ZELT_PAINT_STANDIN", nullptr);
    }
    std::string File() const { return folder_ + "ImgTmp.bmp"; }

private:
    std::string folder_;
};

// A folder named "Карта 地図" (a user's temporary folder lies under the user's name): exported pictures,
// their import and the paint program's picture all go through it whole.
TEST_F(TileImageCommands, PicturesGoThroughAFolderOfCyrillicAndCjkLetters) {
    ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));  // as the program's manifest asks
    OpenThreeTiles();
    const std::string folder = At("\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0 \xE5\x9C\xB0\xE5\x9B\xB3\\");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    for (const char* format : {"BMP", "PNG"}) {
        SCOPED_TRACE(format);
        ui.messages.clear();
        ASSERT_TRUE(ExportTilesToFolder(folder, format));
        EXPECT_EQ(ui.messages, std::vector<std::string>{"MSG:BATCHEXPORTFINISHED"});
        // Tile 0's picture, read back as the import reads a file, into tile 2.
        DibCanvas canvas;
        ASSERT_TRUE(LoadImageIntoCanvas((folder + "tile0N." + format).c_str(), canvas));
        Doc().selected = 2;
        Doc().tiles[2].diamond.assign(Doc().tiles[2].diamond.size(), 0);
        ImportNormalPicture(PixelsOfCanvas(canvas), "tile0N");
        EXPECT_EQ(Doc().tiles[2].diamond, Doc().tiles[0].diamond);
    }

    Doc().selected = 0;
    const TileBytes before = Doc().tiles[0].diamond;
    const PaintRun run(folder + "paint\\", "");
    ASSERT_TRUE(EditInPaintProgram());
    EXPECT_NE(Doc().tiles[0].diamond, before);  // the stand-in painted a pixel, and it came back
    EXPECT_FALSE(Exists(run.File()));
}

TEST_F(TileImageCommands, WhileThePaintProgramRunsTheEditorAnswersButTakesNoInput) {
    OpenThreeTiles();
    Doc().selected = 0;
    const TileBytes before = Doc().tiles[0].diamond;
    ShowWindow(Shell().main, SW_SHOWNOACTIVATE);
    const PaintRun run(At("paint\\"), "wait:2000");
    std::atomic<bool> answered{false}, enabledMeanwhile{true};
    std::atomic<DWORD> took{0};
    std::thread other([&] {
        Sleep(700);
        enabledMeanwhile = IsWindowEnabled(Shell().main) != FALSE;
        DWORD_PTR result = 0;
        const DWORD start = GetTickCount();
        answered = SendMessageTimeoutA(Shell().main, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
        took = GetTickCount() - start;
    });
    const bool edited = EditInPaintProgram();
    other.join();
    ASSERT_TRUE(edited);
    EXPECT_TRUE(answered) << "the main window did not answer within a second";
    EXPECT_LT(took.load(), 1000u);
    EXPECT_FALSE(enabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(Shell().main));
    EXPECT_NE(Doc().tiles[0].diamond, before);
}

TEST_F(TileImageCommands, AnUnchangedPictureAsksWhetherTheUserStillEditsIt) {
    OpenThreeTiles();
    Doc().selected = 0;
    const TileBytes before = Doc().tiles[0].diamond;
    const PaintRun run(At("paint\\"), "leave");

    // Cancel: the tile stays as it was, and the picture stays for the paint program that has it.
    std::string asked;
    DialogDriver cancel([&](HWND box) {
        asked = StaticTexts(box);
        PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(EditInPaintProgram());
    ASSERT_TRUE(cancel.Acted());
    EXPECT_EQ(asked, Lookup("MSG:PAINTSTILLEDITING"));
    EXPECT_EQ(Doc().tiles[0].diamond, before);
    EXPECT_FALSE(CanUndo());
    EXPECT_TRUE(Exists(run.File()));

    // The picture saved while the question is up (by a paint program that was already running):
    // the question goes away by itself and the tile takes the picture.
    bool saved = false;
    DialogDriver save([&](HWND) {
        Picture picture;
        std::string error;
        saved = ReadPictureFile(run.File(), picture, error);
        picture.colours.SetPixel(24, 12, 0x123456);
        saved = saved && WritePictureFile(run.File(), picture, error);
    });
    EXPECT_TRUE(EditInPaintProgram());
    ASSERT_TRUE(save.Acted());
    EXPECT_TRUE(saved);
    EXPECT_NE(Doc().tiles[0].diamond, before);
    EXPECT_FALSE(Exists(run.File()));
}

}  // namespace
}  // namespace zelt::test
