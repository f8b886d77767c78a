// The preview's thinned outlines stay within their tolerance of the figures (lines and Béziers) and
// drop what the tolerance hides; the stroke coverage is full near a polyline, none away from it, round
// at corners and clipped to the mask.
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
        const double len2 = DistanceSquared(a, b);
        const double t = len2 > 0 ? std::clamp(Dot(p - a, b - a) / len2, 0.0, 1.0) : 0.0;
        best = std::min(best, Distance(p, Lerp(a, b, t)));
    }
    return best;
}

TEST(SimplifyForPreview, StaysWithinTheToleranceAndDropsWhatItHides)
{
    // A closed noisy ring of 400 points, and an open figure with a Bézier.
    std::mt19937 rng(5);
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
    std::vector<OvPointF> bezier;
    for (const Vec2& p : curve) bezier.push_back({float(p.x), float(p.y)});
    path.AddBeziers(bezier);

    for (const double tolerance : {0.5, 2.0}) {
        const auto lines = SimplifyForPreview(path, tolerance);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_TRUE(lines[0].closed);
        EXPECT_FALSE(lines[1].closed);
        EXPECT_EQ(lines[0].points.front().x, lines[0].points.back().x);
        EXPECT_LT(lines[0].points.size(), ring.size() / (tolerance < 1 ? 2 : 4));
        for (const OvPointF& p : ring) EXPECT_LE(DistanceToPolyline({p.x, p.y}, lines[0].points), tolerance);
        for (int k = 0; k <= 200; ++k) {
            const Vec2 p = BezierPoint(curve, k / 200.0);
            EXPECT_LE(DistanceToPolyline(p, lines[1].points), tolerance) << k;
        }
    }
}

TEST(StrokeCoverage, FullNearTheLineNoneAwayRoundAtCornersClippedToTheMask)
{
    // An L doubled in scale and moved onto pixel centres: (10.5, 10.5) → (10.5, 30.5) → (30.5, 30.5).
    const std::vector<PreviewPolyline> lines{{{{7.5f, 7.5f}, {7.5f, 17.5f}, {17.5f, 17.5f}}, false}};
    const CoverageMask mask = StrokeCoverage(lines, {2, -4.5, -4.5}, 4, 40, 40);
    EXPECT_EQ(mask.At(10, 20), 255);  // on the line
    EXPECT_EQ(mask.At(11, 20), 255);  // 1 away: within half the width − 0.5
    EXPECT_EQ(mask.At(12, 20), 128);  // 2 away: on the edge, half covered
    EXPECT_EQ(mask.At(13, 20), 0);    // 3 away: past half the width + 0.5
    EXPECT_EQ(mask.At(9, 31), 255);   // outside the corner, 1.4 from it
    EXPECT_EQ(mask.At(8, 32), 0);     // a square corner would cover this one
    EXPECT_EQ(mask.At(32, 30), 128);  // round end
    EXPECT_EQ(mask.At(32, 32), 0);
    EXPECT_EQ(mask.left, 8);
    EXPECT_EQ(mask.top, 8);
    EXPECT_EQ(mask.right, 33);
    EXPECT_EQ(mask.bottom, 33);

    const CoverageMask clipped = StrokeCoverage(lines, {2, 0, 0}, 4, 25, 20);
    EXPECT_EQ(clipped.At(15, 19), 255);
    EXPECT_EQ(clipped.left, 13);
    EXPECT_EQ(clipped.right, 17);
    EXPECT_EQ(clipped.bottom, 20);
    const CoverageMask none = StrokeCoverage(lines, {2, 100, 100}, 4, 25, 20);
    EXPECT_LE(none.right, none.left);
}

}  // namespace
