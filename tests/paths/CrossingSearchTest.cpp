// The crossing search and the cuts it makes: every piece lies on the curve it was cut from and pieces
// meet at crossings lying on both curves, a crossing taken before is not cut again near a cubic's end,
// the link grid answers like the scan of every box, and chain and loop cuts keep each part on its
// curve and leave alone what cannot be cut.
#include "PathTestKit.h"

#include "paths/CrossingSearch.h"
#include "paths/LinkBroadPhase.h"
#include "paths/SelfCrossingCut.h"

#include <random>

namespace ov {
namespace {

using namespace testkit;

const Pts kArch{{0, 0}, {10, 30}, {30, 30}, {40, 0}};
const Pts kWave{{-10, 15}, {10, 5}, {30, 25}, {50, 15}};
const Pts kPole{{20, -5}, {20, 40}};

TEST(CrossingSearch, PiecesOfCrossingCubicsAndALineLieOnTheirCurvesAndMeetAtTheCrossings)
{
    // The short last link of the pole takes no part.
    ChainList chains = ChainsOf({Beziers(kArch), Beziers(kWave), Lines({kPole[0], kPole[1], {20.005f, 40}})});
    std::vector<RecordedCrossing> recorded;
    EXPECT_EQ(IntersectPass(chains, 0, recorded).budget, 2 * 27 + 9);
    IntersectPass(chains, 1, recorded);
    ASSERT_EQ(chains.size(), 11u);  // arch and wave cross twice and meet the pole once each
    const Cubic arch = CubicOf(kArch), wave = CubicOf(kWave);
    // Each crossing once; a curve that is not finite meets nothing, even where it touches.
    EXPECT_EQ(IntersectBeziers(arch, wave).size(), 2u);
    EXPECT_TRUE(IntersectBeziers(arch, CubicOf({{0, 0}, {-10, 5}, {-20, 10}, {-30, NAN}})).empty());
    for (const Chain& piece : chains) {
        ExpectWellFormed(*piece);
        const bool cubic = piece->ControlPoints().size() == 4;
        EXPECT_LT(cubic ? DistanceFromCurve(*piece, piece->figureId == 0 ? arch : wave) : 0, 1e-3);
        // Every end is an end of the input or lies on the two curves that cross there.
        int on = 0;
        for (const Vec2 p : {V(StartOf(*piece)), V(EndOf(*piece))}) {
            bool input = false;
            for (const Vec2 end : {Vec2{0, 0}, {40, 0}, {-10, 15}, {50, 15}, {20, -5}, {20.005, 40}})
                input = input || Distance(p, end) < 1e-3;
            const int curves = (DistanceToCurve(p, arch) < 2e-3) + (DistanceToCurve(p, wave) < 2e-3) +
                               (std::fabs(p.x - 20) < 2e-3 && p.y >= -5 && p.y <= 40);
            on += input || curves >= 2;
        }
        EXPECT_EQ(on, 2);
    }
}

TEST(CrossingSearch, ACubicCrossingWithinAUnitOfItsEndIsLeftWhereACrossingWasTakenBefore)
{
    // The straight cubic runs x = 30 t along the axis; a crossing of its figure was taken at the
    // point already, so only one farther than a unit from its ends cuts it.
    const struct {
        float x;
        size_t pieces;
    } rows[] = {{29.5f, 1}, {28.5f, 2}};
    for (const auto& row : rows) {
        ChainList chains = ChainsOf({Beziers({{0, 0}, {10, 0}, {20, 0}, {30, 0}}),
                                     Beziers({{row.x, -10}, {row.x, -3}, {row.x, 3}, {row.x, 10}})});
        std::vector<RecordedCrossing> recorded{{{row.x, 0}, 0}};
        IntersectPass(chains, 0, recorded);
        EXPECT_EQ(
            std::count_if(chains.begin(), chains.end(), [](const Chain& c) { return c->figureId == 0; }),
            row.pieces)
            << row.x;
    }
}

// Small, thin, point-like and scene-wide boxes, queried inside, across and outside the scene: the
// grid answers exactly the boxes that overlap, ascending, like the scan of every box.
TEST(LinkBroadPhase, CandidatesAreExactlyTheOverlappingBoxesInOrder)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> at(-50, 150), size(0, 6);
    for (const size_t count : {1u, 2u, 40u, 700u}) {
        std::vector<Box> boxes;
        for (size_t i = 0; i < count; ++i) {
            const double x = at(rng), y = at(rng), w = i % 50 == 7 ? 180 : size(rng),
                         h = i % 13 == 3 ? 0 : size(rng);
            boxes.push_back({x, y, x + w, y + h});
        }
        LinkBroadPhase grid(boxes);
        std::vector<size_t> got;
        for (int q = 0; q < 300; ++q) {
            const double x = at(rng) * 1.5, y = at(rng) * 1.5, w = q % 10 == 0 ? 400 : size(rng);
            const Box query{x, y, x + w, y + size(rng)};
            std::vector<size_t> want;
            for (size_t i = 0; i < boxes.size(); ++i)
                if (Overlaps(boxes[i], query)) want.push_back(i);
            grid.Candidates(query, got);
            ASSERT_EQ(got, want) << count << " boxes, query " << q;
        }
    }
}

const Pts kBow{{0, 0}, {10, 30}, {40, 30}, {50, 0}};

// Cuts the crossing search never asks for are refused and leave the chain as it was: a cubic outside
// 0 < t < 1, a straight link split as a cubic, a cut before the head or before a link without points.
TEST(ChainCuts, WhatCannotBeCutIsLeftAsItWas)
{
    Chain cubic = ChainOf(kBow);
    for (const double t : {0.0, 1.0, -0.5, 1.5, std::nan("")})
        EXPECT_FALSE(SplitCubicAt(*cubic, t, {1, 1})) << t;
    EXPECT_EQ(PieceText(*cubic), "0,0-50,0/4");
    Chain line = ChainOf({{0, 0}, {10, 0}, {10, 10}}, {0, 1, 1});
    EXPECT_FALSE(SplitCubicAt(*line, 0.5, {5, 0}));
    EXPECT_FALSE(CutBefore(*line));
    line->next->points.clear();
    EXPECT_FALSE(CutBefore(*line->next));
    EXPECT_EQ(PieceText(*line), "0,0-10,10/2");
}

// A looped cubic: the part up to the crossing, the loop from it back to it, the rest; each on the curve.
TEST(SelfCrossingCut, ALoopedCubicOfEitherBezierKindIsCutInThreePiecesOnTheCurve)
{
    const Cubic curve = CubicOf({{0, 0}, {120, 80}, {-20, 80}, {100, 0}});
    const auto crossing = SelfIntersection(curve, 1e-4);
    ASSERT_TRUE(crossing);
    // The cubic between two lines of either Bezier kind, and last in its chain.
    for (const auto& [kind, lineAfter] :
         {std::pair{kSegBezier, true}, {kSegBezierAlt, true}, {kSegBezier, false}}) {
        Pts pts{{-30, 0}, {0, 0}, {120, 80}, {-20, 80}, {100, 0}, {130, 0}};
        Types types{0, 1, 3, 3, 3, 1};
        if (!lineAfter) pts.pop_back(), types.pop_back();
        ChainList chains;
        chains.push_back(ChainOf(pts, types, 2));
        chains.front()->next->kind = kind;
        const ChainList pieces = CutSelfCrossings(std::move(chains));
        ASSERT_EQ(pieces.size(), 3u) << int(kind);
        int loops = 0;
        for (const Chain& piece : pieces) {
            EXPECT_EQ(piece->figureId, 2);
            for (const COvSeg* s = piece.get(); s->next; s = s->next.get())
                EXPECT_LT(s->ControlPoints().size() == 4 ? DistanceFromCurve(*s, curve) : 0, 0.02);
            loops += Distance(V(StartOf(*piece)), crossing->point) < 0.02 &&
                     Distance(V(EndOf(*piece)), crossing->point) < 0.02;
        }
        EXPECT_EQ(loops, 1);
        EXPECT_EQ(StartOf(*pieces[0]).x, -30.0f);
        EXPECT_EQ(EndOf(*pieces[1]).x, lineAfter ? 130.0f : 100.0f);
    }
    // Cubics without a crossing inside (one closes on its start, one passes through its start at
    // t = 0.8 and goes on) and polylines pass unchanged.
    ChainList chains;
    chains.push_back(ChainOf(kBow));
    chains.push_back(ChainOf({{0, 0}, {100, 100}, {100, -100}, {0, 0}}));
    chains.push_back(ChainOf({{0, 0}, {20, 20}, {-20, 20}, {11.25, -18.75}}));
    chains.push_back(ChainOf({{0, 0}, {120, 80}, {-20, 80}, {100, 0}}, {0, 1, 1, 1}));
    const ChainList pieces = CutSelfCrossings(std::move(chains));
    ASSERT_EQ(pieces.size(), 4u);
    for (const Chain& piece : pieces) EXPECT_EQ(piece->AllPoints().size(), 4u);
}

}  // namespace
}  // namespace ov
