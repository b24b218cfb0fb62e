// Pictor.Dll: image files to and from arrays of 0x00RRGGBB pixels through GDI+. Between
// ImageInit and ImageUnInit the library holds GDI+, the two filter strings and one name buffer.
#include "pictor/Pictor.h"

#include <windows.h>

#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "common/WinHandles.h"
#include "pictor/FormatList.h"
#include "pictor/GdiPlusOwners.h"

namespace zelt::pictor {

namespace {

inline void ReleaseStream(IStream* stream) { stream->Release(); }
using UniqueStream = Owned<NullHandle<IStream*, ReleaseStream>>;

// An image decoded from a copy of its file's bytes in memory, so the file itself is not held open.
// The stream is what GDI+ reads the bitmap from; it must outlive the bitmap.
struct DecodedImage {
    std::wstring name;
    UniqueStream stream;
    GdiPlusBitmap bitmap;
    UINT width = 0;
    UINT height = 0;
};

struct Library {
    GdiPlusSession gdiPlus;
    std::string openFilter;
    std::string saveFilter;
    // The image ImageGetSize decoded, kept for the ImageLoad of the same name that follows: the
    // size the caller allocated for and the pixels it gets come from one decoding, even when the file
    // changes in between. Declared after the session, so it goes before GDI+ shuts down.
    std::unique_ptr<DecodedImage> sized;
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
// cut, since the cut name would read or overwrite some other file. Names are UTF-8, as the programs
// that use the library give them; one that is not valid UTF-8 is read in the process's code page.
struct WideName {
    std::array<WCHAR, 512> text{};
    int length = 0;

    bool From(const char* fileName) {
        int written = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, fileName, -1, text.data(),
                                          static_cast<int>(text.size()));
        if (written == 0 && GetLastError() == ERROR_NO_UNICODE_TRANSLATION)
            written = MultiByteToWideChar(CP_ACP, 0, fileName, -1, text.data(), static_cast<int>(text.size()));
        length = written - 1;
        return written > 0;
    }
    std::wstring_view View() const { return {text.data(), static_cast<size_t>(length)}; }
};

bool FileExists(const char* fileName) {
    WideName name;
    return name.From(fileName) && GetFileAttributesW(name.text.data()) != INVALID_FILE_ATTRIBUTES;
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

// The file's bytes in a stream of their own; none when the file cannot be read whole.
UniqueStream StreamOfFile(const WCHAR* name) {
    const UniqueFile file(CreateFileW(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 || size.QuadPart > 0x7FFFFFFF)
        return UniqueStream();
    const DWORD bytes = static_cast<DWORD>(size.QuadPart);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return UniqueStream();
    void* data = GlobalLock(memory);
    DWORD read = 0;
    const bool whole = data && ReadFile(file.Get(), data, bytes, &read, nullptr) && read == bytes;
    if (data) GlobalUnlock(memory);
    UniqueStream stream;
    // The stream frees the memory when it goes.
    if (!whole || CreateStreamOnHGlobal(memory, TRUE, stream.Out()) != S_OK) {
        GlobalFree(memory);
        return UniqueStream();
    }
    return stream;
}

// The image of the file, decoded once; an image of 0 x 0 when the file is not a readable image.
std::unique_ptr<DecodedImage> Decode(const WideName& wide) {
    auto image = std::make_unique<DecodedImage>();
    image->name = std::wstring(wide.View());
    image->stream = StreamOfFile(wide.text.data());
    if (!image->stream ||
        gp::GdipCreateBitmapFromStream(image->stream.Get(), image->bitmap.Out()) != Gdiplus::Ok ||
        gp::GdipGetImageWidth(image->bitmap.Get(), &image->width) != Gdiplus::Ok ||
        gp::GdipGetImageHeight(image->bitmap.Get(), &image->height) != Gdiplus::Ok) {
        image->bitmap.Reset();
        image->width = image->height = 0;
    }
    return image;
}

int GetSize(const char* fileName, int size[2]) {
    if (!g_library || fileName == nullptr || size == nullptr || !FileExists(fileName)) return 0;
    WideName wide;
    if (!wide.From(fileName)) return 0;
    g_library->sized.reset();
    std::unique_ptr<DecodedImage> image = Decode(wide);
    size[0] = static_cast<int>(image->width);
    size[1] = static_cast<int>(image->height);
    if (image->bitmap) g_library->sized = std::move(image);
    return 1;
}

int Load(const char* fileName, uint32_t* pixels) {
    if (!g_library || fileName == nullptr || pixels == nullptr || !FileExists(fileName)) return 0;
    WideName wide;
    if (!wide.From(fileName)) return 0;
    // The image the size was read from; a caller that did not ask for the size gets a fresh one.
    std::unique_ptr<DecodedImage> image = std::move(g_library->sized);
    if (!image || image->name != wide.View()) image = Decode(wide);
    if (!image->bitmap) return 0;
    const UINT width = image->width;
    const UINT height = image->height;
    const LockedPixels locked(image->bitmap, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB,
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
