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

TEST(BezierCubic, HalvesRetraceTheWholeAndTheCurveBoxHoldsTheCurveInsideTheControlBox)
{
    for (const double t : {0.1, 0.5, 0.83}) {
        Cubic left, right;
        SplitBezier(kS, t, &left, &right);
        for (const double u : {0.0, 0.25, 0.6, 1.0}) {
            ExpectNear(BezierPoint(left, u), BezierPoint(kS, t * u), 1e-9, "left");
            ExpectNear(BezierPoint(right, u), BezierPoint(kS, t + (1 - t) * u), 1e-9, "right");
        }
    }
    ExpectNear(BezierPoint(kS, 7), kS[3], 0);
    ExpectNear(BezierPoint(kS, NAN), kS[0], 0);
    const Box control = Bounds(kS), tight = CurveBounds(kS);
    EXPECT_GE(tight.minX, control.minX);
    EXPECT_LT(tight.maxY, 40.0);  // the control points reach 40, the curve only 30
    for (int i = 0; i <= 100; ++i) {
        const Vec2 p = BezierPoint(kS, i / 100.0);
        EXPECT_TRUE(p.x >= tight.minX - 1e-9 && p.x <= tight.maxX + 1e-9 && p.y <= tight.maxY + 1e-9);
    }
    EXPECT_EQ(UnionBounds(Bounds(kS.data(), 2), Bounds(kS.data() + 2, 2)).maxY, control.maxY);
    EXPECT_TRUE(Bounds(nullptr, 0).IsEmpty());
    for (const double t : {0.05, 0.3, 0.71, 0.98})
        EXPECT_NEAR(ClosestParameter(kS, BezierPoint(kS, t), 0, 1, 100, 1e-9), t, 1e-6);
    EXPECT_EQ(ClosestParameter(kS, {0, 0}, NAN, 1, 10, 1e-6), 0.0);
    // Too few samples would never shrink the window; they are raised to a working count.
    EXPECT_NEAR(ClosestParameter(kS, BezierPoint(kS, 0.4), 0, 1, 2, 1e-7), 0.4, 1e-5);
}

// The arc starts at p1, ends at p3 and passes p2 on the way, turning either way and across 0 degrees.
TEST(CircleThrough, ArcRunsFromTheFirstPointThroughTheSecondToTheThird)
{
    const Vec2 rows[][3] = {{{10, 0}, {0, 10}, {-10, 0}},
                            {{0, 10}, {10, 0}, {0, -10}},
                            {{0, -10}, {10, 0}, {0, 10}},
                            {{3, 4}, {-5, 0}, {4, -3}}};
    for (const auto& [p1, p2, p3] : rows) {
        const auto arc = CircleThrough(p1, p2, p3);
        ASSERT_TRUE(arc);
        const Vec2 c{arc->x + arc->width / 2, arc->y + arc->height / 2};
        const double r = arc->width / 2;
        const auto at = [&](double deg) {
            return c +
                   Vec2{std::cos(deg * std::numbers::pi / 180), std::sin(deg * std::numbers::pi / 180)} * r;
        };
        ExpectNear(at(arc->startAngle), p1, 1e-6, "start");
        ExpectNear(at(arc->startAngle + arc->sweepAngle), p3, 1e-6, "end");
        bool passes = false;
        for (int i = 0; i <= 1000 && !passes; ++i)
            passes = Distance(at(arc->startAngle + arc->sweepAngle * i / 1000), p2) < 0.01 * r;
        EXPECT_TRUE(passes);
    }
    EXPECT_FALSE(CircleThrough({0, 0}, {1, 1}, {2, 2}));
    EXPECT_FALSE(CircleThrough({0, 0}, {0, 0}, {5, 1}));
    EXPECT_FALSE(CircleThrough({0, 0}, {NAN, 1}, {5, 1}));
}

TEST(ArcLength, AStraightCubicOfUnevenSpeedMeasuresItsChordAndLengthsMapBackOntoIt)
{
    const Cubic line{{{0, 0}, {1, 0}, {2, 0}, {10, 0}}};
    const auto table = ArcLengthTable(line);
    EXPECT_EQ(table.front(), 0.0);
    EXPECT_NEAR(table.back(), 10.0, 1e-9);
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

}  // namespace
}  // namespace ov
