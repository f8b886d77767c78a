// MagnetMirror: a hash of 0.02-wide cells; an image can only be near positions in its own cell and the
// eight around it, since two positions closer than 0.01 lie at most one cell apart.
#include "magnets/MagnetMirror.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace ov {
namespace {

constexpr double kTolerance = 0.01;
constexpr double kCell = 0.02;
constexpr double kCellLimit = 4.0e15;  // keeps cell numbers inside int64 for any finite value

int64_t CellOf(double v)
{
    return static_cast<int64_t>(std::clamp(std::floor(v / kCell), -kCellLimit, kCellLimit));
}

uint64_t Key(int64_t cx, int64_t cy)
{
    return static_cast<uint64_t>(cx) * 0x9E3779B97F4A7C15ULL ^ static_cast<uint64_t>(cy);
}

// Positions chained per cell key: head index per key, next index per position (-1 ends a chain).
class CellIndex {
public:
    void Add(const std::vector<TableRow>& rows, std::size_t index)
    {
        const uint64_t key = Key(CellOf(rows[index].x), CellOf(rows[index].y));
        auto [it, inserted] = heads_.try_emplace(key, static_cast<int64_t>(index));
        next_.push_back(inserted ? -1 : it->second);
        if (!inserted) it->second = static_cast<int64_t>(index);
    }

    bool HasNear(const std::vector<TableRow>& rows, double x, double y) const
    {
        const int64_t cx = CellOf(x), cy = CellOf(y);
        for (int64_t dx = -1; dx <= 1; ++dx) {
            for (int64_t dy = -1; dy <= 1; ++dy) {
                const auto it = heads_.find(Key(cx + dx, cy + dy));
                if (it == heads_.end()) continue;
                for (int64_t i = it->second; i >= 0; i = next_[static_cast<std::size_t>(i)]) {
                    const TableRow& r = rows[static_cast<std::size_t>(i)];
                    if (std::fabs(r.x - x) < kTolerance && std::fabs(r.y - y) < kTolerance) return true;
                }
            }
        }
        return false;
    }

private:
    std::unordered_map<uint64_t, int64_t> heads_;
    std::vector<int64_t> next_;
};

}  // namespace

std::vector<TableRow> MirrorRows(const std::vector<TableRow>& rows, MirrorAxis axis)
{
    std::vector<TableRow> result = rows;
    CellIndex index;
    for (std::size_t i = 0; i < result.size(); ++i) index.Add(result, i);
    for (const TableRow& row : rows) {
        const TableRow image{axis == MirrorAxis::Vertical ? -row.x : row.x,
                             axis == MirrorAxis::Horizontal ? -row.y : row.y, 1, 0};
        if (index.HasNear(result, image.x, image.y)) continue;
        result.push_back(image);
        index.Add(result, result.size() - 1);
    }
    return result;
}

}  // namespace ov
