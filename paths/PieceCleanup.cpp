// Clean-up of the pieces after the crossing search.
#include "paths/PieceCleanup.h"

#include "paths/EndPointGrid.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <set>
#include <utility>

namespace ov {

namespace {

constexpr double kStraightMaxLength = 10.0;
constexpr double kStraightTolerance = 1.0;
constexpr double kEndsMeet = 1.0;
constexpr double kJoinGap = 0.01;
constexpr double kTinyLink = 0.001;
constexpr double kNodeGap = 0.01;

double Gap(OvPointF a, OvPointF b)
{
    return std::hypot(double(b.x) - a.x, double(b.y) - a.y);
}

struct End {
    OvPointF point;
    int32_t figure;
};

bool EndsCoincide(COvSeg& a, COvSeg& b)
{
    const OvPointF as = StartOf(a), ae = EndOf(a), bs = StartOf(b), be = EndOf(b);
    return (Gap(as, bs) < kEndsMeet && Gap(ae, be) < kEndsMeet) ||
           (Gap(as, be) < kEndsMeet && Gap(ae, bs) < kEndsMeet);
}

// The first later piece of another figure that lies on piece i. Such a piece has an end within 1
// of the start of piece i, so only the spots around it are looked at, their pieces in list order.
size_t PartnerOf(ChainList& pieces, size_t i, const EndPointGrid& grid)
{
    using It = std::set<EndPointGrid::Slot>::const_iterator;
    std::vector<std::pair<It, It>> later;
    for (const EndPointGrid::Spot* spot : grid.Around(StartOf(*pieces[i])))
        if (spot->figure != pieces[i]->figureId)
            later.emplace_back(spot->slots.upper_bound({i, 1}), spot->slots.end());
    size_t tried = pieces.size();
    while (true) {
        auto next = later.end();
        for (auto r = later.begin(); r != later.end(); ++r)
            if (r->first != r->second && (next == later.end() || r->first->piece < next->first->piece))
                next = r;
        if (next == later.end()) return pieces.size();
        const size_t j = (next->first++)->piece;
        if (j == tried) continue;
        tried = j;
        // The ends first: four distances are cheap, the straightness test walks the whole piece.
        if (EndsCoincide(*pieces[i], *pieces[j]) &&
            pieces[j]->IsNearlyStraight(kStraightMaxLength, kStraightTolerance))
            return j;
    }
}

// Moves the end of a piece of the figure nearest to `end` onto target when it lies within 1 of end;
// of equally near ends the one of the earlier piece, its start before its end.
void MoveNearestEnd(EndPointGrid& grid, const End& end, OvPointF target)
{
    std::optional<EndPointGrid::Slot> nearest;
    double best = kEndsMeet;
    for (const EndPointGrid::Spot* spot : grid.Around(end.point)) {
        if (spot->figure != end.figure) continue;
        const double d = Gap(spot->at, end.point);
        const EndPointGrid::Slot first = *spot->slots.begin();
        if (d < best || (d == best && nearest && first < *nearest)) best = d, nearest = first;
    }
    if (nearest) grid.Move(*nearest, target);
}

void Forget(const COvSeg& piece, ClosedPairs& closedPairs)
{
    const COvSeg* last = piece.Last();
    std::erase_if(closedPairs, [&](const auto& pair) { return pair.first == &piece || pair.second == last; });
}

std::array<End, 2> EndsOf(COvSeg& piece)
{
    return {End{StartOf(piece), piece.figureId}, End{EndOf(piece), piece.figureId}};
}

}  // namespace

void RemoveSharedBorders(ChainList& pieces, ClosedPairs& closedPairs)
{
    // Deleted pieces stay in the list, marked, until the end, so that indices hold for the grid.
    EndPointGrid grid(pieces, kEndsMeet);
    std::vector<bool> deleted(pieces.size(), false);
    const auto remove = [&](size_t k) {
        Forget(*pieces[k], closedPairs);
        grid.Remove(k);
        deleted[k] = true;
    };
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (deleted[i]) continue;
        const auto straight = pieces[i]->IsNearlyStraight(kStraightMaxLength, kStraightTolerance);
        if (!straight) continue;
        const size_t j = PartnerOf(pieces, i, grid);
        if (j < pieces.size()) {
            const auto a = EndsOf(*pieces[i]), b = EndsOf(*pieces[j]);
            const OvPointF c{(a[0].point.x + a[1].point.x + b[0].point.x + b[1].point.x) / 4,
                             (a[0].point.y + a[1].point.y + b[0].point.y + b[1].point.y) / 4};
            remove(j);
            remove(i);
            for (const End& e : {a[0], a[1], b[0], b[1]}) MoveNearestEnd(grid, e, c);
        } else if (Gap(straight->first, straight->second) < kEndsMeet) {
            const auto a = EndsOf(*pieces[i]);
            const OvPointF m{(a[0].point.x + a[1].point.x) / 2, (a[0].point.y + a[1].point.y) / 2};
            remove(i);
            for (const End& e : a) MoveNearestEnd(grid, e, m);
        }
    }
    ChainList kept;
    for (size_t k = 0; k < pieces.size(); ++k)
        if (!deleted[k]) kept.push_back(std::move(pieces[k]));
    pieces = std::move(kept);
}

void JoinClosedFigures(ChainList& pieces, const ClosedPairs& closedPairs)
{
    for (const auto& pair : closedPairs) {
        const COvSeg* first = pair.first;
        const COvSeg* last = pair.second;
        const auto ending =
            std::find_if(pieces.begin(), pieces.end(), [last](const Chain& p) { return p->Last() == last; });
        const auto starting =
            std::find_if(pieces.begin(), pieces.end(), [first](const Chain& p) { return p.get() == first; });
        if (ending == pieces.end() || starting == pieces.end() || ending == starting) continue;
        if (!(Gap(EndOf(**ending), StartOf(**starting)) < kJoinGap)) continue;
        COvSeg* tail = (*ending)->Last();
        Chain joined = std::move(*starting);
        pieces.erase(starting);
        joined->prev = tail;
        tail->next = std::move(joined);
        tail->next->JoinTiny(kTinyLink);
    }
}

std::vector<const OvPointF*> PieceNodes(const ChainList& pieces)
{
    std::vector<const OvPointF*> nodes;
    const auto add = [&](const OvPointF& p) {
        const bool near =
            std::any_of(nodes.begin(), nodes.end(), [&](const OvPointF* n) { return Gap(*n, p) < kNodeGap; });
        if (!near) nodes.push_back(&p);
    };
    for (const Chain& piece : pieces) {
        add(StartOf(*piece));
        add(EndOf(*piece));
    }
    return nodes;
}

}  // namespace ov
