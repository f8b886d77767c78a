// COvFileMapReadBlock: POSIX open/fstat/mmap/munmap with every failure turned into "no data".
#include "data/import/FileMapReadBlock.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <utility>

namespace ov {
namespace {

std::atomic<uint64_t> g_view_size_override{0};

}  // namespace

void SetFileMapViewSizeForTesting(uint64_t bytes)
{
    g_view_size_override = bytes;
}

MappedView::MappedView(MappedView&& other) noexcept
    : address_(std::exchange(other.address_, nullptr)), length_(std::exchange(other.length_, 0))
{
}

MappedView& MappedView::operator=(MappedView&& other) noexcept
{
    if (this != &other) {
        Unmap();
        address_ = std::exchange(other.address_, nullptr);
        length_ = std::exchange(other.length_, 0);
    }
    return *this;
}

MappedView::~MappedView()
{
    Unmap();
}

void MappedView::Unmap() noexcept
{
    if (address_ != nullptr) munmap(const_cast<void*>(address_), length_);
    address_ = nullptr;
    length_ = 0;
}

COvFileMapReadBlock::COvFileMapReadBlock(COvFileMapReadBlock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      file_size_(other.file_size_),
      view_size_(other.view_size_),
      view_(std::move(other.view_))
{
}

COvFileMapReadBlock::~COvFileMapReadBlock()
{
    view_ = MappedView();
    if (fd_ >= 0) close(fd_);
}

bool COvFileMapReadBlock::Open(const std::string& path)
{
    const uint64_t override_size = g_view_size_override.load();
    view_size_ = override_size != 0 ? override_size : kDefaultViewSize;
    fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return false;
    struct stat info {};
    if (fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) return false;
    file_size_ = static_cast<uint64_t>(info.st_size);
    return true;
}

std::string_view COvFileMapReadBlock::MapView(uint64_t index, bool* failed)
{
    view_ = MappedView();
    const uint64_t offset = index * view_size_;
    if (fd_ < 0 || offset >= file_size_) return {};
    const uint64_t rest = file_size_ - offset;
    const auto length = static_cast<std::size_t>(rest < view_size_ ? rest : view_size_);
    // Populating the whole view in one call costs far less than a page fault per few pages.
    void* address =
        mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd_, static_cast<off_t>(offset));
    if (address == MAP_FAILED) {
        if (failed != nullptr) *failed = true;
        return {};
    }
    // Read-ahead hints only: a refusal changes nothing but speed.
    (void)madvise(address, length, MADV_SEQUENTIAL);
    (void)madvise(address, length, MADV_WILLNEED);
    view_ = MappedView(address, length);
    return view_.Bytes();
}

}  // namespace ov
