// Clean-up of the pieces: shared borders found through the end-point grid against the plain scan of
// every piece it replaced (the same pieces, points and closed pairs on dense, tie-rich inputs).
#include "PathTestKit.h"

#include "paths/PieceCleanup.h"

#include <algorithm>
#include <random>

namespace ov {
namespace {

using namespace testkit;

constexpr double kStraight = 10.0, kTolerance = 1.0, kMeet = 1.0;

double Gap(OvPointF a, OvPointF b)
{
    return std::hypot(double(b.x) - a.x, double(b.y) - a.y);
}

bool Coincide(COvSeg& a, COvSeg& b)
{
    const OvPointF as = StartOf(a), ae = EndOf(a), bs = StartOf(b), be = EndOf(b);
    return (Gap(as, bs) < kMeet && Gap(ae, be) < kMeet) || (Gap(as, be) < kMeet && Gap(ae, bs) < kMeet);
}

// The nearest end of the figure within 10 of p, moved onto target when within 1; first wins ties.
void ReferenceMove(ChainList& pieces, OvPointF p, int32_t figure, OvPointF target)
{
    OvPointF* nearest = nullptr;
    double best = 10.0;
    for (Chain& piece : pieces) {
        if (piece->figureId != figure) continue;
        for (OvPointF* q : {&StartOf(*piece), &EndOf(*piece)})
            if (const double d = Gap(*q, p); d < best) best = d, nearest = q;
    }
    if (nearest && best < kMeet) *nearest = target;
}

void ReferenceErase(ChainList& pieces, size_t i, ClosedPairs& pairs)
{
    const COvSeg* head = pieces[i].get();
    const COvSeg* last = head->Last();
    std::erase_if(pairs, [&](const auto& pair) { return pair.first == head || pair.second == last; });
    pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(i));
}

// Every piece against every other, as the clean-up first did it.
void ReferenceRemoveSharedBorders(ChainList& pieces, ClosedPairs& pairs)
{
    for (size_t i = 0; i < pieces.size();) {
        const auto straight = pieces[i]->IsNearlyStraight(kStraight, kTolerance);
        if (!straight) {
            ++i;
            continue;
        }
        size_t j = i + 1;
        while (j < pieces.size() &&
               (pieces[j]->figureId == pieces[i]->figureId || !Coincide(*pieces[i], *pieces[j]) ||
                !pieces[j]->IsNearlyStraight(kStraight, kTolerance)))
            ++j;
        const OvPointF a[2] = {StartOf(*pieces[i]), EndOf(*pieces[i])};
        const int32_t fa = pieces[i]->figureId;
        if (j < pieces.size()) {
            const OvPointF b[2] = {StartOf(*pieces[j]), EndOf(*pieces[j])};
            const int32_t fb = pieces[j]->figureId;
            const OvPointF c{(a[0].x + a[1].x + b[0].x + b[1].x) / 4,
                             (a[0].y + a[1].y + b[0].y + b[1].y) / 4};
            ReferenceErase(pieces, j, pairs);
            ReferenceErase(pieces, i, pairs);
            for (const OvPointF p : a) ReferenceMove(pieces, p, fa, c);
            for (const OvPointF p : b) ReferenceMove(pieces, p, fb, c);
        } else if (Gap(straight->first, straight->second) < kMeet) {
            const OvPointF m{(a[0].x + a[1].x) / 2, (a[0].y + a[1].y) / 2};
            ReferenceErase(pieces, i, pairs);
            for (const OvPointF p : a) ReferenceMove(pieces, p, fa, m);
        } else {
            ++i;
        }
    }
}

// Short straight cubics and lines on a coarse lattice, so that ends coincide, lie exactly 0.5 or 1
// apart and tie; figures 0-3, with the closed pairs of every fourth piece.
ChainList DensePieces(unsigned seed, ClosedPairs& pairs)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> cell(0, 24), step(-2, 2), figure(0, 3), shape(0, 3);
    ChainList pieces;
    for (int n = 0; n < 300; ++n) {
        const OvPointF a{cell(rng) * 0.5f, cell(rng) * 0.5f};
        const OvPointF b{a.x + step(rng) * 0.5f, a.y + step(rng) * 0.5f};
        const bool cubic = shape(rng) != 0;
        Chain head = ChainOf(cubic ? Pts{a, a, b, b} : Pts{a, b}, {}, figure(rng));
        if (n % 4 == 0) pairs.emplace_back(head.get(), head->Last());
        pieces.push_back(std::move(head));
    }
    return pieces;
}

TEST(SharedBorders, TheGridRemovesAndMovesExactlyWhatTheScanOfEveryPieceDid)
{
    for (const unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        ClosedPairs pairs, expectedPairs;
        ChainList pieces = DensePieces(seed, pairs), expected = DensePieces(seed, expectedPairs);
        ReferenceRemoveSharedBorders(expected, expectedPairs);
        RemoveSharedBorders(pieces, pairs);
        ASSERT_EQ(pieces.size(), expected.size()) << "seed " << seed;
        ASSERT_LT(pieces.size(), 300u) << "the inputs exercise the removal";
        for (size_t k = 0; k < pieces.size(); ++k) {
            EXPECT_EQ(pieces[k]->figureId, expected[k]->figureId);
            const auto got = pieces[k]->AllPoints(), want = expected[k]->AllPoints();
            ASSERT_EQ(got.size(), want.size());
            for (size_t q = 0; q < got.size(); ++q) {
                EXPECT_EQ(got[q].x, want[q].x) << "seed " << seed << " piece " << k;
                EXPECT_EQ(got[q].y, want[q].y) << "seed " << seed << " piece " << k;
            }
        }
        const auto firstPieces = [](const ChainList& list, const ClosedPairs& kept) {
            std::vector<ptrdiff_t> at;
            for (const auto& pair : kept)
                at.push_back(std::find_if(list.begin(), list.end(),
                                          [&](const Chain& c) { return c.get() == pair.first; }) -
                             list.begin());
            return at;
        };
        EXPECT_EQ(firstPieces(pieces, pairs), firstPieces(expected, expectedPairs));
    }
}

}  // namespace
}  // namespace ov
