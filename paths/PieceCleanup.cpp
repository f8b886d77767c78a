// Clean-up of the pieces after the crossing search.
#include "paths/PieceCleanup.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ov {

namespace {

constexpr double kStraightMaxLength = 10.0;
constexpr double kStraightTolerance = 1.0;
constexpr double kEndsMeet = 1.0;
constexpr double kEndSearch = 10.0;
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

// The first later piece of another figure that lies on piece i.
size_t PartnerOf(ChainList& pieces, size_t i)
{
    for (size_t j = i + 1; j < pieces.size(); ++j) {
        if (pieces[j]->figureId == pieces[i]->figureId) continue;
        // The ends first: four distances are cheap, the straightness test walks the whole piece.
        if (EndsCoincide(*pieces[i], *pieces[j]) &&
            pieces[j]->IsNearlyStraight(kStraightMaxLength, kStraightTolerance))
            return j;
    }
    return pieces.size();
}

// Moves the end of a piece of the figure nearest to `end` (searched within 10) onto target when it
// lies within 1 of end.
void MoveNearestEnd(ChainList& pieces, const End& end, OvPointF target)
{
    OvPointF* nearest = nullptr;
    double best = kEndSearch;
    for (Chain& piece : pieces) {
        if (piece->figureId != end.figure) continue;
        for (OvPointF* p : {&StartOf(*piece), &EndOf(*piece)}) {
            const double d = Gap(*p, end.point);
            if (d < best) best = d, nearest = p;
        }
    }
    if (nearest && best < kEndsMeet) *nearest = target;
}

void Erase(ChainList& pieces, size_t i, ClosedPairs& closedPairs)
{
    const COvSeg* head = pieces[i].get();
    const COvSeg* last = head->Last();
    std::erase_if(closedPairs, [&](const auto& pair) { return pair.first == head || pair.second == last; });
    pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(i));
}

std::array<End, 2> EndsOf(COvSeg& piece)
{
    return {End{StartOf(piece), piece.figureId}, End{EndOf(piece), piece.figureId}};
}

}  // namespace

void RemoveSharedBorders(ChainList& pieces, ClosedPairs& closedPairs)
{
    size_t i = 0;
    while (i < pieces.size()) {
        const auto straight = pieces[i]->IsNearlyStraight(kStraightMaxLength, kStraightTolerance);
        if (!straight) {
            ++i;
            continue;
        }
        const size_t j = PartnerOf(pieces, i);
        if (j < pieces.size()) {
            const auto a = EndsOf(*pieces[i]), b = EndsOf(*pieces[j]);
            const OvPointF c{(a[0].point.x + a[1].point.x + b[0].point.x + b[1].point.x) / 4,
                             (a[0].point.y + a[1].point.y + b[0].point.y + b[1].point.y) / 4};
            Erase(pieces, j, closedPairs);
            Erase(pieces, i, closedPairs);
            for (const End& e : {a[0], a[1], b[0], b[1]}) MoveNearestEnd(pieces, e, c);
            continue;
        }
        if (Gap(straight->first, straight->second) < kEndsMeet) {
            const auto a = EndsOf(*pieces[i]);
            const OvPointF m{(a[0].point.x + a[1].point.x) / 2, (a[0].point.y + a[1].point.y) / 2};
            Erase(pieces, i, closedPairs);
            for (const End& e : a) MoveNearestEnd(pieces, e, m);
            continue;
        }
        ++i;
    }
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
