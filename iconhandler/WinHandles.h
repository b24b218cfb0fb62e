// Small owners of Win32 handles: each closes what it holds exactly once.
#pragma once
#include <windows.h>

#include <utility>

namespace zelt::icon {

// Traits name the handle type, its empty value and how it is closed.
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

    Handle Get() const { return handle_; }
    Handle* Out() {
        Reset();
        return &handle_;
    }
    Handle Release() { return std::exchange(handle_, Traits::Empty()); }
    explicit operator bool() const { return handle_ != Traits::Empty(); }
    void Reset() {
        if (handle_ != Traits::Empty()) Traits::Close(handle_);
        handle_ = Traits::Empty();
    }

  private:
    Handle handle_ = Traits::Empty();
};

struct FileTraits {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};
struct KeyTraits {
    using Handle = HKEY;
    static Handle Empty() { return nullptr; }
    static void Close(Handle k) { RegCloseKey(k); }
};
struct BitmapTraits {
    using Handle = HBITMAP;
    static Handle Empty() { return nullptr; }
    static void Close(Handle b) { DeleteObject(b); }
};
struct IconTraits {
    using Handle = HICON;
    static Handle Empty() { return nullptr; }
    static void Close(Handle i) { DestroyIcon(i); }
};

using UniqueFile = Owned<FileTraits>;
using UniqueKey = Owned<KeyTraits>;
using UniqueBitmap = Owned<BitmapTraits>;
using UniqueIcon = Owned<IconTraits>;

}  // namespace zelt::icon
