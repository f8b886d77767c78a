// COvFileMapReadBlock: read-only access to a file through mmap views of a fixed size (64 MiB by
// default) at offsets that are multiples of that size. Views are unmapped and the file closed by RAII.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ov {

// One mapped window of a file; unmapped when destroyed or replaced.
class MappedView {
public:
    MappedView() = default;
    MappedView(const void* address, std::size_t length) : address_(address), length_(length) {}
    MappedView(MappedView&& other) noexcept;
    MappedView& operator=(MappedView&& other) noexcept;
    MappedView(const MappedView&) = delete;
    MappedView& operator=(const MappedView&) = delete;
    ~MappedView();

    std::string_view Bytes() const { return {static_cast<const char*>(address_), length_}; }
    bool IsMapped() const { return address_ != nullptr; }

private:
    void Unmap() noexcept;
    const void* address_ = nullptr;
    std::size_t length_ = 0;
};

class COvFileMapReadBlock {
public:
    // 1,024 allocation granules of 64 KiB.
    static constexpr uint64_t kDefaultViewSize = uint64_t{64} * 1024 * 1024;

    COvFileMapReadBlock() = default;
    COvFileMapReadBlock(COvFileMapReadBlock&& other) noexcept;
    COvFileMapReadBlock& operator=(COvFileMapReadBlock&&) = delete;
    COvFileMapReadBlock(const COvFileMapReadBlock&) = delete;
    COvFileMapReadBlock& operator=(const COvFileMapReadBlock&) = delete;
    ~COvFileMapReadBlock();

    // Opens an existing regular file read-only; false on any failure.
    bool Open(const std::string& path);
    uint64_t FileSize() const { return file_size_; }
    uint64_t ViewSize() const { return view_size_; }

    // The bytes of view `index` (the view size, or the rest of the file for the last one); empty
    // when the index is past the end or mapping fails (then *failed is set).
    std::string_view MapView(uint64_t index, bool* failed);
    void UnmapView() { view_ = MappedView(); }

private:
    int fd_ = -1;
    uint64_t file_size_ = 0;
    uint64_t view_size_ = kDefaultViewSize;
    MappedView view_;
};

// View size used by readers opened from now on; 0 restores the default. Tests use a page-sized view
// to cross view boundaries with small files. Must be a multiple of the page size.
void SetFileMapViewSizeForTesting(uint64_t bytes);

}  // namespace ov
