// The contour stage's chains reduce to cv::findContours' own outlines, each area below the chain's
// bound, and that bound is the box of a rectangle or of a comb that travels far up and down.
#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <utility>

#include "trace/OutlineChains.h"

using namespace ov;

namespace {

TEST(OutlineChains, ReduceToTheOutlinesOfTheSearchWithEveryAreaBelowItsBound)
{
    cv::RNG rng(11);
    for (const double density : {0.3, 0.55, 0.8, 0.97}) {
        cv::Mat mask(72, 92, CV_8UC1, cv::Scalar(0));  // random region pixels inside a zero frame
        for (int y = 1; y <= 70; ++y)
            for (int x = 1; x <= 90; ++x) mask.at<uchar>(y, x) = rng.uniform(0.0, 1.0) < density ? 255 : 0;
        const Outlines expected = ExtractContours(mask);
        const OutlineChains chains(mask);
        ASSERT_EQ(chains.Size(), expected.size()) << density;
        for (size_t i = 0; i < chains.Size(); ++i) {
            ASSERT_EQ(chains.Reduced(i), expected[i]) << density << " #" << i;
            EXPECT_LT(OutlineArea(expected[i]), chains.AreaBound(i)) << density << " #" << i;
        }
    }
}

TEST(OutlineChains, TheBoundOfARectangleOrACombIsItsBoxPlusOne)
{
    // Outlines run through the outer pixels' centres: the 30 × 12 rectangle spans 29 × 11, the comb
    // (a bar with eleven one-pixel teeth ten pixels long) 40 × 10.
    cv::Mat mask(40, 100, CV_8UC1, cv::Scalar(0));
    mask(cv::Rect(5, 7, 30, 12)).setTo(255);
    mask(cv::Rect(50, 5, 41, 2)).setTo(255);
    for (int x = 50; x <= 90; x += 4) mask(cv::Rect(x, 5, 1, 11)).setTo(255);
    const OutlineChains chains(mask);
    ASSERT_EQ(chains.Size(), 2u);
    EXPECT_EQ(std::minmax({chains.AreaBound(0), chains.AreaBound(1)}),
              std::pair(29.0 * 11 + 1, 40.0 * 10 + 1));
}

}  // namespace
