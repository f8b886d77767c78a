// MappedValues: mapping with an alignment by mapping more and returning the unaligned ends.
#include "data/import/MappedValues.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <new>

namespace ov {
namespace {

std::size_t PageBytes()
{
    static const std::size_t page = [] {
        const long size = sysconf(_SC_PAGESIZE);
        return size > 0 ? static_cast<std::size_t>(size) : std::size_t{4096};
    }();
    return page;
}

}  // namespace

std::size_t PageRounded(std::size_t bytes)
{
    const std::size_t page = PageBytes();
    return (bytes + page - 1) / page * page;
}

void UnmapValues::operator()(double* values) const
{
    if (values != nullptr && bytes > 0) (void)munmap(values, bytes);  // fails only for a bad range
}

MappedValues MapValues(std::size_t bytes, std::size_t align)
{
    const std::size_t length = PageRounded(bytes);
    const std::size_t extra = align > PageBytes() ? align : 0;
    if (length == 0 || length + extra < length) throw std::bad_alloc();
    void* raw = mmap(nullptr, length + extra, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) throw std::bad_alloc();
    auto* bytes_at = static_cast<char*>(raw);
    const std::size_t head = extra == 0 ? 0 : (align - reinterpret_cast<uintptr_t>(raw) % align) % align;
    if (head > 0) (void)munmap(bytes_at, head);
    if (extra > head) (void)munmap(bytes_at + head + length, extra - head);
    if (align == kHugePageBytes) (void)madvise(bytes_at + head, length, MADV_HUGEPAGE);  // advice only
    return MappedValues(reinterpret_cast<double*>(bytes_at + head), UnmapValues{length});
}

}  // namespace ov
