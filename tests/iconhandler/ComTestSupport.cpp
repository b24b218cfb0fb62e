#include "tests/iconhandler/ComTestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "tests/iconhandler/IconTestFiles.h"

namespace zelt::icon::test {

const CLSID kHandlerClsid = {0x6f0a3c52, 0x8e1d, 0x4b7a, {0x9c, 0x35, 0x2d, 0x41, 0xe8, 0xb7, 0xa9, 0x13}};
const CLSID kThumbnailClsid = {0x3b7e4d21, 0x6a9c, 0x4f18, {0xb2, 0xd5, 0x7c, 0x0e, 0x91, 0xa4, 0xf6, 0xd3}};
const CLSID kPreviewClsid = {0xa4c81f9e, 0x2d37, 0x4b6a, {0x8e, 0x05, 0x5f, 0x93, 0xb1, 0xd7, 0xc2, 0xe8}};

namespace {

// The build hands over a host path; under Wine the host's root is drive Z:.
std::string WindowsPath(std::string path) {
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path.size() > 1 && path[1] == ':' ? path : "Z:" + path;
}

void Require(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(what);
}

HandlerLibrary Load() {
    HandlerLibrary lib;
    char temp[MAX_PATH] = {};
    Require(GetTempPathA(MAX_PATH, temp) != 0, "temp folder");
    lib.folder = std::string(temp) + "zelt-icon-" + std::to_string(GetCurrentProcessId()) + "\\";
    for (const char* sub : {"", "Palettes\\", "Palettes\\TS_FS\\", "Palettes\\RA2_YR\\"}) {
        CreateDirectoryA((lib.folder + sub).c_str(), nullptr);
    }
    const std::vector<uint8_t> palette = TestPaletteBytes();
    for (const char* name :
         {"TS_FS\\IsoTem.pal", "TS_FS\\IsoSno.pal", "RA2_YR\\IsoTem.pal", "RA2_YR\\IsoUbn.pal"}) {
        WriteBytes(lib.folder + "Palettes\\" + name, palette.data(), palette.size());
    }
    lib.file = lib.folder + "Zelt_IconHandler.dll";
    Require(CopyFileA(WindowsPath(ZELT_ICON_HANDLER_DLL).c_str(), lib.file.c_str(), FALSE),
            "copy of the library");
    lib.module = LoadLibraryA(lib.file.c_str());
    Require(lib.module != nullptr, "LoadLibrary");
    auto bind = [&](const char* name) {
        FARPROC f = GetProcAddress(lib.module, name);
        Require(f != nullptr, name);
        return reinterpret_cast<void (*)()>(f);
    };
    lib.getClassObject = reinterpret_cast<GetClassObjectFn>(bind("DllGetClassObject"));
    lib.canUnloadNow = reinterpret_cast<PlainExportFn>(bind("DllCanUnloadNow"));
    lib.registerServer = reinterpret_cast<PlainExportFn>(bind("DllRegisterServer"));
    lib.unregisterServer = reinterpret_cast<PlainExportFn>(bind("DllUnregisterServer"));
    return lib;
}

HandlerLibrary* g_library = nullptr;

class LibraryCleanup : public ::testing::Environment {
  public:
    void TearDown() override {
        if (g_library == nullptr) return;
        FreeLibrary(g_library->module);
        const std::string& f = g_library->folder;
        for (const char* name :
             {"Palettes\\TS_FS\\IsoTem.pal", "Palettes\\TS_FS\\IsoSno.pal", "Palettes\\RA2_YR\\IsoTem.pal",
              "Palettes\\RA2_YR\\IsoUbn.pal", "Zelt_IconHandler.dll"}) {
            DeleteFileA((f + name).c_str());
        }
        for (const char* sub : {"Palettes\\TS_FS", "Palettes\\RA2_YR", "Palettes", ""}) {
            RemoveDirectoryA((f + sub).c_str());
        }
        delete g_library;
        g_library = nullptr;
    }
};

const bool g_cleanupRegistered = (::testing::AddGlobalTestEnvironment(new LibraryCleanup), true);

}  // namespace

const HandlerLibrary& Library() {
    if (g_library == nullptr) g_library = new HandlerLibrary(Load());
    return *g_library;
}

void WriteBytes(const std::string& path, const void* data, size_t size) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    Require(file != INVALID_HANDLE_VALUE, "create file");
    DWORD written = 0;
    const BOOL ok = WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
    Require(ok && written == size, "write file");
}

}  // namespace zelt::icon::test
