// The template's icon: every cell drawn in its isometric place, centred on a square filled with
// palette colour 0. Pure pixel work; the Win32 half turns the picture into icons.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <new>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "iconhandler/IconPalette.h"
#include "iconhandler/IconTemplate.h"

namespace zelt::icon {

// A larger file is not read: its icon would cost the file manager that much memory.
inline constexpr int64_t kMaxTemplateFileBytes = int64_t{64} << 20;
// A larger square is drawn scaled down to this side, nearest pixel.
inline constexpr int64_t kMaxIconSide = 1024;
// Cells may share their blocks, so a small file can ask for endless drawing; past this many
// source pixels the icon is not drawn.
inline constexpr int64_t kMaxDrawnPixels = int64_t{1} << 26;

// Growing a vector of this allocator leaves the new elements uninitialised: the renderer writes
// every pixel once, and zeroing a large picture first would cost as much as drawing it.
template <class T>
struct UninitialisedAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UninitialisedAllocator<U>;
    };
    UninitialisedAllocator() = default;
    template <class U>
    UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}
    template <class U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

using PicturePixels = std::vector<uint32_t, UninitialisedAllocator<uint32_t>>;

struct IconPicture {
    int size = 0;          // the square's side
    PicturePixels pixels;  // size * size, 0x00RRGGBB, top row first
};

// Bounds of all cell boxes and extra images, always including the origin. X and extra X are
// the left edges of their boxes.
struct IconBounds {
    int64_t minX = 0, maxX = 0, minY = 0, maxY = 0;
};
IconBounds BoundsOfIcon(const IconTemplate& tmpl);

// Source pixels of every diamond and extra image; cells may share blocks, so this can far exceed
// the file's size.
int64_t PixelsToDraw(const IconTemplate& tmpl);

// Fails for empty bounds or a template that would draw more than kMaxDrawnPixels.
bool DrawTemplateIcon(const IconTemplate& tmpl, const IconPalette& palette, IconPicture& out);

// Reads the palette file (relative to the Palettes folder) into bytes; false when it cannot.
using PaletteReader = std::function<bool(const std::string& file, std::vector<uint8_t>& bytes)>;

// The whole road from a template file's bytes and name to the picture. False means the caller
// shows its fallback icon.
bool RenderTemplateIcon(std::span<const uint8_t> fileBytes, const std::string& fileName,
                        const PaletteReader& readPalette, IconPicture& out);

}  // namespace zelt::icon
