#include "iconhandler/StreamBytes_win.h"

#include <windows.h>

#include "common/WinHandles.h"
#include "iconhandler/PaletteFile_win.h"

namespace zelt::icon {

bool ReadStreamBytes(IStream* stream, int64_t maxBytes, std::vector<uint8_t>& bytes, std::string& name) {
    bytes.clear();
    name.clear();
    if (stream == nullptr) return false;
    STATSTG stat = {};
    if (SUCCEEDED(stream->Stat(&stat, STATFLAG_DEFAULT))) {
        UniqueTaskMemory owned(stat.pwcsName);
        if (stat.pwcsName != nullptr) name = NarrowName(stat.pwcsName);
        // The size is only a hint (a stream may not know it); the reads below decide.
        if (stat.cbSize.QuadPart > static_cast<ULONGLONG>(maxBytes)) return false;
        bytes.reserve(static_cast<size_t>(stat.cbSize.QuadPart));
    }
    constexpr ULONG kChunk = 1 << 16;
    for (;;) {
        const size_t used = bytes.size();
        if (static_cast<int64_t>(used) > maxBytes) break;
        bytes.resize(used + kChunk);
        ULONG read = 0;
        const HRESULT result = stream->Read(bytes.data() + used, kChunk, &read);
        bytes.resize(used + read);
        if (FAILED(result)) break;
        if (read == 0) return static_cast<int64_t>(bytes.size()) <= maxBytes;
    }
    bytes.clear();
    return false;
}

HRESULT InitializeFromStream(IStream* stream, int64_t maxBytes, StreamTemplate& file) {
    if (stream == nullptr) return E_INVALIDARG;
    if (file.initialized) return HRESULT_FROM_WIN32(ERROR_ALREADY_INITIALIZED);
    try {
        ReadStreamBytes(stream, maxBytes, file.bytes, file.name);
    } catch (...) {
        file = {};
        return E_OUTOFMEMORY;
    }
    file.initialized = true;
    return S_OK;
}

}  // namespace zelt::icon
