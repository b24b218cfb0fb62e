// The batch import and overview dialogs in-process under Wine, with the program's own resources and
// string table: each driven from a second thread as a user would, the batch dialog over real picture
// files with failures, a drop and a Stop during a run, and a close during a run.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "editor/app/MainWindow_win.h"
#include "editor/editing/TileProperties.h"
#include "editor/interchange/BatchDialogRules.h"
#include "editor/interchange/BatchDialog_win.h"
#include "editor/interchange/OverviewDialog_win.h"
#include "editor/interchange/OverviewReport.h"
#include "editor/interchange/PictureFile.h"
#include "editor/render/TemplateRender.h"
#include "editor/settings/Settings.h"
#include "editor/settings/SettingsValues.h"
#include "editor/strings/StringTable.h"
#include "editor/winui/Message_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/BatchIds.h"
#include "resources/CommandIds.h"
#include "tests/document/DocumentFixture.h"
#include "tests/support/Program_win.h"

namespace zelt::test {
namespace {

// A drop of files as the shell hands it over.
HDROP MakeDrop(const std::vector<std::string>& paths) {
    std::string names;
    for (const std::string& path : paths) names += path + '\0';
    names += '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

struct Search {
    std::string title;
    HWND owner = nullptr;
    HWND found = nullptr;
};

// A visible dialog box of the thread with the title, or (owner set) owned by that window.
HWND FindDialog(DWORD thread, const std::string& title, HWND owner = nullptr) {
    for (int tries = 0; tries < 400; ++tries) {
        Search search{title, owner, nullptr};
        EnumThreadWindows(
            thread,
            [](HWND window, LPARAM param) -> BOOL {
                auto* s = reinterpret_cast<Search*>(param);
                char className[16] = {}, text[256] = {};
                GetClassNameA(window, className, sizeof className);
                GetWindowTextA(window, text, sizeof text);
                if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
                if (s->owner ? GetWindow(window, GW_OWNER) != s->owner : s->title != text) return TRUE;
                s->found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(25);
    }
    return nullptr;
}

// The text of the message box that owner shows next, closed with OK.
std::string AnswerMessageBox(HWND owner) {
    HWND box = FindDialog(GetWindowThreadProcessId(owner, nullptr), "", owner);
    if (!box) return "<no message box>";
    const std::string text = StaticTexts(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    for (int tries = 0; tries < 200 && IsWindow(box); ++tries) Sleep(20);
    return text;
}

std::string ItemText(HWND dialog, int id) {
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id));
}

LRESULT Send(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

void Click(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

constexpr int kManyPictures = 40;

class BatchDialogs : public DocumentFixture {
  protected:
    HWND parent = nullptr;
    DWORD thread = GetCurrentThreadId();
    std::vector<TileRecord> tiles;

    void SetUp() override {
        DocumentFixture::SetUp();
        ASSERT_TRUE(LoadStringTable(HostToWindowsPath(ZELT_DIST_DIR) + "\\Zelt_Builder.csf"));
        g_settings = DefaultSettings();
        Shell().instance = GetModuleHandleA(nullptr);
        InitCommonControls();
        parent = CreateWindowExA(0, "STATIC", "parent", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                 nullptr, nullptr);
        SetMessageOwner(parent);
        OpenThreeTiles();
        Doc().selected = 0;
    }
    void TearDown() override {
        DestroyWindow(parent);
        SetMessageOwner(nullptr);
        FreeStringTable();
        DocumentFixture::TearDown();
    }

    // A BMP of the given size filled with palette entry 40.
    std::string WritePicture(const std::string& name, int width, int height) {
        Picture picture;
        picture.colours = ColourImage(width, height, (*Doc().palette)[40]);
        std::string error;
        EXPECT_TRUE(WritePictureFile(At(name), picture, error)) << error;
        return At(name);
    }
    std::string FailedText(int count) { return FillNumbers(Lookup("MSG:BATCHFAILEDCOUNT"), {count}); }
};

TEST_F(BatchDialogs, RunsWithFailuresADropAndAStopAndRestoresTheDocument) {
    ASSERT_TRUE(SetTileX(24));  // modified, with one undo step
    const std::vector<TileRecord> before = Doc().tiles;
    const size_t steps = Doc().undo.states.size();
    const int position = Doc().undo.position;
    TemplateBounds bounds;
    ASSERT_TRUE(ComputeTemplateBounds(bounds));
    const int w = static_cast<int>(bounds.Width()), h = static_cast<int>(bounds.Height());
    const std::string good1 = WritePicture("good1.bmp", w, h), good2 = WritePicture("good2.bmp", w, h);
    const std::string small = WritePicture("small.bmp", 2, 2), plain = At("picture");
    std::filesystem::rename(NativePath(WritePicture("picture.bmp", w, h)), NativePath(plain));
    const std::string missing = At("missing.bmp"), out = At("my.out"), out3 = At("out3");
    std::filesystem::create_directories(NativePath(out));
    std::filesystem::create_directories(NativePath(out3));

    std::vector<std::string> messages;
    bool checked = false;
    std::thread user([&] {
        HWND dialog = FindDialog(thread, Lookup("GUI:BATCHIMPORTDLG"));
        if (!dialog) return;
        // Opening: the family's two theaters, nothing to start, no run.
        EXPECT_EQ(Send(dialog, IDC_BATCH_THEATER, CB_GETCOUNT), 2);
        EXPECT_EQ(Send(dialog, IDC_BATCH_THEATER, CB_GETCURSEL), 0);
        EXPECT_FALSE(Enabled(dialog, IDC_BATCH_START));
        EXPECT_FALSE(Enabled(dialog, IDC_BATCH_STOP));
        EXPECT_FALSE(Enabled(dialog, IDC_BATCH_REMOVE_ALL));
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_BATCH_PROGRESS)));
        EXPECT_EQ(ItemText(dialog, IDC_BATCH_FOLDER), "");

        SendMessageA(dialog, WM_DROPFILES,
                     reinterpret_cast<WPARAM>(MakeDrop({good1, good2, small, missing, plain})), 0);
        EXPECT_EQ(Send(dialog, IDC_BATCH_FILES, LB_GETCOUNT), 5);
        EXPECT_TRUE(Enabled(dialog, IDC_BATCH_START));
        EXPECT_FALSE(Enabled(dialog, IDC_BATCH_REMOVE));
        Send(dialog, IDC_BATCH_FILES, LB_SETCURSEL, 1);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_BATCH_FILES, LBN_SELCHANGE), 0);
        EXPECT_TRUE(Enabled(dialog, IDC_BATCH_REMOVE));
        SendMessageA(dialog, WM_COMMAND, IDC_BATCH_REMOVE, 0);  // good2
        char name[64] = {};
        Send(dialog, IDC_BATCH_FILES, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(name));
        EXPECT_STREQ(name, "small.bmp");
        EXPECT_EQ(Send(dialog, IDC_BATCH_FILES, LB_GETCURSEL), 1);

        // No destination folder: refused, nothing written into the drive's root.
        Click(dialog, IDC_BATCH_START);
        messages.push_back(AnswerMessageBox(dialog));

        SetDlgItemTextA(dialog, IDC_BATCH_FOLDER, out.c_str());
        Send(dialog, IDC_BATCH_THEATER, CB_SETCURSEL, 1);  // Snow
        Send(dialog, IDC_BATCH_AUTO_COLOUR, BM_SETCHECK, BST_CHECKED);
        // A whole run; a drop during it is ignored.
        Click(dialog, IDC_BATCH_START);
        PostMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({good2})), 0);
        messages.push_back(AnswerMessageBox(dialog));
        // The pictures that failed are what the list still holds, as the closing message says.
        EXPECT_EQ(Send(dialog, IDC_BATCH_FILES, LB_GETCOUNT), 2);
        char left[64] = {};
        Send(dialog, IDC_BATCH_FILES, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(left));
        EXPECT_STREQ(left, "small.bmp");
        Send(dialog, IDC_BATCH_FILES, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(left));
        EXPECT_STREQ(left, "missing.bmp");
        EXPECT_TRUE(Enabled(dialog, IDC_BATCH_START));
        EXPECT_TRUE(Enabled(dialog, IDC_BATCH_FILES));
        EXPECT_FALSE(Enabled(dialog, IDC_BATCH_STOP));
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_BATCH_PROGRESS)));

        // Stop ends the run after the current picture. The list is long, so that Stop arrives while
        // the run goes on whenever this thread gets to post it.
        SendMessageA(dialog, WM_COMMAND, IDC_BATCH_REMOVE_ALL, 0);
        std::vector<std::string> many(kManyPictures - 1, good1);
        many.push_back(plain);
        SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(many)), 0);
        Send(dialog, IDC_BATCH_THEATER, CB_SETCURSEL, 0);  // Temperate
        Click(dialog, IDC_BATCH_START);
        Click(dialog, IDC_BATCH_STOP);
        messages.push_back(AnswerMessageBox(dialog));

        // Closing during a run stops it and closes the dialog after it.
        SetDlgItemTextA(dialog, IDC_BATCH_FOLDER, out3.c_str());
        Click(dialog, IDC_BATCH_START);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        messages.push_back(AnswerMessageBox(dialog));
        for (int tries = 0; tries < 200 && IsWindow(dialog); ++tries) Sleep(20);
        checked = !IsWindow(dialog);
    });
    ShowBatchImportDialog(parent);
    user.join();
    ASSERT_TRUE(checked) << "the dialog did not close after the run";
    ASSERT_EQ(messages.size(), 4u);

    EXPECT_EQ(messages[0], Lookup("MSG:BATCHNOFOLDER"));
    EXPECT_NE(messages[1].find(FailedText(2)), std::string::npos) << messages[1];
    EXPECT_NE(messages[1].find("small.bmp"), std::string::npos) << messages[1];
    EXPECT_NE(messages[1].find("missing.bmp"), std::string::npos) << messages[1];
    EXPECT_EQ(messages[1].find(Lookup("MSG:BATCHFINISHED")), std::string::npos);
    for (const char* written : {"\\good1.sno", "\\picture.sno"}) {
        LoadedTemplate file;
        std::string error;
        ASSERT_TRUE(DecodeTemplate(Read(out + written), file, error)) << written << error;
        EXPECT_EQ(file.tiles[2].diamond, std::vector<uint8_t>(576, 40));
        EXPECT_NE(file.tiles[2].leftRadar, before[2].leftRadar);  // auto colour
    }
    EXPECT_FALSE(Exists(out + "\\missing.sno"));
    EXPECT_FALSE(Exists(out + "\\good2.sno"));

    // The stopped runs: good1 done, the last picture never reached.
    const auto saysStopped = [](const std::string& text) {
        for (int done = 1; done < kManyPictures; ++done) {
            if (text == FillNumbers(Lookup("MSG:BATCHSTOPPED"), {done, kManyPictures})) return true;
        }
        return false;
    };
    EXPECT_TRUE(saysStopped(messages[2])) << messages[2];
    EXPECT_TRUE(saysStopped(messages[3])) << messages[3];
    EXPECT_TRUE(Exists(out + "\\good1.tem"));
    EXPECT_FALSE(Exists(out + "\\picture.tem"));
    EXPECT_TRUE(Exists(out3 + "\\good1.tem"));
    EXPECT_FALSE(Exists(out3 + "\\picture.tem"));

    // The document is exactly as before the runs.
    EXPECT_EQ(Doc().tiles, before);
    EXPECT_TRUE(Doc().modified);
    EXPECT_EQ(Doc().undo.states.size(), steps);
    EXPECT_EQ(Doc().undo.position, position);
    EXPECT_FALSE(InterfaceUpdatesSuspended());
    EXPECT_EQ(g_settings.batchImportOutDir, out3);
    EXPECT_EQ(MessageOwner(), parent);
}

TEST_F(BatchDialogs, ATemplateWithoutTilesCannotStart) {
    Doc().tiles.clear();
    Doc().selected = -1;
    g_settings.batchImportOutDir = At("remembered");
    const std::string picture = WritePicture("a.bmp", 48, 24);
    bool checked = false;
    std::thread user([&] {
        HWND dialog = FindDialog(thread, Lookup("GUI:BATCHIMPORTDLG"));
        if (!dialog) return;
        EXPECT_EQ(ItemText(dialog, IDC_BATCH_FOLDER), At("remembered"));
        SendMessageA(dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({picture})), 0);
        EXPECT_EQ(Send(dialog, IDC_BATCH_FILES, LB_GETCOUNT), 1);
        EXPECT_TRUE(Enabled(dialog, IDC_BATCH_REMOVE_ALL));
        EXPECT_FALSE(Enabled(dialog, IDC_BATCH_START));
        RedrawWindow(GetDlgItem(dialog, IDC_BATCH_PREVIEW), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        // Adding through the open dialog appends the file and remembers its folder.
        Click(dialog, IDC_BATCH_ADD);
        if (HWND box = FindDialog(thread, "", dialog)) {
            if (!SetDlgItemTextA(box, 0x480, picture.c_str())) SetDlgItemTextA(box, 0x47c, picture.c_str());
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            for (int tries = 0; tries < 200 && IsWindow(box); ++tries) Sleep(20);
        }
        EXPECT_EQ(Send(dialog, IDC_BATCH_FILES, LB_GETCOUNT), 2);
        SendMessageA(dialog, WM_COMMAND, IDC_BATCH_REMOVE_ALL, 0);
        EXPECT_EQ(Send(dialog, IDC_BATCH_FILES, LB_GETCOUNT), 0);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        for (int tries = 0; tries < 200 && IsWindow(dialog); ++tries) Sleep(20);
        checked = !IsWindow(dialog);
    });
    ShowBatchImportDialog(parent);
    user.join();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(Exists(At("remembered\\a.tem")));
    EXPECT_EQ(g_settings.batchImportInDir, root);
}

TEST_F(BatchDialogs, AddTakesASelectionLargerThanTheFirstBufferWhole) {
    // 200 names of 40 characters: some 8000 bytes of names, twice the buffer the dialog starts with.
    std::string typed;
    for (int i = 0; i < 200; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "picture-with-a-rather-long-name-%03d.bmp", i);
        Write(At(name), {});
        typed += std::string("\"") + name + "\" ";
    }
    g_settings.batchImportInDir = root;
    LRESULT count = -1;
    std::string last;
    std::thread user([&] {
        HWND dialog = FindDialog(thread, Lookup("GUI:BATCHIMPORTDLG"));
        if (!dialog) return;
        Click(dialog, IDC_BATCH_ADD);
        // Names typed by hand take the second way: the dialog comes again with room enough.
        for (int shown = 0; shown < 2; ++shown) {
            HWND box = FindDialog(thread, "", dialog);
            if (!box) break;
            if (!SetDlgItemTextA(box, 0x480, typed.c_str())) SetDlgItemTextA(box, 0x47c, typed.c_str());
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            for (int tries = 0; tries < 200 && IsWindow(box); ++tries) Sleep(20);
            for (int tries = 0; tries < 50 && Send(dialog, IDC_BATCH_FILES, LB_GETCOUNT) == 0; ++tries) Sleep(20);
            if (Send(dialog, IDC_BATCH_FILES, LB_GETCOUNT) > 0) break;
        }
        count = Send(dialog, IDC_BATCH_FILES, LB_GETCOUNT);
        char text[128] = {};
        Send(dialog, IDC_BATCH_FILES, LB_GETTEXT, static_cast<WPARAM>(std::max<LRESULT>(count - 1, 0)),
             reinterpret_cast<LPARAM>(text));
        last = text;
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        for (int tries = 0; tries < 200 && IsWindow(dialog); ++tries) Sleep(20);
    });
    ShowBatchImportDialog(parent);
    user.join();
    EXPECT_EQ(count, 200);
    EXPECT_EQ(last, "picture-with-a-rather-long-name-199.bmp");
}

TEST_F(BatchDialogs, TheCommandsOpenTheDialogs) {
    for (const char* title : {"GUI:BATCHIMPORTDLG", "GUI:OVERVIEWDLG"}) {
        bool closed = false;
        std::thread user([&] {
            HWND dialog = FindDialog(thread, Lookup(title));
            if (!dialog) return;
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            for (int tries = 0; tries < 200 && IsWindow(dialog); ++tries) Sleep(20);
            closed = !IsWindow(dialog);
        });
        DispatchCommand(title[4] == 'B' ? IDM_BATCH_IMPORT : IDM_OVERVIEW);
        user.join();
        EXPECT_TRUE(closed) << title;
    }
}

std::string CellText(HWND table, int row, int column) {
    char text[128] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(table, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

void SetRowState(HWND table, int row, UINT state) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    item.state = state;
    SendMessageA(table, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// Every row unselected, one by one.
void ClearSelection(HWND table) {
    const int count = static_cast<int>(SendMessageA(table, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) SetRowState(table, row, 0);
}

RECT ChildRect(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(BatchDialogs, OverviewListsEveryTileSelectsRowsAndSavesTheReport) {
    TileRecord& extra = Doc().tiles[1];
    extra.hasExtra = true;
    extra.extraX = 5;
    extra.extraY = -7;
    extra.extraWidth = 3;
    extra.extraHeight = 2;
    extra.extraImage.assign(6, 9);
    Doc().selected = 1;
    const std::string report = At("report.txt");
    std::vector<std::array<std::string, kOverviewColumns>> rows;
    int selectedRow = -2, afterSelect = -2, selectedAtClose = -2;
    RECT table{}, save{};
    std::string header0, header1;
    bool closed = false;
    std::thread user([&] {
        HWND dialog = FindDialog(thread, Lookup("GUI:OVERVIEWDLG"));
        if (!dialog) return;
        HWND list = GetDlgItem(dialog, IDC_OVERVIEW_TABLE);
        const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            rows.emplace_back();
            for (int c = 0; c < kOverviewColumns; ++c)
                rows.back()[static_cast<size_t>(c)] = CellText(list, row, c);
        }
        char caption[64] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT;
        column.pszText = caption;
        column.cchTextMax = sizeof caption;
        SendMessageA(list, LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        header0 = caption;
        SendMessageA(list, LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
        header1 = caption;
        selectedRow =
            static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));

        SendMessageA(dialog, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
        table = ChildRect(dialog, IDC_OVERVIEW_TABLE);
        save = ChildRect(dialog, IDC_OVERVIEW_SAVE);

        ClearSelection(list);
        SetRowState(list, 2, LVIS_SELECTED);
        afterSelect = Doc().selected;

        // The report through the save dialog.
        Click(dialog, IDC_OVERVIEW_SAVE);
        if (HWND box = FindDialog(thread, "", dialog)) {
            if (!SetDlgItemTextA(box, 0x480, report.c_str())) SetDlgItemTextA(box, 0x47c, report.c_str());
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            for (int tries = 0; tries < 200 && IsWindow(box); ++tries) Sleep(20);
        }

        // Close without a selected row selects nothing, whatever the selection mark.
        ClearSelection(list);
        SetRowState(list, 0, LVIS_SELECTED);
        SendMessageA(list, LVM_SETSELECTIONMARK, 0, 2);
        ClearSelection(list);
        selectedAtClose = static_cast<int>(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0));
        PostMessageA(dialog, WM_COMMAND, IDC_OVERVIEW_CLOSE, 0);
        for (int tries = 0; tries < 200 && IsWindow(dialog); ++tries) Sleep(20);
        closed = !IsWindow(dialog);
    });
    ShowOverviewDialog(parent);
    user.join();
    ASSERT_TRUE(closed);

    ASSERT_EQ(rows.size(), 3u);
    const TextOfKey text = [](const char* key) { return std::string(Lookup(key)); };
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i], OverviewCells(Doc().tiles[i], text)) << i;
    EXPECT_EQ(rows[1][9], "2");
    EXPECT_EQ(header0, Lookup("GUI:COLUMN_X"));
    EXPECT_EQ(header1, Lookup("GUI:COLUMN_Y"));
    EXPECT_EQ(selectedRow, 1);
    EXPECT_EQ(table.right - table.left, 280);
    EXPECT_EQ(table.bottom - table.top, 130);
    // 10 pixels from the right and 30 from the bottom, at least 75 wide and more if its text needs it.
    EXPECT_EQ(save.right, 290);
    EXPECT_LE(save.left, 215);
    EXPECT_EQ(save.top, 170);
    EXPECT_EQ(afterSelect, 2);
    EXPECT_EQ(selectedAtClose, 0);
    EXPECT_EQ(Doc().selected, 0);  // the last row selected, not the mark

    const std::vector<uint8_t> saved = Read(report);
    EXPECT_EQ(std::string(saved.begin(), saved.end()), OverviewReport(Doc().tiles, Doc().fileName, text));
    EXPECT_FALSE(SaveOverviewReport(At("no such folder\\report.txt")));
    EXPECT_FALSE(Exists(At("no such folder\\report.txt")));
}

}  // namespace
}  // namespace zelt::test
