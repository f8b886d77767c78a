// Cutting chains and cutting self-crossing cubics: every piece lies on the curve it came from, the
// pieces meet where the cut was made, and what cannot be cut is left as it was.
#include "paths/BezierCubic.h"
#include "paths/BezierIntersection.h"
#include "paths/ChainCuts.h"
#include "paths/SelfCrossingCut.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace ov {
namespace {

Chain ChainOf(const std::vector<OvPointF>& pts, const std::vector<uint8_t>& types, int32_t figure = 0)
{
    auto head = std::make_unique<COvSeg>();
    head->figureId = figure;
    EXPECT_TRUE(head->FromPathData(pts.data(), types.data(), static_cast<int32_t>(pts.size()), false));
    return head;
}

Cubic CubicOf(const std::vector<OvPointF>& cps)
{
    return {Vec2{cps[0].x, cps[0].y}, Vec2{cps[1].x, cps[1].y}, Vec2{cps[2].x, cps[2].y},
            Vec2{cps[3].x, cps[3].y}};
}

// The largest distance from points along the cubic link to the original curve.
double DistanceFromCurve(const COvSeg& link, const Cubic& original)
{
    const Cubic piece = CubicOf(link.ControlPoints());
    double worst = 0;
    for (int k = 0; k <= 8; ++k) {
        const Vec2 p = BezierPoint(piece, k / 8.0);
        const double t = ClosestParameter(original, p, 0.0, 1.0, 2000, 1e-9);
        worst = std::max(worst, Distance(BezierPoint(original, t), p));
    }
    return worst;
}

const std::vector<OvPointF> kArch{{0, 0}, {10, 30}, {40, 30}, {50, 0}};
const std::vector<uint8_t> kCubic{0, 3, 3, 3};

TEST(ChainCuts, ACubicSplitsIntoTwoPartsOfTheSameCurveMeetingAtTheCut)
{
    Chain chain = ChainOf(kArch, kCubic, 7);
    chain->state = 1;
    const Cubic arch = CubicOf(kArch);
    const Vec2 at = BezierPoint(arch, 0.3);
    Chain right = SplitCubicAt(*chain, 0.3, {float(at.x), float(at.y)});
    ASSERT_TRUE(right);
    EXPECT_EQ(right->figureId, 7);
    EXPECT_EQ(right->state, 1);
    EXPECT_EQ(right->kind, chain->kind);
    EXPECT_LT(DistanceFromCurve(*chain, arch), 1e-3);
    EXPECT_LT(DistanceFromCurve(*right, arch), 1e-3);
    EXPECT_NEAR(BezierPoint(CubicOf(chain->ControlPoints()), 0.5).x, BezierPoint(arch, 0.15).x, 1e-3);
    EXPECT_EQ(EndOf(*chain).x, StartOf(*right).x);
    EXPECT_EQ(EndOf(*right).x, 50.0f);
    EXPECT_EQ(right->prev, nullptr);
    EXPECT_EQ(right->next->prev, right.get());
}

TEST(ChainCuts, WhatCannotBeCutIsLeftAsItWas)
{
    Chain chain = ChainOf(kArch, kCubic);
    for (const double t : {0.0, 1.0, -0.5, 1.5, std::nan("")}) {
        EXPECT_FALSE(SplitCubicAt(*chain, t, {1, 1})) << t;
        EXPECT_EQ(chain->ControlPoints().size(), 4u);
    }
    Chain line = ChainOf({{0, 0}, {10, 0}}, {0, 1});
    EXPECT_FALSE(SplitCubicAt(*line, 0.5, {5, 0}));
    EXPECT_EQ(EndOf(*line).x, 10.0f);
    // Before the head there is nothing to cut off; before the second link the chain splits there.
    Chain two = ChainOf({{0, 0}, {10, 0}, {10, 10}}, {0, 1, 1});
    EXPECT_FALSE(CutBefore(*two));
    COvSeg* second = two->next.get();
    second->points.clear();
    EXPECT_FALSE(CutBefore(*second));
}

TEST(ChainCuts, AStraightLinkSplitsAtThePointAndKeepsWhatFollows)
{
    Chain chain = ChainOf({{0, 0}, {10, 0}, {10, 10}}, {0, 1, 1}, 3);
    Chain rest = SplitStraightAt(*chain, {4, 0});
    ASSERT_TRUE(rest);
    EXPECT_EQ(EndOf(*chain).x, 4.0f);
    EXPECT_EQ(StartOf(*rest).x, 4.0f);
    EXPECT_EQ(EndOf(*rest).y, 10.0f);
    EXPECT_EQ(rest->figureId, 3);
    Chain tail = CutBefore(*rest->next);
    ASSERT_TRUE(tail);
    EXPECT_EQ(EndOf(*rest).x, 10.0f);
    EXPECT_EQ(StartOf(*tail).x, 10.0f);
}

// A looped cubic: the part up to the crossing, the loop from it back to it, the rest; each on the curve.
TEST(SelfCrossingCut, ALoopedCubicOfEitherBezierKindIsCutInThreePiecesOnTheCurve)
{
    const std::vector<OvPointF> loop{{0, 0}, {120, 80}, {-20, 80}, {100, 0}};
    const Cubic curve = CubicOf(loop);
    const auto crossing = SelfIntersection(curve, 1e-4);
    ASSERT_TRUE(crossing);
    for (const uint8_t kind : {kSegBezier, kSegBezierAlt}) {
        ChainList chains;
        chains.push_back(
            ChainOf({{-30, 0}, {0, 0}, {120, 80}, {-20, 80}, {100, 0}, {130, 0}}, {0, 1, 3, 3, 3, 1}, 2));
        chains.front()->next->kind = kind;
        const ChainList pieces = CutSelfCrossings(std::move(chains));
        ASSERT_EQ(pieces.size(), 3u) << int(kind);
        int loops = 0;
        for (const Chain& piece : pieces) {
            EXPECT_EQ(piece->figureId, 2);
            for (const COvSeg* s = piece.get(); s->next; s = s->next.get())
                if (s->ControlPoints().size() == 4) {
                    EXPECT_LT(DistanceFromCurve(*s, curve), 0.02);
                }
            const Vec2 start{StartOf(*piece).x, StartOf(*piece).y}, end{EndOf(*piece).x, EndOf(*piece).y};
            loops += Distance(start, crossing->point) < 0.02 && Distance(end, crossing->point) < 0.02;
        }
        EXPECT_EQ(loops, 1);
        EXPECT_EQ(StartOf(*pieces[0]).x, -30.0f);
        EXPECT_EQ(EndOf(*pieces[1]).x, 130.0f);
    }
}

TEST(SelfCrossingCut, CubicsWithoutACrossingInsideAndOtherLinksPassUnchanged)
{
    ChainList chains;
    chains.push_back(ChainOf(kArch, kCubic));
    // Crossing at its own start: the loop closes on itself and there is nothing to cut.
    chains.push_back(ChainOf({{0, 0}, {100, 100}, {100, -100}, {0, 0}}, kCubic));
    chains.push_back(ChainOf({{0, 0}, {120, 80}, {-20, 80}, {100, 0}}, {0, 1, 1, 1}));  // a polyline
    const ChainList pieces = CutSelfCrossings(std::move(chains));
    ASSERT_EQ(pieces.size(), 3u);
    for (const Chain& piece : pieces) EXPECT_EQ(piece->AllPoints().size(), 4u);
}

}  // namespace
}  // namespace ov
