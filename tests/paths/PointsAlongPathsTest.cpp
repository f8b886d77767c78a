// Points along the pieces: spacing, corners, the dropped near-repeat, grid cells and the typed values.
#include "paths/ClipPieces.h"
#include "paths/PointsAlongPaths.h"

#include <gtest/gtest.h>

#include <vector>

namespace ov {
namespace {

std::vector<OvPointF> Along(const std::vector<std::vector<OvPointF>>& polylines, int divisions, double bias)
{
    std::vector<PathObject> paths;
    for (const auto& p : polylines) {
        paths.emplace_back();
        paths.back().AddLines(p);
    }
    ClipPieces view;
    view.Rebuild(paths);
    return PointsAlongPieces(view.Pieces(), divisions, bias);
}

TEST(PointsAlongPaths, TheCornerOfAnLComesTwice)
{
    const auto points = Along({{{0, 0}, {4, 0}, {4, 4}}}, 2, 1.0);
    const std::vector<OvPointF> expected{{0, 0}, {2, 0}, {4, 0}, {4, 0}, {4, 2}, {4, 4}};
    ASSERT_EQ(points.size(), expected.size());
    for (size_t i = 0; i < points.size(); ++i) {
        EXPECT_NEAR(points[i].x, expected[i].x, 1e-5) << i;
        EXPECT_NEAR(points[i].y, expected[i].y, 1e-5) << i;
    }
}

TEST(PointsAlongPaths, AStartWithinAHundredthOfTheLastPointIsDropped)
{
    const auto dropped = Along({{{0, 5}, {10, 5}}, {{10.005f, 5}, {10.005f, 15}}}, 1, 1.0);
    ASSERT_EQ(dropped.size(), 3u);
    EXPECT_NEAR(dropped[2].y, 15, 1e-5);
    const auto kept = Along({{{0, 5}, {10, 5}}, {{10.02f, 5}, {10.02f, 15}}}, 1, 1.0);
    EXPECT_EQ(kept.size(), 4u);
}

TEST(PointsAlongPaths, BiasGrowsTheSteps)
{
    const auto points = Along({{{0, 0}, {15, 0}}}, 4, 2.0);
    ASSERT_EQ(points.size(), 5u);
    EXPECT_NEAR(points[1].x, 1, 1e-4);
    EXPECT_NEAR(points[2].x, 3, 1e-4);
    EXPECT_NEAR(points[3].x, 7, 1e-4);
}

TEST(PointsAlongPaths, GridCellsCountFromTheOriginInCellSizes)
{
    const OvPointF cell = GridCell({25, -5}, CellGrid{5, 15, 4});
    EXPECT_EQ(cell.x, 5.0f);
    EXPECT_EQ(cell.y, -5.0f);
}

TEST(PointsAlongPaths, TypedDivisionsAreLeadingWholeNumbersOfAtLeastOne)
{
    EXPECT_EQ(ParseDivisions(u"0"), 1);
    EXPECT_EQ(ParseDivisions(u"-4"), 1);
    EXPECT_EQ(ParseDivisions(u"abc"), 1);
    EXPECT_EQ(ParseDivisions(u""), 1);
    EXPECT_EQ(ParseDivisions(u"  12xyz"), 12);
    EXPECT_EQ(ParseDivisions(u"+7"), 7);
    EXPECT_EQ(ParseDivisions(u"3.9"), 3);
    EXPECT_EQ(ParseDivisions(u"99999999999999999999"), 2147483647);
}

TEST(PointsAlongPaths, TypedBiasIsClampedToATenthAndTen)
{
    EXPECT_EQ(ParseBias(u"50"), 10.0);
    EXPECT_EQ(ParseBias(u"0"), 0.1);
    EXPECT_EQ(ParseBias(u"text"), 0.1);
    EXPECT_EQ(ParseBias(u" 2.5x"), 2.5);
    EXPECT_EQ(ParseBias(u"+0.5"), 0.5);
    EXPECT_EQ(ParseBias(u"1e999"), 10.0);
    EXPECT_EQ(ClampBias(NAN), 0.1);
    EXPECT_EQ(ClampBias(10.0), 10.0);
    EXPECT_EQ(ClampBias(0.1), 0.1);
    EXPECT_EQ(ClampBias(3.0), 3.0);
}

}  // namespace
}  // namespace ov
