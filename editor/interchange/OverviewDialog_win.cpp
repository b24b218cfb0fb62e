#include "editor/interchange/OverviewDialog_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <span>

#include "common/WinHandles.h"
#include "editor/document/DocumentClass.h"
#include "editor/editing/TileCommands.h"
#include "editor/interchange/OverviewReport.h"
#include "editor/strings/StringTable.h"
#include "editor/strings/Translate_win.h"
#include "editor/template/FileBytes.h"
#include "editor/winui/DialogStyle_win.h"
#include "editor/winui/DisplayScale_win.h"
#include "editor/winui/Message_win.h"
#include "resources/BatchIds.h"
#include "resources/ResourceIds.h"

namespace zelt {

namespace {

constexpr int kFirstColumnWidth = 20;
// Room beside a caption for the header's own margins.
constexpr int kCaptionMargin = 16;
// The buttons' size, unless a text needs more width; their distance from the client area's sides. All
// pixel lengths here are at 96 dots per inch and scaled to the dialog's density.
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonMargin = 10;
constexpr int kButtonsFromBottom = 30;
// Room left and right of a button's text, in dialog units.
constexpr int kButtonTextMargin = 4;

std::string TextOf(const char* key) {
    return Lookup(key);
}

HWND Table(HWND dialog) {
    return GetDlgItem(dialog, IDC_OVERVIEW_TABLE);
}

void SetCell(HWND table, int row, int column, const std::string& text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(table, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void FillTable(HWND table) {
    SendMessageA(table, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP);
    for (int column = 0; column < kOverviewColumns; ++column) {
        std::string caption = Lookup(kOverviewColumnKeys[static_cast<size_t>(column)]);
        LVCOLUMNA info{};
        info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        info.cx = ScaleForWindow(table, kFirstColumnWidth);
        info.pszText = caption.data();
        info.iSubItem = column;
        SendMessageA(table, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    }
    const std::vector<TileRecord>& tiles = Doc().tiles;
    for (size_t row = 0; row < tiles.size(); ++row) {
        const auto cells = OverviewCells(tiles[row], TextOf);
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(row);
        item.pszText = const_cast<char*>(cells[0].c_str());
        SendMessageA(table, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        for (int column = 1; column < kOverviewColumns; ++column)
            SetCell(table, static_cast<int>(row), column, cells[static_cast<size_t>(column)]);
    }
    // Each column as wide as its widest cell or its caption, whichever is wider.
    for (int column = 0; column < kOverviewColumns; ++column) {
        SendMessageA(table, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), LVSCW_AUTOSIZE);
        const int contents = static_cast<int>(SendMessageA(table, LVM_GETCOLUMNWIDTH, column, 0));
        const int caption =
            static_cast<int>(SendMessageA(
                table, LVM_GETSTRINGWIDTHA, 0,
                reinterpret_cast<LPARAM>(Lookup(kOverviewColumnKeys[static_cast<size_t>(column)])))) +
            ScaleForWindow(table, kCaptionMargin);
        SendMessageA(table, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), std::max(contents, caption));
    }
}

int ColumnWidthSum(HWND table) {
    int sum = 0;
    for (int column = 0; column < kOverviewColumns; ++column)
        sum += static_cast<int>(SendMessageA(table, LVM_GETCOLUMNWIDTH, column, 0));
    return sum;
}

void SelectRow(HWND table, int row) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(table, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    SendMessageA(table, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

// A button's width: its text in the dialog's font with a margin on both sides, at least the usual
// width. A translated text may well be longer than the English one.
int ButtonWidth(HWND button) {
    char text[256] = {};
    const int length = GetWindowTextA(button, text, sizeof text);
    WindowDc dc(button);
    SelectScope font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(button, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc.Get(), text, length, &extent);
    RECT margin{0, 0, kButtonTextMargin, 0};
    MapDialogRect(GetParent(button), &margin);
    return std::max(ScaleForWindow(button, kButtonWidth), static_cast<int>(extent.cx + 2 * margin.right));
}

void Layout(HWND dialog, int width, int height) {
    HWND table = Table(dialog);
    RECT r{};
    GetWindowRect(table, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    const auto scaled = [dialog](int length) { return ScaleForWindow(dialog, length); };
    MoveWindow(table, r.left, r.top, width - scaled(20), height - scaled(70), TRUE);
    const int top = height - scaled(kButtonsFromBottom);
    HWND close = GetDlgItem(dialog, IDC_OVERVIEW_CLOSE);
    MoveWindow(close, scaled(kButtonMargin), top, ButtonWidth(close), scaled(kButtonHeight), TRUE);
    HWND save = GetDlgItem(dialog, IDC_OVERVIEW_SAVE);
    const int saveWidth = ButtonWidth(save);
    MoveWindow(save, width - scaled(kButtonMargin) - saveWidth, top, saveWidth, scaled(kButtonHeight), TRUE);
}

void InitDialog(HWND dialog) {
    SetMessageOwner(dialog);
    TranslateDialog(dialog);
    SetSmallProgramIcon(dialog);
    HWND table = Table(dialog);
    FillTable(table);
    if (const std::optional<int> selected = ResolveTileIndex(-1)) SelectRow(table, *selected);
    SetWindowPos(dialog, nullptr, 0, 0, ColumnWidthSum(table) + ScaleForWindow(dialog, 50),
                 ScaleForWindow(dialog, 200), SWP_NOMOVE | SWP_NOZORDER);
    RECT client{};
    GetClientRect(dialog, &client);
    Layout(dialog, client.right, client.bottom);
    SetFocus(table);
}

// The row the close selects: the selection mark when it is selected, else the first selected row;
// none without a selected row.
int RowToSelectOnClose(HWND table) {
    const int first =
        static_cast<int>(SendMessageA(table, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (first < 0) return -1;
    const int mark = static_cast<int>(SendMessageA(table, LVM_GETSELECTIONMARK, 0, 0));
    if (mark >= 0 && SendMessageA(table, LVM_GETITEMSTATE, static_cast<WPARAM>(mark), LVIS_SELECTED))
        return mark;
    return first;
}

void SaveReportCommand(HWND dialog) {
    char path[3 * kMaxPathLength + 1] = {};  // UTF-8: up to three bytes a character
    const std::string title = Lookup("GUI:CHOOSEFILE");
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = dialog;
    ofn.lpstrFilter = "Txt files (*.txt)\0*.txt\0All files (*.*)\0*.*\0";
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.lpstrTitle = title.c_str();
    ofn.lpstrDefExt = "txt";
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY;
    if (!GetSaveFileNameA(&ofn)) return;
    if (!SaveOverviewReport(path)) ShowMessageKey(MB_ICONERROR | MB_OK, "ERROR:CANT_CREATE_FILE1");
}

INT_PTR CALLBACK OverviewDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            InitDialog(dialog);
            return FALSE;  // the focus is on the table
        case WM_SIZE:
            Layout(dialog, LOWORD(lParam), HIWORD(lParam));
            return TRUE;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom != IDC_OVERVIEW_TABLE || header->code != LVN_ITEMCHANGED) break;
            const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
            if (!(change->uChanged & LVIF_STATE)) break;
            const int first = static_cast<int>(
                SendMessageA(header->hwndFrom, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
            if (first >= 0) SelectTile(first);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_OVERVIEW_CLOSE) {
                const int row = RowToSelectOnClose(Table(dialog));
                if (row >= 0) SelectTile(row);
                EndDialog(dialog, IDC_OVERVIEW_CLOSE);
                return TRUE;
            }
            if (LOWORD(wParam) == IDC_OVERVIEW_SAVE) {
                SaveReportCommand(dialog);
                return TRUE;
            }
            break;
        default:
            break;
    }
    return FALSE;
}

}  // namespace

bool SaveOverviewReport(const std::string& path) {
    const TemplateDocument& doc = Doc();
    if (!doc.open) return false;
    const std::string report = OverviewReport(doc.tiles, doc.fileName, TextOf);
    std::string error;
    return WriteFileAtomic(path, std::span(reinterpret_cast<const uint8_t*>(report.data()), report.size()),
                           error);
}

void ShowOverviewDialog(HWND owner) {
    if (!Doc().open) return;
    MessageOwnerScope messageOwner;
    DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_OVERVIEW), owner, OverviewDialogProc, 0);
}

}  // namespace zelt
