// COvMatrixPieces: the reader's column-major matrix, mapped piece by piece at consecutive addresses
// of a free stretch of the address space while the values are laid out. Each slab of read values is
// returned as soon as it has been laid out, so the peak is one matrix plus the pieces being filled,
// in address space as in resident memory; at the end the pieces are one contiguous block.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "data/import/MappedValues.h"

namespace ov {

class COvMatrixPieces {
public:
    // Room for `cells` doubles; nothing is mapped yet. A block of fewer than 8 pieces, or one for which
    // the address space has no free stretch far from every mapping, is mapped whole at once instead
    // (pages are still only used when written). Throws std::bad_alloc.
    explicit COvMatrixPieces(uint64_t cells);
    ~COvMatrixPieces();
    COvMatrixPieces(const COvMatrixPieces&) = delete;
    COvMatrixPieces& operator=(const COvMatrixPieces&) = delete;

    uint64_t PieceValues() const { return piece_values_; }
    // The values of piece k (cells k * PieceValues() on, the last piece shorter), mapped at its place
    // on first use; safe to call from several threads. Throws std::bad_alloc.
    double* Piece(std::size_t k);
    // Hands the whole block over (pieces never asked for are mapped first).
    MappedValues Take();

private:
    enum PieceState : int { kUnmapped, kMapping, kMapped, kFailed };
    std::size_t PieceBytes(std::size_t k) const;
    void MapPiece(std::size_t k);

    uint64_t cells_ = 0;
    uint64_t piece_values_ = 0;
    std::size_t span_ = 0;  // bytes of the whole block, whole pages
    char* base_ = nullptr;
    MappedValues whole_;  // the block mapped at once, when no free stretch was found
    std::unique_ptr<std::atomic<int>[]> states_;
    std::size_t pieces_ = 0;
};

// Where a block of `span` bytes goes, given the map of the address space (/proc/self/maps lines,
// "begin-end ..." in hexadecimal): in the middle half of the largest gap between mappings below the
// 47-bit top, far from the top, where new mappings are placed, and from the heap growing at the
// bottom; `draw` (random) picks the place within the middle half, so that reads running at the same
// time do not pick the same one. A multiple of the huge page; 0 when the gap is shorter than four spans.
uintptr_t StretchStartIn(std::string_view maps, std::size_t span, uint64_t draw);

// Pieces of this many bytes (a multiple of the page size) from now on; 0 restores the huge page.
// Tests make them small so that small files cross many pieces.
void SetMatrixPieceBytesForTesting(std::size_t bytes);

}  // namespace ov
