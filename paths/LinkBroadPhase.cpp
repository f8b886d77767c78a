// The grid of the crossing search: about one box per cell on average, at most 256 cells a side.
#include "paths/LinkBroadPhase.h"

#include "paths/BezierCubic.h"

#include <algorithm>
#include <cmath>

namespace ov {

namespace {

constexpr long kMaxSide = 256;
constexpr long kMaxCellsPerBox = 64;

}  // namespace

LinkBroadPhase::LinkBroadPhase(std::vector<Box> boxes, bool allPairs)
    : boxes_(std::move(boxes)), allPairs_(allPairs), seen_(boxes_.size(), 0)
{
    if (allPairs_ || boxes_.empty()) return;
    for (const Box& b : boxes_) extent_ = UnionBounds(extent_, b);
    side_ = std::clamp(static_cast<long>(std::ceil(std::sqrt(double(boxes_.size())))), 1L, kMaxSide);
    cellW_ = std::max(extent_.Width() / double(side_), 1e-9);
    cellH_ = std::max(extent_.Height() / double(side_), 1e-9);
    cells_.resize(static_cast<size_t>(side_ * side_));
    for (size_t i = 0; i < boxes_.size(); ++i) {
        const CellRange r = RangeOf(boxes_[i]);
        if (r.Count() > kMaxCellsPerBox) {
            spanning_.push_back(i);
            continue;
        }
        for (long y = r.y0; y <= r.y1; ++y)
            for (long x = r.x0; x <= r.x1; ++x) cells_[static_cast<size_t>(y * side_ + x)].push_back(i);
    }
}

LinkBroadPhase::CellRange LinkBroadPhase::RangeOf(const Box& b) const
{
    const auto cell = [&](double v, double origin, double size) {
        const double c = std::floor((v - origin) / size);
        return static_cast<long>(std::clamp(c, 0.0, double(side_ - 1)));
    };
    return {cell(b.minX, extent_.minX, cellW_), cell(b.minY, extent_.minY, cellH_),
            cell(b.maxX, extent_.minX, cellW_), cell(b.maxY, extent_.minY, cellH_)};
}

void LinkBroadPhase::ScanAll(const Box& query, std::vector<size_t>& out) const
{
    for (size_t i = 0; i < boxes_.size(); ++i)
        if (allPairs_ || Overlaps(boxes_[i], query)) out.push_back(i);
}

void LinkBroadPhase::Candidates(const Box& query, std::vector<size_t>& out)
{
    out.clear();
    if (allPairs_ || boxes_.empty()) return ScanAll(query, out);
    if (!Overlaps(query, extent_)) return;
    const CellRange r = RangeOf(query);
    if (r.Count() > static_cast<long>(boxes_.size())) return ScanAll(query, out);
    if (++stamp_ == 0) std::fill(seen_.begin(), seen_.end(), 0), stamp_ = 1;
    const auto take = [&](size_t i) {
        if (seen_[i] == stamp_ || !Overlaps(boxes_[i], query)) return;
        seen_[i] = stamp_;
        out.push_back(i);
    };
    for (const size_t i : spanning_) take(i);
    for (long y = r.y0; y <= r.y1; ++y)
        for (long x = r.x0; x <= r.x1; ++x)
            for (const size_t i : cells_[static_cast<size_t>(y * side_ + x)]) take(i);
    std::sort(out.begin(), out.end());
}

}  // namespace ov
