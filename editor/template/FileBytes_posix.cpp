#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "editor/template/FileBytes.h"

namespace zelt {

std::string NativePath(const std::string& path) {
    std::string native = path;
    for (char& c : native) {
        if (c == '\\') c = '/';
    }
    return native;
}

std::FILE* OpenFileForReading(const std::string& path) { return std::fopen(NativePath(path).c_str(), "rb"); }

std::filesystem::path FileSystemPath(const std::string& path) { return std::filesystem::path(NativePath(path)); }

std::string TextOfFileSystemPath(const std::filesystem::path& path) { return path.string(); }

// The owner's write permission decides, also for a process that could write anyway (root).
bool IsReadOnlyFile(const std::string& path) {
    struct stat info{};
    return stat(NativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode) && !(info.st_mode & S_IWUSR);
}

unsigned long CurrentProcessId() { return static_cast<unsigned long>(getpid()); }

bool WriteFileThrough(const std::string& path, std::span<const uint8_t> bytes, std::string& reason) {
    const int fd = open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    const bool written = done == bytes.size() && fsync(fd) == 0;
    if (!written) reason = std::strerror(errno);
    if (close(fd) != 0 && written) {
        reason = std::strerror(errno);
        return false;
    }
    return written;
}

bool ReplaceFileWith(const std::string& from, const std::string& to, std::string& reason, bool& retry) {
    retry = false;
    struct stat target{};
    if (stat(NativePath(to).c_str(), &target) == 0 && S_ISREG(target.st_mode))
        chmod(NativePath(from).c_str(), target.st_mode & 07777);
    if (std::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0) return true;
    reason = std::strerror(errno);
    return false;
}

void RemoveFile(const std::string& path) { std::remove(NativePath(path).c_str()); }

}  // namespace zelt
