// Bézier evaluation, splitting, boxes, circles through three points and arc length, checked by
// invariants (halves reproduce the whole, boxes contain the curve, arcs meet their points).
#include "paths/ArcLength.h"
#include "paths/BezierCubic.h"
#include "paths/BezierIntersection.h"
#include "paths/CircleThrough.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace ov {
namespace {

const Cubic kS{{{0, 0}, {30, 40}, {-10, 40}, {20, 0}}};

void ExpectNear(Vec2 a, Vec2 b, double tol, const char* what = "")
{
    EXPECT_NEAR(a.x, b.x, tol) << what;
    EXPECT_NEAR(a.y, b.y, tol) << what;
}

TEST(BezierPoint, ClampsTheParameterAndHitsTheEnds)
{
    ExpectNear(BezierPoint(kS, -3), kS[0], 0);
    ExpectNear(BezierPoint(kS, 7), kS[3], 0);
    ExpectNear(BezierPoint(kS, NAN), kS[0], 0);
}

TEST(SplitBezier, HalvesRetraceTheWhole)
{
    for (const double t : {0.1, 0.5, 0.83}) {
        Cubic left, right;
        SplitBezier(kS, t, &left, &right);
        for (const double u : {0.0, 0.25, 0.6, 1.0}) {
            ExpectNear(BezierPoint(left, u), BezierPoint(kS, t * u), 1e-9, "left");
            ExpectNear(BezierPoint(right, u), BezierPoint(kS, t + (1 - t) * u), 1e-9, "right");
        }
    }
    Cubic only;
    SplitBezier(kS, 0.5, nullptr, &only);  // either half may be omitted
    ExpectNear(only[3], kS[3], 0);
}

TEST(Bounds, CurveBoxContainsTheCurveAndLiesInTheControlBox)
{
    const Box control = Bounds(kS);
    const Box tight = CurveBounds(kS);
    EXPECT_GE(tight.minX, control.minX);
    EXPECT_LE(tight.maxY, control.maxY);
    EXPECT_LT(tight.maxY, 40.0);  // the control points reach 40, the curve only 30
    for (int i = 0; i <= 100; ++i) {
        const Vec2 p = BezierPoint(kS, i / 100.0);
        EXPECT_TRUE(p.x >= tight.minX - 1e-9 && p.x <= tight.maxX + 1e-9 && p.y <= tight.maxY + 1e-9);
    }
    const Box u = UnionBounds(Bounds(kS.data(), 2), Bounds(kS.data() + 2, 2));
    EXPECT_EQ(u.maxY, control.maxY);
    EXPECT_TRUE(Bounds(nullptr, 0).IsEmpty());
}

struct ThreePoints {
    Vec2 p1, p2, p3;
};

class CircleThroughPoints : public ::testing::TestWithParam<ThreePoints> {};

// The arc starts at p1, ends at p3 and passes p2 on the way.
TEST_P(CircleThroughPoints, ArcRunsFromFirstThroughSecondToThird)
{
    const auto& [p1, p2, p3] = GetParam();
    const auto arc = CircleThrough(p1, p2, p3);
    ASSERT_TRUE(arc);
    const Vec2 c{arc->x + arc->width / 2, arc->y + arc->height / 2};
    const double r = arc->width / 2;
    auto at = [&](double deg) {
        const double a = deg * std::numbers::pi / 180;
        return c + Vec2{std::cos(a), std::sin(a)} * r;
    };
    ExpectNear(at(arc->startAngle), p1, 1e-6, "start");
    ExpectNear(at(arc->startAngle + arc->sweepAngle), p3, 1e-6, "end");
    bool passes = false;
    for (int i = 0; i <= 1000 && !passes; ++i)
        passes = Distance(at(arc->startAngle + arc->sweepAngle * i / 1000), p2) < 0.01 * r;
    EXPECT_TRUE(passes);
    EXPECT_LE(std::fabs(arc->sweepAngle), 360.0);
}

INSTANTIATE_TEST_SUITE_P(AllTurns, CircleThroughPoints,
                         ::testing::Values(ThreePoints{{10, 0}, {0, 10}, {-10, 0}},   // counter to a2
                                           ThreePoints{{-10, 0}, {0, 10}, {10, 0}},   // the other way
                                           ThreePoints{{0, 10}, {10, 0}, {0, -10}},   // across 0 degrees
                                           ThreePoints{{0, -10}, {10, 0}, {0, 10}},   // back across 0
                                           ThreePoints{{10, 0}, {-10, 0}, {0, -10}},  // three quarters
                                           ThreePoints{{3, 4}, {-5, 0}, {4, -3}}));

TEST(CircleThrough, CollinearOrNonFinitePointsHaveNoCircle)
{
    EXPECT_FALSE(CircleThrough({0, 0}, {1, 1}, {2, 2}));
    EXPECT_FALSE(CircleThrough({0, 0}, {0, 0}, {5, 1}));
    EXPECT_FALSE(CircleThrough({0, 0}, {NAN, 1}, {5, 1}));
}

TEST(ArcLength, TableMeasuresKnownCurves)
{
    // A straight cubic with uneven speed still measures its chord.
    const Cubic line{{{0, 0}, {1, 0}, {2, 0}, {10, 0}}};
    const auto table = ArcLengthTable(line);
    ASSERT_EQ(table.size(), 4096u);
    EXPECT_EQ(table.front(), 0.0);
    EXPECT_NEAR(table.back(), 10.0, 1e-9);
    // The usual quarter-circle cubic is within 0.03 % of a quarter of the circumference.
    const double k = 0.5522847498 * 100;
    const auto quarter = ArcLengthTable({{{100, 0}, {100, k}, {k, 100}, {0, 100}}});
    EXPECT_NEAR(quarter.back(), 50 * std::numbers::pi, 0.05);
}

TEST(ParameterAtLength, MapsLengthsBackOntoTheCurve)
{
    const Cubic line{{{0, 0}, {1, 0}, {2, 0}, {10, 0}}};
    const auto table = ArcLengthTable(line);
    EXPECT_EQ(ParameterAtLength(table, -1), 0.0);
    EXPECT_EQ(ParameterAtLength(table, NAN), 0.0);
    EXPECT_EQ(ParameterAtLength(table, 10.0), 1.0);
    double last = 0;
    for (const double s : {0.5, 2.5, 5.0, 7.5, 9.9}) {
        const double t = ParameterAtLength(table, s);
        EXPECT_GT(t, last);
        EXPECT_NEAR(BezierPoint(line, t).x, s, 1e-4);
        last = t;
    }
}

TEST(ClosestParameter, FindsThePointsOwnParameter)
{
    for (const double t : {0.05, 0.3, 0.71, 0.98}) {
        EXPECT_NEAR(ClosestParameter(kS, BezierPoint(kS, t), 0, 1, 100, 1e-9), t, 1e-6);
    }
    EXPECT_EQ(ClosestParameter(kS, {0, 0}, NAN, 1, 10, 1e-6), 0.0);
    // Too few samples would never shrink the window; they are raised to a working count.
    EXPECT_NEAR(ClosestParameter(kS, BezierPoint(kS, 0.4), 0, 1, 2, 1e-7), 0.4, 1e-5);
}

}  // namespace
}  // namespace ov
