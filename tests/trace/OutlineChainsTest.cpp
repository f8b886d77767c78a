// The contour stage's chains: the outlines they reduce to are cv::findContours' own, each area stays
// below the chain's bound, and the outlines the stage leaves out could pass no debris threshold.
#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <utility>
#include <vector>

#include "trace/FigureBuilder.h"
#include "trace/OutlineChains.h"
#include "trace/TraceEngine.h"

using namespace ov;

namespace {

// Random region pixels at the given density inside a zero frame.
cv::Mat Noise(int width, int height, double density, uint64_t seed)
{
    cv::Mat mask(height + 2, width + 2, CV_8UC1, cv::Scalar(0));
    cv::RNG rng(seed);
    for (int y = 1; y <= height; ++y)
        for (int x = 1; x <= width; ++x) mask.at<uchar>(y, x) = rng.uniform(0.0, 1.0) < density ? 255 : 0;
    return mask;
}

TEST(OutlineChains, ReduceToTheOutlinesOfTheSearchWithEveryAreaBelowItsBound)
{
    for (const double density : {0.3, 0.55, 0.8, 0.97}) {
        const cv::Mat mask = Noise(90, 70, density, 11);
        const Outlines expected = ExtractContours(mask);
        cv::Mat scratch = mask.clone();
        const OutlineChains chains(scratch);
        ASSERT_EQ(chains.Size(), expected.size()) << density;
        for (size_t i = 0; i < chains.Size(); ++i) {
            const Outline outline = chains.Reduced(i);
            ASSERT_EQ(outline, expected[i]) << density << " #" << i;
            EXPECT_LT(OutlineArea(outline), chains.AreaBound(i)) << density << " #" << i;
        }
    }
}

TEST(OutlineChains, TheBoundIsTheBoxOfARectangleOrAComb)
{
    cv::Mat mask(40, 50, CV_8UC1, cv::Scalar(0));
    mask(cv::Rect(5, 7, 30, 12)).setTo(255);
    const OutlineChains chains(mask);
    ASSERT_EQ(chains.Size(), 1u);
    EXPECT_EQ(chains.AreaBound(0), 29 * 11 + 1);  // the outline runs through the outer pixels' centres
    // A comb of twenty teeth one step deep: the vertical travel is four times the width's tenth, the
    // horizontal travel twice the width, so the box (20 × 1) is the lesser bound.
    std::vector<signed char> comb;
    for (int tooth = 0; tooth < 20; ++tooth) comb.insert(comb.end(), {0, 6, 0, 2});
    comb.insert(comb.end(), 40, 4);
    EXPECT_EQ(ChainAreaBound(comb.data(), comb.size()), 40 * 1 + 1);
    EXPECT_EQ(ChainAreaBound(comb.data(), 0), 1);
}

// A square region with square holes of every side from 1 to 30 pixels, in rows. Its outline's area is
// 259², so 1% of it lies between the areas of the holes of sides 24 and 25.
cv::Mat HoledSquare()
{
    cv::Mat mask(262, 262, CV_8UC1, cv::Scalar(0));
    mask(cv::Rect(1, 1, 260, 260)).setTo(255);
    int x = 4, y = 4, rowHeight = 0;
    for (int side = 1; side <= 30; ++side) {
        if (x + side > 256) x = 4, y += rowHeight + 2, rowHeight = 0;
        mask(cv::Rect(x, y, side, side)).setTo(0);
        x += side + 2;
        rowHeight = std::max(rowHeight, side);
    }
    return mask;
}

std::vector<std::pair<float, float>> FigurePoints(const Outlines& outlines, double threshold, int debris)
{
    const FloodFillSettings s{0, debris, 0, 50, kPathPolygon, false};
    std::vector<OvPointF> keys;
    std::vector<std::pair<float, float>> points;
    for (const PathObject& f : BuildContourPaths(outlines, threshold, s, keys))
        for (const OvPointF& p : f.Points()) points.emplace_back(p.x, p.y);
    return points;
}

// `part` lists outlines of `all`, in the same order.
bool InOrder(const Outlines& part, const Outlines& all)
{
    size_t next = 0;
    for (const Outline& o : all) {
        if (next < part.size() && part[next] == o) ++next;
    }
    return next == part.size();
}

TEST(OutlineChains, OutlinesLeftOutCouldPassNoDebrisThreshold)
{
    const cv::Mat mask = HoledSquare();
    const Outlines all = ExtractContours(mask);
    const OutlineSet set = ExtractOutlines(mask, true);
    ASSERT_EQ(all.size(), 31u);
    EXPECT_EQ(set.outlines.size() + set.skipped, all.size());
    EXPECT_TRUE(InOrder(set.outlines, all));
    double largest = 0;
    for (const Outline& o : all) largest = std::max(largest, OutlineArea(o));
    EXPECT_LE(set.largestSkipped, 0.01 * largest);
    EXPECT_GT(set.skipped, 2u) << "holes beyond two pixels are left out as well";
    for (const Outline& o : all) {
        if (std::find(set.outlines.begin(), set.outlines.end(), o) == set.outlines.end()) {
            EXPECT_LT(OutlineArea(o), set.largestSkipped);
        }
    }
    // From the least debris setting on, the figures are those of the full search.
    for (const int debris : {1, 2, 10}) {
        const auto threshold = DebrisThresholdOf(set, debris);
        ASSERT_TRUE(threshold) << debris;
        EXPECT_EQ(FigurePoints(set.outlines, *threshold, debris),
                  FigurePoints(all, ComputeDebrisThreshold(all, debris), debris))
            << debris;
    }
    cv::Mat framed = mask.clone();
    framed.at<uchar>(0, 100) = 255;
    EXPECT_EQ(ExtractOutlines(framed, true).skipped, 0u)
        << "a region on the frame: every outline is searched";
}

}  // namespace
