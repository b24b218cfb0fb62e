// Owners of what the image library takes from GDI+: the start-up token, a bitmap and a lock on
// a bitmap's pixels. Each gives back what it holds exactly once.
#pragma once
// With WIN32_LEAN_AND_MEAN, windows.h leaves out the COM types (PROPID, IStream) gdiplus.h needs,
// so the order of these three matters.
// clang-format off
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include <utility>

namespace zelt::pictor {

namespace gp = Gdiplus::DllExports;

// GDI+ from GdiplusStartup to GdiplusShutdown.
class GdiPlusSession {
  public:
    GdiPlusSession() = default;
    ~GdiPlusSession() {
        if (token_ != 0) Gdiplus::GdiplusShutdown(token_);
    }
    GdiPlusSession(const GdiPlusSession&) = delete;
    GdiPlusSession& operator=(const GdiPlusSession&) = delete;

    // Version 1, no debug callback, GDI+'s background thread and external codecs left on.
    bool Start() {
        Gdiplus::GdiplusStartupInput input;
        return Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok && token_ != 0;
    }

  private:
    ULONG_PTR token_ = 0;
};

class GdiPlusBitmap {
  public:
    GdiPlusBitmap() = default;
    ~GdiPlusBitmap() { Reset(); }
    GdiPlusBitmap(const GdiPlusBitmap&) = delete;
    GdiPlusBitmap& operator=(const GdiPlusBitmap&) = delete;

    Gdiplus::GpBitmap* Get() const { return bitmap_; }
    // For the creating call; whatever was held before is disposed of first.
    Gdiplus::GpBitmap** Out() {
        Reset();
        return &bitmap_;
    }
    explicit operator bool() const { return bitmap_ != nullptr; }
    void Reset() {
        if (bitmap_ != nullptr) gp::GdipDisposeImage(bitmap_);
        bitmap_ = nullptr;
    }

  private:
    Gdiplus::GpBitmap* bitmap_ = nullptr;
};

// The whole of a bitmap locked in one pixel format; unlocked when the object goes away.
class LockedPixels {
  public:
    LockedPixels(const GdiPlusBitmap& bitmap, UINT mode, Gdiplus::PixelFormat format, int width, int height)
        : bitmap_(bitmap.Get()) {
        const Gdiplus::GpRect whole{0, 0, width, height};
        if (gp::GdipBitmapLockBits(bitmap_, &whole, mode, format, &data_) != Gdiplus::Ok) bitmap_ = nullptr;
    }
    ~LockedPixels() {
        if (bitmap_ != nullptr) gp::GdipBitmapUnlockBits(bitmap_, &data_);
    }
    LockedPixels(const LockedPixels&) = delete;
    LockedPixels& operator=(const LockedPixels&) = delete;

    explicit operator bool() const { return bitmap_ != nullptr; }
    // Row y of the locked pixels; the stride may be wider than the row and may be negative.
    BYTE* Row(int y) const {
        return static_cast<BYTE*>(data_.Scan0) + static_cast<INT_PTR>(y) * data_.Stride;
    }

  private:
    Gdiplus::GpBitmap* bitmap_;
    Gdiplus::BitmapData data_{};
};

}  // namespace zelt::pictor
