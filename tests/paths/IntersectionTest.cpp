// Intersections by meaning: counts for known curve pairs, and every reported point lies on both
// of the intersected curves. (A cubic's crossing with itself: the loop cuts in CrossingSearchTest.)
#include "paths/BezierCubic.h"
#include "paths/BezierIntersection.h"
#include "paths/LineIntersection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ov {
namespace {

// Distance from p to the cubic, by dense sampling (independent of the code under test).
double Off(const Cubic& c, Vec2 p)
{
    double best = INFINITY;
    for (int i = 0; i <= 200000; ++i) best = std::min(best, Distance(BezierPoint(c, i / 200000.0), p));
    return best;
}

TEST(IntersectLines, MeetWhereBothSegmentsReachAndEndsWithinAHundredthMeet)
{
    const struct {
        Vec2 a, b, c, d;
        std::optional<Vec2> at;
    } rows[] = {{{0, 0}, {10, 10}, {0, 10}, {10, 0}, Vec2{5, 5}},
                {{0, 0}, {5, 0}, {5.004, 0}, {9, 0}, Vec2{5.004, 0}},  // end to end within 0.01
                {{0, 0}, {10, 0}, {4, 0}, {4, 6}, Vec2{4, 0}},
                {{0, 0}, {10, 0}, {0, 1}, {10, 1}, std::nullopt},  // parallel
                {{0, 0}, {1, 1}, {0, 3}, {3, 0}, std::nullopt},    // would cross beyond the end
                {{NAN, 0}, {1, 1}, {0, 1}, {1, 0}, std::nullopt}};
    for (const auto& k : rows) {
        const auto p = IntersectLines(k.a, k.b, k.c, k.d);
        ASSERT_EQ(p.has_value(), k.at.has_value()) << k.c.x;
        if (p) {
            EXPECT_LT(Distance(*p, *k.at), 1e-9) << k.c.x;
        }
    }
}

// Upper half of a circle of radius 10 as one cubic: from (-10, 0) over (0, 7.5) to (10, 0).
const Cubic kArch{{{-10, 0}, {-10, 10}, {10, 10}, {10, 0}}};

TEST(IntersectLineBezier, CrossingsLieOnTheLineAndTheCurveAndShortOnesAreLeftOut)
{
    // The arch's right part from a third on has a height polynomial whose leading coefficient is
    // rounding noise, which must not scatter the roots.
    Cubic right;
    SplitBezier(kArch, 0.2113, nullptr, &right);
    for (Vec2& p : right) p = {double(float(p.x)), double(float(p.y))};
    const struct {
        Vec2 a, b;
        const Cubic& curve;
        size_t least, most;
    } rows[] = {{{-20, 4}, {20, 4}, kArch, 2, 2},     {{-20, 6}, {20, 6}, right, 2, 2},
                {{-20, 7.5}, {20, 7.5}, kArch, 1, 2},  // touching the top
                {{0, 4}, {1.9, 4}, kArch, 0, 0},       // line below 2.0
                {{-20, 9}, {20, 9}, kArch, 0, 0},     {{-20, 4}, {-15, 4}, kArch, 0, 0},
                {{NAN, 4}, {20, 4}, kArch, 0, 0}};
    for (const auto& k : rows) {
        const auto hits = IntersectLineBezier(k.a, k.b, k.curve);
        EXPECT_GE(hits.size(), k.least) << k.a.y;
        EXPECT_LE(hits.size(), k.most) << k.a.y;
        for (const auto& h : hits) {
            EXPECT_NEAR(Distance(BezierPoint(k.curve, h.t), h.point), 0.0, 1e-6);
            EXPECT_NEAR(h.point.y, k.a.y, 1e-6);
        }
    }
    const Cubic tiny{{{0, 0}, {0, 5}, {1, 5}, {1, 0}}};  // chord below 2.0
    EXPECT_TRUE(IntersectLineBezier({-20, 1}, {20, 1}, tiny).empty());
}

TEST(IntersectBeziers, KnownPairsCrossAsOftenAsTheyShouldOnBothCurves)
{
    const struct {
        Cubic c1, c2;
        size_t count;
    } rows[] = {{kArch, {{{-20, 4}, {-5, 4}, {5, 4}, {20, 4}}}, 2},
                {kArch, {{{-10, 5}, {-10, -5}, {10, -5}, {10, 5}}}, 2},
                {{{{0, -10}, {10, 30}, {20, -30}, {30, 10}}}, {{{-5, 0}, {10, 0}, {20, 0}, {35, 0}}}, 3},
                {kArch, {{{30, 0}, {30, 10}, {40, 10}, {40, 0}}}, 0},
                {kArch, {{{NAN, 0}, {0, 1}, {1, 1}, {2, 0}}}, 0}};
    for (const auto& k : rows) {
        const auto points = IntersectBeziers(k.c1, k.c2);
        EXPECT_EQ(points.size(), k.count);
        for (const Vec2 p : points) {
            EXPECT_LT(Off(k.c1, p), 1e-3);
            EXPECT_LT(Off(k.c2, p), 1e-3);
        }
    }
    // Overlapping curves end at the hit bound.
    const auto overlap = IntersectBeziers(kArch, kArch);
    EXPECT_LE(overlap.size(), kMaxRawHits + 1);
    for (const Vec2 p : overlap) EXPECT_LT(Off(kArch, p), 1e-3);
}

}  // namespace
}  // namespace ov
