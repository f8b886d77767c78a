// Intersections by meaning: counts for known curve pairs, and every reported point lies on both
// of the intersected curves.
#include "paths/BezierCubic.h"
#include "paths/BezierIntersection.h"
#include "paths/LineIntersection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace ov {
namespace {

// Distance from p to the cubic, by dense sampling (independent of the code under test).
double Off(const Cubic& c, Vec2 p)
{
    double best = INFINITY;
    for (int i = 0; i <= 200000; ++i) best = std::min(best, Distance(BezierPoint(c, i / 200000.0), p));
    return best;
}

double OffSegment(Vec2 a, Vec2 b, Vec2 p)
{
    return std::fabs(Distance(a, p) + Distance(p, b) - Distance(a, b));
}

struct LinePair {
    const char* name;
    Vec2 a, b, c, d;
    bool meets;
    Vec2 at;
};

class LineLine : public ::testing::TestWithParam<LinePair> {};

TEST_P(LineLine, MeetsWhereExpected)
{
    const auto& k = GetParam();
    const auto p = IntersectLines(k.a, k.b, k.c, k.d);
    ASSERT_EQ(p.has_value(), k.meets) << k.name;
    if (!p) return;
    EXPECT_NEAR(p->x, k.at.x, 1e-9) << k.name;
    EXPECT_NEAR(p->y, k.at.y, 1e-9) << k.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, LineLine,
    ::testing::Values(LinePair{"cross", {0, 0}, {10, 10}, {0, 10}, {10, 0}, true, {5, 5}},
                      LinePair{"end to end", {0, 0}, {5, 0}, {5, 0}, {5, 7}, true, {5, 0}},
                      LinePair{
                          "end to end within 0.01", {0, 0}, {5, 0}, {5.004, 0}, {9, 0}, true, {5.004, 0}},
                      LinePair{"end on the other's middle", {0, 0}, {10, 0}, {4, 0}, {4, 6}, true, {4, 0}},
                      LinePair{"parallel", {0, 0}, {10, 0}, {0, 1}, {10, 1}, false, {}},
                      LinePair{"apart", {0, 0}, {1, 1}, {5, 0}, {6, -3}, false, {}},
                      LinePair{"would cross beyond the end", {0, 0}, {1, 1}, {0, 3}, {3, 0}, false, {}},
                      LinePair{"NaN", {NAN, 0}, {1, 1}, {0, 1}, {1, 0}, false, {}}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

// Upper half of a circle of radius 10 as one cubic: from (-10, 0) over (0, 7.5) to (10, 0).
const Cubic kArch{{{-10, 0}, {-10, 10}, {10, 10}, {10, 0}}};

TEST(IntersectLineBezier, LineAcrossTheArchCrossesTwice)
{
    const Vec2 a{-20, 4}, b{20, 4};
    const auto hits = IntersectLineBezier(a, b, kArch);
    ASSERT_EQ(hits.size(), 2u);
    for (const auto& h : hits) {
        EXPECT_NEAR(Distance(BezierPoint(kArch, h.t), h.point), 0.0, 1e-9);
        EXPECT_LT(OffSegment(a, b, h.point), 0.01);
    }
}

TEST(IntersectLineBezier, ANearlyQuadraticPieceCrossesOnTheLine)
{
    // The arch's right part from a third on: its height polynomial has a leading coefficient that
    // is rounding noise, which must not scatter the roots.
    Cubic right;
    SplitBezier(kArch, 0.2113, nullptr, &right);
    for (Vec2& p : right) p = {double(float(p.x)), double(float(p.y))};
    const auto hits = IntersectLineBezier({-20, 6}, {20, 6}, right);
    ASSERT_EQ(hits.size(), 2u);
    for (const auto& h : hits) EXPECT_NEAR(h.point.y, 6.0, 1e-6);
}

TEST(IntersectLineBezier, ShortLinesAndChordsAndMissesGiveNothing)
{
    EXPECT_TRUE(IntersectLineBezier({0, 4}, {1.9, 4}, kArch).empty());  // line below 2.0
    const Cubic tiny{{{0, 0}, {0, 5}, {1, 5}, {1, 0}}};                 // chord below 2.0
    EXPECT_TRUE(IntersectLineBezier({-20, 1}, {20, 1}, tiny).empty());
    EXPECT_TRUE(IntersectLineBezier({-20, 9}, {20, 9}, kArch).empty());   // above the top (7.5)
    EXPECT_TRUE(IntersectLineBezier({-20, 4}, {-15, 4}, kArch).empty());  // stops short
    EXPECT_TRUE(IntersectLineBezier({NAN, 4}, {20, 4}, kArch).empty());
}

TEST(IntersectLineBezier, TouchingTheTopIsFound)
{
    const auto hits = IntersectLineBezier({-20, 7.5}, {20, 7.5}, kArch);
    ASSERT_FALSE(hits.empty());
    for (const auto& h : hits) EXPECT_NEAR(h.point.x, 0.0, 0.05);
}

struct CubicPair {
    const char* name;
    Cubic c1, c2;
    size_t count;
};

class CubicCubic : public ::testing::TestWithParam<CubicPair> {};

TEST_P(CubicCubic, CountAndEveryPointOnBoth)
{
    const auto& k = GetParam();
    const auto points = IntersectBeziers(k.c1, k.c2);
    EXPECT_EQ(points.size(), k.count) << k.name;
    for (const Vec2 p : points) {
        EXPECT_LT(Off(k.c1, p), 1e-3) << k.name;
        EXPECT_LT(Off(k.c2, p), 1e-3) << k.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    KnownPairs, CubicCubic,
    ::testing::Values(CubicPair{"arch and straight cubic", kArch, {{{-20, 4}, {-5, 4}, {5, 4}, {20, 4}}}, 2},
                      CubicPair{"arch and its mirror", kArch, {{{-10, 5}, {-10, -5}, {10, -5}, {10, 5}}}, 2},
                      CubicPair{"S across a line three times",
                                {{{0, -10}, {10, 30}, {20, -30}, {30, 10}}},
                                {{{-5, 0}, {10, 0}, {20, 0}, {35, 0}}},
                                3},
                      CubicPair{"apart", kArch, {{{30, 0}, {30, 10}, {40, 10}, {40, 0}}}, 0},
                      CubicPair{"non-finite", kArch, {{{NAN, 0}, {0, 1}, {1, 1}, {2, 0}}}, 0}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(IntersectBeziers, OverlappingCurvesStayWithinTheHitBound)
{
    const auto points = IntersectBeziers(kArch, kArch);
    EXPECT_LE(points.size(), kMaxRawHits + 1);
    for (const Vec2 p : points) EXPECT_LT(Off(kArch, p), 1e-3);
}

TEST(IntersectBeziers, CurvesTooLargeToReachTheToleranceStopAtTheHitBound)
{
    // Halving a curve 1e37 across never gets a box below 0.0001; overlapping ones still end early.
    Cubic huge = kArch;
    for (Vec2& p : huge) p = p * 1e37;
    const auto points = IntersectBeziers(huge, huge);
    EXPECT_FALSE(points.empty());
    EXPECT_LE(points.size(), kMaxRawHits + 1);
}

TEST(SelfIntersection, LoopCrossesItselfOnItsAxis)
{
    const Cubic loop{{{0, 0}, {20, 20}, {-10, 20}, {10, 0}}};
    const auto crossing = SelfIntersection(loop, 1e-6);
    ASSERT_TRUE(crossing);
    EXPECT_NEAR(crossing->point.x, 5.0, 1e-3);  // the loop is symmetric about x = 5
    EXPECT_GE(crossing->t, 0.0);
    EXPECT_LE(crossing->t, 0.5);
    EXPECT_LT(Distance(BezierPoint(loop, crossing->t), crossing->point), 1e-3);
    EXPECT_FALSE(SelfIntersection(kArch, 1e-6));
}

}  // namespace
}  // namespace ov
