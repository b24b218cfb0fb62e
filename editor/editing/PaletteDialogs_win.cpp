#include "editor/editing/PaletteDialogs_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "common/WinHandles.h"
#include "editor/document/DocumentClass.h"
#include "editor/document/DocumentFiles.h"
#include "editor/document/DocumentUi.h"
#include "editor/render/DibCanvas.h"
#include "editor/render/DibCanvas_win.h"
#include "editor/settings/Settings.h"
#include "editor/strings/StringTable.h"
#include "editor/strings/Translate_win.h"
#include "editor/template/PaletteFolder.h"
#include "editor/template/PaletteGrid.h"
#include "editor/template/PathText.h"
#include "editor/winui/DialogStyle_win.h"
#include "editor/winui/DisplayScale_win.h"
#include "editor/winui/Message_win.h"
#include "resources/PaletteIds.h"
#include "resources/ResourceIds.h"

namespace zelt {

namespace {

constexpr char kPaletteFilter[] = "C&C PAL files (*.pal)\0*.pal\0All files (*.*)\0*.*\0";
constexpr int kPathSize = 3 * 260;  // a UTF-8 path of MAX_PATH characters takes up to three times that

// The smallest grid of the preview: four pixels for each entry at 96 dots per inch; and the least
// room kept between the grid, the Close button and the bottom.
constexpr int kPreviewMinGridSide = 16 * 4;
constexpr int kButtonMargin = 7;

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// What the selection dialog shows: the paths live here for as long as the dialog is open, and the
// list's and tree's items carry their index (or -1 for a folder node).
struct SelectState {
    bool listForm = false;
    std::vector<std::string> paths;
};

const std::string* PathOfItem(const SelectState& state, LPARAM item) {
    return item >= 0 && static_cast<size_t>(item) < state.paths.size() ? &state.paths[item] : nullptr;
}

// Fills the list; false when no built-in palette exists.
bool FillList(HWND dialog, SelectState& state) {
    const std::string folder = DocumentProgramFolder();
    const PaletteList list = ListPaletteChoices(folder, ScanPaletteFolder(folder + "Palettes\\"), FileExists);
    HWND box = GetDlgItem(dialog, IDC_SELPAL_LIST);
    for (const PaletteChoice& choice : list.entries) {
        const LRESULT item =
            SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.text.c_str()));
        state.paths.push_back(choice.path);
        SendMessageA(box, LB_SETITEMDATA, item, static_cast<LPARAM>(state.paths.size() - 1));
    }
    return list.anyBuiltIn;
}

HTREEITEM AddTreeItem(HWND tree, HTREEITEM parent, const std::string& text, LPARAM data) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.lParam = data;
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void FillTree(HWND dialog, SelectState& state) {
    const std::string folder = DocumentProgramFolder();
    HWND tree = GetDlgItem(dialog, IDC_SELPAL_TREE);
    for (const PaletteTreeFolder& node :
         TreePaletteChoices(folder, ScanPaletteFolder(folder + "Palettes\\"))) {
        HTREEITEM parent = AddTreeItem(tree, TVI_ROOT, node.name, -1);
        for (const PaletteChoice& choice : node.palettes) {
            state.paths.push_back(choice.path);
            AddTreeItem(tree, parent, choice.text, static_cast<LPARAM>(state.paths.size() - 1));
        }
        SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    }
}

// The path of the highlighted entry; null for none or a folder node.
const std::string* SelectedPath(HWND dialog, const SelectState& state) {
    if (state.listForm) {
        HWND box = GetDlgItem(dialog, IDC_SELPAL_LIST);
        const LRESULT item = SendMessageA(box, LB_GETCURSEL, 0, 0);
        return item == LB_ERR ? nullptr : PathOfItem(state, SendMessageA(box, LB_GETITEMDATA, item, 0));
    }
    HWND tree = GetDlgItem(dialog, IDC_SELPAL_TREE);
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item.hItem || !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
    return PathOfItem(state, item.lParam);
}

void ShowSelectedPath(HWND dialog, const SelectState& state) {
    const std::string* path = SelectedPath(dialog, state);
    SetDlgItemTextA(dialog, IDC_SELPAL_PATH, path ? path->c_str() : "");
}

bool InitSelectDialog(HWND dialog, SelectState& state) {
    SetMessageOwner(dialog);
    TranslateDialog(dialog);
    ShowWindow(GetDlgItem(dialog, state.listForm ? IDC_SELPAL_TREE : IDC_SELPAL_LIST), SW_HIDE);
    if (!state.listForm) {
        FillTree(dialog, state);
        return true;
    }
    if (FillList(dialog, state)) return true;
    ShowWindow(dialog, SW_HIDE);
    const std::string text = std::string(Lookup("ERROR:NOPAL")) + "\n" + DocumentProgramFolder();
    ShowMessage(MB_ICONERROR, text.c_str());
    EndDialog(dialog, 0);
    return false;
}

INT_PTR CALLBACK SelectPaletteProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    if (HandleDialogLook(dialog, message, wParam, lParam, result)) return result;
    auto* state = reinterpret_cast<SelectState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            InitSelectDialog(dialog, *reinterpret_cast<SelectState*>(lParam));
            return TRUE;
        case WM_NOTIFY: {
            const UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
            if (code != TVN_SELCHANGEDA && code != TVN_SELCHANGEDW) break;
            ShowSelectedPath(dialog, *state);
            return TRUE;
        }
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_SELPAL_LIST:
                    if (HIWORD(wParam) == LBN_SELCHANGE) ShowSelectedPath(dialog, *state);
                    return TRUE;
                case IDOK:
                    if (const std::string* path = SelectedPath(dialog, *state)) {
                        const bool loaded = SetDocumentPalette(*path);
                        RequestRefresh(kRefreshAll);
                        EndDialog(dialog, loaded ? 1 : 0);
                    }
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, 0);
                    return TRUE;
                default:
                    break;
            }
            break;
        default:
            break;
    }
    return FALSE;
}

// The grid's margins at the dialog's density, and the Close button's row as large as the button:
// its size follows the dialog's font, which grows with the density by more or less than the rest.
PaletteGridFrame FrameOf(HWND dialog) {
    const int dpi = WindowDpi(dialog);
    const PaletteGridFrame standard;
    PaletteGridFrame frame;
    frame.left = ScaleForDpi(standard.left, dpi);
    frame.top = ScaleForDpi(standard.top, dpi);
    frame.spareWidth = ScaleForDpi(standard.spareWidth, dpi);
    frame.spareHeight = ScaleForDpi(standard.spareHeight, dpi);
    frame.buttonWidth = ScaleForDpi(standard.buttonWidth, dpi);
    frame.buttonFromBottom = ScaleForDpi(standard.buttonFromBottom, dpi);
    RECT button{};
    if (GetWindowRect(GetDlgItem(dialog, IDCANCEL), &button)) {
        const int height = button.bottom - button.top;
        frame.buttonWidth = button.right - button.left;
        frame.buttonFromBottom = std::max(frame.buttonFromBottom, height + ScaleForDpi(kButtonMargin, dpi));
        frame.spareHeight =
            std::max(frame.spareHeight, frame.top + frame.buttonFromBottom + ScaleForDpi(kButtonMargin, dpi));
    }
    return frame;
}

void PaintPalette(HWND dialog) {
    PaintScope paint(dialog);
    const TemplateDocument& doc = Doc();
    if (!doc.open || !doc.palette) return;
    RECT client;
    GetClientRect(dialog, &client);
    const PaletteGridFrame frame = FrameOf(dialog);
    const std::optional<PaletteGrid> grid = PaletteGridFor(client.right, client.bottom, frame);
    if (!grid) return;
    DibCanvas canvas;
    if (!canvas.Create(grid->width, grid->height)) return;
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 16; ++column) {
            const GridCell cell = PaletteGridCell(*grid, row, column);
            const uint32_t colour = (*doc.palette)[16 * row + column];
            for (int y = cell.y; y < cell.y + cell.height; ++y) {
                for (int x = cell.x; x < cell.x + cell.width; ++x) canvas.SetPixel(x, y, colour);
            }
        }
    }
    DrawCanvas(paint.Get(), canvas, frame.left, frame.top);
}

void PlaceCloseButton(HWND dialog, int clientWidth, int clientHeight) {
    const GridButton at = PaletteCloseButtonPosition(clientWidth, clientHeight, FrameOf(dialog));
    SetWindowPos(GetDlgItem(dialog, IDCANCEL), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    InvalidateRect(dialog, nullptr, TRUE);
}

void LimitPreviewSize(HWND dialog, MINMAXINFO& limits) {
    const int dpi = WindowDpi(dialog);
    const PaletteGridFrame grid = FrameOf(dialog);
    const int side = ScaleForDpi(kPreviewMinGridSide, dpi);
    const int width = std::max(grid.spareWidth + side, grid.buttonWidth + grid.spareWidth);
    RECT frame{0, 0, width, grid.spareHeight + side};
    AdjustWindowRectForDpi(frame, static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE)), false,
                           static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)), dpi);
    limits.ptMinTrackSize.x = frame.right - frame.left;
    limits.ptMinTrackSize.y = frame.bottom - frame.top;
}

INT_PTR CALLBACK PalettePreviewProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            SetMessageOwner(dialog);
            TranslateDialog(dialog);
            SetSmallProgramIcon(dialog);
            RECT client;
            GetClientRect(dialog, &client);
            PlaceCloseButton(dialog, client.right, client.bottom);
            return TRUE;
        }
        case WM_GETMINMAXINFO:
            LimitPreviewSize(dialog, *reinterpret_cast<MINMAXINFO*>(lParam));
            return TRUE;
        case WM_SIZE:
            PlaceCloseButton(dialog, LOWORD(lParam), HIWORD(lParam));
            return TRUE;
        case kDpiChangedMessage:  // the new size places the button and repaints the grid
            TakeSuggestedRect(dialog, lParam);
            return TRUE;
        case WM_PAINT:
            PaintPalette(dialog);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) EndDialog(dialog, 0);
            return TRUE;
        default:
            break;
    }
    return FALSE;
}

}  // namespace

void LoadPaletteCommand(HWND owner) {
    ReadSetting(*FindSettingKey("Paths", "PaletteFile"), g_settings);
    ReadSetting(*FindSettingKey("Paths", "PaletteIndex"), g_settings);
    char path[kPathSize] = {};
    const std::string title = Lookup("GUI:CHOOSEFILE");
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = kPaletteFilter;
    ofn.nFilterIndex = static_cast<DWORD>(g_settings.paletteIndex);
    ofn.lpstrFile = path;
    ofn.nMaxFile = kPathSize;
    ofn.lpstrInitialDir = g_settings.paletteFolder.empty() ? nullptr : g_settings.paletteFolder.c_str();
    ofn.lpstrTitle = title.c_str();
    ofn.lpstrDefExt = "PAL";
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameA(&ofn)) return;
    g_settings.paletteFolder = FolderOf(path);
    g_settings.paletteIndex = static_cast<int>(ofn.nFilterIndex);
    WriteSetting(*FindSettingKey("Paths", "PaletteFile"), g_settings);
    WriteSetting(*FindSettingKey("Paths", "PaletteIndex"), g_settings);
    if (!SetDocumentPalette(path)) ShowMessageKey(MB_ICONERROR, "ERROR:LOADPAL");
    RequestRefresh(kRefreshAll);
}

INT_PTR SelectPaletteDialog(HWND owner, bool listForm) {
    MessageOwnerScope messageOwner;
    SelectState state;
    state.listForm = listForm;
    return DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_SELECT_PALETTE), owner, SelectPaletteProc,
                           reinterpret_cast<LPARAM>(&state));
}

void PalettePreviewDialog(HWND owner) {
    MessageOwnerScope messageOwner;
    DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_PALETTE_PREVIEW), owner, PalettePreviewProc, 0);
}

}  // namespace zelt
