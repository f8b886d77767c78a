// The preview's thinned outlines stay within their tolerance of the figures (lines and Béziers) and
// drop what it hides; the stroke coverage is full near a polyline, none away, round at corners, clipped.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "paths/BezierCubic.h"
#include "trace/PreviewOutline.h"
#include "trace/StrokeCoverage.h"

using namespace ov;

namespace {

double DistanceToPolyline(Vec2 p, const std::vector<OvPointF>& line)
{
    double best = 1e300;
    for (size_t i = 1; i < line.size(); ++i) {
        const Vec2 a{line[i - 1].x, line[i - 1].y}, b{line[i].x, line[i].y};
        const double t = std::clamp(Dot(p - a, b - a) / std::max(DistanceSquared(a, b), 1e-12), 0.0, 1.0);
        best = std::min(best, Distance(p, Lerp(a, b, t)));
    }
    return best;
}

TEST(SimplifyForPreview, StaysWithinTheToleranceAndDropsWhatItHides)
{
    std::mt19937 rng(5);  // a closed noisy ring of 400 points, then an open Bézier
    std::uniform_real_distribution<float> noise(-0.2f, 0.2f);
    std::vector<OvPointF> ring;
    for (int i = 0; i < 400; ++i) {
        const double a = i * 2 * M_PI / 400;
        ring.push_back(
            {float(500 + 300 * std::cos(a)) + noise(rng), float(500 + 300 * std::sin(a)) + noise(rng)});
    }
    PathObject path;
    path.AddPolygon(ring);
    path.StartFigure();
    const Cubic curve{{{0, 0}, {0, 200}, {300, 200}, {300, 0}}};
    path.AddBeziers(std::vector<OvPointF>{{0, 0}, {0, 200}, {300, 200}, {300, 0}});
    for (const double tolerance : {0.5, 2.0}) {
        const auto lines = SimplifyForPreview(path, tolerance);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_TRUE(lines[0].closed && !lines[1].closed);
        EXPECT_EQ(lines[0].points.front().x, lines[0].points.back().x);
        EXPECT_LT(lines[0].points.size(), ring.size() / (tolerance < 1 ? 2 : 4));
        for (const OvPointF& p : ring) EXPECT_LE(DistanceToPolyline({p.x, p.y}, lines[0].points), tolerance);
        for (int k = 0; k <= 200; ++k)
            EXPECT_LE(DistanceToPolyline(BezierPoint(curve, k / 200.0), lines[1].points), tolerance) << k;
    }
}

TEST(StrokeCoverage, FullNearTheLineNoneAwayRoundAtCornersClippedToTheMask)
{
    // An L doubled in scale and moved onto pixel centres: (10.5, 10.5) → (10.5, 30.5) → (30.5, 30.5).
    const std::vector<PreviewPolyline> lines{{{{7.5f, 7.5f}, {7.5f, 17.5f}, {17.5f, 17.5f}}, false}};
    const CoverageMask mask = StrokeCoverage(lines, {2, -4.5, -4.5}, 4, 40, 40);
    // On the line, 1, 2 and 3 away; outside the corner 1.4 away, where a square corner would reach;
    // past the round end.
    for (const auto& [x, y, alpha] : {std::tuple{10, 20, 255},
                                      {11, 20, 255},
                                      {12, 20, 128},
                                      {13, 20, 0},
                                      {9, 31, 255},
                                      {8, 32, 0},
                                      {32, 30, 128},
                                      {32, 32, 0}})
        EXPECT_EQ(mask.At(x, y), alpha) << x << ", " << y;
    EXPECT_EQ(std::vector({mask.left, mask.top, mask.right, mask.bottom}), std::vector({8, 8, 33, 33}));
    const CoverageMask clipped = StrokeCoverage(lines, {2, 0, 0}, 4, 25, 20);
    EXPECT_EQ(clipped.At(15, 19), 255);
    EXPECT_EQ(std::vector({clipped.left, clipped.right, clipped.bottom}), std::vector({13, 17, 20}));
    const CoverageMask none = StrokeCoverage(lines, {2, 100, 100}, 4, 25, 20);
    EXPECT_LE(none.right, none.left);
    EXPECT_EQ(StrokeCoverage({{{{5, 5}}, false}}, {1, 0, 0}, 4, 10, 10).At(5, 5), 255)
        << "a lone point is a dot";
}

}  // namespace
