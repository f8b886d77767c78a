// COvMatrixPieces: the free stretch is found in the process's map of its address space; each piece is
// mapped with MAP_FIXED_NOREPLACE, so a piece never replaces a mapping that appeared there meanwhile
// (the read then fails as out of memory).
#include "data/import/MatrixPieces.h"

#include <sys/mman.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <new>
#include <random>
#include <string>
#include <thread>

namespace ov {
namespace {

std::atomic<std::size_t> g_piece_bytes{0};
// Matrices of fewer pieces are mapped whole: their peak hardly matters, and a small read (the fuzzer,
// a preview) then never reads the map of the address space.
constexpr std::size_t kFewestPieces = 8;

struct Stretch {
    uintptr_t begin = 0;
    uintptr_t end = 0;
};

// The top of the address space that mappings get without asking for more (47 bits on x86-64); above
// it lie the kernel's pages.
constexpr uintptr_t kUserTop = uintptr_t{1} << 47;

// The largest gap between two mappings below kUserTop in a map of the address space.
Stretch LargestGap(std::string_view maps)
{
    Stretch best;
    uintptr_t previous_end = 0;
    while (!maps.empty()) {
        const std::size_t eol = std::min(maps.find('\n'), maps.size());
        const std::string_view line = maps.substr(0, eol);
        maps.remove_prefix(std::min(eol + 1, maps.size()));
        uintptr_t begin = 0;
        uintptr_t end = 0;
        const char* const text_end = line.data() + line.size();
        const auto first = std::from_chars(line.data(), text_end, begin, 16);
        if (first.ec != std::errc() || first.ptr == text_end || *first.ptr != '-') continue;
        if (std::from_chars(first.ptr + 1, text_end, end, 16).ec != std::errc()) continue;
        begin = std::min(begin, kUserTop);
        if (begin > previous_end && begin - previous_end > best.end - best.begin)
            best = {previous_end, begin};
        previous_end = std::max(previous_end, end);
    }
    return best;
}

// A free stretch for `span` bytes in this process, or null.
char* FreeStretchFor(std::size_t span)
{
    std::ifstream file("/proc/self/maps");
    const std::string maps((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    thread_local std::mt19937_64 random{std::random_device{}()};
    const uintptr_t start = StretchStartIn(maps, span, random());
    // NOLINTNEXTLINE(performance-no-int-to-ptr): an address picked from the map of the address space
    return reinterpret_cast<char*>(start);
}

}  // namespace

COvMatrixPieces::COvMatrixPieces(uint64_t cells) : cells_(cells)
{
    const std::size_t piece_bytes = g_piece_bytes.load() != 0 ? g_piece_bytes.load() : kHugePageBytes;
    piece_values_ = piece_bytes / sizeof(double);
    if (cells == 0 || cells > SIZE_MAX / sizeof(double)) throw std::bad_alloc();
    span_ = PageRounded(static_cast<std::size_t>(cells) * sizeof(double));
    pieces_ = static_cast<std::size_t>((cells + piece_values_ - 1) / piece_values_);
    states_ = std::make_unique<std::atomic<int>[]>(pieces_);
    if (pieces_ >= kFewestPieces) base_ = FreeStretchFor(span_);
    if (base_ == nullptr) {
        whole_ = MapValues(span_, kHugePageBytes);
        base_ = reinterpret_cast<char*>(whole_.get());
        for (std::size_t k = 0; k < pieces_; ++k) states_[k] = kMapped;
    }
}

COvMatrixPieces::~COvMatrixPieces()
{
    if (whole_ || base_ == nullptr) return;
    for (std::size_t k = 0; k < pieces_; ++k) {
        if (states_[k] == kMapped) (void)munmap(base_ + k * piece_values_ * sizeof(double), PieceBytes(k));
    }
}

std::size_t COvMatrixPieces::PieceBytes(std::size_t k) const
{
    const std::size_t offset = k * piece_values_ * sizeof(double);
    return std::min(span_ - offset, static_cast<std::size_t>(piece_values_ * sizeof(double)));
}

void COvMatrixPieces::MapPiece(std::size_t k)
{
    char* const at = base_ + k * piece_values_ * sizeof(double);
    const std::size_t bytes = PieceBytes(k);
    void* mapped =
        mmap(at, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
    // A kernel that does not know the flag takes the address as a hint only.
    if (mapped != MAP_FAILED && mapped != at) (void)munmap(mapped, bytes);
    if (mapped != at) {
        states_[k] = kFailed;
        states_[k].notify_all();
        throw std::bad_alloc();
    }
    if (bytes == kHugePageBytes) (void)madvise(at, bytes, MADV_HUGEPAGE);  // advice only
    states_[k] = kMapped;
    states_[k].notify_all();
}

double* COvMatrixPieces::Piece(std::size_t k)
{
    int state = states_[k].load();
    if (state != kMapped) {
        if (state == kUnmapped && states_[k].compare_exchange_strong(state, kMapping)) {
            MapPiece(k);
        } else {
            while ((state = states_[k].load()) == kMapping) states_[k].wait(kMapping);
            if (state == kFailed) throw std::bad_alloc();
        }
    }
    return reinterpret_cast<double*>(base_ + k * piece_values_ * sizeof(double));
}

MappedValues COvMatrixPieces::Take()
{
    for (std::size_t k = 0; k < pieces_; ++k) (void)Piece(k);
    if (whole_) {
        base_ = nullptr;
        return std::move(whole_);
    }
    MappedValues all(reinterpret_cast<double*>(base_), UnmapValues{span_});
    base_ = nullptr;
    return all;
}

uintptr_t StretchStartIn(std::string_view maps, std::size_t span, uint64_t draw)
{
    const Stretch gap = LargestGap(maps);
    const uintptr_t length = gap.end - gap.begin;
    if (length / 4 < span) return 0;
    const uintptr_t room = length / 2 - span;
    const uintptr_t start = gap.begin + length / 4 + static_cast<uintptr_t>(draw % (room + 1));
    return start / kHugePageBytes * kHugePageBytes;
}

void SetMatrixPieceBytesForTesting(std::size_t bytes)
{
    g_piece_bytes = bytes;
}

}  // namespace ov
