#include "editor/interchange/BatchDialog_win.h"

#include <commctrl.h>
#include <cderr.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "common/WinHandles.h"
#include "editor/document/DocumentClass.h"
#include "editor/interchange/BatchConvert.h"
#include "editor/interchange/BatchDialogRules.h"
#include "editor/interchange/CanvasPicture.h"
#include "editor/interchange/ImageDialogs_win.h"
#include "editor/interchange/ImageLibrary_win.h"
#include "editor/interchange/PictureFile.h"
#include "editor/render/DibCanvas_win.h"
#include "editor/render/TemplateRender.h"
#include "editor/settings/Settings.h"
#include "editor/strings/StringTable.h"
#include "editor/strings/Translate_win.h"
#include "editor/template/AbsolutePath_win.h"
#include "editor/template/WideText_win.h"
#include "editor/winui/DialogStyle_win.h"
#include "editor/winui/FolderPicker_win.h"
#include "editor/winui/Message_win.h"
#include "resources/BatchIds.h"
#include "resources/ResourceIds.h"

namespace zelt {

namespace {

constexpr size_t kChosenFilesSize = 4096;

struct BatchDialogState {
    std::vector<std::string> files;  // full paths, in the order added
    std::vector<int> theaters;       // indexes into kTheaters, in list order
    bool running = false;
    bool stopRequested = false;
    bool closeAfterRun = false;
};

// The controls a run disables and enables again.
constexpr int kIdleControls[] = {IDC_BATCH_FILES,      IDC_BATCH_START,  IDC_BATCH_ADD,    IDC_BATCH_REMOVE,
                                 IDC_BATCH_REMOVE_ALL, IDC_BATCH_FOLDER, IDC_BATCH_BROWSE, IDC_BATCH_THEATER};

// The dialog whose run goes on, for a close request from the main window.
HWND g_runningDialog = nullptr;

BatchDialogState& StateOf(HWND dialog) {
    return *reinterpret_cast<BatchDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

std::string TextOf(const char* key) {
    return Lookup(key);
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Pictures are cut into the template's tiles and coloured through its palette.
bool TemplateCanTakePictures() {
    return !Doc().tiles.empty() && Doc().palette.has_value();
}

void UpdateButtons(HWND dialog, const BatchDialogState& state) {
    HWND list = GetDlgItem(dialog, IDC_BATCH_FILES);
    const bool selected = SendMessageA(list, LB_GETCURSEL, 0, 0) != LB_ERR;
    EnableWindow(GetDlgItem(dialog, IDC_BATCH_REMOVE), selected);
    EnableWindow(GetDlgItem(dialog, IDC_BATCH_REMOVE_ALL), !state.files.empty());
    EnableWindow(GetDlgItem(dialog, IDC_BATCH_START), !state.files.empty() && TemplateCanTakePictures());
}

void AddFile(HWND dialog, BatchDialogState& state, const std::string& path) {
    state.files.push_back(path);
    SendDlgItemMessageA(dialog, IDC_BATCH_FILES, LB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(FileNameOf(path).c_str()));
}

void ShowPictures(HWND dialog, BatchDialogState& state, const std::vector<std::string>& pictures) {
    if (pictures == state.files) return;
    state.files.clear();
    SendDlgItemMessageA(dialog, IDC_BATCH_FILES, LB_RESETCONTENT, 0, 0);
    for (const std::string& path : pictures) AddFile(dialog, state, path);
}

// The names of a large multi-selection do not fit a fixed buffer, and Windows then returns none of
// them: the buffer grows with the selection while the dialog is open, and should the result still
// not fit (names typed by hand), the dialog is shown again with the room it asked for.
UINT_PTR CALLBACK AddDialogHook(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        const auto* notify = reinterpret_cast<const OFNOTIFYA*>(lParam);
        if (notify->hdr.code == CDN_SELCHANGE && notify->lpOFN) {
            HWND box = GetParent(child);
            const LRESULT folder = SendMessageA(box, CDM_GETFOLDERPATH, 0, 0);
            const LRESULT names = SendMessageA(box, CDM_GETSPEC, 0, 0);
            OPENFILENAMEA* ofn = notify->lpOFN;
            auto* result = reinterpret_cast<std::vector<char>*>(ofn->lCustData);
            const size_t needed = static_cast<size_t>(std::max<LRESULT>(folder, 0) + std::max<LRESULT>(names, 0)) + 2;
            if (result && needed > result->size()) {
                result->assign(needed * 2, '\0');
                ofn->lpstrFile = result->data();
                ofn->nMaxFile = static_cast<DWORD>(result->size());
            }
        }
    }
    return ImagePreviewHook(child, message, wParam, lParam);
}

void AddThroughDialog(HWND dialog, BatchDialogState& state) {
    if (!RegisterZeltPreviewClass()) return;
    std::vector<char> result(kChosenFilesSize, '\0');
    const std::string title = Lookup("GUI:CHOOSEFILE");
    const std::string& filter = g_imageLibrary.fileFilter;
    for (int attempt = 0;; ++attempt) {
        OPENFILENAMEA ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = dialog;
        ofn.hInstance = ResourceModule();
        ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
        ofn.lpstrFile = result.data();
        ofn.nMaxFile = static_cast<DWORD>(result.size());
        ofn.lpstrInitialDir = g_settings.batchImportInDir.empty() ? nullptr : g_settings.batchImportInDir.c_str();
        ofn.lpstrTitle = title.c_str();
        ofn.lpstrDefExt = "*";
        ofn.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY |
                    OFN_FILEMUSTEXIST | OFN_ENABLETEMPLATE | OFN_ENABLEHOOK;
        ofn.lpTemplateName = MAKEINTRESOURCEA(IDD_OPEN_PREVIEW);
        ofn.lpfnHook = AddDialogHook;
        ofn.lCustData = reinterpret_cast<LPARAM>(&result);
        uint16_t asked = 0;
        if (GetOpenFileNameA(&ofn)) {
            if (ChosenFilesComplete(result.data(), result.size())) break;
        } else {
            if (CommDlgExtendedError() != FNERR_BUFFERTOOSMALL) return;
            // The first two bytes hold the size needed, when it fits in them.
            std::memcpy(&asked, result.data(), sizeof asked);
        }
        if (attempt >= 2) return;
        result.assign(std::max<size_t>(result.size() * 8, size_t{asked} + 2), '\0');
    }
    std::string folder;
    for (const std::string& path : ChosenFiles(result.data(), result.size(), folder))
        AddFile(dialog, state, path);
    if (!folder.empty()) g_settings.batchImportInDir = folder + "\\";
    UpdateButtons(dialog, state);
}

void AddDroppedFiles(HWND dialog, BatchDialogState& state, HDROP drop) {
    // Files dropped while a run goes on would change the list under it.
    if (!state.running) {
        const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            std::wstring wide(DragQueryFileW(drop, i, nullptr, 0), L'\0');
            DragQueryFileW(drop, i, wide.data(), static_cast<UINT>(wide.size() + 1));
            const std::string path = TextFromWide(wide);
            if (!path.empty()) AddFile(dialog, state, path);
        }
        UpdateButtons(dialog, state);
    }
    DragFinish(drop);
}

void RemoveSelected(HWND dialog, BatchDialogState& state) {
    HWND list = GetDlgItem(dialog, IDC_BATCH_FILES);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR || static_cast<size_t>(selected) >= state.files.size()) return;
    state.files.erase(state.files.begin() + selected);
    SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    if (selected < count) SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    UpdateButtons(dialog, state);
}

void RemoveAll(HWND dialog, BatchDialogState& state) {
    state.files.clear();
    SendDlgItemMessageA(dialog, IDC_BATCH_FILES, LB_RESETCONTENT, 0, 0);
    UpdateButtons(dialog, state);
}

void BrowseDestination(HWND dialog) {
    char start[3 * MAX_PATH] = {};  // UTF-8: up to three bytes a character
    GetDlgItemTextA(dialog, IDC_BATCH_FOLDER, start, sizeof start);
    std::string folder;
    if (PickFolder(dialog, folder, start)) SetDlgItemTextA(dialog, IDC_BATCH_FOLDER, folder.c_str());
}

// BMP and PNG through our own readers, so an 8-bit picture keeps its indexes; any other format the
// image library reads.
bool LoadBatchPicture(const std::string& path, Picture& picture) {
    std::string error;
    if (ReadPictureFile(path, picture, error)) return true;
    picture = Picture{};
    if (!g_imageLibrary.module) return false;
    DibCanvas canvas;
    if (!LoadImageIntoCanvas(path.c_str(), canvas)) return false;
    picture.colours = PixelsOfCanvas(canvas);
    return true;
}

// Delivers the messages waiting for this thread, so the dialog paints and Stop and the close box
// reach it while a run goes on.
void PumpWaitingMessages(HWND dialog, BatchDialogState& state) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The program is ending: leave the quit for the loop that owns it.
            PostQuitMessage(static_cast<int>(message.wParam));
            state.stopRequested = true;
            return;
        }
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

void SetRunning(HWND dialog, BatchDialogState& state, bool running) {
    state.running = running;
    for (int id : kIdleControls) EnableWindow(GetDlgItem(dialog, id), !running);
    EnableWindow(GetDlgItem(dialog, IDC_BATCH_STOP), running);
    ShowWindow(GetDlgItem(dialog, IDC_BATCH_PROGRESS), running ? SW_SHOW : SW_HIDE);
    if (!running) UpdateButtons(dialog, state);
}

void Run(HWND dialog, BatchDialogState& state) {
    const LRESULT theater = SendDlgItemMessageA(dialog, IDC_BATCH_THEATER, CB_GETCURSEL, 0, 0);
    if (state.running || state.files.empty() || theater == CB_ERR ||
        static_cast<size_t>(theater) >= state.theaters.size() || !TemplateCanTakePictures())
        return;
    char folder[3 * kMaxPathLength + 1] = {};
    GetDlgItemTextA(dialog, IDC_BATCH_FOLDER, folder, sizeof folder);
    if (folder[0] == '\0') {
        // An empty folder would put the files into the root of the current drive.
        ShowMessageKey(MB_ICONWARNING | MB_OK, "MSG:BATCHNOFOLDER");
        return;
    }
    g_settings.batchImportOutDir = folder;

    // A full path, so an output that is the open template's own file is recognised.
    const BatchJob job{state.files, AbsolutePath(folder), kTheaters[static_cast<size_t>(state.theaters[theater])].extension,
                       IsDlgButtonChecked(dialog, IDC_BATCH_AUTO_COLOUR) == BST_CHECKED};
    HWND progress = GetDlgItem(dialog, IDC_BATCH_PROGRESS);
    SendMessageA(progress, PBM_SETRANGE32, 0, static_cast<LPARAM>(job.pictures.size()));
    SendMessageA(progress, PBM_SETSTEP, 1, 0);
    SendMessageA(progress, PBM_SETPOS, 0, 0);
    state.stopRequested = false;
    SetRunning(dialog, state, true);

    BatchHooks hooks;
    hooks.loadPicture = LoadBatchPicture;
    hooks.progress = [&](int) {
        SendMessageA(progress, PBM_STEPIT, 0, 0);
        PumpWaitingMessages(dialog, state);
    };
    hooks.stopRequested = [&] { return state.stopRequested; };
    g_runningDialog = dialog;
    const BatchOutcome outcome = RunBatchConversion(job, hooks);
    g_runningDialog = nullptr;

    ShowPictures(dialog, state, PicturesLeftAfterRun(job.pictures, outcome));
    SetRunning(dialog, state, false);
    const std::string text = BatchClosingText(outcome, static_cast<int>(job.pictures.size()), TextOf);
    ShowMessage((outcome.failures.empty() ? MB_ICONINFORMATION : MB_ICONWARNING) | MB_OK, text.c_str());
    if (state.closeAfterRun) EndDialog(dialog, IDCANCEL);
}

void Close(HWND dialog, BatchDialogState& state) {
    if (state.running) {
        // The run ends after its current picture and closes the dialog then.
        state.stopRequested = true;
        state.closeAfterRun = true;
        return;
    }
    EndDialog(dialog, IDCANCEL);
}

// The template's cell layout over what lies under it, centred and clipped to the control.
void PaintPreview(HWND control) {
    PaintScope paint(control);
    RECT client{};
    GetClientRect(control, &client);
    FillRect(paint.Get(), &client, GetSysColorBrush(COLOR_BTNFACE));
    const TemplateDocument& doc = Doc();
    TemplateBounds bounds;
    if (doc.tiles.empty() || !ComputeTemplateBounds(bounds)) return;
    const PreviewPlacement place = PlaceBatchPreview(bounds, client.right, client.bottom);
    DibCanvas canvas;
    if (place.width <= 0 || place.height <= 0 || !canvas.Create(place.width, place.height)) return;
    CaptureCanvas(paint.Get(), place.x, place.y, canvas);
    DrawCellMarkers(doc.tiles, doc.cellW, doc.cellH, bounds, canvas, place.originX, place.originY,
                    g_settings.useInvertTileSelect);
    DrawCanvas(paint.Get(), canvas, place.x, place.y);
}

LRESULT CALLBACK PreviewProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PaintPreview(control);
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1;
    const auto previous = reinterpret_cast<WNDPROC>(GetPropA(control, "ZeltBatchPreview"));
    return previous ? CallWindowProcA(previous, control, message, wParam, lParam)
                    : DefWindowProcA(control, message, wParam, lParam);
}

void InitDialog(HWND dialog, BatchDialogState& state) {
    SetMessageOwner(dialog);
    TranslateDialog(dialog);
    HWND theaters = GetDlgItem(dialog, IDC_BATCH_THEATER);
    state.theaters = BatchTheaters(Doc().gameKind);
    for (int theater : state.theaters) {
        const TheaterInfo& info = kTheaters[static_cast<size_t>(theater)];
        const std::string entry = std::string(info.name) + " (." + info.extension + ")";
        SendMessageA(theaters, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    SendMessageA(theaters, CB_SETCURSEL, 0, 0);
    SendDlgItemMessageA(dialog, IDC_BATCH_FOLDER, EM_LIMITTEXT, kMaxPathLength, 0);
    SetDlgItemTextA(dialog, IDC_BATCH_FOLDER, g_settings.batchImportOutDir.c_str());
    SetRunning(dialog, state, false);
    HWND preview = GetDlgItem(dialog, IDC_BATCH_PREVIEW);
    SetPropA(preview, "ZeltBatchPreview",
             reinterpret_cast<HANDLE>(
                 SetWindowLongPtrA(preview, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PreviewProc))));
    DragAcceptFiles(dialog, TRUE);
}

INT_PTR CALLBACK BatchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        InitDialog(dialog, StateOf(dialog));
        return TRUE;
    }
    if (!GetWindowLongPtrA(dialog, DWLP_USER)) return FALSE;
    BatchDialogState& state = StateOf(dialog);
    switch (message) {
        case WM_DROPFILES:
            AddDroppedFiles(dialog, state, reinterpret_cast<HDROP>(wParam));
            return TRUE;
        case WM_CLOSE:
            Close(dialog, state);
            return TRUE;
        case WM_DESTROY:
            if (HWND preview = GetDlgItem(dialog, IDC_BATCH_PREVIEW)) {
                if (HANDLE previous = RemovePropA(preview, "ZeltBatchPreview"))
                    SetWindowLongPtrA(preview, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
            }
            return FALSE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDCANCEL:
                    Close(dialog, state);
                    return TRUE;
                case IDC_BATCH_STOP:
                    state.stopRequested = state.running;
                    return TRUE;
                case IDC_BATCH_START:
                    Run(dialog, state);
                    return TRUE;
                default:
                    break;
            }
            // The list is left alone while a run goes through it.
            if (state.running) return TRUE;
            switch (LOWORD(wParam)) {
                case IDC_BATCH_ADD:
                    AddThroughDialog(dialog, state);
                    return TRUE;
                case IDC_BATCH_REMOVE:
                    RemoveSelected(dialog, state);
                    return TRUE;
                case IDC_BATCH_REMOVE_ALL:
                    RemoveAll(dialog, state);
                    return TRUE;
                case IDC_BATCH_BROWSE:
                    BrowseDestination(dialog);
                    return TRUE;
                case IDC_BATCH_FILES:
                    if (HIWORD(wParam) == LBN_SELCHANGE) UpdateButtons(dialog, state);
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

}  // namespace

bool StopBatchRun() {
    if (!g_runningDialog) return false;
    BatchDialogState& state = StateOf(g_runningDialog);
    state.stopRequested = true;
    state.closeAfterRun = true;
    return true;
}

void ShowBatchImportDialog(HWND owner) {
    if (!Doc().open) return;
    MessageOwnerScope messageOwner;
    BatchDialogState state;
    DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(IDD_BATCH_IMPORT), owner, BatchDialogProc,
                    reinterpret_cast<LPARAM>(&state));
}

}  // namespace zelt
