#include <windows.h>

#include <algorithm>

#include "common/WinHandles.h"
#include "editor/template/FileBytes.h"
#include "editor/template/WideText_win.h"

namespace zelt {

namespace {

// The path in wide characters and fully qualified; one as long as the limit or longer gets the prefix
// that lifts the limit, so the temporary file beside a target of 259 characters can still be written.
std::wstring WidePath(const std::string& path) {
    std::wstring wide = WideFromText(path);
    // A relative name (the command-line tool takes them) made full, as ReplaceFile wants.
    const DWORD full = wide.empty() ? 0 : GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (full > 0) {
        std::wstring absolute(full, L'\0');
        const DWORD written = GetFullPathNameW(wide.c_str(), full, absolute.data(), nullptr);
        if (written > 0 && written < full) wide.assign(absolute.c_str(), written);
    }
    if (wide.size() < MAX_PATH) return wide;
    if (wide.size() > 2 && wide[1] == L':' && wide[2] == L'\\') return L"\\\\?\\" + wide;
    if (wide.size() > 2 && wide[0] == L'\\' && wide[1] == L'\\' && wide[2] != L'?')
        return L"\\\\?\\UNC\\" + wide.substr(2);
    return wide;
}

std::string ReasonOf(DWORD code) {
    char text[256] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                        0, text, sizeof text, nullptr);
    std::string reason(text, length);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' '))
        reason.pop_back();
    return reason.empty() ? "error " + std::to_string(code) : reason;
}

// The answers of a file another program holds open (or is deleting) at the moment.
bool HeldByAnotherProgram(DWORD code) {
    return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION || code == ERROR_ACCESS_DENIED ||
           code == ERROR_UNABLE_TO_REMOVE_REPLACED || code == ERROR_UNABLE_TO_MOVE_REPLACEMENT;
}

}  // namespace

std::string NativePath(const std::string& path) { return path; }

std::FILE* OpenFileForReading(const std::string& path) { return _wfopen(WidePath(path).c_str(), L"rb"); }

std::filesystem::path FileSystemPath(const std::string& path) { return std::filesystem::path(WideFromText(path)); }

std::string TextOfFileSystemPath(const std::filesystem::path& path) { return TextFromWide(path.native()); }

bool IsReadOnlyFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           (attributes & FILE_ATTRIBUTE_READONLY);
}

unsigned long CurrentProcessId() { return GetCurrentProcessId(); }

bool WriteFileThrough(const std::string& path, std::span<const uint8_t> bytes, std::string& reason) {
    const UniqueFile file(CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        reason = ReasonOf(GetLastError());
        return false;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file.Get(), bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            reason = ReasonOf(GetLastError());
            return false;
        }
        done += written;
    }
    // What the system still caches would be lost with the power: on the disk before it replaces anything.
    if (!FlushFileBuffers(file.Get())) {
        reason = ReasonOf(GetLastError());
        return false;
    }
    return true;
}

// ReplaceFile keeps the target's attributes, security and creation time; a target that is not there
// (yet) is a plain move.
bool ReplaceFileWith(const std::string& from, const std::string& to, std::string& reason, bool& retry) {
    retry = false;
    const std::wstring source = WidePath(from);
    const std::wstring target = WidePath(to);
    DWORD code = ERROR_FILE_NOT_FOUND;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (ReplaceFileW(target.c_str(), source.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                         nullptr)) {
            // Not every implementation carries the attributes over (Wine's does not): set them again.
            constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                    FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
            if (attributes & kKept) SetFileAttributesW(target.c_str(), attributes & kKept);
            return true;
        }
        code = GetLastError();
    }
    if (code == ERROR_FILE_NOT_FOUND) {
        if (MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        code = GetLastError();
    }
    retry = HeldByAnotherProgram(code) && !(attributes != INVALID_FILE_ATTRIBUTES &&
                                            (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)));
    reason = ReasonOf(code);
    return false;
}

void RemoveFile(const std::string& path) { DeleteFileW(WidePath(path).c_str()); }

}  // namespace zelt
