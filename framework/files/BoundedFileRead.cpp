// BoundedFileRead: open without blocking, refuse what is not a regular file, cap before allocating.
#include "framework/files/BoundedFileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace ov {
namespace {

FileReadFailure FailureOfOpen(int error)
{
    return error == ENOENT || error == ENOTDIR ? FileReadFailure::kMissing : FileReadFailure::kUnreadable;
}

class FdCloser {
public:
    explicit FdCloser(int fd) : fd_(fd) {}
    ~FdCloser() { close(fd_); }
    FdCloser(const FdCloser&) = delete;
    FdCloser& operator=(const FdCloser&) = delete;

private:
    int fd_;
};

FileReadResult Failed(FileReadFailure failure, int error = 0)
{
    FileReadResult result;
    result.failure = failure;
    result.error = error;
    return result;
}

}  // namespace

int OpenRegularFile(const std::filesystem::path& path, FileReadFailure& failure, int& error)
{
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        failure = FailureOfOpen(error);
        return -1;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        failure = FileReadFailure::kNotAFile;
        close(fd);
        return -1;
    }
    failure = FileReadFailure::kNone;
    error = 0;
    return fd;
}

FileReadResult ReadFileBounded(const std::filesystem::path& path, std::size_t maxBytes)
{
    FileReadFailure failure = FileReadFailure::kNone;
    int error = 0;
    const int fd = OpenRegularFile(path, failure, error);
    if (fd < 0) return Failed(failure, error);
    const FdCloser closer(fd);
    struct stat info {};
    if (fstat(fd, &info) != 0) return Failed(FileReadFailure::kUnreadable, errno);
    if (info.st_size < 0 || static_cast<unsigned long long>(info.st_size) > maxBytes)
        return Failed(FileReadFailure::kTooLarge, EFBIG);
    FileReadResult result;
    result.bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    // The file may grow or shrink while it is read: stop at its end, refuse it past the cap.
    for (;;) {
        if (filled == result.bytes.size()) {
            if (filled >= maxBytes) {
                char probe = 0;
                const ssize_t more = read(fd, &probe, 1);
                if (more < 0 && errno == EINTR) continue;
                if (more < 0) return Failed(FileReadFailure::kUnreadable, errno);
                if (more > 0) return Failed(FileReadFailure::kTooLarge, EFBIG);
                break;
            }
            result.bytes.resize(std::min(maxBytes, filled + 4096));
        }
        const ssize_t got = read(fd, result.bytes.data() + filled, result.bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return Failed(FileReadFailure::kUnreadable, errno);
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    result.bytes.resize(filled);
    return result;
}

}  // namespace ov
