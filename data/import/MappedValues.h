// MappedValues: doubles in an anonymous memory mapping of their own. The value store's slabs and the
// reader's matrix live in such mappings, so that releasing one returns its address space and pages
// to the system at once (memory freed to the heap would stay with the process).
#pragma once
#include <cstddef>
#include <memory>

namespace ov {

// Unmaps `bytes` (whole pages) at the pointer; a default one (no bytes) unmaps nothing.
struct UnmapValues {
    std::size_t bytes = 0;
    void operator()(double* values) const;
};
using MappedValues = std::unique_ptr<double[], UnmapValues>;

constexpr std::size_t kHugePageBytes = std::size_t{2} * 1024 * 1024;

// `bytes` rounded up to whole pages of the system.
std::size_t PageRounded(std::size_t bytes);

// Maps `bytes` (rounded up to pages) of zeroed memory at an address that is a multiple of `align` (a
// power of two; a page or less means any page); huge pages are asked for when `align` is a huge page.
// Throws std::bad_alloc when the system refuses.
MappedValues MapValues(std::size_t bytes, std::size_t align);

}  // namespace ov
