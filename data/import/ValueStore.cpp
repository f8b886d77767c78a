// COvValueStore: chunk allocation from huge-page slabs.
#include "data/import/ValueStore.h"

#include <sys/mman.h>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace ov {
namespace {

constexpr std::size_t kSlabBytes =
    COvValueStore::kChunkValues * COvValueStore::kChunksPerSlab * sizeof(double);
static_assert(kSlabBytes == std::size_t{2} * 1024 * 1024, "a slab is one huge page");

}  // namespace

void COvValueStore::FreeSlab::operator()(double* slab) const
{
    std::free(slab);  // NOLINT(cppcoreguidelines-no-malloc): the slab came from aligned_alloc
}

void COvValueStore::NewChunk()
{
    // The first chunk stands alone, so a small file never asks for a whole slab.
    const bool alone = chunks_.empty();
    if (alone || (chunks_.size() - 1) % kChunksPerSlab == 0) {
        const std::size_t bytes = alone ? kChunkValues * sizeof(double) : kSlabBytes;
        // NOLINTNEXTLINE(cppcoreguidelines-no-malloc): aligned to the huge page, freed by FreeSlab
        std::unique_ptr<double[], FreeSlab> slab(
            static_cast<double*>(std::aligned_alloc(alone ? alignof(std::max_align_t) : kSlabBytes, bytes)));
        if (!slab) throw std::bad_alloc();
        if (!alone) (void)madvise(slab.get(), bytes, MADV_HUGEPAGE);  // only advice: 4 KiB pages also work
        slabs_.push_back(std::move(slab));
    }
    const std::size_t place = alone ? 0 : (chunks_.size() - 1) % kChunksPerSlab;
    current_ = slabs_.back().get() + place * kChunkValues;
    chunks_.push_back(current_);
    fill_ = 0;
}

}  // namespace ov
