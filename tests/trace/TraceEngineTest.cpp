// The tracing engine on small drawn images: fill rules, seeds, outlines and holes, the debris
// threshold, approximation, the three path styles and the staged reruns. The remembered settings'
// ranges are the remembered-settings table's; the dialog test stores and clamps them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "trace/COvCFA.h"
#include "trace/FigureBuilder.h"
#include "trace/FloodFillMask.h"
#include "trace/TraceEngine.h"

using namespace ov;

namespace {

const cv::Vec3b kWhite(255, 255, 255);
const cv::Vec3b kInk(40, 80, 120);

cv::Mat Canvas(int w, int h)
{
    return cv::Mat(h, w, CV_8UC3, cv::Scalar(255, 255, 255));
}

void Rect(cv::Mat& m, int x, int y, int w, int h, cv::Vec3b c)
{
    m(cv::Rect(x, y, w, h)).setTo(cv::Scalar(c[0], c[1], c[2]));
}

cv::Mat Fill(const cv::Mat& source, float x, float y, int permeability)
{
    cv::Mat mask = MakeMask(source);
    FloodFillMask(source, mask, x, y, permeability);
    return mask;
}

TraceEngine Traced(const cv::Mat& image, float x, float y, FloodFillSettings s)
{
    TraceEngine engine;
    engine.SetSource(image.clone());
    engine.SetSeed(x, y);
    engine.SetSettings(s);
    engine.Update();
    return engine;
}

std::vector<uint8_t> TypesOf(const PathObject& p)
{
    return p.Types();
}

TEST(FloodFill, PermeabilityComparesEveryChannelWithTheSeedAndUsesEightNeighbours)
{
    cv::Mat m = Canvas(8, 8);
    Rect(m, 1, 1, 2, 2, kInk);
    m.at<cv::Vec3b>(3, 3) = kInk;                                      // diagonal neighbour joins
    m.at<cv::Vec3b>(4, 4) = cv::Vec3b(kInk[0], kInk[1], kInk[2] + 1);  // one step off in red
    m.at<cv::Vec3b>(5, 5) = cv::Vec3b(kInk[0] + 2, kInk[1], kInk[2]);  // two steps off in blue
    struct Row {
        int permeability;
        int filled;
    } rows[] = {{0, 5}, {1, 6}, {2, 7}};
    for (const Row& r : rows) {
        const cv::Mat mask = Fill(m, 1.9f, 1.2f, r.permeability);
        EXPECT_EQ(cv::countNonZero(mask), r.filled) << r.permeability;
        EXPECT_EQ(mask.at<uint8_t>(2, 2), 255);  // source (1, 1) lies at mask (2, 2)
        EXPECT_EQ(cv::countNonZero(mask.row(0)) + cv::countNonZero(mask.col(0)), 0);
    }
    EXPECT_EQ(m.at<cv::Vec3b>(1, 1), kInk);  // mask only: the source is untouched
}

TEST(FloodFill, SeedsOutsideTheImageLeaveTheMaskEmpty)
{
    const cv::Mat m = Canvas(6, 4);
    struct Row {
        float x, y;
        int filled;
    } rows[] = {{-1, 0, 0},  {0, -1, 0}, {6, 0, 0},        {0, 4, 0},    {-0.5f, 1, 0},
                {NAN, 1, 0}, {0, 0, 24}, {5.9f, 3.9f, 24}, {1e30f, 1, 0}};
    for (const Row& r : rows)
        EXPECT_EQ(cv::countNonZero(Fill(m, r.x, r.y, 0)), r.filled) << r.x << "," << r.y;
    EXPECT_EQ(cv::countNonZero(Fill(m, 1, 1, -1)), 0) << "a negative permeability fills nothing";
    EXPECT_EQ(cv::countNonZero(MakeMask(m)), 0);
    cv::Mat none;
    FloodFillMask(cv::Mat(), none, 0, 0, 0);
    EXPECT_TRUE(none.empty());
}

TEST(Outlines, ARegionWithHolesGivesOneOutlinePerHoleAndPixelZeroLiesAtOne)
{
    cv::Mat m = Canvas(20, 20);
    Rect(m, 4, 4, 3, 3, kInk);
    Rect(m, 12, 10, 4, 5, kInk);
    const TraceEngine e = Traced(m, 0, 0, {0, 0, 0, 50, kPathPolygon});
    ASSERT_EQ(e.Contours().size(), 3u);
    ASSERT_EQ(e.Figures().size(), 3u);
    PathObject merged;
    e.MergeFigures(merged);
    EXPECT_EQ(merged.Figures().size(), 3u);
    EXPECT_EQ(merged.FillMode(), OV_FILL_ALTERNATE);
    const Box b = merged.WorldBounds();
    EXPECT_EQ(b.minX, 1);  // pixel (0, 0) of the region
    EXPECT_EQ(b.minY, 1);
    EXPECT_EQ(b.maxX, 20);
    EXPECT_EQ(b.maxY, 20);
}

TEST(Debris, TheThresholdDropsOutlinesByAreaButNeverTheLargest)
{
    const Outlines two = {{{0, 0}, {4, 0}, {4, 4}, {0, 4}}, {{10, 0}, {14, 0}, {14, 4}, {10, 4}}};
    EXPECT_EQ(ComputeDebrisThreshold(two, 100), 0.0) << "equal areas: nothing is debris";
    EXPECT_EQ(ComputeDebrisThreshold({}, 100), 0.0);
    const Outlines three = {{{0, 0}, {2, 0}, {2, 2}, {0, 2}},      // area 4
                            {{0, 0}, {10, 0}, {10, 10}, {0, 10}},  // 100
                            {{0, 0}, {10, 0}, {10, 9}, {0, 9}}};   // 90
    std::vector<OvPointF> keys;
    const FloodFillSettings s;
    for (const auto& [debris, kept] :
         {std::pair{0, 3u}, {1, 2u}, {50, 2u}, {89, 2u}, {91, 1u}, {100, 1u}, {300, 1u}})
        EXPECT_EQ(BuildContourPaths(three, ComputeDebrisThreshold(three, debris), s, keys).size(), kept)
            << debris;
    const Outlines line = {{{0, 0}, {4, 0}, {8, 0}}};  // a region one pixel wide has no area
    EXPECT_EQ(BuildContourPaths(line, ComputeDebrisThreshold(line, 0), s, keys).size(), 1u);
}

std::vector<std::pair<float, float>> Pairs(const std::vector<OvPointF>& points)
{
    std::vector<std::pair<float, float>> pairs;
    for (const OvPointF& p : points) pairs.emplace_back(p.x, p.y);
    return pairs;
}

TEST(Approximation, KeyPointsAreTheEndsAndEveryFurthestPointAboveTheTolerance)
{
    using P = std::vector<OvPointF>;
    const auto run = [](float bump) { return P{{0, 0}, {1, 0}, {2, 0}, {3, bump}, {4, 0}, {5, 0}, {6, 0}}; };
    const P fewer = {{3, 0.5f}, {4, 0}, {5, 0}, {6, 0}};
    const struct {
        P points;
        int approximability;  // tolerance in tenths of a pixel
        P keys;
    } rows[] = {
        {run(0.05f), 0, run(0.05f)},
        {run(0.05f), 1, {{0, 0}, {6, 0}}},
        {run(0.5f), 1, {{0, 0}, {3, 0.5f}, {6, 0}}},
        {run(0.5f), 5, {{0, 0}, {6, 0}}},  // 0.5 is not above 0.5
        {fewer, 9, fewer},                 // fewer than five points
        // A straight line in uneven steps: the distance along it puts every point on the chord.
        {{{1, 1}, {2, 3}, {4, 7}, {5, 9}, {11, 21}, {13, 25}}, 1, {{1, 1}, {13, 25}}},
        {{{0, 0}, {1, 1}, {2, 0}, {3, 1}, {4, 0}}, 9, {{0, 0}, {1, 1}, {4, 0}}},  // equal bumps: the first
        {{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 1}, {5, 0}}, 9, {{0, 0}, {4, 1}, {5, 0}}},  // the last but one
        // The first part runs up to and with the split point, and splits again on its own.
        {{{0, 3}, {1, 0}, {2, 0}, {3, 2}, {4, 2}, {5, 1}, {6, 3}},
         9,
         {{0, 3}, {1, 0}, {3, 2}, {5, 1}, {6, 3}}},
        {{{0, 0}, {0.1f, 0}, {0.2f, 0.3f}, {0.3f, 0}, {0.4f, 0}},
         1,
         {{0, 0}, {0.2f, 0.3f}, {0.4f, 0}}},  // short
    };
    const auto transposed = [](P points) {  // x and y play the same part
        for (OvPointF& p : points) std::swap(p.x, p.y);
        return points;
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Pairs(ApproximateOutline(r.points, r.approximability)), Pairs(r.keys));
        EXPECT_EQ(Pairs(ApproximateOutline(transposed(r.points), r.approximability)),
                  Pairs(transposed(r.keys)));
    }
    // A closed square ring: the chord collapses to a point; splitting still finds the corners.
    const P ring = {{0, 0}, {2, 0}, {4, 0}, {4, 2}, {4, 4}, {2, 4}, {0, 4}, {0, 2}, {0, 0}};
    EXPECT_EQ(Pairs(ApproximateOutline(ring, 10)), Pairs({{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}}));
    // A run of one point is its own first and last point; an empty run has none.
    const OvPointF single[] = {{2, 3}};
    std::vector<OvPointF> ends;
    COvCFA(single, 1.0).CollectKeyPoints(ends);
    COvCFA(std::span<const OvPointF>(), 1.0).CollectKeyPoints(ends);
    EXPECT_EQ(Pairs(ends), Pairs({{2, 3}, {2, 3}}));
}

TEST(Figures, StylesFollowThePointCountAndTheCornerThreshold)
{
    using P = std::vector<OvPointF>;
    const P one = {{1, 1}, {1, 1}};
    const P two = {{1, 1}, {5, 1}, {1, 1}};
    const P triangle = {{0, 0}, {4, 0}, {0, 4}, {0, 0}};
    const P square = {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}};
    const std::vector<uint8_t> polygon3 = {0, 1, 1 | 0x80};
    const std::vector<uint8_t> lines4 = {0, 1, 1, 1, 1 | 0x80};
    PathObject f;
    EXPECT_FALSE(BuildFigure(one, kPathBlending, 50, f));
    EXPECT_TRUE(BuildFigure(two, kPathClosedCurve, 50, f));
    EXPECT_EQ(f.PointCount(), 0);  // the polygon call refuses two points
    EXPECT_TRUE(BuildFigure(triangle, kPathPolygon, 50, f));
    EXPECT_EQ(TypesOf(f), polygon3);
    EXPECT_TRUE(BuildFigure(triangle, kPathClosedCurve, 50, f));
    EXPECT_EQ(f.PointCount(), 10);  // three Bézier pieces
    // Square corners are 90°: sharp at blending 100 (t ≈ π), smooth at blending 0 (t = π/4).
    EXPECT_TRUE(BuildFigure(square, kPathBlending, 100, f));
    EXPECT_EQ(TypesOf(f), lines4);
    EXPECT_TRUE(BuildFigure(square, kPathBlending, 0, f));
    EXPECT_EQ(f.PointCount(), 13);
    // A 30° spike stays sharp at blending 0; the smooth rest becomes one curve back to it.
    const float r = 10, tip = static_cast<float>(std::tan(std::numbers::pi / 12) * r);
    const P spike = {{0, 0}, {r, -tip}, {2 * r, -tip}, {2 * r, tip}, {r, tip}, {0, 0}};
    EXPECT_TRUE(BuildFigure(spike, kPathBlending, 0, f));
    EXPECT_EQ(f.Types().front(), OV_PATH_START);
    EXPECT_EQ(f.Points().front().x, 0);
    EXPECT_EQ(f.Types().back(), OV_PATH_BEZIER | OV_PATH_CLOSE);
    EXPECT_EQ(Pairs({f.Points().back()}), Pairs({spike.back()})) << "the last curve runs back to the spike";
    // Off the origin: corners of 90°, a straight point of 180°. Blending 0 turns the square into one
    // closed curve whose first control point continues the last side; blending 100 keeps lines and
    // starts at the first point although it is no corner.
    const P shifted = {{3, 1}, {5, 1}, {5, 5}, {1, 5}, {1, 1}, {3, 1}};
    const std::vector<double> angles = CornerAngles(shifted);
    for (std::size_t i = 0; i < angles.size(); ++i)
        EXPECT_NEAR(angles[i], i % 5 == 0 ? std::numbers::pi : std::numbers::pi / 2, 1e-9) << i;
    EXPECT_NEAR(CornerAngles(triangle)[1], std::numbers::pi / 4, 1e-9);
    EXPECT_TRUE(BuildFigure(shifted, kPathBlending, 100, f));
    EXPECT_EQ(Pairs(f.Points()), Pairs(shifted));
    EXPECT_TRUE(BuildFigure(P{{1, 1}, {5, 1}, {5, 5}, {1, 5}, {1, 1}}, kPathBlending, 0, f));
    EXPECT_LT(f.Points()[1].y, 1);
    EXPECT_NEAR(CornerThreshold(0), std::numbers::pi / 4, 1e-3);
    EXPECT_NEAR(CornerThreshold(100), std::numbers::pi, 1e-3);
    EXPECT_EQ(CornerAngles(P{{0, 0}, {0, 0}, {3, 3}, {0, 0}})[1], 0.0);  // coincident neighbour
}

TEST(Engine, OnlyTheStagesWhoseInputsChangedRerun)
{
    cv::Mat m = Canvas(30, 30);
    Rect(m, 5, 5, 20, 20, kInk);
    TraceEngine e = Traced(m, 10, 10, {0, 0, 0, 50, kPathPolygon});
    using S = TraceEngine::Stage;
    struct Row {
        FloodFillSettings s;
        S from;
    } rows[] = {{{0, 40, 0, 50, 0}, S::Threshold}, {{0, 40, 7, 50, 0}, S::Figures},
                {{0, 40, 7, 50, 2}, S::Figures},   {{0, 40, 7, 90, 2}, S::Figures},
                {{30, 40, 7, 90, 2}, S::Fill},     {{30, 40, 7, 90, 2}, S::UpToDate}};
    // A staged rerun must trace what a fresh engine with the same settings traces.
    const auto samePaths = [](const PathObject& a, const PathObject& b) {
        return a.Types() == b.Types() &&
               std::equal(a.Points().begin(), a.Points().end(), b.Points().begin(), b.Points().end(),
                          [](OvPointF u, OvPointF v) { return u.x == v.x && u.y == v.y; });
    };
    for (const Row& r : rows) {
        e.SetSettings(r.s);
        EXPECT_EQ(e.Update(), r.from);
        const std::vector<PathObject> fresh = Traced(m, 10, 10, r.s).Figures();
        EXPECT_TRUE(std::equal(e.Figures().begin(), e.Figures().end(), fresh.begin(), fresh.end(), samePaths))
            << static_cast<int>(r.from);
    }
    EXPECT_EQ(e.Figures().size(), 1u);
    // Approximated: the ring a b c d a splits once at b; the four-point rest b c d a is a leaf.
    EXPECT_EQ(e.KeyPoints().size(), 3u);
}

}  // namespace
