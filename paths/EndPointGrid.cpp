// The hash grid over the end points of pieces.
#include "paths/EndPointGrid.h"

#include <algorithm>
#include <cmath>

namespace ov {

namespace {

// Cells far out are folded into the outermost one: it only gets fuller, nothing near is lost.
constexpr double kOutermostCell = 4.0e18;

int64_t CellIndex(double v)
{
    return static_cast<int64_t>(std::clamp(std::floor(v), -kOutermostCell, kOutermostCell));
}

bool Same(OvPointF a, OvPointF b)
{
    return a.x == b.x && a.y == b.y;
}

}  // namespace

size_t EndPointGrid::KeyHash::operator()(const Key& k) const noexcept
{
    return std::hash<int64_t>()(k.first) ^ (std::hash<int64_t>()(k.second) * 0x9E3779B97F4A7C15ull);
}

EndPointGrid::EndPointGrid(ChainList& pieces, double cell) : cell_(cell)
{
    ends_.reserve(pieces.size());
    figures_.reserve(pieces.size());
    for (size_t i = 0; i < pieces.size(); ++i) {
        ends_.push_back({&StartOf(*pieces[i]), &EndOf(*pieces[i])});
        figures_.push_back(pieces[i]->figureId);
        Insert({i, 0});
        Insert({i, 1});
    }
}

bool EndPointGrid::KeyOf(OvPointF p, Key& key) const
{
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    key = {CellIndex(p.x / cell_), CellIndex(p.y / cell_)};
    return true;
}

void EndPointGrid::Insert(Slot slot)
{
    const OvPointF at = *ends_[slot.piece][slot.side];
    const int32_t figure = figures_[slot.piece];
    Key key;
    if (!KeyOf(at, key)) return;
    std::vector<Spot>& spots = cells_[key];
    const auto spot = std::find_if(spots.begin(), spots.end(),
                                   [&](const Spot& s) { return s.figure == figure && Same(s.at, at); });
    if (spot != spots.end())
        spot->slots.insert(slot);
    else
        spots.push_back({at, figure, {slot}});
}

void EndPointGrid::Erase(Slot slot)
{
    Key key;
    if (!KeyOf(*ends_[slot.piece][slot.side], key)) return;
    const auto cell = cells_.find(key);
    if (cell == cells_.end()) return;
    std::vector<Spot>& spots = cell->second;
    for (auto spot = spots.begin(); spot != spots.end(); ++spot) {
        if (spot->slots.erase(slot) == 0) continue;
        if (spot->slots.empty()) spots.erase(spot);
        return;
    }
}

std::vector<const EndPointGrid::Spot*> EndPointGrid::Around(OvPointF p) const
{
    std::vector<const Spot*> near;
    Key key;
    if (!KeyOf(p, key)) return near;
    for (int64_t dx = -1; dx <= 1; ++dx) {
        for (int64_t dy = -1; dy <= 1; ++dy) {
            const auto cell = cells_.find({key.first + dx, key.second + dy});
            if (cell == cells_.end()) continue;
            for (const Spot& spot : cell->second) near.push_back(&spot);
        }
    }
    return near;
}

void EndPointGrid::Move(Slot slot, OvPointF to)
{
    Erase(slot);
    *ends_[slot.piece][slot.side] = to;
    Insert(slot);
}

void EndPointGrid::Remove(size_t piece)
{
    Erase({piece, 0});
    Erase({piece, 1});
}

}  // namespace ov
