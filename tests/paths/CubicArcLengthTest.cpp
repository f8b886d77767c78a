// Length along a cubic and its inverse, against closed forms (a parabola), an independent fine table
// and symmetry (a cusp, where the speed drops to zero), and the edges of both functions.
#include "paths/ArcLength.h"
#include "paths/BezierCubic.h"
#include "paths/CubicArcLength.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ov {
namespace {

// y = x² for x in [0, 1] as a cubic with x = t.
const Cubic kParabola{{{0, 0}, {1.0 / 3, 0}, {2.0 / 3, 1.0 / 3}, {1, 1}}};
const Cubic kCusp{{{0, 0}, {100, 100}, {0, 100}, {100, 0}}};  // speed 0 at t = 0.5
const Cubic kWave{{{-12, 2}, {-4, -6}, {4, 14}, {12, 3}}};

double ParabolaLength(double x)
{
    return x * std::sqrt(1 + 4 * x * x) / 2 + std::asinh(2 * x) / 4;
}

TEST(CubicArcLength, MatchesTheParabolasClosedFormBothWays)
{
    const CubicArcLength arc(kParabola);
    EXPECT_NEAR(arc.Length(), ParabolaLength(1), 1e-10);
    for (const double t : {0.01, 0.2, 0.5, 0.77, 0.999}) {
        EXPECT_NEAR(arc.LengthAt(t), ParabolaLength(t), 1e-10) << t;
        EXPECT_NEAR(arc.ParameterAt(ParabolaLength(t)), t, 1e-9) << t;
    }
}

TEST(CubicArcLength, AgreesWithAFineTableAcrossACusp)
{
    for (const Cubic& c : {kCusp, kWave}) {
        const CubicArcLength arc(c);
        const auto table = ArcLengthTable(c, 1 << 16);
        EXPECT_NEAR(arc.Length(), table.back(), 1e-6 * table.back());
        for (int k = 1; k < 20; ++k) {
            const double s = table.back() * k / 20;
            const double t = arc.ParameterAt(s);
            EXPECT_NEAR(arc.LengthAt(t), s, 1e-7 * table.back()) << k;
            EXPECT_NEAR(t, ParameterAtLength(table, s), 1e-5) << k;
        }
    }
    const CubicArcLength cusp(kCusp);
    EXPECT_NEAR(cusp.ParameterAt(cusp.Length() / 2), 0.5, 1e-6);
}

TEST(CubicArcLength, EdgesAndDegenerateCurves)
{
    const CubicArcLength arc(kWave);
    EXPECT_EQ(arc.ParameterAt(0), 0.0);
    EXPECT_EQ(arc.ParameterAt(-3), 0.0);
    EXPECT_EQ(arc.ParameterAt(NAN), 0.0);
    EXPECT_EQ(arc.ParameterAt(arc.Length()), 1.0);
    EXPECT_EQ(arc.LengthAt(-1), 0.0);
    EXPECT_EQ(arc.LengthAt(2), arc.Length());
    const CubicArcLength point({{{5, 5}, {5, 5}, {5, 5}, {5, 5}}});
    EXPECT_EQ(point.Length(), 0.0);
    EXPECT_EQ(point.ParameterAt(1), 1.0);
    // Non-finite points must not run the refinement or the Newton steps away.
    const CubicArcLength broken({{{0, 0}, {NAN, 1}, {2, 2}, {3, 3}}});
    const double t = broken.ParameterAt(1);
    EXPECT_TRUE(std::isnan(t) || (t >= 0 && t <= 1));
}

}  // namespace
}  // namespace ov
