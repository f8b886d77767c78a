// Leaving one- and two-pixel holes and outlines bound to be debris out of the contour search: which
// holes are filled, when the threshold needs them back, and on a speckled photo the figures of the
// full search for every debris.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "trace/FigureBuilder.h"
#include "trace/SmallHoles.h"
#include "trace/TraceEngine.h"

using namespace ov;

namespace {

TEST(TinyHoles, FillsWholeOneAndTwoPixelHolesOnly)
{
    const char* rows[] = {"##########",  //
                          "#.##..#.##",  // a single; three pixels in an L (with the row below); a single
                          "#####.####",  //
                          "##.####.##",  // a vertical pair; a single touching the next one at a corner
                          "##.###.#..",  // a pair open to the outside
                          "##########"};
    cv::Mat mask(8, 12, CV_8UC1, cv::Scalar(0));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) mask.at<uchar>(y + 1, x + 1) = rows[y][x] == '#' ? 255 : 0;
    const cv::Mat before = mask.clone();
    const FilledHoles filled = FillTinyHoles(mask);
    EXPECT_EQ(filled.singles, 4u);
    EXPECT_EQ(filled.pairs, 1u);
    for (const auto& [y, x] : {std::pair{1, 1}, {1, 7}, {3, 2}, {4, 2}, {3, 7}, {4, 6}})
        EXPECT_EQ(mask.at<uchar>(y + 1, x + 1), 255) << y << ", " << x;
    EXPECT_EQ(cv::countNonZero(mask != before), 6);
    const OutlineSet set = ExtractOutlines(before, true);
    EXPECT_EQ(set.skipped, 5u);
    EXPECT_EQ(std::pair(set.smallestSkipped, set.largestSkipped),
              std::pair(kSinglePixelHoleBound, kTwoPixelHoleBound));
    EXPECT_EQ(set.outlines.size() + 5, ExtractContours(before).size());
    cv::Mat framed = before.clone();  // a region pixel on the frame: every outline is searched
    framed.at<uchar>(0, 3) = 255;
    EXPECT_EQ(ExtractOutlines(framed, true).skipped, 0u);
}

TEST(TinyHoles, LeftOutHolesThatCouldMatterNeedTheFullSearch)
{
    OutlineSet set{{{{0, 0}, {100, 0}, {100, 100}, {0, 100}}}, 1, kTwoPixelHoleBound, kTwoPixelHoleBound};
    EXPECT_FALSE(DebrisThresholdOf(set, 0)) << "debris 0 keeps every hole";
    EXPECT_TRUE(DebrisThresholdOf(set, 1));
    set.largestSkipped = 200;
    EXPECT_FALSE(DebrisThresholdOf(set, 1)) << "a hole of area up to 200 could pass 1% of 10,000";
    EXPECT_TRUE(DebrisThresholdOf(set, 3));
    set.largestSkipped = 100;
    EXPECT_TRUE(DebrisThresholdOf(set, 1)) << "a hole below 100 cannot pass 1% of 10,000";
    // An outline of area 3,001 lies between 30% of 10,000 and that plus 0.699 · 6: undecided.
    set.largestSkipped = kTwoPixelHoleBound;
    set.outlines.push_back({{0, 0}, {3001, 0}, {3001, 1}, {0, 1}});
    EXPECT_FALSE(DebrisThresholdOf(set, 30));
    EXPECT_TRUE(DebrisThresholdOf(set, 29));
    // With an outline of no area the smallest area is known: 3,000 is exactly at the threshold.
    set.outlines.back() = {{0, 0}, {3000, 0}, {3000, 1}, {0, 1}};
    set.outlines.push_back({{0, 0}, {5, 0}});
    EXPECT_EQ(DebrisThresholdOf(set, 30), 3000.0);
    set.skipped = 0;
    EXPECT_EQ(DebrisThresholdOf(set, 30), ComputeDebrisThreshold(set.outlines, 30));
}

// The benchmark's speckled scene at a quarter of its size: the fill leaks into a noisy sky.
cv::Mat SpeckledPhoto()
{
    cv::Mat image(750, 1000, CV_8UC3);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> noise(-12, 12);
    for (int y = 0; y < image.rows; ++y) {
        for (int x = 0; x < image.cols; ++x) {
            const double dx = (x - 500) / 375.0, dy = (y - 375) / 275.0;
            const double r = std::hypot(dx, dy) + 0.08 * std::sin(9 * std::atan2(dy, dx));
            const bool hole = std::hypot(x - 650.0, y - 300.0) < 30 || std::hypot(x - 375.0, y - 450.0) < 15;
            const int base = r < 1 && !hole ? 90 : 200 - y / 7, n = noise(rng);
            image.at<cv::Vec3b>(y, x) =
                cv::Vec3b(cv::saturate_cast<uchar>(base + 40 + n), cv::saturate_cast<uchar>(base + n),
                          cv::saturate_cast<uchar>(base - 30 + n));
        }
    }
    return image;
}

std::vector<std::pair<float, float>> AllPoints(const std::vector<PathObject>& figures)
{
    std::vector<std::pair<float, float>> points;
    for (const PathObject& f : figures)
        for (const OvPointF& p : f.Points()) points.emplace_back(p.x, p.y);
    return points;
}

TEST(TinyHoles, TheSpeckledPhotoKeepsTheFiguresOfTheFullSearch)
{
    TraceEngine engine;
    engine.SetSource(SpeckledPhoto());
    engine.SetSeed(500, 375);
    FloodFillSettings s{40, 30, 10, 80, kPathBlending, true};
    engine.SetSettings(s);
    engine.Update();
    const Outlines all = ExtractContours(engine.Mask());
    const OutlineSet reduced = ExtractOutlines(engine.Mask(), true);
    ASSERT_GT(all.size(), 2000u);
    EXPECT_GT(reduced.skipped, all.size() / 2);
    EXPECT_EQ(reduced.outlines.size() + reduced.skipped, all.size());
    double largest = 0;
    for (const Outline& o : all) largest = std::max(largest, OutlineArea(o));
    EXPECT_LE(reduced.largestSkipped, 0.01 * largest) << "debris 1 can do without the full search";
    EXPECT_LT(reduced.outlines.size(), all.size() / 100) << "nearly every outline is left out";
    auto kept = [](const Outlines& outlines, double threshold) {
        Outlines out;
        for (const Outline& o : outlines) {
            if (OutlineArea(o) >= threshold) out.push_back(o);
        }
        return out;
    };
    EXPECT_EQ(kept(reduced.outlines, DebrisThresholdOf(reduced, 30).value_or(-1)),
              kept(all, ComputeDebrisThreshold(all, 30)));
    // Debris 0 keeps every hole, the tiny ones too; a rise afterwards leaves them out again.
    for (const int debris : {30, 0, 1, 100, 30}) {
        s.debris = debris;
        engine.SetSettings(s);
        engine.Update();
        std::vector<OvPointF> keys;
        const auto full = BuildContourPaths(all, ComputeDebrisThreshold(all, debris), s, keys);
        ASSERT_EQ(engine.Figures().size(), full.size()) << debris;
        EXPECT_EQ(AllPoints(engine.Figures()), AllPoints(full)) << debris;
        EXPECT_EQ(engine.KeyPoints().size(), keys.size()) << debris;
    }
}

}  // namespace
