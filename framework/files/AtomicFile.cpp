// AtomicFile: temporary file beside the target, write, fsync, rename, fsync of the folder.
#include "framework/files/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <utility>

namespace ov {
namespace {

constexpr std::size_t kChunkBytes = 1 << 16;
constexpr int kNameAttempts = 100;

std::mutex faultMutex;
AtomicWriteFault& FaultHook()
{
    static AtomicWriteFault hook;
    return hook;
}

int InjectedError(AtomicWriteStep step)
{
    AtomicWriteFault hook;
    {
        const std::lock_guard lock(faultMutex);
        hook = FaultHook();
    }
    return hook ? hook(step) : 0;
}

// The file a write lands in: the target of a symbolic link, else the path itself.
int ResolveTarget(const std::filesystem::path& path, std::filesystem::path& target)
{
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        target = path;
        return 0;
    }
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) == nullptr) return errno;
    target = resolved;
    return 0;
}

// Creates "<folder>/.<name>.<pid>-<n>.tmp" exclusively; the umask applies to its 0666 mode.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temporary, int& fd)
{
    static std::atomic<unsigned> serial{0};
    const std::filesystem::path folder = target.parent_path();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = "." + target.filename().string() + "." + std::to_string(getpid()) + "-" +
                                 std::to_string(serial++) + ".tmp";
        temporary = folder.empty() ? std::filesystem::path(name) : folder / name;
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return 0;
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
}

int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        if (const int injected = InjectedError(AtomicWriteStep::kWrite)) return injected;
        const std::size_t chunk = std::min(bytes.size(), kChunkBytes);
        const ssize_t wrote = write(fd, bytes.data(), chunk);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote < 0) return errno;
        bytes.remove_prefix(static_cast<std::size_t>(wrote));
    }
    return 0;
}

// Data, permission bits of the file it replaces, flush to disk.
int FillTemporary(int fd, const std::filesystem::path& target, std::string_view bytes)
{
    if (const int failed = WriteAll(fd, bytes)) return failed;
    struct stat old {};
    if (stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode) && fchmod(fd, old.st_mode & 07777) != 0)
        return errno;
    if (const int injected = InjectedError(AtomicWriteStep::kSync)) return injected;
    return fsync(fd) == 0 ? 0 : errno;
}

// Makes the rename itself durable. A failure here is not reported: the new content is already in
// place, and the caller could do nothing better with the old one gone.
void SyncFolder(const std::filesystem::path& target)
{
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

std::string FileWriteResult::Message() const
{
    return std::strerror(error);
}

AtomicWriteFault SetAtomicWriteFaultForTesting(AtomicWriteFault fault)
{
    const std::lock_guard lock(faultMutex);
    return std::exchange(FaultHook(), std::move(fault));
}

FileWriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes)
{
    std::filesystem::path target;
    if (const int failed = ResolveTarget(path, target)) return {failed};
    if (const int injected = InjectedError(AtomicWriteStep::kCreate)) return {injected};
    std::filesystem::path temporary;
    int fd = -1;
    if (const int failed = CreateTemporary(target, temporary, fd)) return {failed};
    int failed = FillTemporary(fd, target, bytes);
    if (close(fd) != 0 && failed == 0) failed = errno;
    if (failed == 0) failed = InjectedError(AtomicWriteStep::kRename);
    if (failed == 0 && rename(temporary.c_str(), target.c_str()) != 0) failed = errno;
    if (failed != 0) {
        unlink(temporary.c_str());
        return {failed};
    }
    SyncFolder(target);
    return {};
}

}  // namespace ov
