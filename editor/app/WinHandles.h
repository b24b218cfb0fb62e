// Small owners of Win32 handles: each frees what it holds exactly once.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <utility>

namespace zelt {

template <typename Handle, auto Free, Handle Empty = Handle{}>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() { Reset(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Empty)) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, Empty);
        }
        return *this;
    }

    Handle Get() const { return handle_; }
    Handle Release() { return std::exchange(handle_, Empty); }
    explicit operator bool() const { return handle_ != Empty; }
    void Reset(Handle handle = Empty) {
        if (handle_ != Empty) Free(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Empty;
};

inline void FreeGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void FreeBitmap(HBITMAP bitmap) { DeleteObject(bitmap); }
inline void FreeFont(HFONT font) { DeleteObject(font); }
inline void FreeBrush(HBRUSH brush) { DeleteObject(brush); }
inline void FreeMemoryDc(HDC dc) { DeleteDC(dc); }
inline void FreeKey(HKEY key) { RegCloseKey(key); }
inline void FreeLibraryModule(HMODULE module) { FreeLibrary(module); }
inline void FreeMenuHandle(HMENU menu) { DestroyMenu(menu); }
inline void FreeIconHandle(HICON icon) { DestroyIcon(icon); }
inline void FreeImageList(HIMAGELIST list) { ImageList_Destroy(list); }

using UniqueBitmap = Owned<HBITMAP, FreeBitmap>;
using UniqueFont = Owned<HFONT, FreeFont>;
using UniqueBrush = Owned<HBRUSH, FreeBrush>;
using UniqueMemoryDc = Owned<HDC, FreeMemoryDc>;
using UniqueKey = Owned<HKEY, FreeKey>;
using UniqueModule = Owned<HMODULE, FreeLibraryModule>;
using UniqueMenu = Owned<HMENU, FreeMenuHandle>;
using UniqueIcon = Owned<HICON, FreeIconHandle>;
using UniqueImageList = Owned<HIMAGELIST, FreeImageList>;

// A device context from GetDC, released to its window.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects an object into a device context and puts the previous one back.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectScope() { SelectObject(dc_, previous_); }
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace zelt
