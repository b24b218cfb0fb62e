// Pictor.Dll: image files to and from arrays of 0x00RRGGBB pixels through GDI+. Between
// ImageInit and ImageUnInit the library holds GDI+, the two filter strings and one name buffer.
#include "pictor/Pictor.h"

#include <windows.h>

#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "pictor/FormatList.h"
#include "pictor/GdiPlusOwners.h"

namespace zelt::pictor {

namespace {

struct Library {
    GdiPlusSession gdiPlus;
    std::string openFilter;
    std::string saveFilter;
};

std::unique_ptr<Library> g_library;
// Shared by both format-name calls; each call overwrites it.
char g_formatName[64];

// GDI+ stores the strings an encoder entry points to behind the entries, in the same block.
struct EncoderTable {
    std::vector<Gdiplus::ImageCodecInfo> block;
    UINT count = 0;
    std::span<const Gdiplus::ImageCodecInfo> Entries() const { return {block.data(), count}; }
};

EncoderTable Encoders() {
    EncoderTable table;
    UINT bytes = 0;
    if (gp::GdipGetImageEncodersSize(&table.count, &bytes) != Gdiplus::Ok || table.count == 0 ||
        bytes < table.count * sizeof(Gdiplus::ImageCodecInfo)) {
        return {};
    }
    table.block.resize((bytes + sizeof(Gdiplus::ImageCodecInfo) - 1) / sizeof(Gdiplus::ImageCodecInfo));
    if (gp::GdipGetImageEncoders(table.count, bytes, table.block.data()) != Gdiplus::Ok) return {};
    return table;
}

std::string ToAnsi(const WCHAR* text) {
    if (text == nullptr) return {};
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return {};
    std::string ansi(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), bytes, nullptr, nullptr);
    ansi.pop_back();
    return ansi;
}

// A file name in wide characters, at most 511 of them. A longer name is refused rather than
// cut, since the cut name would read or overwrite some other file.
struct WideName {
    std::array<WCHAR, 512> text{};
    int length = 0;

    bool From(const char* fileName) {
        const int written =
            MultiByteToWideChar(CP_ACP, 0, fileName, -1, text.data(), static_cast<int>(text.size()));
        length = written - 1;
        return written > 0;
    }
    std::wstring_view View() const { return {text.data(), static_cast<size_t>(length)}; }
};

bool FileExists(const char* fileName) {
    return GetFileAttributesA(fileName) != INVALID_FILE_ATTRIBUTES;
}

int Init() {
    if (g_library) return 1;
    auto library = std::make_unique<Library>();
    if (!library->gdiPlus.Start()) return 0;
    const EncoderTable encoders = Encoders();
    if (encoders.count == 0) return 0;
    for (const Gdiplus::ImageCodecInfo& codec : encoders.Entries()) {
        library->openFilter += ToAnsi(codec.FilenameExtension) + ';';
        library->saveFilter += "*." + ToAnsi(codec.FormatDescription) + ';';
    }
    g_library = std::move(library);
    return 1;
}

const char* FormatName(const std::string& list, int index) {
    return CopyFormatName(list, index, g_formatName, sizeof g_formatName) ? g_formatName : nullptr;
}

int GetSize(const char* fileName, int size[2]) {
    if (!g_library || fileName == nullptr || size == nullptr || !FileExists(fileName)) return 0;
    WideName wide;
    if (!wide.From(fileName)) return 0;
    UINT width = 0;
    UINT height = 0;
    GdiPlusBitmap bitmap;
    if (gp::GdipCreateBitmapFromFile(wide.text.data(), bitmap.Out()) == Gdiplus::Ok &&
        (gp::GdipGetImageWidth(bitmap.Get(), &width) != Gdiplus::Ok ||
         gp::GdipGetImageHeight(bitmap.Get(), &height) != Gdiplus::Ok)) {
        width = height = 0;
    }
    size[0] = static_cast<int>(width);
    size[1] = static_cast<int>(height);
    return 1;
}

int Load(const char* fileName, uint32_t* pixels) {
    if (!g_library || fileName == nullptr || pixels == nullptr || !FileExists(fileName)) return 0;
    WideName wide;
    if (!wide.From(fileName)) return 0;
    GdiPlusBitmap bitmap;
    UINT width = 0;
    UINT height = 0;
    if (gp::GdipCreateBitmapFromFile(wide.text.data(), bitmap.Out()) != Gdiplus::Ok ||
        gp::GdipGetImageWidth(bitmap.Get(), &width) != Gdiplus::Ok ||
        gp::GdipGetImageHeight(bitmap.Get(), &height) != Gdiplus::Ok) {
        return 0;
    }
    const LockedPixels locked(bitmap, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB,
                              static_cast<int>(width), static_cast<int>(height));
    if (!locked) return 0;
    for (UINT y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(locked.Row(static_cast<int>(y)));
        uint32_t* out = pixels + static_cast<size_t>(y) * width;
        for (UINT x = 0; x < width; ++x) out[x] = row[x] & 0x00FFFFFFu;
    }
    return 1;
}

// The encoder whose MIME type is "image/" followed by the name's extension: the extension names
// the format exactly as GDI+ describes it, so ".jpg" and ".tif" find none.
bool EncoderFor(std::wstring_view fileName, CLSID& clsid) {
    const auto extension = ExtensionOf(fileName);
    if (!extension) return false;
    const std::wstring mimeType = L"image/" + std::wstring(*extension);
    const EncoderTable encoders = Encoders();
    for (const Gdiplus::ImageCodecInfo& codec : encoders.Entries()) {
        if (codec.MimeType != nullptr && SameMimeType(codec.MimeType, mimeType)) {
            clsid = codec.Clsid;
            return true;
        }
    }
    return false;
}

int Save(const char* fileName, const uint32_t* pixels, int width, int height) {
    if (!g_library || fileName == nullptr || pixels == nullptr || width <= 0 || height <= 0) return 0;
    WideName wide;
    CLSID encoder{};
    if (!wide.From(fileName) || !EncoderFor(wide.View(), encoder)) return 0;
    GdiPlusBitmap bitmap;
    if (gp::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppRGB, nullptr, bitmap.Out()) !=
        Gdiplus::Ok) {
        return 0;
    }
    {
        const LockedPixels locked(bitmap, Gdiplus::ImageLockModeWrite, PixelFormat32bppRGB, width, height);
        if (!locked) return 0;
        // The top byte is the caller's to ignore; the format has no alpha, so it is set opaque.
        for (int y = 0; y < height; ++y) {
            auto* row = reinterpret_cast<uint32_t*>(locked.Row(y));
            const uint32_t* in = pixels + static_cast<size_t>(y) * static_cast<size_t>(width);
            for (int x = 0; x < width; ++x) row[x] = 0xFF000000u | (in[x] & 0x00FFFFFFu);
        }
    }
    return gp::GdipSaveImageToFile(bitmap.Get(), wide.text.data(), &encoder, nullptr) == Gdiplus::Ok ? 1 : 0;
}

}  // namespace

}  // namespace zelt::pictor

using namespace zelt::pictor;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
    // A caller that never called ImageUnInit: GDI+ must not be shut down under the loader lock,
    // so what the library still holds is left to the ending process or the unloading.
    if (reason == DLL_PROCESS_DETACH) g_library.release();
    return TRUE;
}

// No exception leaves the library: each export that allocates answers a failure instead.
extern "C" {

int ImageInit() {
    try {
        return Init();
    } catch (...) {
        return 0;
    }
}

void ImageUnInit() {
    g_library.reset();
}

const char* ImageGetDesc() {
    return "Image library - using GDI+ (BMP, GIF, PNG, TIFF, JPEG)";
}

const char* ImageOpenFilterStr() {
    return g_library ? g_library->openFilter.c_str() : nullptr;
}

const char* ImageSaveFilterStr() {
    return g_library ? g_library->saveFilter.c_str() : nullptr;
}

const char* ImageGetOpenFormatName(int index) {
    return g_library ? FormatName(g_library->openFilter, index) : nullptr;
}

const char* ImageGetSaveFormatName(int index) {
    return g_library ? FormatName(g_library->saveFilter, index) : nullptr;
}

int ImageGetSize(const char* fileName, int size[2]) {
    try {
        return GetSize(fileName, size);
    } catch (...) {
        return 0;
    }
}

int ImageLoad(const char* fileName, uint32_t* pixels) {
    try {
        return Load(fileName, pixels);
    } catch (...) {
        return 0;
    }
}

int ImageSave(const char* fileName, const uint32_t* pixels, int width, int height) {
    try {
        return Save(fileName, pixels, width, height);
    } catch (...) {
        return 0;
    }
}

}  // extern "C"
