// Small owners of Win32 handles, for every Win32 file of the program, the image library and the
// icon handler: each frees what it holds exactly once.
#pragma once
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <utility>

namespace zelt {

// How a kind of handle is emptied and closed.
template <typename H, void (*Free)(H)>
struct NullHandle {
    using Handle = H;
    static Handle Empty() { return nullptr; }
    static void Close(Handle handle) { Free(handle); }
};
struct FileHandle {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { CloseHandle(handle); }
};

template <typename Traits>
class Owned {
public:
    using Handle = typename Traits::Handle;

    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() { Reset(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : handle_(other.Release()) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    Handle Get() const { return handle_; }
    // For functions that hand out a handle through a pointer; frees what was held first.
    Handle* Out() {
        Reset();
        return &handle_;
    }
    Handle Release() { return std::exchange(handle_, Traits::Empty()); }
    explicit operator bool() const { return handle_ != Traits::Empty(); }
    void Reset(Handle handle = Traits::Empty()) {
        if (handle_ != Traits::Empty()) Traits::Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::Empty();
};

inline void FreeBitmap(HBITMAP bitmap) { DeleteObject(bitmap); }
inline void FreeFont(HFONT font) { DeleteObject(font); }
inline void FreeBrush(HBRUSH brush) { DeleteObject(brush); }
inline void FreeMemoryDc(HDC dc) { DeleteDC(dc); }
inline void FreeKey(HKEY key) { RegCloseKey(key); }
inline void FreeLibraryModule(HMODULE module) { FreeLibrary(module); }
inline void FreeMenuHandle(HMENU menu) { DestroyMenu(menu); }
inline void FreeIconHandle(HICON icon) { DestroyIcon(icon); }
inline void FreeImageList(HIMAGELIST list) { ImageList_Destroy(list); }
inline void FreeTaskMemory(void* memory) { CoTaskMemFree(memory); }

using UniqueBitmap = Owned<NullHandle<HBITMAP, FreeBitmap>>;
using UniqueFont = Owned<NullHandle<HFONT, FreeFont>>;
using UniqueBrush = Owned<NullHandle<HBRUSH, FreeBrush>>;
using UniqueMemoryDc = Owned<NullHandle<HDC, FreeMemoryDc>>;
using UniqueKey = Owned<NullHandle<HKEY, FreeKey>>;
using UniqueModule = Owned<NullHandle<HMODULE, FreeLibraryModule>>;
using UniqueMenu = Owned<NullHandle<HMENU, FreeMenuHandle>>;
using UniqueIcon = Owned<NullHandle<HICON, FreeIconHandle>>;
using UniqueImageList = Owned<NullHandle<HIMAGELIST, FreeImageList>>;
using UniqueFile = Owned<FileHandle>;
// Memory the shell hands out and the caller frees, such as the folder browser's item list.
using UniqueTaskMemory = Owned<NullHandle<void*, FreeTaskMemory>>;

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
