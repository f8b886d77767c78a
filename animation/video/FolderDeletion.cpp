// FolderDeletion: openat/unlinkat with O_NOFOLLOW | O_DIRECTORY at every level, identity checks
// against "/" and the kept folders, and the device check that stops at mount points.
#include "animation/video/FolderDeletion.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>
#include <utility>

namespace ov {
namespace {

FolderDeletionHook& Hook()
{
    static FolderDeletionHook hook;
    return hook;
}

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0) close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool IsDotName(std::string_view name)
{
    return name == "." || name == "..";
}

// The names in a folder, without "." and "..". The descriptor stays the caller's.
bool ListNames(int folderFd, std::vector<std::string>& names)
{
    const int copy = fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
    if (copy < 0) return false;
    DIR* dir = fdopendir(copy);
    if (!dir) {
        close(copy);
        return false;
    }
    rewinddir(dir);
    while (const dirent* entry = readdir(dir))
        if (!IsDotName(entry->d_name) && std::strchr(entry->d_name, '/') == nullptr)
            names.emplace_back(entry->d_name);
    closedir(dir);
    return true;
}

// Whether the folder open as `childFd` (identity `child`) lies directly inside the folder `parent`:
// its ".." is that folder and it is not the folder itself.
bool IsChildOf(int childFd, const struct stat& child, const struct stat& parent)
{
    struct stat up {};
    return !SameFile(child, parent) && fstatat(childFd, "..", &up, AT_SYMLINK_NOFOLLOW) == 0 &&
           SameFile(up, parent);
}

// Empties the folder open as `folderFd` (whose path is `path`), staying on device `device`.
bool EmptyFolder(int folderFd, const std::string& path, dev_t device)
{
    struct stat self {};
    if (fstat(folderFd, &self) != 0) return false;
    std::vector<std::string> names;
    if (!ListNames(folderFd, names)) return false;
    bool complete = true;
    std::vector<std::string> folders;
    for (const std::string& name : names) {
        struct stat info {};
        const bool known = fstatat(folderFd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
        if (known && S_ISDIR(info.st_mode)) {
            folders.push_back(name);
            continue;
        }
        // A link is removed as a link: its target is never reached.
        if (!known || unlinkat(folderFd, name.c_str(), 0) != 0) complete = false;
    }
    for (const std::string& name : folders) {
        std::string child = path;
        child.append("/").append(name);
        if (Hook()) Hook()(child);
        const Fd childFd(openat(folderFd, name.c_str(), kFolderFlags));
        if (childFd.get() < 0) {
            // Replaced by a link or a file since it was listed: remove that entry as it now is.
            if ((errno == ELOOP || errno == ENOTDIR) && unlinkat(folderFd, name.c_str(), 0) == 0) continue;
            complete = false;
            continue;
        }
        struct stat info {};
        if (fstat(childFd.get(), &info) != 0 || info.st_dev != device) {
            complete = false;  // a mount point: another filesystem is never entered
            continue;
        }
        if (!IsChildOf(childFd.get(), info, self)) {
            complete = false;  // never this folder again, nor anything above it
            continue;
        }
        if (!EmptyFolder(childFd.get(), child, device)) complete = false;
        if (unlinkat(folderFd, name.c_str(), AT_REMOVEDIR) != 0) complete = false;
    }
    return complete;
}

bool IsKept(const struct stat& folder, const std::vector<std::string>& kept)
{
    for (const std::string& path : kept) {
        struct stat info {};
        if (!path.empty() && stat(path.c_str(), &info) == 0 && SameFile(info, folder)) return true;
    }
    return false;
}

}  // namespace

FolderDeletionHook SetFolderDeletionHookForTesting(FolderDeletionHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

FolderDeletion DeleteFolderTree(const std::string& folder, const std::vector<std::string>& kept)
{
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    if (path.empty() || path.front() != '/') return FolderDeletion::kRefusedName;
    if (path == "/") return FolderDeletion::kRefusedRoot;
    const std::size_t slash = path.rfind('/');
    const std::string name = path.substr(slash + 1);
    const std::string parent = slash == 0 ? "/" : path.substr(0, slash);
    if (IsDotName(name)) return FolderDeletion::kRefusedName;

    // The parent is the host's choice and may be reached through links; the folder itself may not.
    const Fd parentFd(open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (parentFd.get() < 0) return errno == ENOENT ? FolderDeletion::kMissing : FolderDeletion::kIncomplete;
    struct stat entry {};
    if (fstatat(parentFd.get(), name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? FolderDeletion::kMissing : FolderDeletion::kIncomplete;
    if (S_ISLNK(entry.st_mode)) return FolderDeletion::kRefusedLink;
    if (!S_ISDIR(entry.st_mode)) return FolderDeletion::kNotAFolder;
    const Fd folderFd(openat(parentFd.get(), name.c_str(), kFolderFlags));
    if (folderFd.get() < 0)
        return errno == ELOOP ? FolderDeletion::kRefusedLink : FolderDeletion::kIncomplete;

    struct stat self {};
    struct stat root {};
    if (fstat(folderFd.get(), &self) != 0 || stat("/", &root) != 0) return FolderDeletion::kIncomplete;
    if (SameFile(self, root)) return FolderDeletion::kRefusedRoot;
    if (IsKept(self, kept)) return FolderDeletion::kRefusedKept;

    const bool emptied = EmptyFolder(folderFd.get(), path, self.st_dev);
    if (!emptied || unlinkat(parentFd.get(), name.c_str(), AT_REMOVEDIR) != 0)
        return FolderDeletion::kIncomplete;
    return FolderDeletion::kDeleted;
}

}  // namespace ov
