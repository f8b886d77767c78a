// Curve numerics: quadratic and cubic roots (every reported root solves its polynomial, in the
// expected number) and length along a cubic with its inverse, against a closed form (a parabola) and a
// fine polyline across a cusp (where the speed drops to zero), a line meeting a cubic at its apex, and the
// closest parameter to a point.
#include "paths/BezierCubic.h"
#include "paths/BezierIntersection.h"
#include "paths/CubicArcLength.h"
#include "paths/LineIntersection.h"
#include "paths/Polynomial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace ov {
namespace {

TEST(SolveCubic, EveryRootSolvesThePolynomial)
{
    const struct {
        const char* name;
        double a, b, c, d;
        int roots;
    } rows[] = {{"three real roots (1, 2, 3)", 1, -6, 11, -6, 3},
                {"one real root of x^3 - 1", 1, 0, 0, -1, 1},
                {"one negative root of x^3 + 8 keeps its sign", 1, 0, 0, 8, 1},
                {"double root pair (1, 1, -2)", 1, 0, -3, 2, 2},
                {"scaled leading coefficient", -2, 12, -22, 12, 3},
                {"a = 0 falls back to the quadratic", 0, 1, -3, 2, 2},
                {"a = b = 0 gives the linear root", 0, 0, 2, -1, 1},
                {"tiny a keeps the quadratic's roots", 1e-9, 1, -3, 2, 2},
                {"small a moves them", -2e-5, 1, -3, 2, 2},
                {"constant has none", 0, 0, 0, 5, 0},
                {"NaN coefficient has none", 1, NAN, 0, 0, 0},
                {"infinite coefficient has none", INFINITY, 1, 0, 0, 0}};
    for (const auto& k : rows) {
        const Roots r = SolveCubic(k.a, k.b, k.c, k.d);
        ASSERT_EQ(r.count, k.roots) << k.name;
        for (int i = 0; i < r.count; ++i) {
            const double x = r.values[i];
            EXPECT_NEAR(((k.a * x + k.b) * x + k.c) * x + k.d, 0.0, 1e-9) << k.name << " root " << x;
        }
    }
    EXPECT_EQ(SolveQuadratic(1, -3, 2).count, 2);
    EXPECT_EQ(SolveQuadratic(1, -2, 1).count, 1);
    EXPECT_DOUBLE_EQ(SolveQuadratic(1, -2, 1).values[0], 1.0);
    EXPECT_EQ(SolveQuadratic(1, 0, 1).count, 0);
}

TEST(CubicRootsInUnit, KeepsTheUnitRangeWithSlackAndAveragesNearRoots)
{
    // (t - 0.5)(t - 0.50005)(t - 2): the two close roots become one, 2 lies outside.
    const double r1 = 0.5, r2 = 0.50005, r3 = 2.0;
    const Roots r = CubicRootsInUnit(1, -(r1 + r2 + r3), r1 * r2 + r1 * r3 + r2 * r3, -r1 * r2 * r3);
    ASSERT_EQ(r.count, 1);
    EXPECT_NEAR(r.values[0], 0.500025, 1e-7);
    // Roots just outside the ends: -0.00005 and 1.00005 stay, -0.001 and 1.001 go.
    auto count = [](double p, double q) { return CubicRootsInUnit(0, 1, -(p + q), p * q).count; };
    EXPECT_EQ(count(-0.00005, 1.00005), 2);
    EXPECT_EQ(count(-0.001, 1.001), 0);
}

TEST(CubicArcLength, MatchesAClosedFormAndAFinePolylineBothWaysWithinItsEdges)
{
    // y = x² for x in [0, 1], with x = t: length sqrt(1 + 4x²)·x/2 + asinh(2x)/4.
    const CubicArcLength parabola({{{0, 0}, {1.0 / 3, 0}, {2.0 / 3, 1.0 / 3}, {1, 1}}});
    for (const double t : {0.01, 0.5, 0.77, 1.0}) {
        const double s = t * std::sqrt(1 + 4 * t * t) / 2 + std::asinh(2 * t) / 4;
        EXPECT_NEAR(parabola.LengthAt(t), s, 1e-10) << t;
        EXPECT_NEAR(parabola.ParameterAt(s - 1e-12), t, 1e-9) << t;
    }
    // Symmetric about t = 0.5, where its speed is 0.
    const Cubic cusp{{{0, 0}, {100, 100}, {0, 100}, {100, 0}}};
    const CubicArcLength arc(cusp);
    double chords = 0;
    for (int i = 1; i <= 1 << 16; ++i)
        chords += Distance(BezierPoint(cusp, (i - 1.0) / 65536), BezierPoint(cusp, i / 65536.0));
    EXPECT_NEAR(arc.Length(), chords, 1e-6 * chords);
    EXPECT_NEAR(arc.LengthAt(0.5), arc.Length() / 2, 1e-9 * chords);
    for (int k = 1; k < 10; ++k)
        EXPECT_NEAR(arc.LengthAt(arc.ParameterAt(chords * k / 10)), chords * k / 10, 1e-7 * chords) << k;
    EXPECT_EQ(arc.ParameterAt(-3), 0.0);
    EXPECT_EQ(arc.ParameterAt(NAN), 0.0);
    EXPECT_EQ(arc.ParameterAt(arc.Length()), 1.0);
    EXPECT_EQ(arc.LengthAt(-1), 0.0);
    EXPECT_EQ(arc.LengthAt(2), arc.Length());
    const CubicArcLength point({{{5, 5}, {5, 5}, {5, 5}, {5, 5}}});
    EXPECT_EQ(point.ParameterAt(1), 1.0);
    // Non-finite points must not run the refinement or the Newton steps away.
    const double t = CubicArcLength({{{0, 0}, {NAN, 1}, {2, 2}, {3, 3}}}).ParameterAt(1);
    EXPECT_TRUE(std::isnan(t) || (t >= 0 && t <= 1));
}

// A symmetric arch whose apex (t = 0.5) lies at height `apex` against the line y = 0. A touch that
// leaves no real root (a gap of 0.005) and two crossings 0.0005 apart are one hit at the apex; a gap
// of 0.02 is no hit. The same holds with the picture turned by 30 degrees.
TEST(IntersectLineBezier, ATouchOrTwoCloseCrossingsAreOneHitAtTheApex)
{
    for (const double degrees : {0.0, 30.0}) {
        const double c = std::cos(degrees * std::numbers::pi / 180),
                     s = std::sin(degrees * std::numbers::pi / 180);
        const auto turn = [&](Vec2 p) { return Vec2{c * p.x - s * p.y, s * p.x + c * p.y}; };
        for (const double apex : {-0.005, 6e-7, -0.02}) {
            const double k = (8 * apex + 5) / 6;  // the apex height is (6k - 5) / 8
            const Cubic arch{turn({-6, -2.5}), turn({-2, k}), turn({2, k}), turn({6, -2.5})};
            const std::vector<CurveHit> hits = IntersectLineBezier(turn({-10, 0}), turn({10, 0}), arch);
            ASSERT_EQ(hits.size(), apex < -0.01 ? 0u : 1u) << degrees << " " << apex;
            if (hits.empty()) continue;
            EXPECT_NEAR(hits[0].t, 0.5, 1e-4) << degrees << " " << apex;
            EXPECT_NEAR(Distance(hits[0].point, turn({0, apex})), 0.0, 1e-4) << degrees << " " << apex;
        }
    }
    // A chord of exactly the shortest length (2.0) still counts: this arch crosses the line twice.
    EXPECT_EQ(IntersectLineBezier({-5, 0}, {5, 0}, Cubic{{{-1, -1}, {-1, 1}, {1, 1}, {1, -1}}}).size(), 2u);
}

// The closest parameter to a point on the curve is its own parameter; an end point gives the end
// exactly, a window that leaves the point out gives the window's nearer edge, and a window with a
// bound that is not a number gives 0.
TEST(ClosestParameter, FindsThePointsOwnParameterAndKeepsToItsWindow)
{
    const Cubic c{{{0, 0}, {1, 2}, {3, 2}, {4, 0}}};
    EXPECT_EQ(ClosestParameter(c, c[0], 0.0, 1.0, 100, 1e-9), 0.0);
    EXPECT_DOUBLE_EQ(ClosestParameter(c, c[3], 0.0, 1.0, 100, 1e-9), 1.0);
    EXPECT_NEAR(ClosestParameter(c, BezierPoint(c, 0.3), 0.0, 1.0, 100, 1e-9), 0.3, 1e-7);
    EXPECT_EQ(ClosestParameter(c, BezierPoint(c, 0.2), 0.5, 1.0, 100, 1e-9), 0.5);
    EXPECT_EQ(ClosestParameter(c, c[3], NAN, 1.0, 100, 1e-9), 0.0);  // no window: 0
}

}  // namespace
}  // namespace ov
