#include "editor/template/FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace zelt {

namespace {
struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
}  // namespace

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path) {
    FILE* raw = std::fopen(NativePath(path).c_str(), "rb");
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

bool WriteFileAtomic(const std::string& path, std::span<const uint8_t> bytes, std::string& error) {
    const std::string temp = path + ".zelt-tmp";
    FILE* raw = std::fopen(NativePath(temp).c_str(), "wb");
    if (!raw) {
        error = std::string("cannot create ") + temp + ": " + std::strerror(errno);
        return false;
    }
    bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), raw) == bytes.size();
    written = (std::fflush(raw) == 0) && written;
    const int savedErrno = errno;
    written = (std::fclose(raw) == 0) && written;
    if (!written) {
        error = std::string("cannot write ") + temp + ": " + std::strerror(savedErrno);
        std::remove(NativePath(temp).c_str());
        return false;
    }
    if (!ReplaceFileWith(temp, path)) {
        error = std::string("cannot replace ") + path + ": " + std::strerror(errno);
        std::remove(NativePath(temp).c_str());
        return false;
    }
    return true;
}

}  // namespace zelt
