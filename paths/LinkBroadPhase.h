// LinkBroadPhase: a uniform grid over the boxes of the work-list links, answering which of them a
// box may touch, always in work-list order so that the crossing search finds what testing every
// pair would find, and in the same order.
#pragma once

#include "paths/Vec2.h"

#include <cstddef>
#include <vector>

namespace ov {

class LinkBroadPhase {
public:
    // allPairs: every box is a candidate of every query (the reference the grid must equal).
    explicit LinkBroadPhase(std::vector<Box> boxes, bool allPairs = false);

    // Indices of the boxes that overlap `query`, ascending, into out (cleared first). With allPairs,
    // every index.
    void Candidates(const Box& query, std::vector<size_t>& out);

private:
    struct CellRange {
        long x0, y0, x1, y1;
        long Count() const { return (x1 - x0 + 1) * (y1 - y0 + 1); }
    };
    CellRange RangeOf(const Box& b) const;
    void ScanAll(const Box& query, std::vector<size_t>& out) const;

    std::vector<Box> boxes_;
    bool allPairs_;
    Box extent_;
    long side_ = 1;
    double cellW_ = 1.0, cellH_ = 1.0;
    std::vector<std::vector<size_t>> cells_;
    std::vector<size_t> spanning_;  // boxes over too many cells, a candidate of every query
    std::vector<unsigned> seen_;
    unsigned stamp_ = 0;
};

}  // namespace ov
