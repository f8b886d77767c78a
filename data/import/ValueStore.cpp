// COvValueStore: chunk allocation from huge-page slabs.
#include "data/import/ValueStore.h"

#include <atomic>
#include <cstddef>
#include <new>

namespace ov {
namespace {

constexpr std::size_t kSlabBytes =
    COvValueStore::kChunkValues * COvValueStore::kChunksPerSlab * sizeof(double);
static_assert(kSlabBytes == std::size_t{2} * 1024 * 1024, "a slab is one huge page");

// The injected failure: each thread counts its own allocations since the hook was last set, so which
// thread fails does not depend on how the threads happen to interleave.
std::atomic<uint64_t> g_failing_allocation{0};  // 0: no failure injected
std::atomic<uint64_t> g_hook_generation{0};
std::atomic<std::thread::id> g_failure_thread{};

struct ThreadAllocations {
    uint64_t generation = 0;
    uint64_t count = 0;
};
thread_local ThreadAllocations t_allocations;

// Counts one allocation of this thread; true for the one that is to fail.
bool InjectedFailure()
{
    const uint64_t nth = g_failing_allocation.load(std::memory_order_relaxed);
    if (nth == 0) return false;
    const uint64_t generation = g_hook_generation.load();
    if (t_allocations.generation != generation) t_allocations = {generation, 0};
    if (++t_allocations.count != nth) return false;
    g_failure_thread = std::this_thread::get_id();
    return true;
}

}  // namespace

void COvValueStore::NewChunk()
{
    // The first chunk stands alone, so a small file never asks for a whole slab.
    const bool alone = chunks_.empty();
    if (alone || (chunks_.size() - 1) % kChunksPerSlab == 0) {
        if (InjectedFailure()) throw std::bad_alloc();
        // Huge pages are only advice: 4 KiB pages also work.
        slabs_.push_back(alone ? MapValues(kChunkValues * sizeof(double), 0)
                               : MapValues(kSlabBytes, kHugePageBytes));
    }
    const std::size_t place = alone ? 0 : (chunks_.size() - 1) % kChunksPerSlab;
    current_ = slabs_.back().get() + place * kChunkValues;
    chunks_.push_back(current_);
    fill_ = 0;
}

void FailValueStoreAllocationForTesting(uint64_t nth)
{
    ++g_hook_generation;
    g_failing_allocation = nth;
}

std::thread::id ValueStoreFailureThreadForTesting()
{
    return g_failure_thread.load();
}

}  // namespace ov
