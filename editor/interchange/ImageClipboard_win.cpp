#include "editor/interchange/ImageClipboard_win.h"

#include <cstdint>

#include "common/WinHandles.h"
#include "editor/render/DibCanvas.h"
#include "editor/render/DibCanvas_win.h"
#include "editor/winui/Message_win.h"

namespace zelt {

namespace {

// Larger bitmaps are neither made nor taken: their pixels would take gigabytes.
constexpr int kMaxClipboardSide = 16384;

// Another program may hold the clipboard for a moment (clipboard managers, remote desktop): it is
// tried for about a quarter of a second before the user is told it is busy.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMilliseconds = 25;

bool OpenClipboardPatiently(HWND owner) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (attempt > 0) Sleep(kOpenRetryMilliseconds);
        if (OpenClipboard(owner)) return true;
    }
    ShowMessageKey(MB_ICONWARNING, "ERROR:CLIPBOARDBUSY");
    return false;
}

// The clipboard, open for as long as this object lives.
class OpenedClipboard {
  public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboardPatiently(owner)) {}
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return open_; }

  private:
    bool open_;
};

}  // namespace

bool PutCanvasOnClipboard(HWND owner, const DibCanvas& canvas) {
    if (canvas.Width() < 1 || canvas.Height() < 1 || canvas.Width() > kMaxClipboardSide ||
        canvas.Height() > kMaxClipboardSide)
        return false;
    WindowDc screen(nullptr);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), canvas.Width(), canvas.Height()));
    UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
    if (!bitmap || !dc) return false;
    {
        SelectScope select(dc.Get(), bitmap.Get());
        if (!DrawCanvas(dc.Get(), canvas, 0, 0)) return false;
    }
    OpenedClipboard clipboard(owner);
    if (!clipboard.IsOpen() || !EmptyClipboard() || !SetClipboardData(CF_BITMAP, bitmap.Get())) return false;
    bitmap.Release();  // the clipboard owns it now
    return true;
}

bool TakeClipboardPicture(HWND owner, ColourImage& picture) {
    OpenedClipboard clipboard(owner);
    if (!clipboard.IsOpen()) return false;
    // The clipboard keeps owning this bitmap.
    HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return false;
    if (info.bmWidth < 1 || info.bmHeight < 1 || info.bmWidth > kMaxClipboardSide ||
        info.bmHeight > kMaxClipboardSide)
        return false;
    ColourImage taken(info.bmWidth, info.bmHeight);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    WindowDc screen(nullptr);
    if (GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(info.bmHeight), taken.pixels.data(), &format,
                  DIB_RGB_COLORS) != info.bmHeight)
        return false;
    for (uint32_t& pixel : taken.pixels) pixel &= 0x00FFFFFF;
    picture = std::move(taken);
    return true;
}

}  // namespace zelt
