#include "editor/template/FileBytes.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <thread>

namespace zelt {

namespace {
struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
}  // namespace

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path) {
    FILE* raw = OpenFileForReading(path);
    if (!raw) return std::nullopt;
    std::unique_ptr<FILE, FileCloser> file(raw);
    if (std::fseek(raw, 0, SEEK_END) != 0) return std::nullopt;
    long long size = ftello(raw);
    if (size < 0 || std::fseek(raw, 0, SEEK_SET) != 0) return std::nullopt;
    std::vector<uint8_t> bytes;
    try {
        bytes.resize(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    if (!bytes.empty() && std::fread(bytes.data(), 1, bytes.size(), raw) != bytes.size()) return std::nullopt;
    return bytes;
}

std::string TemporaryFileFor(const std::string& path, unsigned long processId, unsigned counter) {
    const size_t slash = path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    char name[32];
    std::snprintf(name, sizeof name, "~z%lx-%x.tmp", processId, counter);
    return folder + name;
}

bool WriteFileAtomic(const std::string& path, std::span<const uint8_t> bytes, std::string& error) {
    if (IsReadOnlyFile(path)) {
        error = "cannot replace " + path + ": the file is read-only";
        return false;
    }
    static unsigned counter = 0;
    const std::string temp = TemporaryFileFor(path, CurrentProcessId(), ++counter);
    std::string reason;
    if (!WriteFileThrough(temp, bytes, reason)) {
        error = "cannot write " + temp + ": " + reason;
        RemoveFile(temp);
        return false;
    }
    // Virus scanners and previews open a file just written for a moment: wait for them a little.
    constexpr int kAttempts = 11;
    for (int attempt = 1;; ++attempt) {
        bool retry = false;
        if (ReplaceFileWith(temp, path, reason, retry)) return true;
        if (!retry || attempt == kAttempts) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    error = "cannot replace " + path + ": " + reason;
    RemoveFile(temp);
    return false;
}

}  // namespace zelt
