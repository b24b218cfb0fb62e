#include "iconhandler/RenderIcon_win.h"

#include <string>
#include <vector>

#include "iconhandler/IconRender.h"
#include "iconhandler/Module.h"
#include "iconhandler/PaletteFile_win.h"
#include "common/WinHandles.h"

namespace zelt::icon {

namespace {

// Reads at most maxBytes; false for a file that cannot be opened or read, or is larger.
bool ReadWholeFile(const wchar_t* path, int64_t maxBytes, std::vector<uint8_t>& bytes) {
    UniqueFile file(CreateFileW(path, GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > maxBytes) return false;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    return bytes.empty() ||
           (ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
            read == bytes.size());
}

// A bottom-up 32-bit bitmap of the picture.
UniqueBitmap MakeColourBitmap(const IconPicture& picture) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.size;
    info.bmiHeader.biHeight = picture.size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) return UniqueBitmap();
    auto* rows = static_cast<uint32_t*>(bits);
    const size_t side = static_cast<size_t>(picture.size);
    for (size_t y = 0; y < side; ++y) {
        const uint32_t* source = picture.pixels.data() + (side - 1 - y) * side;
        std::copy(source, source + side, rows + y * side);
    }
    return bitmap;
}

// Two icons from one description: the picture as colour, an all-zero (opaque) mask.
bool MakeIcons(const IconPicture& picture, HICON* large, HICON* small) {
    UniqueBitmap colour = MakeColourBitmap(picture);
    const size_t maskStride = (static_cast<size_t>(picture.size) + 15) / 16 * 2;
    const std::vector<uint8_t> zeros(maskStride * static_cast<size_t>(picture.size), 0);
    UniqueBitmap mask(CreateBitmap(picture.size, picture.size, 1, 1, zeros.data()));
    if (!colour || !mask) return false;
    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmMask = mask.Get();
    info.hbmColor = colour.Get();
    UniqueIcon first(large != nullptr ? CreateIconIndirect(&info) : nullptr);
    UniqueIcon second(small != nullptr ? CreateIconIndirect(&info) : nullptr);
    if ((large != nullptr && !first) || (small != nullptr && !second)) return false;
    if (large != nullptr) *large = first.Release();
    if (small != nullptr) *small = second.Release();
    return true;
}

HICON LoadFallback(UINT size, int metric) {
    const int side = size != 0 ? static_cast<int>(size) : GetSystemMetrics(metric);
    return static_cast<HICON>(
        LoadImageA(ModuleInstance(), MAKEINTRESOURCEA(kFallbackIconId), IMAGE_ICON, side, side, 0));
}

bool RenderFromFile(const wchar_t* fileName, HICON* large, HICON* small) {
    std::vector<uint8_t> bytes;
    if (fileName[0] == L'\0' || !ReadWholeFile(fileName, kMaxTemplateFileBytes, bytes)) return false;
    IconPicture picture;
    if (!RenderTemplateIcon(bytes, NarrowName(fileName), ReadPaletteFile, picture)) return false;
    bytes = {};
    return MakeIcons(picture, large, small);
}

}  // namespace

void RenderIcon(const wchar_t* fileName, HICON* large, HICON* small, UINT largeSize, UINT smallSize) noexcept {
    if (large != nullptr) *large = nullptr;
    if (small != nullptr) *small = nullptr;
    bool drawn = false;
    try {
        drawn = fileName != nullptr && RenderFromFile(fileName, large, small);
    } catch (...) {
        drawn = false;  // memory ran out: the fallback needs none of ours
    }
    if (drawn) return;
    if (large != nullptr) *large = LoadFallback(largeSize, SM_CXICON);
    if (small != nullptr) *small = LoadFallback(smallSize, SM_CXSMICON);
}

}  // namespace zelt::icon
