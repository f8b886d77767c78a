// Length along a cubic and its inverse against a closed form (a parabola) and against a fine polyline
// across a cusp (where the speed drops to zero), and the edges of both functions.
#include "paths/BezierCubic.h"
#include "paths/CubicArcLength.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ov {
namespace {

// Lengths of a fine polyline through the curve at n + 1 even parameters: the reference.
std::vector<double> ChordLengths(const Cubic& c, int n)
{
    std::vector<double> lengths{0.0};
    for (int i = 1; i <= n; ++i)
        lengths.push_back(lengths.back() +
                          Distance(BezierPoint(c, (i - 1.0) / n), BezierPoint(c, double(i) / n)));
    return lengths;
}

double ParameterOnChords(const std::vector<double>& lengths, double s)
{
    const auto i = static_cast<size_t>(std::lower_bound(lengths.begin(), lengths.end(), s) - lengths.begin());
    const double frac = (s - lengths[i - 1]) / (lengths[i] - lengths[i - 1]);
    return (static_cast<double>(i - 1) + frac) / static_cast<double>(lengths.size() - 1);
}

TEST(CubicArcLength, MatchesClosedFormsAndAFineTableBothWays)
{
    // y = x² for x in [0, 1], with x = t: length sqrt(1 + 4x²)·x/2 + asinh(2x)/4.
    const CubicArcLength parabola({{{0, 0}, {1.0 / 3, 0}, {2.0 / 3, 1.0 / 3}, {1, 1}}});
    for (const double t : {0.01, 0.5, 0.77, 1.0}) {
        const double s = t * std::sqrt(1 + 4 * t * t) / 2 + std::asinh(2 * t) / 4;
        EXPECT_NEAR(parabola.LengthAt(t), s, 1e-10) << t;
        EXPECT_NEAR(parabola.ParameterAt(s - 1e-12), t, 1e-9) << t;
    }
    const Cubic cusp{{{0, 0}, {100, 100}, {0, 100}, {100, 0}}};  // speed 0 at t = 0.5
    const CubicArcLength arc(cusp);
    const auto table = ChordLengths(cusp, 1 << 16);
    EXPECT_NEAR(arc.Length(), table.back(), 1e-6 * table.back());
    for (int k = 1; k < 10; ++k) {
        const double s = table.back() * k / 10, t = arc.ParameterAt(s);
        EXPECT_NEAR(arc.LengthAt(t), s, 1e-7 * table.back());
        EXPECT_NEAR(t, ParameterOnChords(table, s), 1e-5) << k;
    }
}

TEST(CubicArcLength, EdgesAndDegenerateCurves)
{
    const CubicArcLength arc({{{-12, 2}, {-4, -6}, {4, 14}, {12, 3}}});
    EXPECT_EQ(arc.ParameterAt(-3), 0.0);
    EXPECT_EQ(arc.ParameterAt(NAN), 0.0);
    EXPECT_EQ(arc.ParameterAt(arc.Length()), 1.0);
    EXPECT_EQ(arc.LengthAt(-1), 0.0);
    EXPECT_EQ(arc.LengthAt(2), arc.Length());
    EXPECT_LE(arc.Pieces(), 32u) << "a smooth cubic needs few pieces";
    EXPECT_GT(CubicArcLength({{{-12, 2}, {-4, -6}, {4, 14}, {12, 3}}}, 6e-14).Pieces(), 32u);
    const CubicArcLength point({{{5, 5}, {5, 5}, {5, 5}, {5, 5}}});
    EXPECT_EQ(point.Length(), 0.0);
    EXPECT_EQ(point.ParameterAt(1), 1.0);
    // Non-finite points must not run the refinement or the Newton steps away.
    const double t = CubicArcLength({{{0, 0}, {NAN, 1}, {2, 2}, {3, 3}}}).ParameterAt(1);
    EXPECT_TRUE(std::isnan(t) || (t >= 0 && t <= 1));
}

}  // namespace
}  // namespace ov
