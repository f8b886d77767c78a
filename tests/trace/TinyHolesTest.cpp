// Leaving one- and two-pixel holes out of the contour search: which holes are filled, and on a
// speckled photo the figures, key points and kept outlines are those of the full search for every
// debris setting, also when a later debris change needs the holes again.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "trace/FigureBuilder.h"
#include "trace/SmallHoles.h"
#include "trace/TraceEngine.h"

using namespace ov;

namespace {

// A 0/255 mask from rows of '#' (region) and '.' (background), with a background frame around it.
cv::Mat MaskOf(std::initializer_list<const char*> rows)
{
    const int h = static_cast<int>(rows.size()), w = static_cast<int>(std::strlen(*rows.begin()));
    cv::Mat mask(h + 2, w + 2, CV_8UC1, cv::Scalar(0));
    int y = 1;
    for (const char* row : rows) {
        for (int x = 0; x < w; ++x) mask.at<uchar>(y, x + 1) = row[x] == '#' ? 255 : 0;
        ++y;
    }
    return mask;
}

TEST(TinyHoles, FillsWholeOneAndTwoPixelHolesOnly)
{
    cv::Mat mask = MaskOf({"##########",  //
                           "#.##..#.##",  // a single; three pixels in an L (with the row below); a single
                           "#####.####",  //
                           "##.####.##",  // a vertical pair; a single touching the next one at a corner
                           "##.###.#..",  // a pair open to the outside
                           "##########"});
    const cv::Mat before = mask.clone();
    const FilledHoles filled = FillTinyHoles(mask);
    EXPECT_EQ(filled.singles, 4u);
    EXPECT_EQ(filled.pairs, 1u);
    auto at = [&](int row, int col) { return mask.at<uchar>(row + 1, col + 1); };
    EXPECT_EQ(at(1, 1), 255);
    EXPECT_EQ(at(1, 7), 255);
    EXPECT_EQ(at(1, 4), 0);  // the L of three stays
    EXPECT_EQ(at(2, 5), 0);
    EXPECT_EQ(at(3, 2), 255);
    EXPECT_EQ(at(4, 2), 255);
    EXPECT_EQ(at(3, 7), 255);
    EXPECT_EQ(at(4, 6), 255);
    EXPECT_EQ(at(4, 8), 0);  // open to the outside
    EXPECT_EQ(cv::countNonZero(mask != before), 6);
}

// The benchmark's speckled scene at a quarter of its size: the fill leaks into a noisy sky and
// leaves thousands of specks.
cv::Mat SpeckledPhoto()
{
    constexpr int kW = 1000, kH = 750;
    cv::Mat image(kH, kW, CV_8UC3);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> noise(-12, 12);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const double dx = (x - 500) / 375.0, dy = (y - 375) / 275.0;
            const double r = std::hypot(dx, dy) + 0.08 * std::sin(9 * std::atan2(dy, dx));
            const bool hole = std::hypot(x - 650.0, y - 300.0) < 30 || std::hypot(x - 375.0, y - 450.0) < 15;
            const int base = r < 1 && !hole ? 90 : 200 - y / 7;
            const int n = noise(rng);
            image.at<cv::Vec3b>(y, x) =
                cv::Vec3b(cv::saturate_cast<uchar>(base + 40 + n), cv::saturate_cast<uchar>(base + n),
                          cv::saturate_cast<uchar>(base - 30 + n));
        }
    }
    return image;
}

std::vector<Outline> Kept(const Outlines& outlines, double threshold)
{
    std::vector<Outline> kept;
    for (const Outline& o : outlines) {
        if (!o.empty() && OutlineArea(o) >= threshold) kept.push_back(o);
    }
    return kept;
}

void ExpectSameFigures(const TraceEngine& engine, const Outlines& all, const FloodFillSettings& s)
{
    std::vector<OvPointF> keys;
    const auto figures = BuildContourPaths(all, ComputeDebrisThreshold(all, s.debris), s, keys);
    ASSERT_EQ(engine.Figures().size(), figures.size()) << s.debris;
    for (size_t i = 0; i < figures.size(); ++i) {
        EXPECT_EQ(engine.Figures()[i].Types(), figures[i].Types());
        ASSERT_EQ(engine.Figures()[i].PointCount(), figures[i].PointCount());
        for (int k = 0; k < figures[i].PointCount(); ++k) {
            EXPECT_EQ(engine.Figures()[i].Points()[k].x, figures[i].Points()[k].x);
            EXPECT_EQ(engine.Figures()[i].Points()[k].y, figures[i].Points()[k].y);
        }
    }
    EXPECT_EQ(engine.KeyPoints().size(), keys.size());
}

TEST(TinyHoles, TheSpeckledPhotoKeepsTheOutlinesOfTheFullSearch)
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
    // Same kept outlines, point for point and in order, at the threshold each set decides.
    const auto threshold = DebrisThresholdOf(reduced, 30);
    ASSERT_TRUE(threshold);
    EXPECT_EQ(Kept(reduced.outlines, *threshold), Kept(all, ComputeDebrisThreshold(all, 30)));
    ExpectSameFigures(engine, all, s);
    // Debris 0 keeps every hole, the tiny ones too; a rise afterwards leaves them out again.
    for (const int debris : {0, 1, 100, 30}) {
        s.debris = debris;
        engine.SetSettings(s);
        engine.Update();
        ExpectSameFigures(engine, all, s);
    }
}

TEST(TinyHoles, LeftOutHolesThatCouldMatterNeedTheFullSearch)
{
    OutlineSet set;
    set.outlines = {{{0, 0}, {100, 0}, {100, 100}, {0, 100}}};  // area 10,000
    set.skipped = 1;
    set.smallestSkipped = set.largestSkipped = kTwoPixelHoleBound;
    EXPECT_FALSE(DebrisThresholdOf(set, 0)) << "debris 0 keeps every hole";
    EXPECT_TRUE(DebrisThresholdOf(set, 1));
    set.largestSkipped = 200;
    EXPECT_FALSE(DebrisThresholdOf(set, 1)) << "a hole of area up to 200 could pass 1% of 10,000";
    EXPECT_TRUE(DebrisThresholdOf(set, 3));
    // An outline of area 3,001 sits between 30% of 10,000 and that plus 0.699 · 6: undecided.
    set.largestSkipped = kTwoPixelHoleBound;
    set.outlines.push_back({{0, 0}, {3001, 0}, {3001, 1}, {0, 1}});
    EXPECT_FALSE(DebrisThresholdOf(set, 30));
    EXPECT_TRUE(DebrisThresholdOf(set, 29));
    set.skipped = 0;
    EXPECT_EQ(DebrisThresholdOf(set, 30), ComputeDebrisThreshold(set.outlines, 30));
}

}  // namespace
