#include "tests/dialogs/DialogFit_win.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>

#include "common/WinHandles.h"
#include "editor/template/FileBytes.h"
#include "tools/artgen/Png.h"
#include "tools/snapshot/Capture_win.h"

namespace zelt::test {

namespace {

struct Extent {
    int width = 0, height = 0;
};

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[2048] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

Extent ClientExtent(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// Pixels at the screen's resolution for a length given at 96 dots per inch.
int Scaled(int pixels) {
    WindowDc screen(nullptr);
    return MulDiv(pixels, GetDeviceCaps(screen.Get(), LOGPIXELSX), 96);
}

// The extent of text as DrawText lays it out in the control's font; wrapped within width when the
// flags ask for word breaks.
Extent Measure(HWND control, const std::string& text, UINT flags, int width) {
    WindowDc dc(control);
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
    SelectScope select(dc.Get(), font ? font : GetStockObject(SYSTEM_FONT));
    RECT r{0, 0, std::max(width, 1), 0};
    DrawTextA(dc.Get(), text.c_str(), -1, &r, flags | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

// What a control's text needs and what it has, both in pixels; none for controls without a text
// of their own to show (pictures, frames, owner-drawn controls, empty texts).
struct Fit {
    const char* kind;
    Extent needs, has;
};

std::optional<Fit> StaticFit(HWND control, const std::string& text) {
    const LONG style = static_cast<LONG>(GetWindowLongPtrA(control, GWL_STYLE));
    if (style & SS_ELLIPSISMASK) return std::nullopt;  // shortened on purpose, as paths are
    const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    const Extent has = ClientExtent(control);
    switch (style & SS_TYPEMASK) {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT:
            return Fit{"text", Measure(control, text, DT_WORDBREAK | DT_EXPANDTABS | prefix, has.width), has};
        case SS_SIMPLE:
        case SS_LEFTNOWORDWRAP:
            return Fit{"text", Measure(control, text, DT_SINGLELINE | DT_EXPANDTABS | prefix, 0), has};
        default:
            return std::nullopt;
    }
}

std::optional<Fit> ButtonFit(HWND control, const std::string& text) {
    const LONG style = static_cast<LONG>(GetWindowLongPtrA(control, GWL_STYLE));
    if (style & (BS_BITMAP | BS_ICON)) return std::nullopt;
    const bool multiline = style & BS_MULTILINE;
    Extent has = ClientExtent(control);
    const char* kind = nullptr;
    int inset = 0;  // of the text area from both sides
    int box = 0;    // left of the text: the check mark and its gap
    switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            kind = "button";
            inset = Scaled(3);  // the raised edge and the focus rectangle
            break;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            kind = "check box";
            box = GetSystemMetrics(SM_CXMENUCHECK) + Scaled(4);
            break;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            kind = "radio button";
            box = GetSystemMetrics(SM_CXMENUCHECK) + Scaled(4);
            break;
        case BS_GROUPBOX:
            kind = "group box";
            inset = Scaled(7);  // the caption sits in the frame's top line, away from the corners
            break;
        default:
            return std::nullopt;
    }
    has.width -= 2 * inset + box;
    const UINT flags = multiline ? DT_WORDBREAK : DT_SINGLELINE;
    Extent needs = Measure(control, text, flags, has.width);
    if ((style & BS_TYPEMASK) == BS_GROUPBOX) has.height = needs.height;  // the caption's line is its own
    return Fit{kind, needs, has};
}

std::string Describe(const std::string& where, const char* kind, HWND control, const std::string& text,
                     Extent needs, Extent has) {
    return where + ": " + kind + " " + std::to_string(GetDlgCtrlID(control)) + " \"" + text + "\" needs " +
           std::to_string(needs.width) + " x " + std::to_string(needs.height) + " pixels, has " +
           std::to_string(has.width) + " x " + std::to_string(has.height);
}

// Every visible button of a tool bar must lie inside it.
void CheckToolbar(HWND toolbar, const std::string& where, std::vector<std::string>& cut) {
    const int count = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    Extent needs;
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
        if (button.fsState & TBSTATE_HIDDEN) continue;
        RECT r{};
        SendMessageA(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        needs.width = std::max(needs.width, static_cast<int>(r.right));
        needs.height = std::max(needs.height, static_cast<int>(r.bottom));
    }
    const Extent has = ClientExtent(toolbar);
    if (needs.width > has.width || needs.height > has.height)
        cut.push_back(Describe(where, "tool bar", toolbar, std::to_string(count) + " buttons", needs, has));
}

// Every column of a report list must be wide enough for its caption.
void CheckColumns(HWND list, const std::string& where, std::vector<std::string>& cut) {
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int columns = header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    const int margins = 2 * 3 * GetSystemMetrics(SM_CXEDGE);  // the header's own, on both sides
    for (int column = 0; column < columns; ++column) {
        char caption[256] = {};
        LVCOLUMNA info{};
        info.mask = LVCF_TEXT | LVCF_WIDTH;
        info.pszText = caption;
        info.cchTextMax = sizeof caption;
        SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
        const int width =
            static_cast<int>(SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(caption)));
        if (width + margins > info.cx)
            cut.push_back(where + ": column " + std::to_string(column) + " \"" + caption + "\" of list " +
                          std::to_string(GetDlgCtrlID(list)) + " needs " + std::to_string(width + margins) +
                          " pixels, has " + std::to_string(info.cx));
    }
}

// A control must also lie inside its parent's client area, or part of it cannot be seen.
void CheckInsideParent(HWND control, const std::string& where, std::vector<std::string>& cut) {
    HWND parent = GetParent(control);
    RECT r{}, client{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    GetClientRect(parent, &client);
    if (r.left < 0 || r.top < 0 || r.right > client.right || r.bottom > client.bottom)
        cut.push_back(where + ": control " + std::to_string(GetDlgCtrlID(control)) + " \"" + TextOf(control) +
                      "\" reaches (" + std::to_string(r.right) + ", " + std::to_string(r.bottom) +
                      ") beyond its window's " + std::to_string(client.right) + " x " +
                      std::to_string(client.bottom));
}

struct Walk {
    std::string where;
    std::vector<std::string> cut;
};

BOOL CALLBACK CheckChild(HWND control, LPARAM param) {
    auto* walk = reinterpret_cast<Walk*>(param);
    if (!IsWindowVisible(control)) return TRUE;  // a hidden control shows nothing
    const std::string kind = ClassOf(control);
    if (lstrcmpiA(kind.c_str(), TOOLBARCLASSNAMEA) == 0) {
        CheckToolbar(control, walk->where, walk->cut);
        CheckInsideParent(control, walk->where, walk->cut);
        return TRUE;
    }
    if (lstrcmpiA(kind.c_str(), WC_LISTVIEWA) == 0) {
        if ((GetWindowLongPtrA(control, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT)
            CheckColumns(control, walk->where, walk->cut);
        return TRUE;
    }
    const std::string text = TextOf(control);
    if (text.empty()) return TRUE;
    std::optional<Fit> fit;
    if (lstrcmpiA(kind.c_str(), "Static") == 0) fit = StaticFit(control, text);
    if (lstrcmpiA(kind.c_str(), "Button") == 0) fit = ButtonFit(control, text);
    if (!fit) return TRUE;
    if (fit->needs.width > fit->has.width || fit->needs.height > fit->has.height)
        walk->cut.push_back(Describe(walk->where, fit->kind, control, text, fit->needs, fit->has));
    CheckInsideParent(control, walk->where, walk->cut);
    return TRUE;
}

}  // namespace

std::vector<std::string> TextsCutOff(HWND window, const std::string& where) {
    Walk walk{where, {}};
    EnumChildWindows(window, CheckChild, reinterpret_cast<LPARAM>(&walk));  // every level below
    return walk.cut;
}

bool CaptureClientPng(HWND window, const std::string& path) {
    const ColourImage shot = CaptureClient(window);
    if (shot.width <= 0 || shot.height <= 0) return false;
    artgen::Image image(shot.width, shot.height);
    for (size_t i = 0; i < shot.pixels.size(); ++i) image.pixels[i] = 0xFF000000u | shot.pixels[i];
    std::string error;
    return WriteFileAtomic(path, artgen::EncodePng(image), error);
}

}  // namespace zelt::test
