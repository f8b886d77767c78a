// COvValueStore: the growing list of doubles the tokenizer fills, kept in fixed chunks of 65,536
// values so that large files never reallocate or copy what was already read. Chunks are cut from
// 2 MiB slabs that ask for huge pages: a large file then costs one page fault per slab rather than
// one per 4 KiB, which was a quarter of the reader's time. Slabs are mappings of their own, so a
// drained slab gives its memory back at once.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "data/import/MappedValues.h"

namespace ov {

class COvValueStore {
public:
    static constexpr std::size_t kChunkValues = 65536;
    static constexpr std::size_t kChunksPerSlab = 4;

    void Append(double value)
    {
        if (fill_ == kChunkValues || !current_) NewChunk();
        current_[fill_++] = value;
    }
    // For a writer that keeps its cursor in a register: the free slots of the current chunk (at
    // least one) and their number; Commit then takes the `written` first of them.
    double* Room(std::size_t& room)
    {
        if (fill_ == kChunkValues || !current_) NewChunk();
        room = kChunkValues - fill_;
        return current_ + fill_;
    }
    void Commit(std::size_t written) { fill_ += written; }
    uint64_t Count() const { return chunks_.empty() ? 0 : (chunks_.size() - 1) * kChunkValues + fill_; }

    // Calls fn(value) for the first `limit` values in order; returns how many were visited.
    template <typename Fn>
    uint64_t ForEach(uint64_t limit, Fn&& fn) const
    {
        uint64_t visited = 0;
        for (std::size_t c = 0; c < chunks_.size() && visited < limit; ++c) {
            const double* chunk = chunks_[c];
            const uint64_t in_chunk = c + 1 == chunks_.size() ? fill_ : kChunkValues;
            const uint64_t take = in_chunk < limit - visited ? in_chunk : limit - visited;
            for (uint64_t i = 0; i < take; ++i) fn(chunk[i]);
            visited += take;
        }
        return visited;
    }

    // Calls fn(values, count) for the chunks holding the first `limit` values, in order, and returns
    // each slab to the system as soon as its chunks were visited; the store is empty afterwards.
    template <typename Fn>
    void Drain(uint64_t limit, Fn&& fn)
    {
        uint64_t visited = 0;
        for (std::size_t c = 0; c < chunks_.size() && visited < limit; ++c) {
            const uint64_t in_chunk = c + 1 == chunks_.size() ? fill_ : kChunkValues;
            const uint64_t take = in_chunk < limit - visited ? in_chunk : limit - visited;
            fn(static_cast<const double*>(chunks_[c]), static_cast<std::size_t>(take));
            visited += take;
            if (c == 0 || (c - 1) % kChunksPerSlab == kChunksPerSlab - 1) slabs_[SlabOf(c)].reset();
        }
        slabs_.clear();
        chunks_.clear();
        current_ = nullptr;
        fill_ = 0;
    }

private:
    // The slab holding chunk c: the first chunk stands alone, the others share slabs.
    static std::size_t SlabOf(std::size_t c) { return c == 0 ? 0 : 1 + (c - 1) / kChunksPerSlab; }
    void NewChunk();

    std::vector<MappedValues> slabs_;
    std::vector<double*> chunks_;  // the last one is being filled
    double* current_ = nullptr;
    std::size_t fill_ = 0;  // values in the last chunk
};

// Test hook: from now on, the `nth` chunk allocation that any one thread makes for value stores fails
// with std::bad_alloc as if memory had run out; 0 switches the hook off.
void FailValueStoreAllocationForTesting(uint64_t nth);
// The thread whose allocation the hook failed last (a default id when none did yet).
std::thread::id ValueStoreFailureThreadForTesting();

}  // namespace ov
