#include "editor/interchange/ImageDialogs_win.h"

#include <commdlg.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "common/WinHandles.h"
#include "editor/interchange/ImageFilter.h"
#include "editor/interchange/ImageLibrary_win.h"
#include "editor/interchange/OpenPreview.h"
#include "editor/interchange/PreviewFit.h"
#include "editor/render/DibCanvas_win.h"
#include "editor/settings/ProgramFolder.h"
#include "editor/settings/Settings.h"
#include "editor/strings/StringTable.h"
#include "editor/template/GameTables.h"
#include "editor/template/PathText.h"
#include "editor/winui/DialogStyle_win.h"
#include "editor/winui/Message_win.h"
#include "resources/ResourceIds.h"

namespace zelt {

namespace {

constexpr char kPreviewClass[] = "ZeltPreview";

// One of each, because only one modal file dialog is open at a time.
struct ImagePreview {
    std::unique_ptr<DibCanvas> canvas;
    bool loaded = false;
};
ImagePreview g_imagePreview;
TemplatePreviewState g_templatePreview;

uint32_t ButtonFaceRgb() {
    const COLORREF c = GetSysColor(COLOR_BTNFACE);
    return (uint32_t{GetRValue(c)} << 16) | (uint32_t{GetGValue(c)} << 8) | GetBValue(c);
}

void DrawLine(HDC dc, RECT rect, const char* text) {
    DrawTextA(dc, text, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void DrawPlaced(HDC dc, const DibCanvas& canvas, const PreviewPlacement& place) {
    if (place.Empty()) return;
    if (!place.stretched) {
        DrawCanvas(dc, canvas, place.x, place.y);
        return;
    }
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchCanvas(dc, canvas, place.x, place.y, place.width, place.height);
    SetStretchBltMode(dc, oldMode);
}

bool CopyIntoCanvas(const ColourImage& picture, DibCanvas& canvas) {
    if (!canvas.Create(picture.width, picture.height)) return false;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) canvas.SetPixel(x, y, picture.GetPixel(x, y));
    return true;
}

// The text the window's dialog uses, so the previews read like the labels around them.
class DialogFont {
  public:
    DialogFont(HWND window, HDC dc) {
        if (HFONT font = reinterpret_cast<HFONT>(SendMessageA(GetParent(window), WM_GETFONT, 0, 0)))
            select_ = std::make_unique<SelectScope>(dc, font);
    }

  private:
    std::unique_ptr<SelectScope> select_;
};

void PaintImagePreview(HWND window) {
    PaintScope paint(window);
    HDC dc = paint.Get();
    DialogFont font(window, dc);
    RECT client{};
    GetClientRect(window, &client);
    SetBkMode(dc, TRANSPARENT);
    const DibCanvas* canvas = g_imagePreview.canvas.get();
    if (!g_imagePreview.loaded || !canvas) {
        DrawLine(dc, client, Lookup("TXT_NOPREVIEW"));
        return;
    }
    DrawPlaced(dc, *canvas, FitImagePreview(client.right, client.bottom, canvas->Width(), canvas->Height()));
    char size[32];
    std::snprintf(size, sizeof size, "%dx%d", canvas->Width(), canvas->Height());
    RECT label = client;
    label.top = label.bottom - 30;
    DrawLine(dc, label, size);
}

void PaintTemplatePreview(HWND window) {
    PaintScope paint(window);
    HDC dc = paint.Get();
    DialogFont font(window, dc);
    RECT client{};
    GetClientRect(window, &client);
    SetBkMode(dc, TRANSPARENT);
    ColourImage picture;
    DibCanvas canvas;
    if (!RenderTemplatePreview(g_templatePreview, ButtonFaceRgb(), picture) ||
        !CopyIntoCanvas(picture, canvas)) {
        DrawLine(dc, client, Lookup("TXT_NOPREVIEW"));
        return;
    }
    DrawPlaced(dc, canvas,
               FitTemplatePreview(client.right, client.bottom, picture.width, picture.height,
                                  g_settings.stretchPreview));
    const GameKind family = FamilyOfCellSize(g_templatePreview.header.cellW, g_templatePreview.header.cellH);
    const std::string text = TemplatePreviewLabel(
        g_templatePreview, Lookup(family == kRa2Yr ? "TXT_SHORTRA2YR" : "TXT_SHORTTSFS"));
    RECT label = client;
    label.top = label.bottom - 20;
    DrawLine(dc, label, text.c_str());
}

// Both preview controls: nothing to set up or free, and their own painting.
template <void (*Paint)(HWND)>
LRESULT CALLBACK PreviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
        case WM_DESTROY:
            return 0;
        case WM_PAINT:
            Paint(window);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

// The file dialog that holds the hook's child dialog gets a caption, a sizing frame, the window
// buttons and the program's small icon.
void DecorateFileDialog(HWND child) {
    HWND frame = GetParent(child);
    const LONG_PTR style = GetWindowLongPtrA(frame, GWL_STYLE);
    SetWindowLongPtrA(frame, GWL_STYLE,
                      style | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    SetSmallProgramIcon(frame);
    SetDlgItemTextA(child, IDC_PREVIEW_LABEL, Lookup("GUI:PREVIEWLABEL"));
}

void ResizePreview(HWND child, int clientHeight) {
    auto resize = [&](int id, int width, int height) {
        if (HWND control = GetDlgItem(child, id))
            SetWindowPos(control, nullptr, 0, 0, width, height > 0 ? height : 0, SWP_NOMOVE | SWP_NOZORDER);
    };
    resize(IDC_PREVIEW_FRAME, 230, clientHeight - 100);
    resize(IDC_PREVIEW, 210, clientHeight - 120);
}

// The selected path, or empty when nothing is selected or the path does not fit 259 characters.
std::string SelectedPath(HWND child) {
    char path[kDialogPathSize] = {};
    const LRESULT length =
        SendMessageA(GetParent(child), CDM_GETFILEPATH, sizeof path, reinterpret_cast<LPARAM>(path));
    if (length <= 0 || length > kDialogPathSize) return {};
    path[kDialogPathSize - 1] = '\0';
    return path;
}

bool IsSelectionChange(UINT message, LPARAM lParam) {
    return message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_SELCHANGE;
}

void RepaintPreview(HWND child) {
    InvalidateRect(GetDlgItem(child, IDC_PREVIEW), nullptr, TRUE);
}

}  // namespace

bool RegisterZeltPreviewClass() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA known{};
    if (GetClassInfoA(instance, kPreviewClass, &known)) return true;
    WNDCLASSA wc{};
    wc.lpfnWndProc = PreviewProc<PaintTemplatePreview>;
    wc.cbWndExtra = sizeof(void*);
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kPreviewClass;
    return RegisterClassA(&wc) != 0;
}

void SelectImageForPreview(const std::string& path) {
    if (!g_imagePreview.canvas) g_imagePreview.canvas = std::make_unique<DibCanvas>();
    int size[2] = {0, 0};
    g_imagePreview.loaded = g_imageLibrary.module && !path.empty() &&
                            g_imageLibrary.getSize(path.c_str(), size) &&
                            ImagePreviewSizeAllowed(size[0], size[1]) &&
                            LoadImageIntoCanvas(path.c_str(), *g_imagePreview.canvas);
}

void SelectTemplateForPreview(const std::string& path, const std::string& programFolder) {
    SelectTemplatePreview(g_templatePreview, path, programFolder);
}

void ClearImagePreview() {
    g_imagePreview = ImagePreview{};
}
void ClearTemplatePreview() {
    g_templatePreview.Clear();
}

void AttachImagePreviewPainter(HWND control) {
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PreviewProc<PaintImagePreview>));
}

UINT_PTR CALLBACK ImagePreviewHook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            ClearImagePreview();
            g_imagePreview.canvas = std::make_unique<DibCanvas>();
            DecorateFileDialog(dialog);
            if (HWND control = GetDlgItem(dialog, IDC_PREVIEW)) AttachImagePreviewPainter(control);
            break;
        case WM_SIZE:
            ResizePreview(dialog, HIWORD(lParam));
            break;
        case WM_DESTROY:
            ClearImagePreview();
            break;
        default:
            if (IsSelectionChange(message, lParam)) {
                SelectImageForPreview(SelectedPath(dialog));
                RepaintPreview(dialog);
            }
    }
    return 0;
}

UINT_PTR CALLBACK TemplatePreviewHook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            DecorateFileDialog(dialog);
            break;
        case WM_SIZE:
            ResizePreview(dialog, HIWORD(lParam));
            break;
        case WM_DESTROY:
            ClearTemplatePreview();
            break;
        default:
            if (IsSelectionChange(message, lParam)) {
                SelectTemplateForPreview(SelectedPath(dialog), ProgramFolder());
                RepaintPreview(dialog);
            }
    }
    return 0;
}

bool ShowImageOpenDialog(char* path, DibCanvas& canvas) {
    // The child template holds a ZeltPreview control; without its class the dialog cannot open.
    if (!RegisterZeltPreviewClass()) return false;
    const std::string folder = FolderOf(path);
    path[0] = '\0';
    const std::string title = Lookup("GUI:CHOOSEFILETOOPEN");
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = MessageOwner();
    ofn.hInstance = GetModuleHandleA(nullptr);
    ofn.lpstrFilter = g_imageLibrary.fileFilter.c_str();
    ofn.lpstrFile = path;
    ofn.nMaxFile = kDialogPathSize;
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = title.c_str();
    ofn.lpstrDefExt = "bmp";
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_ENABLETEMPLATE |
                OFN_ENABLEHOOK;
    ofn.lpTemplateName = MAKEINTRESOURCEA(IDD_OPEN_PREVIEW);
    ofn.lpfnHook = ImagePreviewHook;
    if (!GetOpenFileNameA(&ofn)) return false;
    bool tooLarge = false;
    if (LoadImageIntoCanvas(path, canvas, &tooLarge)) return true;
    if (tooLarge) ShowMessageKey(MB_ICONERROR, "MSG:PICTURETOOLARGE");
    return false;
}

bool ShowImageSaveDialog(char* path, DibCanvas& canvas) {
    std::vector<std::string> formats;
    for (int i = 0; const char* name = ImageSaveFormatName(i); ++i) formats.emplace_back(name);
    const std::string filter = BuildImageSaveFilter(formats);
    if (filter.empty()) return false;
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = MessageOwner();
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = path;
    ofn.nMaxFile = kDialogPathSize;
    // The chosen format's extension is added to a name typed without one.
    ofn.lpstrDefExt = "bmp";
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (!GetSaveFileNameA(&ofn)) return false;
    if (SaveCanvasAsImage(path, canvas) == 1) return true;
    ShowMessageKey(MB_ICONERROR, "ERROR:IMAGESAVE");
    return false;
}

const char* ImageSaveFormatName(int index) {
    return g_imageLibrary.module ? g_imageLibrary.getSaveFormatName(index) : nullptr;
}

const char* ImageLibraryDescription() {
    return g_imageLibrary.module ? g_imageLibrary.getDesc() : nullptr;
}

}  // namespace zelt
