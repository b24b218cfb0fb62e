#include "editor/app/CustomizeSheet_win.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <string>
#include <utility>

#include "common/WinHandles.h"
#include "editor/app/CommandTable.h"
#include "editor/app/Hotkeys_win.h"
#include "editor/app/Toolbar_win.h"
#include "editor/strings/StringTable.h"
#include "editor/strings/Translate_win.h"
#include "editor/winui/Message_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/CustomizeIds.h"

namespace zelt {

namespace {


struct SheetState {
    int lastPage = 0;  // the page shown last in this run
    CommandTable commandBackup;
    ToolbarLayout layoutBackup;
    bool filling = false;  // the toolbar page is filling its controls: their notifications change nothing
};

SheetState g_sheet;

void ApplyWindowState() {
    if (Shell().applyWindowState) Shell().applyWindowState();
}

LRESULT SendItem(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

// The list's selected item as an index into `size` entries, or -1.
int SelectedIndex(HWND dialog, int list, size_t size) {
    const LRESULT item = SendItem(dialog, list, LB_GETCURSEL);
    if (item == LB_ERR) return -1;
    const LRESULT index = SendItem(dialog, list, LB_GETITEMDATA, static_cast<WPARAM>(item));
    return index >= 0 && static_cast<size_t>(index) < size ? static_cast<int>(index) : -1;
}

// ---- Hotkey page ----

KeyCombination ControlCombination(HWND page) {
    const WORD value = static_cast<WORD>(SendItem(page, IDC_CUST_HOTKEY, HKM_GETHOTKEY));
    const BYTE flags = HIBYTE(value);
    return {LOBYTE(value), (flags & HOTKEYF_SHIFT) != 0, (flags & HOTKEYF_ALT) != 0,
            (flags & HOTKEYF_CONTROL) != 0, (flags & HOTKEYF_EXT) != 0};
}

void ShowConflict(HWND page) {
    const int index = SelectedIndex(page, IDC_CUST_COMMANDS, g_commands.records.size());
    const KeyCombination keys = ControlCombination(page);
    const int owner = index < 0 ? -1 : FindHotkeyOwner(g_commands, keys, static_cast<size_t>(index));
    SetDlgItemTextA(page, IDC_CUST_CONFLICT,
                    owner < 0 ? "" : g_commands.records[static_cast<size_t>(owner)].name.c_str());
}

void ShowCommand(HWND page) {
    const int index = SelectedIndex(page, IDC_CUST_COMMANDS, g_commands.records.size());
    SetDlgItemTextA(page, IDC_CUST_CONFLICT, "");
    if (index < 0) {
        SetDlgItemTextA(page, IDC_CUST_HINT, "");
        SendItem(page, IDC_CUST_HOTKEY, HKM_SETHOTKEY, 0);
        return;
    }
    const CommandRecord& record = g_commands.records[static_cast<size_t>(index)];
    SetDlgItemTextA(page, IDC_CUST_HINT, record.hint.c_str());
    BYTE flags = 0;
    if (record.shift) flags |= HOTKEYF_SHIFT;
    if (record.ctrl) flags |= HOTKEYF_CONTROL;
    if (record.alt) flags |= HOTKEYF_ALT;
    if (record.extended) flags |= HOTKEYF_EXT;
    SendItem(page, IDC_CUST_HOTKEY, HKM_SETHOTKEY, MAKEWORD(static_cast<BYTE>(record.key), flags));
}

void FillCommands(HWND page) {
    SendItem(page, IDC_CUST_COMMANDS, LB_RESETCONTENT);
    for (size_t i = 0; i < g_commands.records.size(); ++i) {
        const LRESULT item = SendItem(page, IDC_CUST_COMMANDS, LB_ADDSTRING, 0,
                                      reinterpret_cast<LPARAM>(g_commands.records[i].name.c_str()));
        SendItem(page, IDC_CUST_COMMANDS, LB_SETITEMDATA, static_cast<WPARAM>(item), static_cast<LPARAM>(i));
    }
    SendItem(page, IDC_CUST_COMMANDS, LB_SETCURSEL, 0);
    ShowCommand(page);
}

INT_PTR CALLBACK HotkeyPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            TranslateDialog(page);
            g_sheet.commandBackup = g_commands;  // names are copied with it
            FillCommands(page);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_CUST_COMMANDS:
                    if (HIWORD(wParam) == LBN_SELCHANGE) ShowCommand(page);
                    return TRUE;
                case IDC_CUST_HOTKEY:
                    if (HIWORD(wParam) == EN_CHANGE) ShowConflict(page);
                    return TRUE;
                case IDC_CUST_ASSIGN: {
                    const int index = SelectedIndex(page, IDC_CUST_COMMANDS, g_commands.records.size());
                    if (index < 0) return TRUE;
                    AssignHotkey(g_commands, static_cast<size_t>(index), ControlCombination(page));
                    ShowConflict(page);
                    return TRUE;
                }
                case IDC_CUST_RESET:
                    BuildCommandTable();
                    FillCommands(page);
                    return TRUE;
            }
            break;
        case WM_NOTIFY:
            switch (reinterpret_cast<NMHDR*>(lParam)->code) {
                case PSN_SETACTIVE:
                    g_sheet.lastPage = 0;
                    return TRUE;
                case PSN_APPLY:
                    if (Shell().reloadMenu) Shell().reloadMenu();
                    ApplyWindowState();
                    SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
                    return TRUE;
                case PSN_RESET:
                    g_commands = g_sheet.commandBackup;
                    ApplyWindowState();
                    return TRUE;
            }
            break;
    }
    return FALSE;
}

// ---- Toolbar page ----

int SelectedButton(HWND page) {
    return SelectedIndex(page, IDC_TB_BUTTONS, g_toolbarLayout.buttons.size());
}

void ShowButton(HWND page) {
    g_sheet.filling = true;
    const int index = SelectedButton(page);
    const int count = static_cast<int>(g_toolbarLayout.buttons.size());
    const ToolbarButton* button = index < 0 ? nullptr : &g_toolbarLayout.buttons[static_cast<size_t>(index)];
    SetDlgItemTextA(page, IDC_TB_NAME, button ? button->text : "");
    int action = 0;  // the none entry when no command matches
    const int actions = static_cast<int>(SendItem(page, IDC_TB_ACTION, CB_GETCOUNT));
    for (int i = 1; button && i < actions; ++i)
        if (static_cast<int32_t>(SendItem(page, IDC_TB_ACTION, CB_GETITEMDATA, static_cast<WPARAM>(i))) ==
            button->command) {
            action = i;
            break;
        }
    SendItem(page, IDC_TB_ACTION, CB_SETCURSEL, static_cast<WPARAM>(action));
    for (int id : {IDC_TB_DELETE, IDC_TB_NAME, IDC_TB_ACTION, IDC_TB_SELECT_ICON})
        EnableWindow(GetDlgItem(page, id), button != nullptr);
    EnableWindow(GetDlgItem(page, IDC_TB_UP), button && index > 0);
    EnableWindow(GetDlgItem(page, IDC_TB_DOWN), button && index < count - 1);
    InvalidateRect(GetDlgItem(page, IDC_TB_ICON), nullptr, TRUE);
    g_sheet.filling = false;
}

std::string ListText(const ToolbarButton& button) {
    return button.text[0] ? std::string(button.text) : std::string(Lookup("TXT_UNNAMED"));
}

// Fills the button list and selects `select` (clamped to the list; nothing in an empty list).
void FillButtons(HWND page, int select) {
    SendItem(page, IDC_TB_BUTTONS, LB_RESETCONTENT);
    for (size_t i = 0; i < g_toolbarLayout.buttons.size(); ++i) {
        const std::string text = ListText(g_toolbarLayout.buttons[i]);
        const LRESULT item =
            SendItem(page, IDC_TB_BUTTONS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendItem(page, IDC_TB_BUTTONS, LB_SETITEMDATA, static_cast<WPARAM>(item), static_cast<LPARAM>(i));
    }
    const int count = static_cast<int>(g_toolbarLayout.buttons.size());
    SendItem(page, IDC_TB_BUTTONS, LB_SETCURSEL,
             count == 0 ? static_cast<WPARAM>(-1) : std::clamp(select, 0, count - 1));
    ShowButton(page);
}

void FillActions(HWND page) {
    SendItem(page, IDC_TB_ACTION, CB_RESETCONTENT);
    SendItem(page, IDC_TB_ACTION, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Lookup("TXT_NONE")));
    SendItem(page, IDC_TB_ACTION, CB_SETITEMDATA, 0, static_cast<LPARAM>(kNoAction));
    for (const CommandRecord& record : g_commands.records) {
        const LRESULT item =
            SendItem(page, IDC_TB_ACTION, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(record.name.c_str()));
        SendItem(page, IDC_TB_ACTION, CB_SETITEMDATA, static_cast<WPARAM>(item),
                 static_cast<LPARAM>(record.command));
    }
}

void DrawPreview(HWND page, const DRAWITEMSTRUCT& draw) {
    FillRect(draw.hDC, &draw.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const int index = SelectedButton(page);
    HIMAGELIST images = ToolbarImages();
    if (index < 0 || !images) return;
    const int image = g_toolbarLayout.buttons[static_cast<size_t>(index)].image;
    if (image >= 0 && image < ImageList_GetImageCount(images))
        ImageList_Draw(images, image, draw.hDC, draw.rcItem.left, draw.rcItem.top, ILD_TRANSPARENT);
}

// Runs one change of the selected button (only when one is selected), then shows it in the list and
// on the real toolbar.
template <typename Change>
void ChangeSelected(HWND page, Change change) {
    const int index = SelectedButton(page);
    if (index < 0) return;
    const int select = change(static_cast<size_t>(index));
    FillButtons(page, select);
    RebuildToolbar();
}

BOOL ToolbarCommand(HWND page, WORD id, WORD code) {
    std::vector<ToolbarButton>& buttons = g_toolbarLayout.buttons;
    switch (id) {
        case IDC_TB_BUTTONS:
            if (code == LBN_SELCHANGE) ShowButton(page);
            return TRUE;
        case IDC_TB_NEW:
            AddToolbarButton(g_toolbarLayout, kNoAction, kNoImage, "");
            FillButtons(page, static_cast<int>(buttons.size()) - 1);
            SetFocus(GetDlgItem(page, IDC_TB_NAME));
            RebuildToolbar();
            return TRUE;
        case IDC_TB_DELETE:
            // The button that moves into its place is selected, or the new last one.
            ChangeSelected(page, [&](size_t i) {
                buttons.erase(buttons.begin() + static_cast<std::ptrdiff_t>(i));
                return static_cast<int>(i);
            });
            return TRUE;
        case IDC_TB_UP:
            ChangeSelected(page, [&](size_t i) {
                if (i == 0) return 0;
                std::swap(buttons[i], buttons[i - 1]);
                return static_cast<int>(i) - 1;
            });
            return TRUE;
        case IDC_TB_DOWN:
            ChangeSelected(page, [&](size_t i) {
                if (i + 1 >= buttons.size()) return static_cast<int>(i);
                std::swap(buttons[i], buttons[i + 1]);
                return static_cast<int>(i) + 1;
            });
            return TRUE;
        case IDC_TB_RESET:
            SetDefaultToolbar();
            FillButtons(page, 0);
            RebuildToolbar();
            return TRUE;
        case IDC_TB_SELECT_ICON: {
            const int index = SelectedButton(page);
            if (index < 0) return TRUE;
            const int image = PickIcon(page, buttons[static_cast<size_t>(index)].image);
            buttons[static_cast<size_t>(index)].image = image;
            InvalidateRect(GetDlgItem(page, IDC_TB_ICON), nullptr, TRUE);
            RebuildToolbar();
            return TRUE;
        }
        case IDC_TB_NAME: {
            if (code != EN_CHANGE || g_sheet.filling) return TRUE;
            const int index = SelectedButton(page);
            if (index < 0) return TRUE;
            // The field's limit counts characters; in UTF-8 one takes up to three bytes, and the
            // button's text is cut whole characters at a time.
            char text[3 * kMaxButtonText + 1] = {};
            GetDlgItemTextA(page, IDC_TB_NAME, text, sizeof text);
            SetButtonText(buttons[static_cast<size_t>(index)], text);
            // Rename the list entry in place, keeping the selection and the edit field's caret.
            const std::string shown = ListText(buttons[static_cast<size_t>(index)]);
            const LRESULT item = SendItem(page, IDC_TB_BUTTONS, LB_GETCURSEL);
            SendItem(page, IDC_TB_BUTTONS, LB_DELETESTRING, static_cast<WPARAM>(item));
            SendItem(page, IDC_TB_BUTTONS, LB_INSERTSTRING, static_cast<WPARAM>(item),
                     reinterpret_cast<LPARAM>(shown.c_str()));
            SendItem(page, IDC_TB_BUTTONS, LB_SETITEMDATA, static_cast<WPARAM>(item),
                     static_cast<LPARAM>(index));
            SendItem(page, IDC_TB_BUTTONS, LB_SETCURSEL, static_cast<WPARAM>(item));
            RebuildToolbar();
            return TRUE;
        }
        case IDC_TB_ACTION: {
            if (code != CBN_SELCHANGE || g_sheet.filling) return TRUE;
            const int index = SelectedButton(page);
            const LRESULT action = SendItem(page, IDC_TB_ACTION, CB_GETCURSEL);
            if (index < 0 || action == CB_ERR) return TRUE;
            buttons[static_cast<size_t>(index)].command = static_cast<int32_t>(
                SendItem(page, IDC_TB_ACTION, CB_GETITEMDATA, static_cast<WPARAM>(action)));
            RebuildToolbar();
            return TRUE;
        }
    }
    return FALSE;
}

INT_PTR CALLBACK ToolbarPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            TranslateDialog(page);
            g_sheet.layoutBackup = g_toolbarLayout;
            SendItem(page, IDC_TB_NAME, EM_LIMITTEXT, kMaxButtonText);
            FillActions(page);
            SetWindowPos(GetDlgItem(page, IDC_TB_ICON), nullptr, 0, 0, ToolbarImageSide(), ToolbarImageSide(),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            FillButtons(page, 0);
            return TRUE;
        case WM_COMMAND:
            return ToolbarCommand(page, LOWORD(wParam), HIWORD(wParam));
        case WM_DRAWITEM:
            if (wParam != IDC_TB_ICON) break;
            DrawPreview(page, *reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_NOTIFY:
            switch (reinterpret_cast<NMHDR*>(lParam)->code) {
                case PSN_SETACTIVE:
                    g_sheet.lastPage = 1;
                    return TRUE;
                case PSN_APPLY:
                    RebuildToolbar();
                    SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
                    return TRUE;
                case PSN_RESET:
                    g_toolbarLayout = g_sheet.layoutBackup;
                    RebuildToolbar();
                    return TRUE;
            }
            break;
    }
    return FALSE;
}

// ---- Icon picker ----

struct PickerState {
    int cells = 1;  // cell 0 is "no image", cell i + 1 image i
    int first = 0;  // the first visible cell
    int selected = 0;
};

PickerState g_picker;
constexpr char kIconSelectClass[] = "IconSelectClass";

int VisibleCells(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    return std::max(1, static_cast<int>(client.right / ToolbarImageSide()));
}

void UpdateScrollBar(HWND control) {
    g_picker.first = ClampFirstCell(g_picker.first, g_picker.cells, VisibleCells(control));
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = g_picker.cells - 1;
    info.nPage = static_cast<UINT>(VisibleCells(control));
    info.nPos = g_picker.first;
    SetScrollInfo(control, SB_HORZ, &info, TRUE);
}

void PaintCells(HWND control, HDC dc) {
    RECT client{};
    GetClientRect(control, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    HIMAGELIST images = ToolbarImages();
    SetBkMode(dc, TRANSPARENT);
    SelectScope font(dc, GetStockObject(DEFAULT_GUI_FONT));
    for (int cell = g_picker.first; cell < g_picker.cells; ++cell) {
        const int x = (cell - g_picker.first) * ToolbarImageSide();
        if (x >= client.right) break;
        RECT box{x, 0, x + ToolbarImageSide(), ToolbarImageSide()};
        const bool selected = cell == g_picker.selected;
        if (selected) FillRect(dc, &box, GetSysColorBrush(COLOR_HIGHLIGHT));
        if (cell == 0) {
            SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            DrawTextA(dc, Lookup("TXT_NONE"), -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        } else if (images) {
            ImageList_Draw(images, cell - 1, dc, x, 0, ILD_TRANSPARENT);
        }
    }
}

LRESULT CALLBACK IconSelectProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            UpdateScrollBar(control);
            return 0;
        case WM_SIZE:
            UpdateScrollBar(control);
            InvalidateRect(control, nullptr, TRUE);
            return 0;
        case WM_PAINT: {
            PaintScope paint(control);
            PaintCells(control, paint.Get());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_HSCROLL: {
            int first = g_picker.first;
            switch (LOWORD(wParam)) {
                case SB_LINELEFT:
                    first -= 1;
                    break;
                case SB_LINERIGHT:
                    first += 1;
                    break;
                case SB_PAGELEFT:
                    first -= 2;
                    break;
                case SB_PAGERIGHT:
                    first += 2;
                    break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION:
                    first = static_cast<short>(HIWORD(wParam));
                    break;
                default:
                    return 0;
            }
            g_picker.first = first;
            UpdateScrollBar(control);
            InvalidateRect(control, nullptr, TRUE);
            return 0;
        }
        case WM_LBUTTONUP: {
            const int x = static_cast<short>(LOWORD(lParam));
            const int y = static_cast<short>(HIWORD(lParam));
            const int cell = g_picker.first + x / ToolbarImageSide();
            if (x >= 0 && y >= 0 && y < ToolbarImageSide() && cell < g_picker.cells) {
                g_picker.selected = cell;
                InvalidateRect(control, nullptr, TRUE);
            }
            return 0;
        }
    }
    return DefWindowProcA(control, message, wParam, lParam);
}

void RegisterIconSelectClass() {
    WNDCLASSA existing{};
    if (GetClassInfoA(Shell().instance, kIconSelectClass, &existing)) return;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = IconSelectProc;
    windowClass.hInstance = Shell().instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kIconSelectClass;
    RegisterClassA(&windowClass);
}

INT_PTR CALLBACK PickerDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: {
            TranslateDialog(dialog);
            SetMessageOwner(dialog);
            // The strip is exactly one image high above its scroll bar.
            HWND control = GetDlgItem(dialog, IDC_ICON_SELECT);
            RECT frame{0, 0, 0, ToolbarImageSide()};
            AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE)), FALSE,
                               static_cast<DWORD>(GetWindowLongPtrA(control, GWL_EXSTYLE)));
            RECT now{};
            GetWindowRect(control, &now);
            SetWindowPos(control, nullptr, 0, 0, now.right - now.left,
                         frame.bottom - frame.top + GetSystemMetrics(SM_CYHSCROLL),
                         SWP_NOMOVE | SWP_NOZORDER);
            // Show the selected cell.
            g_picker.first = g_picker.selected - VisibleCells(control) + 1;
            UpdateScrollBar(control);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

int ClampFirstCell(int first, int cells, int visible) {
    return std::clamp(first, 0, std::max(0, cells - visible));
}

void ShowCustomizeSheet(HWND owner) {
    const std::string hotkeyTitle = Lookup("GUI:KEYCUSTOMIZE");
    const std::string toolbarTitle = Lookup("GUI:TLBRCUSTOMIZE");
    PROPSHEETPAGEA pages[2] = {};
    const struct {
        int dialog;
        DLGPROC procedure;
        const std::string* title;
    } kinds[2] = {{IDD_CUSTOMIZE_HOTKEYS, HotkeyPage, &hotkeyTitle},
                  {IDD_CUSTOMIZE_TOOLBAR, ToolbarPage, &toolbarTitle}};
    for (int i = 0; i < 2; ++i) {
        pages[i].dwSize = sizeof pages[i];
        pages[i].dwFlags = PSP_USETITLE;
        pages[i].hInstance = Shell().instance;
        pages[i].pszTemplate = MAKEINTRESOURCEA(kinds[i].dialog);
        pages[i].pfnDlgProc = kinds[i].procedure;
        pages[i].pszTitle = kinds[i].title->c_str();
    }
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP;
    header.hwndParent = owner;
    header.hInstance = Shell().instance;
    header.pszCaption = "Customize";
    header.nPages = 2;
    header.nStartPage = static_cast<UINT>(g_sheet.lastPage);
    header.ppsp = pages;
    PropertySheetA(&header);
    g_sheet.commandBackup = {};
    g_sheet.layoutBackup = {};
}

int PickIcon(HWND owner, int currentImage) {
    RegisterIconSelectClass();
    HIMAGELIST images = ToolbarImages();
    const int count = images ? ImageList_GetImageCount(images) : 0;
    g_picker = {};
    g_picker.cells = count + 1;
    g_picker.selected = currentImage >= 0 && currentImage < count ? currentImage + 1 : 0;
    const HWND previousOwner = MessageOwner();
    const INT_PTR result =
        DialogBoxParamA(Shell().instance, MAKEINTRESOURCEA(IDD_ICON_PICKER), owner, PickerDialog, 0);
    SetMessageOwner(previousOwner);
    if (result != IDOK) return currentImage;
    return g_picker.selected == 0 ? kNoImage : g_picker.selected - 1;
}

}  // namespace zelt
