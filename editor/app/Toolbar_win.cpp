#include "editor/app/Toolbar_win.h"

#include <utility>

#include "common/WinHandles.h"
#include "editor/app/CommandTable.h"
#include "editor/settings/Settings.h"
#include "editor/winui/DisplayScale_win.h"
#include "editor/winui/ShellWindows_win.h"
#include "resources/CustomizeIds.h"

namespace zelt {

namespace {

constexpr int kImageSide = 48;  // at 96 dots per inch
constexpr COLORREF kImageKey = RGB(200, 200, 200);

UniqueImageList g_images;
UniqueImageList g_disabledImages;
int g_imageSide = kImageSide;

DWORD ToolbarStyle() {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT |
                  TBSTYLE_WRAPABLE | CCS_NODIVIDER | CCS_NOPARENTALIGN;
    if (g_settings.toolbarRightText) style |= TBSTYLE_LIST;
    return style;
}

// A copy of the images, each drawn blended half with the system selection colour.
UniqueImageList MakeDisabledImages(HIMAGELIST images) {
    const int side = g_imageSide;
    const int count = ImageList_GetImageCount(images);
    UniqueImageList disabled(ImageList_Create(side, side, ILC_COLOR24 | ILC_MASK, count, 0));
    if (!disabled || count == 0) return disabled;
    WindowDc screen(nullptr);
    UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
    UniqueBitmap strip(CreateCompatibleBitmap(screen.Get(), side * count, side));
    if (!dc || !strip) return disabled;
    {
        SelectScope select(dc.Get(), strip.Get());
        UniqueBrush key(CreateSolidBrush(kImageKey));
        const RECT all{0, 0, side * count, side};
        FillRect(dc.Get(), &all, key.Get());
        for (int i = 0; i < count; ++i)
            ImageList_DrawEx(images, i, dc.Get(), i * side, 0, side, side, CLR_NONE,
                             GetSysColor(COLOR_HIGHLIGHT), ILD_TRANSPARENT | ILD_BLEND50);
    }
    ImageList_AddMasked(disabled.Get(), strip.Get(), kImageKey);
    return disabled;
}

// The images drawn at 96 dots per inch, scaled to the main window's density; each pixel is repeated,
// so the colour key stays exact.
void LoadImages(int dpi) {
    if (g_images) return;
    UniqueBitmap strip(static_cast<HBITMAP>(LoadImageA(Shell().instance, MAKEINTRESOURCEA(IDB_EDITOR_TOOLBAR),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (UniqueBitmap scaled = ScaleBitmapForDpi(strip.Get(), dpi)) strip = std::move(scaled);
    BITMAP info{};
    if (!strip || !GetObjectA(strip.Get(), sizeof info, &info)) return;
    g_imageSide = ScaleForDpi(kImageSide, dpi);
    g_images.Reset(
        ImageList_Create(g_imageSide, g_imageSide, ILC_COLOR24 | ILC_MASK, info.bmWidth / g_imageSide, 0));
    if (!g_images) return;
    ImageList_AddMasked(g_images.Get(), strip.Get(), kImageKey);
    g_disabledImages = MakeDisabledImages(g_images.Get());
}

void AddButtons(HWND toolbar) {
    const bool withText = g_settings.toolbarText;
    for (const ToolbarButton& record : g_toolbarLayout.buttons) {
        TBBUTTON button{};
        button.iBitmap = record.image == kNoImage ? I_IMAGENONE : record.image;
        // A button without action sends an identifier the dispatcher ignores.
        button.idCommand = record.command;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_AUTOSIZE | BTNS_BUTTON;
        button.iString = withText ? reinterpret_cast<INT_PTR>(record.text) : -1;
        SendMessageA(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
    SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
}

// Applies `change` to the state of every toolbar button with that command.
template <typename Change>
void ChangeButtons(UINT command, Change change) {
    HWND toolbar = Shell().toolbar;
    if (!toolbar) return;
    const int count = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        if (!SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button))) continue;
        if (static_cast<UINT>(button.idCommand) != command) continue;
        TBBUTTONINFOA info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_BYINDEX | TBIF_STATE;
        info.fsState = change(button.fsState);
        SendMessageA(toolbar, TB_SETBUTTONINFOA, i, reinterpret_cast<LPARAM>(&info));
    }
}

// Applies `change` to every item with that command in the menu and its submenus.
template <typename Change>
void ChangeMenuItems(HMENU menu, UINT command, Change change) {
    if (!menu) return;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            ChangeMenuItems(sub, command, change);
        } else if (GetMenuItemID(menu, i) == command) {
            change(menu, static_cast<UINT>(i));
        }
    }
}

// Every button again from the layout, in the style the settings ask for now.
void Refill(HWND toolbar) {
    SendMessageA(toolbar, WM_SETREDRAW, FALSE, 0);
    while (SendMessageA(toolbar, TB_DELETEBUTTON, 0, 0)) {
    }
    SetWindowLongPtrA(toolbar, GWL_STYLE, static_cast<LONG_PTR>(ToolbarStyle()));
    AddButtons(toolbar);
    SendMessageA(toolbar, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(toolbar, nullptr, TRUE);
    // The toolbar's height may have changed with its texts: lay the main window out again.
    if (Shell().main) {
        RECT client{};
        GetClientRect(Shell().main, &client);
        SendMessageA(Shell().main, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    }
}

}  // namespace

bool CreateToolbar(HWND main) {
    LoadImages(WindowDpi(main));
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, ToolbarStyle(), 0, 0, 0, 0, main, nullptr,
                                   Shell().instance, nullptr);
    if (!toolbar) return false;
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(g_images.Get()));
    SendMessageA(toolbar, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(g_disabledImages.Get()));
    Shell().toolbar = toolbar;
    AddButtons(toolbar);
    return true;
}

void RebuildToolbar() {
    if (HWND toolbar = Shell().toolbar) Refill(toolbar);
    if (Shell().applyWindowState) Shell().applyWindowState();
}

void DestroyToolbarImages() {
    if (Shell().toolbar && IsWindow(Shell().toolbar)) {
        SendMessageA(Shell().toolbar, TB_SETIMAGELIST, 0, 0);
        SendMessageA(Shell().toolbar, TB_SETDISABLEDIMAGELIST, 0, 0);
    }
    g_disabledImages.Reset();
    g_images.Reset();
}

HIMAGELIST ToolbarImages() {
    return g_images.Get();
}

int ToolbarImageSide() { return g_imageSide; }

void RescaleToolbar() {
    HWND toolbar = Shell().toolbar;
    if (!toolbar || !Shell().main) return;
    DestroyToolbarImages();
    LoadImages(WindowDpi(Shell().main));
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(g_images.Get()));
    SendMessageA(toolbar, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(g_disabledImages.Get()));
    RebuildToolbar();
}

void SetCommandEnabled(UINT command, bool enabled) {
    ChangeButtons(command, [enabled](BYTE state) -> BYTE {
        return enabled ? (state | TBSTATE_ENABLED) : (state & ~TBSTATE_ENABLED);
    });
    if (Shell().main)
        ChangeMenuItems(GetMenu(Shell().main), command, [enabled](HMENU menu, UINT position) {
            EnableMenuItem(menu, position, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
        });
    for (CommandRecord& record : g_commands.records)
        if (record.command == command) record.disabled = enabled ? 0 : 1;
}

void SetCommandChecked(UINT command, bool checked) {
    ChangeButtons(command, [checked](BYTE state) -> BYTE {
        return checked ? (state | TBSTATE_CHECKED) : (state & ~TBSTATE_CHECKED);
    });
    if (Shell().main)
        ChangeMenuItems(GetMenu(Shell().main), command, [checked](HMENU menu, UINT position) {
            CheckMenuItem(menu, position, MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
        });
}

}  // namespace zelt
